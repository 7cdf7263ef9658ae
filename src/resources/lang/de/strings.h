// German texts of the string table (Germany, 0x0407; UTF-8; rc string
// literals: a double quote is written "", a backslash \\, \n is a line
// break). Placeholders (%d, %%) keep their order and count as in English.
#pragma once

// Advanced dialog (Job Options > Advanced...): entries of the Job
// Compression list.
#define S6001 "Keine"
#define S6002 "Schnell"
#define S6003 "Normal"
#define S6004 "Maximale Komprimierung"

// Job Options page: allowed range shown beside the Copies and the Scale
// fields; the two numbers are the lower and upper limit, %% is a percent sign.
#define S7000 "( %d-%d )"
#define S7001 "( %d-%d %% )"

// Job Options page: the job type radio buttons (normal, secure, encrypted
// secure); the IC card text replaces the encrypted one when an IC card
// reader is installed.
#define S7007 "Normaler Druck"
#define S7008 "Vertraulicher Druck"
#define S7009 "Verschlüsselter vertraulicher Druck"
#define S7010 "Vertraulicher Druck mit IC-Karte"

// JOB PIN dialog: message boxes when OK is pressed with a PIN that is not
// four digits, or without a job name.
#define S8000 "Bitte geben Sie eine vierstellige PIN ein."
#define S8001 "Bitte geben Sie einen Auftragsnamen ein."

// Overlays dialog: column headings of the two overlay lists, and the limit
// shown beside each list (%d is 4 or 32).
#define S8010 "Overlay"
#define S8011 "Seite"
#define S8012 "(Max. %d)"

// Define Overlays dialog (Print on Pages list) and the Page column of the
// Overlays dialog: the pages an overlay prints on; then the name a new
// overlay starts with.
#define S8030 "Alle Seiten"
#define S8031 "Erste Seite"
#define S8032 "Ungerade Seiten"
#define S8033 "Gerade Seiten"
#define S8034 "Benutzerdefiniert"
#define S8035 "Neues Overlay"

// Printer properties, Device Settings tree: the push button that reads the
// installed options from the printer (& marks the access key), and the
// progress and result messages of that reading.
#define S8040 "Installierte Optionen automatisch &abrufen"
#define S8041 "Die installierten Optionen werden vom Drucker gelesen..."
#define S8042 "Die installierten Optionen konnten nicht vom Drucker gelesen werden.\nPrüfen Sie, ob der Drucker eingeschaltet und angeschlossen ist."
#define S8043 "Die installierten Optionen wurden vom Drucker gelesen."
#define S8044 "Über den Anschluss dieses Druckers können die installierten Optionen nicht gelesen werden."

// Watermarks dialog: first entry of the watermark list (no watermark).
// The next three are not shown: the name of the watermark section in the
// driver's configuration file (kept as "Watermark" in every language), the
// printer font of a new watermark (a font name, never translated), and the
// section that keeps the colour chooser's custom colours (translated: each
// language keeps its own set).
#define S8050 "Kein"
#define S8051 "Watermark"
#define S8052 "HeiseiMin-W3-90ms-RKSJ-H"
#define S8053 "Benutzerdefinierte Farbe"

// Watermark dialog: the Position list.
#define S8054 "Oben links"
#define S8055 "Oben Mitte"
#define S8056 "Oben rechts"
#define S8057 "Mitte"
#define S8058 "Unten links"
#define S8059 "Unten Mitte"
#define S8060 "Unten rechts"

// Font dialog (Watermark > Font...): the Size list, in points.
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
#define S8077 "Standard"
#define S8078 "Kursiv"
#define S8079 "Fett"
#define S8080 "Fett Kursiv"

// ICC Profile Settings dialog: labels, the printer's own profile, the
// rendering intents, and the file type of the profile chooser.
#define S9000 "ICC-Profileinstellungen"
#define S9001 "Druckerstandard"
#define S9002 "RGB-Quellprofil"
#define S9003 "Druckerausgabeprofil"
#define S9004 "Renderpriorität"
#define S9005 "Perzeptiv"
#define S9006 "Sättigung"
#define S9007 "Relativ farbmetrisch"
#define S9008 "Absolut farbmetrisch"
#define S9009 "ICC-Profile (*.icc, *.icm)"

// ICC Profile Settings dialog: message boxes.
#define S9101 "Das ausgewählte Profil wurde nicht gefunden."
#define S9102 "Die ausgewählte Datei ist kein gültiges ICC-Profil."
#define S9103 "Das Profil konnte nicht installiert werden.\nZum Installieren von Farbprofilen sind möglicherweise Administratorrechte erforderlich."
#define S9104 "Dieses Profil ist bereits installiert."
#define S9105 "Das ausgewählte Profil aus der Liste entfernen?"

