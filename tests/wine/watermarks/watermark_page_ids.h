/* The watermark tests' own Job Options page layout. */
#pragma once

#define IDD_TEST_WATERMARK_JOB_OPTIONS  5116
