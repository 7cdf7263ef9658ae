// Checking a DEVMODE file against the host's layout.
#include "driver/devmode_layout.h"

#include "core/platform_oem.h"

#include <cstring>

namespace {

void AddProblem(std::string *problems, const std::string &text) {
    if (!problems->empty()) *problems += "; ";
    *problems += text;
}

}  // namespace

DevmodeCheck CheckDevmodeFile(const BYTE *data, size_t size, DevmodeFileView *view,
                              std::string *problems) {
    if (size < kPublicDevmodeSize) {
        AddProblem(problems, "file holds " + std::to_string(size) + " bytes, less than the " +
                                 std::to_string(kPublicDevmodeSize) + " of a DEVMODEW");
        return DevmodeCheck::Unusable;
    }
    DEVMODEW publicPart;
    memcpy(&publicPart, data, sizeof(publicPart));
    if (publicPart.dmSize != kPublicDevmodeSize) {
        AddProblem(problems, "dmSize is " + std::to_string(publicPart.dmSize) + ", expected " +
                                 std::to_string(kPublicDevmodeSize));
        return DevmodeCheck::Unusable;
    }
    DevmodeCheck check = DevmodeCheck::Ok;
    view->declaredBytes = size_t(publicPart.dmSize) + publicPart.dmDriverExtra;
    if (view->declaredBytes > size) {
        AddProblem(problems, "dmSize + dmDriverExtra = " + std::to_string(view->declaredBytes) +
                                 " bytes, but the file holds " + std::to_string(size));
        check = DevmodeCheck::Damaged;
    } else if (view->declaredBytes < size) {
        AddProblem(problems, std::to_string(size - view->declaredBytes) +
                                 " bytes after the DEVMODE are ignored");
    }
    const size_t present = view->declaredBytes < size ? view->declaredBytes : size;
    view->sectionOffset = kPluginSectionOffset;
    view->sectionBytes = present > kPluginSectionOffset ? present - kPluginSectionOffset : 0;
    if (view->sectionBytes < sizeof(OEM_DMEXTRAHEADER)) {
        AddProblem(problems, "the plug-in section at offset " +
                                 std::to_string(kPluginSectionOffset) + " holds " +
                                 std::to_string(view->sectionBytes) +
                                 " bytes, less than its " +
                                 std::to_string(sizeof(OEM_DMEXTRAHEADER)) + "-byte header");
        return DevmodeCheck::Damaged;
    }
    OEM_DMEXTRAHEADER header;
    memcpy(&header, data + kPluginSectionOffset, sizeof(header));
    if (header.dwSize > view->sectionBytes) {
        AddProblem(problems, "the plug-in section declares " + std::to_string(header.dwSize) +
                                 " bytes, but " + std::to_string(view->sectionBytes) +
                                 " are present");
        check = DevmodeCheck::Damaged;
    }
    return check;
}
