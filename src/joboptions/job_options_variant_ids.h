/* Controls of Job Options page layouts with secure print and finishing on
 * the page. Template 113 carries none of them: the page's handlers find no
 * window and only the rules' effects on the working selections remain.
 * Pure #defines, for resource scripts and C++ alike. */
#pragma once

#define IDC_JOB_TYPE_NORMAL             1508
#define IDC_JOB_TYPE_SECURE             1509
#define IDC_JOB_TYPE_ENCRYPTED          1510
#define IDC_JOB_PIN_BUTTON              1512
#define IDC_COPIES_LABEL                1513
#define IDC_COPIES_RANGE                1517
#define IDC_OUTPUT_BIN                  1527
#define IDC_STAPLE_LABEL                1528
#define IDC_STAPLE                      1529
#define IDC_PUNCH_LABEL                 1581
#define IDC_PUNCH                       1582
#define IDC_BIND_POSITION_LABEL         1583
#define IDC_BIND_POSITION               1584
#define IDC_WATERMARKS_BUTTON           1535
#define IDC_POSITION_ADJUST             1900
