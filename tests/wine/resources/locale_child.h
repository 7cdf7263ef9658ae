// This program run again as a child under another locale. Wine takes the
// user's default language from the locale of the Unix process at start,
// and a Windows child inherits its parent's, so the child is started
// through Wine's loader as a Unix program with the locale in its
// environment. Such a child has no handle to wait on: it reports its exit
// status through a named event and a shared status word.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

using EnvironmentEntries = std::vector<std::pair<std::wstring, std::wstring>>;

// The child's exit status; a Win32 error code or WAIT_TIMEOUT when it
// could not be started or did not report.
DWORD RunUnderLocale(const std::wstring &locale, const EnvironmentEntries &extra,
                     const std::string &filter);

// The variable's value; empty when it is not set or is too long.
std::wstring EnvironmentVariable(const WCHAR *name);

// In a child: hands the status to the parent that waits for it.
void ReportToParent(int status);

// True in a child started by the user-language cases (language_tests.cpp):
// only the InUserLanguage cases make sense there.
bool IsUserLanguageChild();
