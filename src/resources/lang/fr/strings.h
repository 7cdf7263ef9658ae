// French texts of the string table (France, 0x040C; UTF-8; rc string
// literals: a double quote is written "", a backslash \\, \n is a line
// break). Placeholders (%d, %%) keep their order and count as in English.
#pragma once

// Advanced dialog (Job Options > Advanced...): entries of the Job
// Compression list.
#define S6001 "Aucune"
#define S6002 "Rapide"
#define S6003 "Normale"
#define S6004 "Compression maximale"

// Job Options page: allowed range shown beside the Copies and the Scale
// fields; the two numbers are the lower and upper limit, %% is a percent sign.
#define S7000 "( %d-%d )"
#define S7001 "( %d-%d %% )"

// Job Options page: the job type radio buttons (normal, secure, encrypted
// secure); the IC card text replaces the encrypted one when an IC card
// reader is installed.
#define S7007 "Impression normale"
#define S7008 "Impression sécurisée"
#define S7009 "Impression sécurisée chiffrée"
#define S7010 "Impression sécurisée par carte IC"

// JOB PIN dialog: message boxes when OK is pressed with a PIN that is not
// four digits, or without a job name.
#define S8000 "Veuillez saisir un code PIN à 4 chiffres."
#define S8001 "Veuillez saisir un nom de tâche."

// Overlays dialog: column headings of the two overlay lists, and the limit
// shown beside each list (%d is 4 or 32).
#define S8010 "Superposition"
#define S8011 "Page"
#define S8012 "(Max. %d)"

// Define Overlays dialog (Print on Pages list) and the Page column of the
// Overlays dialog: the pages an overlay prints on; then the name a new
// overlay starts with.
#define S8030 "Toutes les pages"
#define S8031 "Première page"
#define S8032 "Pages impaires"
#define S8033 "Pages paires"
#define S8034 "Personnalisé"
#define S8035 "Nouvelle superposition"

// Printer properties, Device Settings tree: the push button that reads the
// installed options from the printer (& marks the access key), and the
// progress and result messages of that reading.
#define S8040 "&Obtenir automatiquement les options installées"
#define S8041 "Lecture des options installées sur l'imprimante..."
#define S8042 "Impossible de lire les options installées sur l'imprimante.\nVérifiez que l'imprimante est sous tension et connectée."
#define S8043 "Les options installées ont été lues sur l'imprimante."
#define S8044 "Les options installées ne peuvent pas être lues par le port de cette imprimante."

// Watermarks dialog: first entry of the watermark list (no watermark).
// The next three are not shown: the name of the watermark section in the
// driver's configuration file (kept as "Watermark" in every language), the
// printer font of a new watermark (a font name, never translated), and the
// section that keeps the colour chooser's custom colours (translated: each
// language keeps its own set).
#define S8050 "Aucun"
#define S8051 "Watermark"
#define S8052 "HeiseiMin-W3-90ms-RKSJ-H"
#define S8053 "Couleur personnalisée"

// Watermark dialog: the Position list.
#define S8054 "En haut à gauche"
#define S8055 "En haut au centre"
#define S8056 "En haut à droite"
#define S8057 "Centre"
#define S8058 "En bas à gauche"
#define S8059 "En bas au centre"
#define S8060 "En bas à droite"

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
#define S8077 "Normal"
#define S8078 "Italique"
#define S8079 "Gras"
#define S8080 "Gras italique"

// ICC Profile Settings dialog: labels, the printer's own profile, the
// rendering intents, and the file type of the profile chooser.
#define S9000 "Paramètres des profils ICC"
#define S9001 "Par défaut de l'imprimante"
#define S9002 "Profil source RGB"
#define S9003 "Profil de sortie imprimante"
#define S9004 "Mode de rendu"
#define S9005 "Perception"
#define S9006 "Saturation"
#define S9007 "Colorimétrie relative"
#define S9008 "Colorimétrie absolue"
#define S9009 "Profils ICC (*.icc, *.icm)"

