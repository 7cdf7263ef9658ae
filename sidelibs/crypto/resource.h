// Resource and control identifiers of the library's dialog.
#pragma once

#define IDD_CRYPTO_SETTINGS 100

#define IDC_PASSWORD_LABEL 1000
#define IDC_PASSWORD 1001
#define IDC_PASSWORD_HINT 1002
#define IDC_PASSWORD_AT_PANEL 1003
#define IDC_HOLD_LABEL 1004
#define IDC_HOLD_HOURS 1005
#define IDC_HOLD_UNIT 1006
#define IDC_DELETE_AFTER 1007
#define IDC_HIDE_NAME 1008
