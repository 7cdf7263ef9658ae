/* French dialog texts (France, 0x040C). Each macro is the text of one
 * control: D<template>_<control id>, or D<template>_CAPTION for the title.
 * A '&' marks the keyboard mnemonic; mnemonics stay unique within a dialog. */
#pragma once

#define DLG_FONT_SIZE       8
#define DLG_FONT_FACE       "MS Shell Dlg"
#define DLG_FONT_WEIGHT     400
#define DLG_FONT_ITALIC     0
#define DLG_FONT_CHARSET    1

/* Overlays: choose the overlay mode and the active overlays of the job */
#define D109_CAPTION        "Superpositions"
#define D109_MODE_LABEL     "&Mode :"
#define D109_1051           "Superpositions acti&ves :"
#define D109_1054           "&Ajouter"
#define D109_1055           "&Retirer"
#define D109_1056           "Superpositions &définies :"
#define D109_1059           "&Nouveau"
#define D109_1060           "Modi&fier"
#define D109_1061           "&Supprimer"
#define D109_1              "OK"
#define D109_2              "Annuler"

/* Color property page */
#define D111_CAPTION        "Couleur"
#define D111_1617           "Mode &couleur"
#define D111_1605           "Couleur"
#define D111_1606           "Niveaux de gris (blanc/noir)"
#define D111_1616           "&Détails..."
#define D111_4112           "Cartouche d'&impression"
#define D111_4113           "Blanc"
#define D111_4114           "Noir"
#define D111_1666           "&Mode"
#define D111_4110           "Rendu du &noir"
#define D111_1618           "&Gamma personnalisé :"
#define D111_1215           "&Avancé..."
#define D111_10000          "&Par défaut"

/* Watermarks: the list of watermarks and the job's choice */
#define D112_CAPTION        "Filigranes"
#define D112_1403           "&Nouveau..."
#define D112_1402           "&Supprimer"
#define D112_1404           "&Modifier..."
#define D112_1437           "&Première page uniquement"
#define D112_1448           "Imprimer en &arrière-plan"
#define D112_1              "OK"
#define D112_2              "Annuler"

/* Job Options property page */
#define D113_CAPTION        "Options de la tâche"
#define D113_1500           "&Qualité"
#define D113_1545           "Zenit/Haute qualité"
#define D113_1546           "Fin / Détail (600x1200)"
#define D113_1547           "Normal (600x600)"
#define D113_1558           "&Lissage de l'image"
#define D113_1542           "&Copies"
#define D113_1518           "&Assembler"
#define D113_1530           "Éch&elle"
#define D113_1800           "Options &spéciales"
#define D113_1801           "Impression &miroir"
#define D113_1537           "A&vancé..."
#define D113_1559           "À pr&opos..."
#define D113_10000          "&Par défaut"

/* Watermark editor: one watermark's text, size, angle, font, border, position */
#define D114_CAPTION        "Filigrane"
#define D114_1400           "&Texte"
#define D114_1412           "Ta&ille"
#define D114_1415           "&Angle"
#define D114_1445           "-180"
#define D114_1446           "0"
#define D114_1447           "+180"
#define D114_1418           "&Police..."
#define D114_1419           "&Couleur..."
#define D114_1438           "&Bordure"
#define D114_1439           "Aucune"
#define D114_1440           "Cercle"
#define D114_1441           "Cadre simple"
#define D114_1442           "Cadre double"
#define D114_1430           "P&osition"
#define D114_1444           "Ajustement du filigrane"
#define D114_1431           "&X"
#define D114_1433           "&Y"
#define D114_1              "OK"
#define D114_2              "Annuler"

/* Font of a watermark: printer font, style and size */
#define D115_CAPTION        "Police"
#define D115_1452           "&Police"
#define D115_1455           "St&yle"
#define D115_1458           "&Taille"
#define D115_1              "OK"
#define D115_2              "Annuler"

/* About: driver name and versions */
#define D117_CAPTION        "À propos"
#define D117_1565           "Version du pilote"
#define D117_1566           "Version PPD"
#define D117_1              "OK"

/* Office Color Details: colour settings for office documents */
#define D118_CAPTION        "Détails de la couleur Office"
#define D118_1200           "Paramètres de couleur RGB"
#define D118_1282           "&Rendu couleur"
#define D118_1267           "Réglages Color Tuner"
#define D118_1260           "&Simulation d'encre CMYK"
#define D118_1253           "Rendu du &noir"
#define D118_1254           "Auto"
#define D118_1255           "Noir quadri (CMYK)"
#define D118_1256           "Noir pur (K)"
#define D118_1              "OK"
#define D118_2              "Annuler"
#define D118_10000          "Par défaut"

