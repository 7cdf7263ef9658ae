/* The print position tests' own Job Options page layout: a few of template
 * 113's controls and the print position button, which only other layouts of
 * the product family carry. */
#pragma once

#define IDD_TEST_POSITION_JOB_OPTIONS   5122
