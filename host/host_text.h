// Text conversion and the host's two output streams. Messages are built as
// UTF-8; stdout and stderr are written as raw bytes so that file names and
// record strings arrive unchanged in a pipe.
#pragma once

#include <windows.h>

#include <string>

std::string Utf8(const std::wstring &text);
std::string Utf8(const WCHAR *text, size_t chars);
std::wstring Wide(const std::string &utf8);
// An 8-bit string in the system code page, as the record's narrow fields hold it.
std::string Utf8FromAnsi(const char *text, size_t chars);
// "error 2: The system cannot find the file specified."
std::string Win32ErrorText(DWORD error);
std::string HexDword(DWORD value);

void PrepareOutputStreams();
void PrintOut(const std::string &text);
void PrintError(const std::string &text);
