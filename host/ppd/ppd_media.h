// How the driver turns printer-description option keywords into the
// public DEVMODE's numbers: paper sizes, duplex modes, resolutions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The DMPAPER_* number of a PageSize keyword the platform knows; sizes it
// does not know get numbers from DMPAPER_USER (256) on, by their position
// in the PageSize option list.
int16_t PaperSizeOf(std::string_view pageSizeKeyword, size_t optionIndex);

// DMDUP_SIMPLEX (1), DMDUP_VERTICAL (2) for DuplexNoTumble, DMDUP_HORIZONTAL
// (3) for DuplexTumble.
int16_t DuplexModeOf(std::string_view duplexKeyword);

// "600dpi" gives 600 by 600, "600x1200dpi" 600 by 1200; false for anything
// else.
bool ReadResolution(std::string_view keyword, int16_t *x, int16_t *y);

// The numbers user-defined entries start at (DMPAPER_USER, DMBIN_USER,
// DMMEDIA_USER).
constexpr int16_t kFirstUserPaper = 256;
constexpr int16_t kFirstUserBin = 256;
constexpr uint32_t kFirstUserMedia = 256;
