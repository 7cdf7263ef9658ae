// drvhost contact-sheets: every dialog template of the plug-in, made from
// each language's own copy and drawn as the system draws it, one PNG sheet
// per language.
#pragma once

#include <string>

// Writes OUTDIR\<tag>.png for the nine languages; a kExit* status.
int RunContactSheets(const std::wstring &outFolder);
