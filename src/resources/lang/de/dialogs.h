/* German dialog texts (Germany, 0x0407). Each macro is the text of one
 * control: D<template>_<control id>, or D<template>_CAPTION for the title.
 * A '&' marks the keyboard mnemonic; mnemonics stay unique within a dialog. */
#pragma once

#define DLG_FONT_SIZE       8
#define DLG_FONT_FACE       "MS Shell Dlg"
#define DLG_FONT_WEIGHT     400
#define DLG_FONT_ITALIC     0
#define DLG_FONT_CHARSET    1

/* Overlays: choose the overlay mode and the active overlays of the job */
#define D109_CAPTION        "Overlays"
#define D109_MODE_LABEL     "Overlay-&Modus:"
#define D109_1051           "&Aktive Overlays:"
#define D109_1054           "&Hinzufügen"
#define D109_1055           "Ent&fernen"
#define D109_1056           "&Definierte Overlays:"
#define D109_1059           "&Neu"
#define D109_1060           "&Bearbeiten"
#define D109_1061           "&Löschen"
#define D109_1              "OK"
#define D109_2              "Abbrechen"

/* Color property page */
#define D111_CAPTION        "Farbe"
#define D111_1617           "&Farbmodus"
#define D111_1605           "Farbdruck"
#define D111_1606           "Graustufendruck (Schwarzweiß)"
#define D111_1616           "&Details..."
#define D111_4112           "Druck&kartusche"
#define D111_4113           "Weiß"
#define D111_4114           "Schw."
#define D111_1666           "&Modus"
#define D111_4110           "Schwarz&ton"
#define D111_1618           "Benutzerdefiniertes &Gamma:"
#define D111_1215           "&Erweitert..."
#define D111_10000          "&Standard"

/* Watermarks: the list of watermarks and the job's choice */
#define D112_CAPTION        "Wasserzeichen"
#define D112_1403           "&Neu..."
#define D112_1402           "&Löschen"
#define D112_1404           "Än&dern..."
#define D112_1437           "Nur auf der &ersten Seite"
#define D112_1448           "Im &Hintergrund drucken"
#define D112_1              "OK"
#define D112_2              "Abbrechen"

/* Job Options property page */
#define D113_CAPTION        "Auftragsoptionen"
#define D113_1500           "&Qualität"
#define D113_1545           "Zenit/Hohe Qualität"
#define D113_1546           "Fein / Detail (600x1200)"
#define D113_1547           "Normal (600x600)"
#define D113_1558           "&Bildglättung"
#define D113_1542           "&Kopien"
#define D113_1518           "&Sortieren"
#define D113_1530           "Ska&lierung"
#define D113_1800           "Spe&zial"
#define D113_1801           "Spiegel&druck"
#define D113_1537           "&Erweitert..."
#define D113_1559           "&Info..."
#define D113_10000          "S&tandard"

/* Watermark editor: one watermark's text, size, angle, font, border, position */
#define D114_CAPTION        "Wasserzeichen"
#define D114_1400           "&Text"
#define D114_1412           "&Größe"
#define D114_1415           "&Winkel"
#define D114_1445           "-180"
#define D114_1446           "0"
#define D114_1447           "+180"
#define D114_1418           "Schrift&art..."
#define D114_1419           "&Farbe..."
#define D114_1438           "&Rahmen"
#define D114_1439           "Ohne"
#define D114_1440           "Kreis"
#define D114_1441           "Einfacher Rahmen"
#define D114_1442           "Doppelter Rahmen"
#define D114_1430           "&Position"
#define D114_1444           "Feinpositionierung"
#define D114_1431           "&X"
#define D114_1433           "&Y"
#define D114_1              "OK"
#define D114_2              "Abbrechen"

/* Font of a watermark: printer font, style and size */
#define D115_CAPTION        "Schriftart"
#define D115_1452           "Schrift&art"
#define D115_1455           "Schrift&schnitt"
#define D115_1458           "Schrift&grad"
#define D115_1              "OK"
#define D115_2              "Abbrechen"

/* About: driver name and versions */
#define D117_CAPTION        "Info"
#define D117_1565           "Treiberversion"
#define D117_1566           "PPD-Version"
#define D117_1              "OK"

/* Office Color Details: colour settings for office documents */
#define D118_CAPTION        "Farbdetails für Office"
#define D118_1200           "RGB-Farbeinstellungen"
#define D118_1282           "&Farbeinstellung"
#define D118_1267           "Color-Tuner-Einstellungen"
#define D118_1260           "CMYK-Druckfarben&simulation"
#define D118_1253           "Schwarz&ton"
#define D118_1254           "Automatisch"
#define D118_1255           "Mischschwarz (CMYK)"
#define D118_1256           "Reines Schwarz (K)"
#define D118_1              "OK"
#define D118_2              "Abbrechen"
#define D118_10000          "Standard"

