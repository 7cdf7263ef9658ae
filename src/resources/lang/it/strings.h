// Italian texts of the string table (UTF-8; rc string literals: a double
// quote is written "", a backslash \\, \n is a line break). Placeholders
// (%d, %%) keep their order and count in every language. Italian ships
// without S9105.
#pragma once

// Advanced dialog: entries of the Job Compression list.
#define S6001 "Nessuna"
#define S6002 "Veloce"
#define S6003 "Normale"
#define S6004 "Compressione massima"

// Job Options page: allowed range beside Copies and Scale.
#define S7000 "( %d-%d )"
#define S7001 "( %d-%d %% )"

// Job Options page: the job type radio buttons.
#define S7007 "Stampa normale"
#define S7008 "Stampa protetta"
#define S7009 "Stampa protetta crittografata"
#define S7010 "Stampa protetta con smart card"

// JOB PIN dialog: message boxes.
#define S8000 "Immettere un PIN di 4 cifre."
#define S8001 "Immettere un nome per il lavoro."

// Overlays dialog: column headings and list limits.
#define S8010 "Overlay"
#define S8011 "Pagina"
#define S8012 "(Max. %d)"

// Define Overlays dialog and the Page column of the Overlays dialog.
#define S8030 "Tutte le pagine"
#define S8031 "Prima pagina"
#define S8032 "Pagine dispari"
#define S8033 "Pagine pari"
#define S8034 "Personalizzate"
#define S8035 "Nuovo overlay"

// Printer properties: reading the installed options from the printer.
#define S8040 "&Rileva automaticamente le opzioni installate"
#define S8041 "Lettura delle opzioni installate dalla stampante..."
#define S8042 "Impossibile leggere le opzioni installate dalla stampante.\nVerificare che la stampante sia accesa e collegata."
#define S8043 "Le opzioni installate sono state lette dalla stampante."
#define S8044 "Le opzioni installate non possono essere lette tramite la porta di questa stampante."

// Watermarks dialog: first list entry; then the section name (kept), the
// printer font (never translated) and the custom colours section.
#define S8050 "Nessuna"
#define S8051 "Watermark"
#define S8052 "HeiseiMin-W3-90ms-RKSJ-H"
#define S8053 "Colori personalizzati"

// Watermark dialog: the Position list.
#define S8054 "In alto a sinistra"
#define S8055 "In alto al centro"
#define S8056 "In alto a destra"
#define S8057 "Al centro"
#define S8058 "In basso a sinistra"
#define S8059 "In basso al centro"
#define S8060 "In basso a destra"

// Font dialog: the Size list, in points.
#define S8061 "8"
#define S8062 "9"
#define S8063 "10"
#define S8064 "11"
#define S8065 "12"
#define S8066 "14"
#define S8067 "16"
#define S8068 "18"
#define S8069 "20"
#define S8070 "22"
#define S8071 "24"
#define S8072 "26"
#define S8073 "28"
#define S8074 "36"
#define S8075 "48"
#define S8076 "72"

// Font dialog: the Style list.
#define S8077 "Normale"
#define S8078 "Corsivo"
#define S8079 "Grassetto"
#define S8080 "Grassetto corsivo"

// ICC Profile Settings dialog.
#define S9000 "Impostazioni profili ICC"
#define S9001 "Predefinito stampante"
#define S9002 "Profilo RGB di origine"
#define S9003 "Profilo di uscita stampante"
#define S9004 "Intento di resa"
#define S9005 "Percettivo"
#define S9006 "Saturazione"
#define S9007 "Colorimetrico relativo"
#define S9008 "Colorimetrico assoluto"
#define S9009 "Profili ICC (*.icc, *.icm)"

// ICC Profile Settings dialog: message boxes.
#define S9101 "Impossibile trovare il profilo selezionato."
#define S9102 "Il file selezionato non è un profilo ICC valido."
#define S9103 "Impossibile installare il profilo.\nPer installare profili colore possono essere necessari diritti di amministratore."
#define S9104 "Questo profilo è già installato."

// Overlays and Define Overlays dialogs: message boxes.
#define S10020 "Esiste già un overlay con questo nome.\nScegliere un altro nome."
#define S10021 "Immettere in ""Modulo"" il nome del modulo PostScript da usare e fare clic su Aggiungi.\nIl nome deve essere identico a quello del modulo memorizzato nella stampante."
#define S10022 "Quando si sceglie ""Create Form"", l'""Opzione di output PostScript"" nelle Opzioni avanzate viene impostata automaticamente su ""EPS"".\nSe si annulla la stampa con overlay, ricordarsi di reimpostarla su ""Ottimizza per velocità""."
#define S10023 "Immettere un nome per l'overlay."
#define S10024 "Carattere '.' non valido"
#define S10025 "Un overlay può contenere fino a 3 moduli."
#define S10026 "È possibile definire al massimo 32 overlay.\nEliminare uno degli overlay esistenti\nprima di crearne uno nuovo."
#define S10027 "Per un lavoro possono essere attivi fino a 4 overlay."

// Watermarks dialog: message boxes; "Avviso" titles every warning.
#define S10040 "È possibile salvare al massimo 16 filigrane.\nEliminare o modificare una delle filigrane esistenti\nprima di crearne una nuova."
#define S10041 "Avviso"
#define S10042 "Impossibile trovare l'elenco dei caratteri per le filigrane.\nLa filigrana viene stampata con il carattere predefinito della stampante."

// Wrong values on leaving a page, one copy for secure jobs, Color Tuner.
#define S10050 "Una o più impostazioni non sono valide."
#define S10051 "Immettere un valore compreso tra %d e %d."
#define S10052 "Immettere un numero."
#define S10054 "Questa funzione può essere usata solo con Copie impostato su 1.\nPer la stampa protetta e la memorizzazione su SD, è possibile scegliere più copie dal pannello di controllo della stampante."
#define S10055 "Per usare questa funzione, installare Color Tuner Utility."
#define S10056 "Impossibile leggere le impostazioni di Color Tuner Utility."

// Color page: colour-sample utility missing; "Errore" titles error messages.
#define S10060 "Per usare questa funzione, installare Color Hueboard Utility."
#define S10061 "Errore"

// Job Options page: secure-print notices.
#define S20002 "La stampa protetta richiede il disco rigido della stampante.\nIl lavoro viene stampato come lavoro normale."
#define S20003 "La limitazione dei lavori è attiva: a questa stampante si possono inviare solo lavori di stampa protetta crittografata."
#define S20004 "Impossibile caricare il modulo di crittografia.\nLa stampa protetta crittografata non è disponibile."
#define S20005 "Il driver della smart card non è installato.\nLa stampa protetta con smart card non è disponibile."
#define S20006 "Impossibile decrittografare la password memorizzata.\nImmettere di nuovo la password."

// Title bar of information messages.
#define S30010 "Informazioni"

// Special toner details: the line above the dialog, naming the special
// toner installed (none, White, Clear).
#define S8082 "Nessun toner speciale installato."
#define S8083 "Toner speciale installato: bianco"
#define S8084 "Toner speciale installato: trasparente"

// Print position adjustment: the tabs of the front and back of a sheet.
#define S8100 "Fronte"
#define S8101 "Retro"