/* Color Print Details: colour matching profiles and precision */
#define D119_CAPTION        "Détails de l'impression couleur"
#define D119_1656           "Entrée"
#define D119_1657           "Profil &RGB"
#define D119_1681           "Profil d'entrée &CMYK"
#define D119_1682           "Profil de &liaison CMYK"
#define D119_1690           "Profil cible de &simulation"
#define D119_1659           "Profil de sortie imprimante"
#define D119_1661           "Profil de s&ortie"
#define D119_1663           "&Mode de rendu"
#define D119_1665           "&Précision colorimétrique"
#define D119_1669           "Vitesse"
#define D119_1668           "Qualité"
#define D119_1              "OK"
#define D119_2              "Annuler"
#define D119_10000          "Par défaut"

/* Advanced colour options: halftones */
#define D200_CAPTION        "Avancé"
#define D200_1300           "Options de couleur avancées"
#define D200_1301           "&Toujours utiliser le tramage de l'imprimante"
#define D200_1305           "Trames optimisées en &niveaux de gris"
#define D200_1              "OK"
#define D200_2              "Annuler"
#define D200_10000          "&Par défaut"

/* ICC profile settings */
#define D201_CAPTION        "Paramètres des profils ICC"
#define D201_1700           "Profils ICC"
#define D201_1701           "Profil &source"
#define D201_1703           "Profil &imprimante"
#define D201_1705           "&Mode de rendu"
#define D201_1              "OK"
#define D201_2              "Annuler"

/* JOB PIN: job name and PIN of a secure job */
#define D202_CAPTION        "Code PIN de la tâche"
#define D202_1004           "Une tâche sécurisée reste en attente dans l'imprimante jusqu'à la saisie de son code PIN sur le panneau de commande."
#define D202_1005           "&Nom de la tâche :"
#define D202_1007           "Demander le nom de la tâche pour chaque impression"
#define D202_1009           "Code &PIN :"
#define D202_1010           "(4 chiffres)"
#define D202_1              "OK"
#define D202_2              "Annuler"

/* Define Overlays: one overlay's name, pages and forms */
#define D203_CAPTION        "Définition de superposition"
#define D203_1100           "&Nom :"
#define D203_1102           "&Imprimer sur :"
#define D203_1104           "Pages &choisies :"
#define D203_1106           "Saisissez des numéros et/ou des plages de pages séparés par des virgules, par exemple 1,3,5-12"
#define D203_1107           "Paramètres du formulaire"
#define D203_1108           "Nom du for&mulaire :"
#define D203_1110           "&Ajouter"
#define D203_1111           "&Renommer"
#define D203_1112           "&Formulaires :"
#define D203_1114           "&Supprimer"
#define D203_1              "OK"
#define D203_2              "Annuler"

/* Advanced job options */
#define D204_CAPTION        "Avancé"
#define D204_1806           "&Spouler la tâche"
#define D204_1804           "&Compression de la tâche"
#define D204_1807           "&Exécuter un cycle de maintenance avant l'impression"
#define D204_1808           "&Ajuster les lignes ultra-fines"
#define D204_10000          "&Par défaut"
#define D204_1              "OK"
#define D204_2              "Annuler"

/* One-time notices; the check box text is shared by all four */
#define D300_6005           "&Afficher ce message la prochaine fois"
#define D300_CAPTION        "Impression sécurisée"
#define D300_6004           "Les tâches sécurisées attendent sur le disque dur de l'imprimante jusqu'à ce que vous les libériez avec leur code PIN sur le panneau de commande de l'imprimante."
#define D300_1              "OK"
#define D301_CAPTION        "Avertissement :"
#define D301_6004           "Cette imprimante est partagée. Le nom de la tâche ne peut pas être demandé si la tâche est imprimée depuis un autre ordinateur ; saisissez-le plutôt ici."
#define D301_6005           D300_6005
#define D301_1              "OK"
#define D301_2              "Annuler"
#define D302_CAPTION        "Superpositions"
#define D302_6004           "Les superpositions sont imprimées à partir de formulaires stockés dans l'imprimante. Vérifiez que chaque formulaire indiqué ici existe dans l'imprimante."
#define D302_6005           D300_6005
#define D302_1              "OK"
#define D303_CAPTION        "Filigranes"
#define D303_6004           "Les filigranes sont imprimés avec les polices de l'imprimante. Le résultat imprimé peut différer légèrement de l'aperçu."
#define D303_6005           D300_6005
#define D303_1              "OK"