/* Color Print Details: colour matching profiles and precision */
#define D119_CAPTION        "Farbdruckdetails"
#define D119_1656           "Eingabe"
#define D119_1657           "&RGB-Profil"
#define D119_1681           "&CMYK-Eingabeprofil"
#define D119_1682           "CMYK-&Link-Profil"
#define D119_1690           "&Simulations-Zielprofil"
#define D119_1659           "Druckerausgabeprofil"
#define D119_1661           "A&usgabeprofil"
#define D119_1663           "Render&priorität"
#define D119_1665           "Farbabgleich&genauigkeit"
#define D119_1669           "Tempo"
#define D119_1668           "Qualität"
#define D119_1              "OK"
#define D119_2              "Abbrechen"
#define D119_10000          "Standard"

/* Advanced colour options: halftones */
#define D200_CAPTION        "Erweitert"
#define D200_1300           "Erweiterte Farboptionen"
#define D200_1301           "&Immer das Halbtonraster des Druckers verwenden"
#define D200_1305           "&Graustufenraster optimieren"
#define D200_1              "OK"
#define D200_2              "Abbrechen"
#define D200_10000          "&Standard"

/* ICC profile settings */
#define D201_CAPTION        "ICC-Profileinstellungen"
#define D201_1700           "ICC-Profile"
#define D201_1701           "&Quellprofil"
#define D201_1703           "&Druckerprofil"
#define D201_1705           "Render&priorität"
#define D201_1              "OK"
#define D201_2              "Abbrechen"

/* JOB PIN: job name and PIN of a secure job */
#define D202_CAPTION        "Auftrags-PIN"
#define D202_1004           "Ein vertraulicher Auftrag wird im Drucker angehalten, bis Sie seine PIN am Bedienfeld des Druckers eingeben."
#define D202_1005           "Auftrags&name:"
#define D202_1007           "Auftragsnamen für jeden Druckauftrag anfordern"
#define D202_1009           "&PIN:"
#define D202_1010           "(4 Ziffern)"
#define D202_1              "OK"
#define D202_2              "Abbrechen"

/* Define Overlays: one overlay's name, pages and forms */
#define D203_CAPTION        "Overlay definieren"
#define D203_1100           "Overlay-&Name:"
#define D203_1102           "Drucken auf &Seiten:"
#define D203_1104           "&Benutzerdefiniert:"
#define D203_1106           "Seitenzahlen und/oder Seitenbereiche durch Kommas getrennt eingeben, z. B. 1,3,5-12"
#define D203_1107           "Formulareinstellungen"
#define D203_1108           "For&mularname:"
#define D203_1110           "&Hinzufügen"
#define D203_1111           "&Umbenennen"
#define D203_1112           "&Formulare:"
#define D203_1114           "&Löschen"
#define D203_1              "OK"
#define D203_2              "Abbrechen"

/* Advanced job options */
#define D204_CAPTION        "Erweitert"
#define D204_1806           "&Auftragsspooling"
#define D204_1804           "Auftrags&komprimierung"
#define D204_1807           "Vor dem Drucken Wartungszyklus aus&führen"
#define D204_1808           "Ultrafeine Linien an&passen"
#define D204_10000          "&Standard"
#define D204_1              "OK"
#define D204_2              "Abbrechen"

/* One-time notices; the check box text is shared by all four */
#define D300_6005           "Diese Meldung beim nächsten Mal &anzeigen"
#define D300_CAPTION        "Vertraulicher Druck"
#define D300_6004           "Vertrauliche Aufträge werden auf der Festplatte des Druckers gespeichert, bis Sie sie am Bedienfeld des Druckers mit ihrer PIN freigeben."
#define D300_1              "OK"
#define D301_CAPTION        "Warnung:"
#define D301_6004           "Dieser Drucker ist freigegeben. Wird der Auftrag von einem anderen Computer aus gedruckt, kann der Auftragsname nicht abgefragt werden. Geben Sie ihn stattdessen hier ein."
#define D301_6005           D300_6005
#define D301_1              "OK"
#define D301_2              "Abbrechen"
#define D302_CAPTION        "Overlays"
#define D302_6004           "Overlays werden mit Formularen gedruckt, die im Drucker gespeichert sind. Stellen Sie sicher, dass jedes hier genannte Formular im Drucker vorhanden ist."
#define D302_6005           D300_6005
#define D302_1              "OK"
#define D303_CAPTION        "Wasserzeichen"
#define D303_6004           "Wasserzeichen werden mit Druckerschriftarten gedruckt. Das Druckergebnis kann geringfügig von der Vorschau abweichen."
#define D303_6005           D300_6005
#define D303_1              "OK"
