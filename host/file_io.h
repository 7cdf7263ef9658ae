// Whole-file reads and writes for DEVMODE files.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// False with a message naming the file and the reason.
bool ReadWholeFile(const std::wstring &path, std::vector<BYTE> *bytes, std::string *error);
bool WriteWholeFile(const std::wstring &path, const BYTE *data, size_t size, std::string *error);
