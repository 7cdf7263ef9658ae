// The process-wide values the option-tree code shares with the rest of the
// plug-in, for the glue linked into this program.
#include "core/context_help.h"
#include "core/driver_config.h"
#include "core/dialog_utils.h"

WCHAR *PluginIni;
WCHAR HelpFilePath[kHelpPathBytes / sizeof(WCHAR)];
DWORD SheetVisitFlags;
int PrinterDataWritable;
