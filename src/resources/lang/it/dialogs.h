/* Italian dialog texts (0x0410). Each macro is the text of one control:
 * D<template>_<control id>, or D<template>_CAPTION for the title.
 * A '&' marks the keyboard mnemonic; mnemonics stay unique within a dialog. */
#pragma once

#define DLG_FONT_SIZE       8
#define DLG_FONT_FACE       "MS Shell Dlg"
#define DLG_FONT_WEIGHT     400
#define DLG_FONT_ITALIC     0
#define DLG_FONT_CHARSET    1

/* Overlays: choose the overlay mode and the active overlays of the job */
#define D109_CAPTION        "Overlay"
#define D109_MODE_LABEL     "&Modalità:"
#define D109_1051           "Overlay atti&vi:"
#define D109_1054           "&Aggiungi"
#define D109_1055           "&Togli"
#define D109_1056           "Overlay de&finiti:"
#define D109_1059           "&Nuovo"
#define D109_1060           "Mo&difica"
#define D109_1061           "&Elimina"
#define D109_1              "OK"
#define D109_2              "Annulla"

/* Color property page */
#define D111_CAPTION        "Colore"
#define D111_1617           "&Modalità colore"
#define D111_1605           "A colori"
#define D111_1606           "Scala di grigi (bianco/nero)"
#define D111_1616           "&Dettagli..."
#define D111_4112           "&Cartuccia di stampa"
#define D111_4113           "Bianco"
#define D111_4114           "Nero"
#define D111_1666           "M&odo"
#define D111_4110           "Resa del &nero"
#define D111_1618           "&Gamma personalizzata:"
#define D111_1215           "&Avanzate..."
#define D111_10000          "&Predefinite"

/* Watermarks: the list of watermarks and the job's choice */
#define D112_CAPTION        "Filigrane"
#define D112_1403           "&Nuova..."
#define D112_1402           "&Elimina"
#define D112_1404           "&Modifica..."
#define D112_1437           "Solo &prima pagina"
#define D112_1448           "Stampa sullo &sfondo"
#define D112_1              "OK"
#define D112_2              "Annulla"

/* Job Options property page */
#define D113_CAPTION        "Opzioni lavoro"
#define D113_1500           "&Qualità"
#define D113_1545           "Zenit/Alta qualità"
#define D113_1546           "Fine / Dettaglio (600x1200)"
#define D113_1547           "Normale (600x600)"
#define D113_1558           "&Smussatura immagine"
#define D113_1542           "&Copie"
#define D113_1518           "&Fascicola"
#define D113_1530           "Scal&a"
#define D113_1800           "Opzioni sp&eciali"
#define D113_1801           "Stampa specula&re"
#define D113_1537           "A&vanzate..."
#define D113_1559           "&Info..."
#define D113_10000          "&Predefinite"

/* Watermark editor: one watermark's text, size, angle, font, border, position */
#define D114_CAPTION        "Filigrana"
#define D114_1400           "&Testo"
#define D114_1412           "&Dimensione"
#define D114_1415           "An&golo"
#define D114_1445           "-180"
#define D114_1446           "0"
#define D114_1447           "+180"
#define D114_1418           "&Carattere..."
#define D114_1419           "Co&lore..."
#define D114_1438           "&Bordo"
#define D114_1439           "Nessuno"
#define D114_1440           "Cerchio"
#define D114_1441           "Cornice semplice"
#define D114_1442           "Cornice doppia"
#define D114_1430           "&Posizione"
#define D114_1444           "Regolazione posizione"
#define D114_1431           "&X"
#define D114_1433           "&Y"
#define D114_1              "OK"
#define D114_2              "Annulla"

/* Font of a watermark: printer font, style and size */
#define D115_CAPTION        "Carattere"
#define D115_1452           "&Carattere"
#define D115_1455           "St&ile"
#define D115_1458           "&Dimensione"
#define D115_1              "OK"
#define D115_2              "Annulla"

/* About: driver name and versions */
#define D117_CAPTION        "Informazioni"
#define D117_1565           "Versione driver"
#define D117_1566           "Versione PPD"
#define D117_1              "OK"

/* Office Color Details: colour settings for office documents */
#define D118_CAPTION        "Dettagli colore Office"
#define D118_1200           "Impostazioni colore RGB"
#define D118_1282           "&Resa colore"
#define D118_1267           "Impostazioni Color Tuner"
#define D118_1260           "&Simulazione inchiostro CMYK"
#define D118_1253           "Resa del &nero"
#define D118_1254           "Auto"
#define D118_1255           "Nero composito (CMYK)"
#define D118_1256           "Nero puro (K)"
#define D118_1              "OK"
#define D118_2              "Annulla"
#define D118_10000          "Predefinite"

