// Ids of the plug-in's string table, the same in every language.
// Pure #defines: included by the resource scripts and by C++ alike.
#pragma once

// Compression levels of the Advanced job options list, index = level.
#define IDS_COMPRESSION_NONE 6001
#define IDS_COMPRESSION_FAST 6002
#define IDS_COMPRESSION_NORMAL 6003
#define IDS_COMPRESSION_BEST 6004

// Range texts beside the copies and scale fields of the Job Options page.
#define IDS_COPIES_RANGE 7000
#define IDS_SCALE_RANGE 7001

// Job type names of the secure-print radio buttons.
#define IDS_JOB_TYPE_NORMAL 7007
#define IDS_JOB_TYPE_SECURE 7008
#define IDS_JOB_TYPE_ENCRYPTED 7009
#define IDS_JOB_TYPE_IC_CARD 7010

// JOB PIN dialog messages.
#define IDS_PIN_NEEDS_FOUR_DIGITS 8000
#define IDS_JOB_NAME_MISSING 8001

// Overlay list column headings and the count limit beside each list.
#define IDS_OVERLAY_COLUMN 8010
#define IDS_PAGE_COLUMN 8011
#define IDS_MAX_COUNT 8012

// Overlay page modes (index = mode) and the name of a new overlay.
#define IDS_PAGES_ALL 8030
#define IDS_PAGES_FIRST 8031
#define IDS_PAGES_ODD 8032
#define IDS_PAGES_EVEN 8033
#define IDS_PAGES_CUSTOM 8034
#define IDS_NEW_OVERLAY_NAME 8035

// Installable-options detection in the printer properties.
#define IDS_GET_INSTALLED_OPTIONS 8040
#define IDS_READING_INSTALLED_OPTIONS 8041
#define IDS_INSTALLED_OPTIONS_UNREADABLE 8042
#define IDS_INSTALLED_OPTIONS_READ 8043
#define IDS_PORT_CANNOT_REPORT_OPTIONS 8044

// Watermark None entry, default font and configuration-file section names.
#define IDS_WATERMARK_NONE 8050
#define IDS_WATERMARK_SECTION 8051
#define IDS_WATERMARK_DEFAULT_FONT 8052
#define IDS_CUSTOM_COLOR_SECTION 8053

// Watermark positions, index = position.
#define IDS_POSITION_UPPER_LEFT 8054
#define IDS_POSITION_UPPER_CENTRE 8055
#define IDS_POSITION_UPPER_RIGHT 8056
#define IDS_POSITION_CENTRE 8057
#define IDS_POSITION_LOWER_LEFT 8058
#define IDS_POSITION_LOWER_CENTRE 8059
#define IDS_POSITION_LOWER_RIGHT 8060

// Point sizes of the watermark Font dialog, index = list line.
#define IDS_FONT_SIZE_8 8061
#define IDS_FONT_SIZE_9 8062
#define IDS_FONT_SIZE_10 8063
#define IDS_FONT_SIZE_11 8064
#define IDS_FONT_SIZE_12 8065
#define IDS_FONT_SIZE_14 8066
#define IDS_FONT_SIZE_16 8067
#define IDS_FONT_SIZE_18 8068
#define IDS_FONT_SIZE_20 8069
#define IDS_FONT_SIZE_22 8070
#define IDS_FONT_SIZE_24 8071
#define IDS_FONT_SIZE_26 8072
#define IDS_FONT_SIZE_28 8073
#define IDS_FONT_SIZE_36 8074
#define IDS_FONT_SIZE_48 8075
#define IDS_FONT_SIZE_72 8076

// Font styles (index = style), and the None preview text, which no language
// gives a text: its entry stays empty so the preview of None shows nothing.
#define IDS_FONT_STYLE_REGULAR 8077
#define IDS_FONT_STYLE_ITALIC 8078
#define IDS_FONT_STYLE_BOLD 8079
#define IDS_FONT_STYLE_BOLD_ITALIC 8080
#define IDS_WATERMARK_NONE_PREVIEW_TEXT 8081

// Special toner details: the toner the printer has, index = its kind
// (none, White, Clear).
#define IDS_SPECIAL_TONER_NONE 8082
#define IDS_SPECIAL_TONER_WHITE 8083
#define IDS_SPECIAL_TONER_CLEAR 8084

// Print position adjustment: the tabs of the two sides of a sheet.
#define IDS_ADJUST_SIDE_1 8100
#define IDS_ADJUST_SIDE_2 8101

// ICC profile settings: labels and rendering intents.
#define IDS_ICC_PROFILE_SETTINGS 9000
#define IDS_ICC_PRINTER_DEFAULT 9001
#define IDS_ICC_RGB_SOURCE_PROFILE 9002
#define IDS_ICC_PRINTER_PROFILE 9003
#define IDS_ICC_RENDERING_INTENT 9004
#define IDS_ICC_INTENT_PERCEPTUAL 9005
#define IDS_ICC_INTENT_SATURATION 9006
#define IDS_ICC_INTENT_RELATIVE 9007
#define IDS_ICC_INTENT_ABSOLUTE 9008
#define IDS_ICC_PROFILE_FILES 9009

// ICC profile settings: messages.
#define IDS_ICC_PROFILE_NOT_FOUND 9101
#define IDS_ICC_PROFILE_INVALID 9102
#define IDS_ICC_PROFILE_INSTALL_FAILED 9103
#define IDS_ICC_PROFILE_ALREADY_INSTALLED 9104
#define IDS_ICC_PROFILE_REMOVE_QUESTION 9105

// Overlays and Define Overlays messages.
#define IDS_OVERLAY_NAME_EXISTS 10020
#define IDS_OVERLAY_NEEDS_FORM 10021
#define IDS_CREATE_FORM_SETS_EPS 10022
#define IDS_OVERLAY_NAME_MISSING 10023
#define IDS_FORM_NAME_ENDS_WITH_DOT 10024
#define IDS_OVERLAY_FORMS_LIMIT 10025
#define IDS_OVERLAY_DEFINITIONS_LIMIT 10026
#define IDS_ACTIVE_OVERLAYS_LIMIT 10027

// Watermark messages and the caption of every warning.
#define IDS_WATERMARK_LIMIT 10040
#define IDS_WARNING_CAPTION 10041
#define IDS_WATERMARK_FONT_LIST_MISSING 10042

// Setting validation, copies and colour-tuner messages.
#define IDS_INVALID_SETTINGS 10050
#define IDS_VALUE_OUT_OF_RANGE 10051
#define IDS_NUMBER_EXPECTED 10052
#define IDS_SECURE_PRINT_SINGLE_COPY 10054
#define IDS_COLOR_TUNER_NOT_INSTALLED 10055
#define IDS_COLOR_TUNER_SETTINGS_UNREADABLE 10056

// Colour-sample utility message and the caption of errors.
#define IDS_HUEBOARD_NOT_INSTALLED 10060
#define IDS_ERROR_CAPTION 10061

// Secure-print notices.
#define IDS_SECURE_PRINT_NEEDS_HDD 20002
#define IDS_JOB_LIMITATION_ON 20003
#define IDS_ENCRYPTION_MODULE_MISSING 20004
#define IDS_IC_CARD_DRIVER_MISSING 20005
#define IDS_PASSWORD_NOT_DECRYPTED 20006

// Caption of information messages.
#define IDS_INFORMATION_CAPTION 30010