// ICC Profile Settings dialog: message boxes.
#define S9101 "Le profil sélectionné est introuvable."
#define S9102 "Le fichier sélectionné n'est pas un profil ICC valide."
#define S9103 "Impossible d'installer le profil.\nL'installation de profils de couleur peut nécessiter des droits d'administrateur."
#define S9104 "Ce profil est déjà installé."
#define S9105 "Supprimer le profil sélectionné de la liste ?"

// Overlays and Define Overlays dialogs: message boxes. « Nom du formulaire »
// and Ajouter are the texts of those controls; « Créer un formulaire » is the
// overlay mode that stores forms, and the PostScript names are those of the
// system's French PostScript driver (Options avancées).
#define S10020 "Une superposition portant ce nom existe déjà.\nVeuillez choisir un autre nom."
#define S10021 "Veuillez saisir dans « Nom du formulaire » le nom du formulaire PostScript à utiliser, puis cliquez sur Ajouter.\nCe nom doit être identique à celui du formulaire stocké dans l'imprimante."
#define S10022 "Lorsque « Créer un formulaire » est choisi, l'« Option de sortie PostScript » des Options avancées est automatiquement réglée sur « EPS ».\nN'oubliez pas de la remettre sur « Optimiser pour la vitesse » si vous renoncez à imprimer la superposition."
#define S10023 "Veuillez saisir un nom pour la superposition."
#define S10024 "Caractère « . » non valide"
#define S10025 "Une superposition peut contenir jusqu'à 3 formulaires."
#define S10026 "Vous pouvez définir au maximum 32 superpositions.\nVeuillez supprimer l'une de vos superpositions existantes\navant d'en créer une nouvelle."
#define S10027 "Une tâche peut avoir jusqu'à 4 superpositions actives."

// Watermarks dialog: message boxes; "Avertissement" is the title bar of every
// warning message of the plug-in.
#define S10040 "Vous pouvez enregistrer au maximum 16 filigranes.\nVeuillez supprimer ou modifier l'un de vos filigranes existants\navant d'en créer un nouveau."
#define S10041 "Avertissement"
#define S10042 "La liste des polices de filigrane est introuvable.\nLe filigrane sera imprimé avec la police par défaut de l'imprimante."

// Message boxes when a page or dialog is left with wrong values (%d: lower
// and upper limit), when a secure job asks for one copy, and for the Color
// Tuner Utility.
#define S10050 "Un ou plusieurs de vos paramètres ne sont pas valides."
#define S10051 "Veuillez saisir une valeur comprise entre %d et %d."
#define S10052 "Veuillez saisir un nombre."
#define S10054 "Cette fonction n'est disponible que si le nombre de copies est 1.\nPour l'impression sécurisée et l'enregistrement sur carte SD, vous pouvez choisir plusieurs copies sur le panneau de commande de l'imprimante."
#define S10055 "Pour utiliser cette fonction, installez Color Tuner Utility."
#define S10056 "Impossible de lire les paramètres de Color Tuner Utility."

// Color page: message box when the colour-sample utility is missing;
// "Erreur" is the title bar of error messages.
#define S10060 "Pour utiliser cette fonction, installez Color Hueboard Utility."
#define S10061 "Erreur"

// Job Options page: secure-print notices.
#define S20002 "L'impression sécurisée nécessite le disque dur de l'imprimante.\nLa tâche est imprimée comme une tâche normale."
#define S20003 "La limitation des tâches est activée : seules des tâches d'impression sécurisée chiffrée peuvent être envoyées à cette imprimante."
#define S20004 "Impossible de charger le module de chiffrement.\nL'impression sécurisée chiffrée n'est pas disponible."
#define S20005 "Le pilote de carte IC n'est pas installé.\nL'impression sécurisée par carte IC n'est pas disponible."
#define S20006 "Impossible de déchiffrer le mot de passe enregistré.\nVeuillez saisir de nouveau le mot de passe."

// Title bar of information messages.
#define S30010 "Information"

// Special toner details: the line above the dialog, naming the special
// toner installed (none, White, Clear).
#define S8082 "Aucun toner spécial n'est installé."
#define S8083 "Toner spécial installé : blanc"
#define S8084 "Toner spécial installé : transparent"

// Print position adjustment: the tabs of the front and back of a sheet.
#define S8100 "Recto"
#define S8101 "Verso"
