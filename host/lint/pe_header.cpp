#include "pe_header.h"

#include <cstdio>

namespace {

constexpr size_t kDosHeaderBytes = 64;
constexpr size_t kNewHeaderOffsetAt = 0x3C;
constexpr size_t kFileHeaderBytes = 20;
constexpr size_t kCharacteristicsAt = 18;
constexpr uint16_t kLibraryFlag = 0x2000;
const char kDosMagic[] = "MZ";
const char kPeMagic[] = {'P', 'E', '\0', '\0'};

uint16_t Word(std::string_view bytes, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                 static_cast<unsigned char>(bytes[at + 1]) << 8);
}

uint32_t Dword(std::string_view bytes, size_t at) {
    return static_cast<uint32_t>(Word(bytes, at)) | static_cast<uint32_t>(Word(bytes, at + 2)) << 16;
}

}  // namespace

PeHeader ReadPeHeader(std::string_view bytes) {
    PeHeader header;
    if (bytes.size() < kDosHeaderBytes || bytes.compare(0, 2, kDosMagic) != 0) return header;
    const uint32_t at = Dword(bytes, kNewHeaderOffsetAt);
    if (at > bytes.size() || bytes.size() - at < sizeof(kPeMagic) + kFileHeaderBytes) return header;
    if (bytes.compare(at, sizeof(kPeMagic), std::string_view(kPeMagic, sizeof(kPeMagic))) != 0)
        return header;
    const size_t fileHeader = at + sizeof(kPeMagic);
    header.valid = true;
    header.machine = Word(bytes, fileHeader);
    header.library = (Word(bytes, fileHeader + kCharacteristicsAt) & kLibraryFlag) != 0;
    return header;
}

std::string PeProblem(const PeHeader &header, bool program) {
    if (!header.valid) return "it is not a Windows program or library";
    if (program) return header.library ? "it is a library, not a program" : "";
    if (!header.library) return "it is a program, not a library";
    if (header.machine == kMachineX64) return "";
    char text[80];
    std::snprintf(text, sizeof(text), "it is built for another processor (machine 0x%04X), not 64-bit x64",
                  header.machine);
    return text;
}
