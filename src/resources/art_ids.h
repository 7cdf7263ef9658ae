// Bitmap and icon ids of the plug-in's artwork. Written by art/make_art.py:
// change the script and run it again rather than editing this file.
#pragma once

#define IDB_MATCH_TO_PRINTER         1699  // printer at the end of a colour-matching flow, 34x34
#define IDB_OFFICE_SAMPLE_COLOR      6050  // office document printed in colour, 190x155
#define IDB_OFFICE_SAMPLE_MONO       6051  // the same office document in one colour, 190x155
#define IDB_JOB_BANNER               6052  // SX maker banner, 140x32
#define IDB_QUALITY_HIGH             6053  // landscape printed at high quality (finest dots), 96x72
#define IDB_QUALITY_FINE             6054  // the same landscape with 2-pixel dots, 96x72
#define IDB_QUALITY_NORMAL           6055  // the same landscape with 4-pixel dots, 96x72
#define IDB_ABOUT_PICTURE            6056  // SX colour laser printer, 260x180
#define IDB_COLOR_MODE_MONO          6100  // page printed black only, 48x44
#define IDB_COLOR_MODE_GRAY          6101  // page printed in gray scale, 48x44
#define IDB_COLOR_MODE_WHITE_TONER   6102  // dark page printed with white toner under colour, 48x44
#define IDB_COLOR_MODE_COLOR         6103  // page printed in colour, 48x44
#define IDB_COLOR_MODE_CLEAR_TONER   6104  // colour page with a clear gloss coat, 48x44
#define IDB_MATCH_STEP_ARROW         6105  // arrow to the next colour conversion, 34x34
#define IDB_MATCH_SIMULATION_ARROW   6106  // downward arrow into the simulation target, 34x34
#define IDB_MATCH_LINK_BYPASS        6107  // long arrow from a link profile straight to the printer, 212x32
#define IDI_SHARED_WARNING           7000  // warning triangle for the shared-printer notice
#define IDI_PRINT_NORMAL             7001  // page with an upright F: print not mirrored
#define IDI_PRINT_MIRRORED           7002  // page with a mirrored F: mirror print
