/* The colour tests' own Color page layout: template 111's controls with the
 * buttons of the Office Color Details and special toner dialogs, which only
 * other layouts of the product family carry. */
#pragma once

#define IDD_TEST_COLOR_DETAILS          5111
#define IDC_OFFICE_DETAILS              1610
#define IDC_SPECIAL_TONER               4031
