/* English dialog texts (the neutral resources). Each macro is the text of one
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
#define D109_MODE_LABEL     "Overlay &Mode:"
#define D109_1051           "Acti&ve Overlays:"
#define D109_1054           "&Add"
#define D109_1055           "De&lete"
#define D109_1056           "De&fined Overlays:"
#define D109_1059           "&New"
#define D109_1060           "&Edit"
#define D109_1061           "&Delete"
#define D109_1              "OK"
#define D109_2              "Cancel"

/* Color property page */
#define D111_CAPTION        "Color"
#define D111_1617           "Color &Mode"
#define D111_1605           "Color Print"
#define D111_1606           "Gray Scale Print(White/Black)"
#define D111_1616           "&Details..."
#define D111_4112           "Print &Cartridge"
#define D111_4113           "White"
#define D111_4114           "Black"
#define D111_1666           "&Print Mode"
#define D111_4110           "&Black Finish"
#define D111_1618           "C&ustom Gamma Adjustment:"
#define D111_1215           "Ad&vanced..."
#define D111_10000          "&Default"

/* Watermarks: the list of watermarks and the job's choice */
#define D112_CAPTION        "Watermarks"
#define D112_1403           "&New..."
#define D112_1402           "&Delete"
#define D112_1404           "&Edit..."
#define D112_1437           "First page &only"
#define D112_1448           "Print in &background"
#define D112_1              "OK"
#define D112_2              "Cancel"

/* Job Options property page */
#define D113_CAPTION        "Job Options"
#define D113_1500           "&Quality"
#define D113_1545           "Zenit/High Quality"
#define D113_1546           "Fine / Detail (600x1200)"
#define D113_1547           "Normal (600x600)"
#define D113_1558           "&Image Smoothing"
#define D113_1542           "&Copies"
#define D113_1518           "Co&llate"
#define D113_1530           "Scal&e"
#define D113_1800           "&Special"
#define D113_1801           "&Mirror Print"
#define D113_1537           "Ad&vanced..."
#define D113_1559           "A&bout..."
#define D113_10000          "&Default"

/* Watermark editor: one watermark's text, size, angle, font, border, position */
#define D114_CAPTION        "Watermark"
#define D114_1400           "&Text"
#define D114_1412           "&Size"
#define D114_1415           "An&gle"
#define D114_1445           "-180"
#define D114_1446           "0"
#define D114_1447           "+180"
#define D114_1418           "&Font..."
#define D114_1419           "&Color..."
#define D114_1438           "Bo&rder"
#define D114_1439           "None"
#define D114_1440           "Circle"
#define D114_1441           "Single Frame"
#define D114_1442           "Double Frame"
#define D114_1430           "&Position"
#define D114_1444           "Watermark Adjustment"
#define D114_1431           "&X"
#define D114_1433           "&Y"
#define D114_1              "OK"
#define D114_2              "Cancel"

/* Font of a watermark: printer font, style and size */
#define D115_CAPTION        "Font"
#define D115_1452           "&Font"
#define D115_1455           "St&yle"
#define D115_1458           "&Size"
#define D115_1              "OK"
#define D115_2              "Cancel"

/* About: driver name and versions */
#define D117_CAPTION        "About"
#define D117_1565           "Driver Version"
#define D117_1566           "PPD Version"
#define D117_1              "OK"

/* Office Color Details: colour settings for office documents */
#define D118_CAPTION        "Office Color Details"
#define D118_1200           "RGB Color Settings"
#define D118_1282           "&Color Settings"
#define D118_1267           "Color Tuner Utility Settings"
#define D118_1260           "CMYK Ink &Simulation"
#define D118_1253           "&Black Finish"
#define D118_1254           "Auto"
#define D118_1255           "Composite Black (CMYK)"
#define D118_1256           "True Black (K)"
#define D118_1              "OK"
#define D118_2              "Cancel"
#define D118_10000          "Default"

