/* The Overlays button of Job Options page layouts that carry it; template
 * 113 does not. Pure #defines, for resource scripts and C++ alike. */
#pragma once

#define IDC_JOB_OVERLAYS                1536
