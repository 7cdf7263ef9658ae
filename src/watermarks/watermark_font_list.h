// The watermark font list file among the driver's files: its process-wide
// path and its "PrinterFont" entries.
#pragma once

#include <windows.h>

#include "watermarks/watermark_record.h"

constexpr DWORD kFontListPathBytes = 522;
constexpr LCID kJapaneseLocale = 1041;

extern WCHAR WatermarkFontList[kFontListPathBytes / sizeof(WCHAR)];

// From [DependentFiles] WMFONT of the plug-in ini, inside the driver
// directory; empty when it cannot be made.
void SetWatermarkFontListPath(const WCHAR *pluginIni);

bool JapaneseThreadLocale();
// The entry of key `number` (1-based); false when the key is empty or absent.
bool ReadFontListEntry(uint32_t number, FontEntry *entry);
// "DefaultNo": the first entry offered only on a Japanese locale; 0 when absent.
uint32_t ReadFontListDefaultNo();
// The key after the last one a list on this locale offers (0 = no limit).
uint32_t FontListEnd();
