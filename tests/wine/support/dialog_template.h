// A dialog template resource read field by field, both the plain and the
// extended layout, so that a layout can be compared in dialog units.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct TemplateItem {
    int id = 0;  // sign-extended from the template's 16 or 32 bits
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    uint16_t classAtom = 0;  // 0 when the class is named
    std::u16string className;
    std::u16string text;  // empty for a resource-id text
};

struct DialogTemplate {
    bool extended = false;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::u16string caption;
    uint16_t pointSize = 0;
    uint16_t weight = 0;
    uint8_t italic = 0;
    uint8_t charset = 0;
    std::u16string fontFace;
    std::vector<TemplateItem> items;
};

// False when the bytes end before the template does.
bool ParseDialogTemplate(const void *data, size_t size, DialogTemplate *out);
