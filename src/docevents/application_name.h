// The printing application's name, as the model's job-information library
// tells it.
#pragma once

#include <windows.h>

#include "docevents/doc_event_names.h"

// Loads the library (a file of the driver directory's "3" folder), asks it
// for the name and frees it again. The name is empty without library or
// export; it is always terminated.
void ReadPrintingApplication(const WCHAR *libraryName, WCHAR (&name)[kAppNameChars]);
