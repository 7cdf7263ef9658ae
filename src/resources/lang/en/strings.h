// English texts of the string table (UTF-8; rc string literals: a double
// quote is written "", a backslash \\, \n is a line break). Placeholders
// (%d, %%) keep their order and count in every language.
#pragma once

// Advanced dialog (Job Options > Advanced...): entries of the Job
// Compression list.
#define S6001 "None"
#define S6002 "Fast"
#define S6003 "Normal"
#define S6004 "Best Compression"

// Job Options page: allowed range shown beside the Copies and the Scale
// fields; the two numbers are the lower and upper limit, %% is a percent sign.
#define S7000 "( %d-%d )"
#define S7001 "( %d-%d %% )"

// Job Options page: the job type radio buttons (normal, secure, encrypted
// secure); the IC card text replaces the encrypted one when an IC card
// reader is installed.
#define S7007 "Normal Print"
#define S7008 "Secure Print"
#define S7009 "Encrypted Secure Print"
#define S7010 "IC Card Secure Print"

// JOB PIN dialog: message boxes when OK is pressed with a PIN that is not
// four digits, or without a job name.
#define S8000 "Please enter a 4 digit PIN number."
#define S8001 "Please enter a Job Name."

// Overlays dialog: column headings of the two overlay lists, and the limit
// shown beside each list (%d is 4 or 32).
#define S8010 "Overlay"
#define S8011 "Page"
#define S8012 "(Max. %d)"

// Define Overlays dialog (Print on Pages list) and the Page column of the
// Overlays dialog: the pages an overlay prints on; then the name a new
// overlay starts with.
#define S8030 "All Pages"
#define S8031 "First Page"
#define S8032 "Odd Pages"
#define S8033 "Even Pages"
#define S8034 "Custom"
#define S8035 "New Overlay"

// Printer properties, Device Settings tree: the push button that reads the
// installed options from the printer (& marks the access key), and the
// progress and result messages of that reading.
#define S8040 "&Get installed options automatically"
#define S8041 "Reading the installed options from the printer..."
#define S8042 "The installed options could not be read from the printer.\nCheck that the printer is switched on and connected."
#define S8043 "The installed options have been read from the printer."
#define S8044 "The installed options cannot be read through this printer's port."

// Watermarks dialog: first entry of the watermark list (no watermark).
// The next three are not shown: the name of the watermark section in the
// driver's configuration file (keep "Watermark" in every language), the
// printer font of a new watermark (a font name: never translate), and the
// section that keeps the colour chooser's custom colours (translate: each
// language keeps its own set).
#define S8050 "None"
#define S8051 "Watermark"
#define S8052 "HeiseiMin-W3-90ms-RKSJ-H"
#define S8053 "Custom Color"

// Watermark dialog: the Position list.
#define S8054 "Upper Left"
#define S8055 "Upper Centre"
#define S8056 "Upper Right"
#define S8057 "Centre"
#define S8058 "Lower Left"
#define S8059 "Lower Center"
#define S8060 "Lower Right"

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
#define S8077 "Regular"
#define S8078 "Italic"
#define S8079 "Bold"
#define S8080 "Bold Italic"

// ICC Profile Settings dialog: labels, the printer's own profile, the
// rendering intents, and the file type of the profile chooser.
#define S9000 "ICC Profile Settings"
#define S9001 "Printer Default"
#define S9002 "RGB Source Profile"
#define S9003 "Printer Output Profile"
#define S9004 "Rendering Intent"
#define S9005 "Perceptual"
#define S9006 "Saturation"
#define S9007 "Relative Colorimetric"
#define S9008 "Absolute Colorimetric"
#define S9009 "ICC Profiles (*.icc, *.icm)"

// ICC Profile Settings dialog: message boxes.
#define S9101 "The selected profile could not be found."
#define S9102 "The selected file is not a valid ICC profile."
#define S9103 "The profile could not be installed.\nYou may need administrator rights to install color profiles."
#define S9104 "This profile is already installed."
#define S9105 "Remove the selected profile from the list?"

// Overlays and Define Overlays dialogs: message boxes. The quoted names
// ("Form Name", "Create Form", "PostScript output option", "EPS",
// "Optimise for speed") must match the texts of those controls and options.
#define S10020 "A defined overlay with that name already exists.\nPlease choose another name."
#define S10021 "Please enter the name of the PostScript Form you'd like to use in ""Form Name"" and click Add.\nThis must be exactly the same name as the form stored in the printer."
#define S10022 "When ""Create Form"" is chosen, the ""PostScript output option"" in Advanced Options is set automatically to ""EPS"".\nRemember to change this back to ""Optimise for speed"" if you decide to cancel Overlay printing."
#define S10023 "Please enter a name for the overlay."
#define S10024 "Invalid character '.'"
#define S10025 "An overlay can hold up to 3 forms."
#define S10026 "A maximum number of 32 overlays can be defined.\nPlease delete one of your existing overlays\nbefore creating a new one."
#define S10027 "Up to 4 overlays can be active for one job."

// Watermarks dialog: message boxes; "Warning" is the title bar of every
// warning message of the plug-in.
#define S10040 "A maximum number of 16 watermarks can be saved. \nPlease delete or edit one of your existing watermarks\nbefore creating a new one"
#define S10041 "Warning"
#define S10042 "The watermark font list could not be found.\nThe watermark is printed in the printer's default font."

// Message boxes when a page or dialog is left with wrong values (%d: lower
// and upper limit), when a secure job asks for one copy, and for the Color
// Tuner Utility.
#define S10050 "One or more of your settings are invalid."
#define S10051 "Please enter a value between %d and %d."
#define S10052 "Please enter a number."
#define S10054 "This feature can only be used if Copies is set to 1.\nFor Secure print and Store to SD, multiple copies can be selected using the printer's operator panel."
#define S10055 "To use this feature, please install the Color Tuner Utility."
#define S10056 "The Color Tuner Utility settings could not be read."

// Color page: message box when the colour-sample utility is missing;
// "Error" is the title bar of error messages.
#define S10060 "To use this feature, please install the Color Hueboard Utility."
#define S10061 "Error"

// Job Options page: secure-print notices.
#define S20002 "Secure Print needs the printer's hard disk.\nThe job is printed as a normal job."
#define S20003 "Job limitation is on: only encrypted secure print jobs can be sent to this printer."
#define S20004 "The encryption module could not be loaded.\nEncrypted Secure Print is not available."
#define S20005 "The IC card driver is not installed.\nIC Card Secure Print is not available."
#define S20006 "The stored password could not be decrypted.\nPlease enter the password again."

// Title bar of information messages.
#define S30010 "Information"

// Special toner details: the line above the dialog, naming the special
// toner installed (none, White, Clear).
#define S8082 "No special toner is installed."
#define S8083 "Installed special toner: White"
#define S8084 "Installed special toner: Clear"

// Print position adjustment: the tabs of the front and back of a sheet.
#define S8100 "Front Side"
#define S8101 "Back Side"
