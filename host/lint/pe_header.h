// The header of a program or library file: whether it is one, for which
// processor, and whether it is a library. Read from the file's bytes
// without loading it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct PeHeader {
    bool valid = false;
    uint16_t machine = 0;
    bool library = false;
};

constexpr uint16_t kMachineX64 = 0x8664;
constexpr uint16_t kMachineX86 = 0x014C;

PeHeader ReadPeHeader(std::string_view bytes);

// Why a file cannot serve as what the plug-in loads or starts: "" when it
// can. A library must be a 64-bit library, the plug-in's own kind; a
// program only has to be a program.
std::string PeProblem(const PeHeader &header, bool program);
