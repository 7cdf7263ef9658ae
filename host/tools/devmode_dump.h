// Field-by-field decoding of the plug-in section of a DEVMODE, by the
// record's own field table.
#pragma once

#include <windows.h>

#include <string>

enum class DumpFormat { Text, Json };

// Appends the decoded fields to *out. False with a message when the file is
// not a DEVMODE of the host's layout, the section's signature is wrong or
// the section is cut short; in the last case *out still holds the fields
// that lie wholly inside the file.
bool DumpPluginSection(const BYTE *data, size_t size, DumpFormat format, std::string *out,
                       std::string *error);