/* Color Print Details: colour matching profiles and precision */
#define D119_CAPTION        "Color Print Details"
#define D119_1656           "Input"
#define D119_1657           "&RGB Profile"
#define D119_1681           "&CMYK Input Profile"
#define D119_1682           "CMYK &Link Profile"
#define D119_1690           "&Simulation Target Profile"
#define D119_1659           "Printer Output Profile"
#define D119_1661           "Output Pr&ofile"
#define D119_1663           "Rendering &Intent"
#define D119_1665           "Color &Match Precision"
#define D119_1669           "Speed"
#define D119_1668           "Quality"
#define D119_1              "OK"
#define D119_2              "Cancel"
#define D119_10000          "Default"

/* Advanced colour options: halftones */
#define D200_CAPTION        "Advanced"
#define D200_1300           "Advanced Color Options"
#define D200_1301           "&Always use printer halftone"
#define D200_1305           "Use optimised &Gray Scale halftones"
#define D200_1              "OK"
#define D200_2              "Cancel"
#define D200_10000          "&Default"

/* ICC profile settings */
#define D201_CAPTION        "ICC Profile Settings"
#define D201_1700           "ICC Profiles"
#define D201_1701           "&Source Profile"
#define D201_1703           "&Printer Profile"
#define D201_1705           "Rendering &Intent"
#define D201_1              "OK"
#define D201_2              "Cancel"

/* JOB PIN: job name and PIN of a secure job */
#define D202_CAPTION        "JOB PIN"
#define D202_1004           "A secure job is held on the printer until you enter its PIN at the printer's control panel."
#define D202_1005           "Job &Name:"
#define D202_1007           "Request Job Name for each print job"
#define D202_1009           "&PIN:"
#define D202_1010           "(4 digits)"
#define D202_1              "OK"
#define D202_2              "Cancel"

/* Define Overlays: one overlay's name, pages and forms */
#define D203_CAPTION        "Define Overlays"
#define D203_1100           "Overlay &Name:"
#define D203_1102           "&Print on Pages:"
#define D203_1104           "&Custom Pages:"
#define D203_1106           "Enter page numbers and /or page ranges separated by commas, For example, 1,3,5-12"
#define D203_1107           "Form settings"
#define D203_1108           "Form Na&me:"
#define D203_1110           "&Add"
#define D203_1111           "&Rename"
#define D203_1112           "Defined &Forms:"
#define D203_1114           "&Delete"
#define D203_1              "OK"
#define D203_2              "Cancel"

/* Advanced job options */
#define D204_CAPTION        "Advanced"
#define D204_1806           "&Job Spool"
#define D204_1804           "Job &Compression"
#define D204_1807           "&Run maintenance cycle before printing"
#define D204_1808           "&Adjust ultra fine lines"
#define D204_10000          "&Default"
#define D204_1              "OK"
#define D204_2              "Cancel"

/* One-time notices; the check box text is shared by all four */
#define D300_6005           "&Show this message next time"
#define D300_CAPTION        "Secure Print"
#define D300_6004           "Secure jobs wait on the printer's hard disk until you release them at the printer's control panel with their PIN."
#define D300_1              "OK"
#define D301_CAPTION        "Warning:"
#define D301_6004           "This printer is shared. The job name cannot be asked for when the job is printed from another computer; enter it here instead."
#define D301_6005           D300_6005
#define D301_1              "OK"
#define D301_2              "Cancel"
#define D302_CAPTION        "Overlays"
#define D302_6004           "Overlays are printed from forms stored on the printer. Make sure that every form named here exists on the printer."
#define D302_6005           D300_6005
#define D302_1              "OK"
#define D303_CAPTION        "Watermarks"
#define D303_6004           "Watermarks are printed with printer fonts. The printed result may differ slightly from the preview."
#define D303_6005           D300_6005
#define D303_1              "OK"
