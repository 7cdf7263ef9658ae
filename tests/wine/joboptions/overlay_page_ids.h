/* The test programs' Job Options page layout with the Overlays button. */
#pragma once

#define IDD_TEST_OVERLAY_JOB_OPTIONS    5109
