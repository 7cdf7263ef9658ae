// How the host lays out a DEVMODE: the public part, the driver's private
// part of a fixed size, then the plug-in's section.
#pragma once

#include <windows.h>

#include <string>

constexpr WORD kPublicDevmodeSize = sizeof(DEVMODEW);
constexpr WORD kDriverPrivateSize = 512;
constexpr size_t kPluginSectionOffset = kPublicDevmodeSize + kDriverPrivateSize;

static_assert(kPublicDevmodeSize == 220, "DEVMODEW of the x64 platform");

// Where the plug-in section lies in a DEVMODE read from a file, bounded by
// both the file and the DEVMODE's own sizes.
struct DevmodeFileView {
    size_t declaredBytes = 0;  // dmSize + dmDriverExtra
    size_t sectionOffset = 0;
    size_t sectionBytes = 0;   // what really follows the private part
};

enum class DevmodeCheck { Ok, Damaged, Unusable };

// Unusable: not a DEVMODE this host writes (too short, another public size).
// Damaged: usable, but the sizes and the file disagree or the plug-in
// section is shorter than its header. Each problem is appended to *problems.
DevmodeCheck CheckDevmodeFile(const BYTE *data, size_t size, DevmodeFileView *view,
                              std::string *problems);
