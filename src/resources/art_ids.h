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
#define IDB_TONER_USE_OFF            4032  // special toner use 0 (off) on dark media, 36x18
#define IDB_TONER_USE_WHOLE_PAGE     4033  // special toner use 1 (whole page) on dark media, 36x18
#define IDB_TONER_USE_SPOT           4034  // special toner use 2 (spot) on dark media, 36x18
#define IDB_TONER_USE_IMAGE          4035  // special toner use 3 (image) on dark media, 36x18
#define IDB_TONER_USE_PRINTER        4036  // special toner use 4 (printer) on dark media, 36x18
#define IDB_TONER_USE_FIXED_LEVEL    4037  // special toner use 5 (fixed level) on dark media, 36x18
#define IDB_TONER_PAGE               4038  // dark page with special toner and colour, 70x92
#define IDB_TONER_LAYER_COLOR        4039  // colour toner layer, 30x20
#define IDB_TONER_LAYER_WHOLE_PAGE   4040  // special toner layer of use 1, 30x20
#define IDB_TONER_LAYER_SPOT         4041  // special toner layer of use 2, 30x20
#define IDB_TONER_LAYER_IMAGE        4042  // special toner layer of use 3, 30x20
#define IDB_TONER_LAYER_PRINTER      4043  // special toner layer of use 4, 30x20
#define IDB_TONER_LAYER_FIXED_LEVEL  4044  // special toner layer of use 5, 30x20
#define IDB_TONER_ORDER_TOP          4045  // special toner over the colours, 36x20
#define IDB_TONER_ORDER_BOTTOM       4046  // special toner under the colours, 36x20
#define IDB_TONER_ORDER_TOP_RESULT   4047  // layers with the special toner on top, 88x72
#define IDB_TONER_ORDER_BOTTOM_RESULT 4048  // layers with the special toner underneath, 88x72
#define IDB_ADJUST_FRONT_SCALE_LESS_LESS 4061  // front side: scale 1 less, scale 2 less than default, 72x44
#define IDB_ADJUST_FRONT_SCALE_LESS_SAME 4062  // front side: scale 1 less, scale 2 same than default, 72x44
#define IDB_ADJUST_FRONT_SCALE_LESS_MORE 4063  // front side: scale 1 less, scale 2 more than default, 72x44
#define IDB_ADJUST_FRONT_SCALE_SAME_LESS 4064  // front side: scale 1 same, scale 2 less than default, 72x44
#define IDB_ADJUST_FRONT_SCALE_SAME_SAME 4065  // front side: scale 1 same, scale 2 same than default, 72x44
#define IDB_ADJUST_FRONT_SCALE_SAME_MORE 4066  // front side: scale 1 same, scale 2 more than default, 72x44
#define IDB_ADJUST_FRONT_SCALE_MORE_LESS 4067  // front side: scale 1 more, scale 2 less than default, 72x44
#define IDB_ADJUST_FRONT_SCALE_MORE_SAME 4068  // front side: scale 1 more, scale 2 same than default, 72x44
#define IDB_ADJUST_FRONT_SCALE_MORE_MORE 4069  // front side: scale 1 more, scale 2 more than default, 72x44
#define IDB_ADJUST_FRONT_SHIFT_LESS_LESS 4070  // front side: shift 1 less, shift 2 less than default, 72x44
#define IDB_ADJUST_FRONT_SHIFT_LESS_SAME 4071  // front side: shift 1 less, shift 2 same than default, 72x44
#define IDB_ADJUST_FRONT_SHIFT_LESS_MORE 4072  // front side: shift 1 less, shift 2 more than default, 72x44
#define IDB_ADJUST_FRONT_SHIFT_SAME_LESS 4073  // front side: shift 1 same, shift 2 less than default, 72x44
#define IDB_ADJUST_FRONT_SHIFT_SAME_SAME 4074  // front side: shift 1 same, shift 2 same than default, 72x44
#define IDB_ADJUST_FRONT_SHIFT_SAME_MORE 4075  // front side: shift 1 same, shift 2 more than default, 72x44
#define IDB_ADJUST_FRONT_SHIFT_MORE_LESS 4076  // front side: shift 1 more, shift 2 less than default, 72x44
#define IDB_ADJUST_FRONT_SHIFT_MORE_SAME 4077  // front side: shift 1 more, shift 2 same than default, 72x44
#define IDB_ADJUST_FRONT_SHIFT_MORE_MORE 4078  // front side: shift 1 more, shift 2 more than default, 72x44
#define IDB_ADJUST_FRONT_FINE        4079  // front side: ruler of the fine value, 72x44
#define IDB_ADJUST_BACK_SCALE_LESS_LESS 4080  // back side: scale 1 less, scale 2 less than default, 72x44
#define IDB_ADJUST_BACK_SCALE_LESS_SAME 4081  // back side: scale 1 less, scale 2 same than default, 72x44
#define IDB_ADJUST_BACK_SCALE_LESS_MORE 4082  // back side: scale 1 less, scale 2 more than default, 72x44
#define IDB_ADJUST_BACK_SCALE_SAME_LESS 4083  // back side: scale 1 same, scale 2 less than default, 72x44
#define IDB_ADJUST_BACK_SCALE_SAME_SAME 4084  // back side: scale 1 same, scale 2 same than default, 72x44
#define IDB_ADJUST_BACK_SCALE_SAME_MORE 4085  // back side: scale 1 same, scale 2 more than default, 72x44
#define IDB_ADJUST_BACK_SCALE_MORE_LESS 4086  // back side: scale 1 more, scale 2 less than default, 72x44
#define IDB_ADJUST_BACK_SCALE_MORE_SAME 4087  // back side: scale 1 more, scale 2 same than default, 72x44
#define IDB_ADJUST_BACK_SCALE_MORE_MORE 4088  // back side: scale 1 more, scale 2 more than default, 72x44
#define IDB_ADJUST_BACK_SHIFT_LESS_LESS 4089  // back side: shift 1 less, shift 2 less than default, 72x44
#define IDB_ADJUST_BACK_SHIFT_LESS_SAME 4090  // back side: shift 1 less, shift 2 same than default, 72x44
#define IDB_ADJUST_BACK_SHIFT_LESS_MORE 4091  // back side: shift 1 less, shift 2 more than default, 72x44
#define IDB_ADJUST_BACK_SHIFT_SAME_LESS 4092  // back side: shift 1 same, shift 2 less than default, 72x44
#define IDB_ADJUST_BACK_SHIFT_SAME_SAME 4093  // back side: shift 1 same, shift 2 same than default, 72x44
#define IDB_ADJUST_BACK_SHIFT_SAME_MORE 4094  // back side: shift 1 same, shift 2 more than default, 72x44
#define IDB_ADJUST_BACK_SHIFT_MORE_LESS 4095  // back side: shift 1 more, shift 2 less than default, 72x44
#define IDB_ADJUST_BACK_SHIFT_MORE_SAME 4096  // back side: shift 1 more, shift 2 same than default, 72x44
#define IDB_ADJUST_BACK_SHIFT_MORE_MORE 4097  // back side: shift 1 more, shift 2 more than default, 72x44
#define IDB_ADJUST_BACK_FINE         4098  // back side: ruler of the fine value, 72x44
#define IDI_SHARED_WARNING           7000  // warning triangle for the shared-printer notice
#define IDI_PRINT_NORMAL             7001  // page with an upright F: print not mirrored
#define IDI_PRINT_MIRRORED           7002  // page with a mirrored F: mirror print
