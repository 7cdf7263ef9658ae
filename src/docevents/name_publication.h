// Publishing the application name for the printer side in the job's named
// shared memory, guarded by the job's named mutex.
#pragma once

#include <windows.h>

#include "docevents/doc_event_names.h"

// Creates the mutex (owned), then the 122-byte mapping, writes the name and
// releases the mutex. Both objects stay open for the life of the process,
// so that the printer side finds them. False, with nothing left open, when
// an object could not be made or written.
bool PublishApplicationName(const WCHAR *mutexName, const WCHAR *mappingName,
                            const WCHAR (&appName)[kAppNameChars]);
