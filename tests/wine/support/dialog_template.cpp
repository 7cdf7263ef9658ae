#include "support/dialog_template.h"

#include <cstring>

namespace {

constexpr uint16_t kExtendedSignature = 0xFFFF;
constexpr uint16_t kOrdinalMarker = 0xFFFF;
constexpr uint32_t kDsSetFont = 0x40;
constexpr size_t kItemAlignment = 4;

class Reader {
public:
    Reader(const uint8_t *data, size_t size) : data_(data), size_(size) {}
    bool ok() const { return ok_; }

    uint16_t Word() { return Take<uint16_t>(); }
    uint32_t Dword() { return Take<uint32_t>(); }
    uint8_t Byte() { return Take<uint8_t>(); }
    int Short() { return static_cast<int16_t>(Word()); }

    std::u16string String() {
        std::u16string text;
        for (uint16_t unit = Word(); ok_ && unit; unit = Word()) text.push_back(unit);
        return text;
    }
    // A name field: an ordinal (0xFFFF, value), an empty string, or text.
    void NameOrOrdinal(uint16_t *ordinal, std::u16string *text) {
        *ordinal = 0;
        text->clear();
        const uint16_t first = Word();
        if (first == kOrdinalMarker) {
            *ordinal = Word();
            return;
        }
        for (uint16_t unit = first; ok_ && unit; unit = Word()) text->push_back(unit);
    }
    void Align() { offset_ = (offset_ + kItemAlignment - 1) & ~(kItemAlignment - 1); }
    void Skip(size_t bytes) {
        if (bytes > size_ - offset_) ok_ = false;
        else offset_ += bytes;
    }

private:
    template <typename T>
    T Take() {
        T value = 0;
        if (!ok_ || sizeof(T) > size_ - offset_) {
            ok_ = false;
            return value;
        }
        std::memcpy(&value, data_ + offset_, sizeof(T));
        offset_ += sizeof(T);
        return value;
    }

    const uint8_t *data_;
    size_t size_;
    size_t offset_ = 0;
    bool ok_ = true;
};

void ReadHeader(Reader &in, DialogTemplate *out) {
    const uint16_t version = in.Word();
    const uint16_t signature = in.Word();
    out->extended = signature == kExtendedSignature && version == 1;
    if (out->extended) {
        in.Dword();  // help id
        out->exStyle = in.Dword();
        out->style = in.Dword();
    } else {
        out->style = static_cast<uint32_t>(version) | (static_cast<uint32_t>(signature) << 16);
        out->exStyle = in.Dword();
    }
}

TemplateItem ReadItem(Reader &in, bool extended) {
    TemplateItem item;
    in.Align();
    if (extended) {
        in.Dword();  // help id
        item.exStyle = in.Dword();
        item.style = in.Dword();
    } else {
        item.style = in.Dword();
        item.exStyle = in.Dword();
    }
    item.x = in.Short();
    item.y = in.Short();
    item.cx = in.Short();
    item.cy = in.Short();
    item.id = extended ? static_cast<int32_t>(in.Dword()) : in.Short();
    in.NameOrOrdinal(&item.classAtom, &item.className);
    uint16_t textOrdinal = 0;
    in.NameOrOrdinal(&textOrdinal, &item.text);
    in.Skip(in.Word());  // creation data
    return item;
}

}  // namespace

bool ParseDialogTemplate(const void *data, size_t size, DialogTemplate *out) {
    Reader in(static_cast<const uint8_t *>(data), size);
    *out = DialogTemplate();
    ReadHeader(in, out);
    const uint16_t itemCount = in.Word();
    out->x = in.Short();
    out->y = in.Short();
    out->cx = in.Short();
    out->cy = in.Short();
    uint16_t ordinal = 0;
    std::u16string ignored;
    in.NameOrOrdinal(&ordinal, &ignored);  // menu
    in.NameOrOrdinal(&ordinal, &ignored);  // class
    out->caption = in.String();
    if (out->style & kDsSetFont) {
        out->pointSize = in.Word();
        if (out->extended) {
            out->weight = in.Word();
            out->italic = in.Byte();
            out->charset = in.Byte();
        }
        out->fontFace = in.String();
    }
    for (uint16_t i = 0; i < itemCount && in.ok(); ++i)
        out->items.push_back(ReadItem(in, out->extended));
    return in.ok();
}
