// The process-wide values the option-tree code shares with the rest of the
// plug-in, for the glue linked into this program.
#include "core/common_ui_prop.h"
#include "core/dialog_utils.h"

WCHAR *PluginIni;
WCHAR HelpFilePath[kHelpPathBytes / sizeof(WCHAR)];
DWORD SheetVisitFlags;
int PrinterDataWritable;
