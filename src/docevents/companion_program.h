// The model's companion program, which carries the application name to the
// printer side through a pipe where shared memory cannot serve.
#pragma once

#include <windows.h>

// Starts the program (a file of the driver directory's "3" folder) with
// the command line; silent when it cannot be started.
void StartCompanionProgram(const WCHAR *programName, WCHAR *commandLine);