/* Color Print Details: colour matching profiles and precision */
#define D119_CAPTION        "Dettagli stampa a colori"
#define D119_1656           "Ingresso"
#define D119_1657           "Profilo &RGB"
#define D119_1681           "Profilo ingresso &CMYK"
#define D119_1682           "Profilo &link CMYK"
#define D119_1690           "Profilo &simulazione"
#define D119_1659           "Profilo uscita stampante"
#define D119_1661           "Profilo di &uscita"
#define D119_1663           "&Intento di resa"
#define D119_1665           "&Precisione colore"
#define D119_1669           "Velocità"
#define D119_1668           "Qualità"
#define D119_1              "OK"
#define D119_2              "Annulla"
#define D119_10000          "Predefinite"

/* Advanced colour options: halftones */
#define D200_CAPTION        "Avanzate"
#define D200_1300           "Opzioni colore avanzate"
#define D200_1301           "Usa &sempre i mezzitoni della stampante"
#define D200_1305           "Mezzitoni ottimizzati in scala di &grigi"
#define D200_1              "OK"
#define D200_2              "Annulla"
#define D200_10000          "&Predefinite"

/* ICC profile settings */
#define D201_CAPTION        "Impostazioni profili ICC"
#define D201_1700           "Profili ICC"
#define D201_1701           "Profilo &origine"
#define D201_1703           "Profilo &stampante"
#define D201_1705           "&Intento di resa"
#define D201_1              "OK"
#define D201_2              "Annulla"

/* JOB PIN: job name and PIN of a secure job */
#define D202_CAPTION        "PIN lavoro"
#define D202_1004           "Un lavoro protetto resta in attesa nella stampante finché non si immette il PIN sul pannello di controllo."
#define D202_1005           "&Nome lavoro:"
#define D202_1007           "Richiedi il nome del lavoro per ogni lavoro di stampa"
#define D202_1009           "&PIN:"
#define D202_1010           "(4 cifre)"
#define D202_1              "OK"
#define D202_2              "Annulla"

/* Define Overlays: one overlay's name, pages and forms */
#define D203_CAPTION        "Definisci overlay"
#define D203_1100           "&Nome:"
#define D203_1102           "&Stampa su:"
#define D203_1104           "Pagine s&celte:"
#define D203_1106           "Immettere numeri e/o intervalli di pagine separati da virgole, ad esempio 1,3,5-12"
#define D203_1107           "Impostazioni moduli"
#define D203_1108           "&Modulo:"
#define D203_1110           "&Aggiungi"
#define D203_1111           "&Rinomina"
#define D203_1112           "Mo&duli:"
#define D203_1114           "&Elimina"
#define D203_1              "OK"
#define D203_2              "Annulla"

/* Advanced job options */
#define D204_CAPTION        "Avanzate"
#define D204_1806           "&Spool del lavoro"
#define D204_1804           "&Compressione lavoro"
#define D204_1807           "&Esegui un ciclo di manutenzione prima della stampa"
#define D204_1808           "&Regola le linee ultrasottili"
#define D204_10000          "&Predefinite"
#define D204_1              "OK"
#define D204_2              "Annulla"

/* One-time notices; the check box text is shared by all four */
#define D300_6005           "&Mostra questo messaggio la prossima volta"
#define D300_CAPTION        "Stampa protetta"
#define D300_6004           "I lavori protetti restano sul disco rigido della stampante finché non vengono rilasciati con il PIN dal pannello di controllo."
#define D300_1              "OK"
#define D301_CAPTION        "Avviso:"
#define D301_6004           "Questa stampante è condivisa. Il nome del lavoro non può essere chiesto quando si stampa da un altro computer; immetterlo qui."
#define D301_6005           D300_6005
#define D301_1              "OK"
#define D301_2              "Annulla"
#define D302_CAPTION        "Overlay"
#define D302_6004           "Gli overlay vengono stampati da moduli memorizzati nella stampante. Verificare che ogni modulo indicato qui esista nella stampante."
#define D302_6005           D300_6005
#define D302_1              "OK"
#define D303_CAPTION        "Filigrane"
#define D303_6004           "Le filigrane vengono stampate con i caratteri della stampante. Il risultato può differire leggermente dall'anteprima."
#define D303_6005           D300_6005
#define D303_1              "OK"
