/* Resource ids the plug-in's link page expects of this library. */
#pragma once

#define IDD_LINK_PAGE           800
#define IDC_LINK_PICTURE        1001
#define IDC_LINK_OPEN           1002
#define IDC_LINK_LOGO           1101
#define IDB_LINK_PICTURE        1100
#define IDB_LINK_LOGO           1003
#define IDI_LINK_PAGE           1102
