// Whole-file reads and writes for DEVMODE and printer-description files.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// False with a message naming the file and the reason. A DEVMODE file is
// at most 1 MiB; other files say how large they may be.
bool ReadWholeFile(const std::wstring &path, std::vector<BYTE> *bytes, std::string *error);
bool ReadWholeFile(const std::wstring &path, std::vector<BYTE> *bytes, std::string *error,
                   LONGLONG maxBytes);
bool WriteWholeFile(const std::wstring &path, const BYTE *data, size_t size, std::string *error);