// Overlays and Define Overlays dialogs: message boxes. „Formularname“ and
// „Hinzufügen“ are the texts of those controls; „Formular erstellen“ is the
// overlay mode that stores forms, and the PostScript names are those of the
// system's German PostScript driver (Erweiterte Optionen).
#define S10020 "Es gibt bereits ein definiertes Overlay mit diesem Namen.\nBitte wählen Sie einen anderen Namen."
#define S10021 "Bitte geben Sie unter „Formularname“ den Namen des PostScript-Formulars ein, das Sie verwenden möchten, und klicken Sie auf „Hinzufügen“.\nDer Name muss genau mit dem Namen des im Drucker gespeicherten Formulars übereinstimmen."
#define S10022 "Wenn „Formular erstellen“ gewählt ist, wird die „PostScript-Ausgabeoption“ in den erweiterten Optionen automatisch auf „EPS“ gesetzt.\nDenken Sie daran, sie wieder auf „Geschwindigkeit optimieren“ zurückzusetzen, wenn Sie den Overlay-Druck abbrechen."
#define S10023 "Bitte geben Sie einen Namen für das Overlay ein."
#define S10024 "Ungültiges Zeichen „.“"
#define S10025 "Ein Overlay kann bis zu 3 Formulare enthalten."
#define S10026 "Es können höchstens 32 Overlays definiert werden.\nBitte löschen Sie eines der vorhandenen Overlays,\nbevor Sie ein neues erstellen."
#define S10027 "Für einen Auftrag können bis zu 4 Overlays aktiv sein."

// Watermarks dialog: message boxes; "Warnung" is the title bar of every
// warning message of the plug-in.
#define S10040 "Es können höchstens 16 Wasserzeichen gespeichert werden.\nBitte löschen oder ändern Sie eines der vorhandenen Wasserzeichen,\nbevor Sie ein neues erstellen."
#define S10041 "Warnung"
#define S10042 "Die Liste der Wasserzeichen-Schriftarten wurde nicht gefunden.\nDas Wasserzeichen wird in der Standardschriftart des Druckers gedruckt."

// Message boxes when a page or dialog is left with wrong values (%d: lower
// and upper limit), when a secure job asks for one copy, and for the Color
// Tuner Utility.
#define S10050 "Mindestens eine Ihrer Einstellungen ist ungültig."
#define S10051 "Bitte geben Sie einen Wert zwischen %d und %d ein."
#define S10052 "Bitte geben Sie eine Zahl ein."
#define S10054 "Diese Funktion ist nur verfügbar, wenn „Kopien“ auf 1 eingestellt ist.\nBeim vertraulichen Druck und beim Speichern auf SD-Karte können mehrere Kopien über das Bedienfeld des Druckers gewählt werden."
#define S10055 "Installieren Sie das Color Tuner Utility, um diese Funktion zu verwenden."
#define S10056 "Die Einstellungen des Color Tuner Utility konnten nicht gelesen werden."

// Color page: message box when the colour-sample utility is missing;
// "Fehler" is the title bar of error messages.
#define S10060 "Installieren Sie das Color Hueboard Utility, um diese Funktion zu verwenden."
#define S10061 "Fehler"

// Job Options page: secure-print notices.
#define S20002 "Für den vertraulichen Druck wird die Festplatte des Druckers benötigt.\nDer Auftrag wird als normaler Auftrag gedruckt."
#define S20003 "Die Auftragsbeschränkung ist aktiv: An diesen Drucker können nur verschlüsselte vertrauliche Druckaufträge gesendet werden."
#define S20004 "Das Verschlüsselungsmodul konnte nicht geladen werden.\nVerschlüsselter vertraulicher Druck ist nicht verfügbar."
#define S20005 "Der IC-Kartentreiber ist nicht installiert.\nVertraulicher Druck mit IC-Karte ist nicht verfügbar."
#define S20006 "Das gespeicherte Kennwort konnte nicht entschlüsselt werden.\nBitte geben Sie das Kennwort erneut ein."

// Title bar of information messages.
#define S30010 "Information"

// Special toner details: the line above the dialog, naming the special
// toner installed (none, White, Clear).
#define S8082 "Es ist kein Spezialtoner installiert."
#define S8083 "Installierter Spezialtoner: Weiß"
#define S8084 "Installierter Spezialtoner: Transparent"

// Print position adjustment: the tabs of the front and back of a sheet.
#define S8100 "Vorderseite"
#define S8101 "Rückseite"
