/* The colour tests' own Color page layout: template 111's controls with the
 * buttons of the Office Color Details and special toner dialogs, which only
 * other layouts of the product family carry. */
#pragma once

#include "color/color_variant_ids.h"

#define IDD_TEST_COLOR_DETAILS          5111
