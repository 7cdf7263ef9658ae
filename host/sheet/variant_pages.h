// Page layouts of the product family that carry the buttons template 111
// and 113 lack: the print position button on the Job Options page, the
// Office Color Details and special toner buttons on the Color page. The
// driver host shows the plug-in's pages in them on request, so that those
// dialogs can be reached and pictured.
#pragma once

#define IDD_HOST_VARIANT_JOB_OPTIONS    5113
#define IDD_HOST_VARIANT_COLOR          5111
