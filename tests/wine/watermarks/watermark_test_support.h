// What the watermark tests share: a printer of a model of its own whose
// plug-in ini holds the watermark list and names the sample font list, the
// Job Options page opened with the plug-in's extended layout, the dialogs
// driven step by step as they appear, and the preview's pixels.
#pragma once

#include "support/control_states.h"
#include "support/dialog_input.h"
#include "support/page_test.h"

#include "watermarks/watermark_record.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

extern const WCHAR kWatermarkSection[];
extern const WCHAR kWatermarksCaption[];
extern const WCHAR kEditorCaption[];
extern const WCHAR kFontCaption[];

// A printer whose ini starts with the given stored values (keys WTMK001...
// unless a key is given) and names the sample model's font list.
class WatermarkPrinter {
public:
    WatermarkPrinter();
    bool Installed() const { return model_.Installed(); }
    const WCHAR *Name() const { return model_.Name(); }
    const std::wstring &Ini() const { return model_.IniPath(); }
    void Store(const std::vector<std::wstring> &values);
    void StoreKey(const WCHAR *key, const std::wstring &value);
    // Keys of a section of the ini, in file order, with their values.
    std::vector<std::pair<std::wstring, std::wstring>> Section(const WCHAR *section) const;
    std::wstring Value(const WCHAR *section, const WCHAR *key) const;

private:
    ModelPrinter model_;
};

// The fixture both watermark test files share: the Job Options page of
// the watermark printer, without the job-type and finishing features.
class WatermarkTest : public PageTest {
protected:
    void Open(std::function<void(PageSetup &)> adjust = nullptr);
    // Queues `act` for the next dialog of that caption, which is then ended
    // with `end`.
    void Expect(const WCHAR *caption, std::function<void(HWND)> act, UINT end = IDOK);
    // Clicks the page's Watermarks button; each dialog that then appears goes
    // to the script queued for its caption, message boxes get OK. Every
    // script must meet its dialog, or the checks inside it never ran.
    void RunWatermarks();
    OemDevmode *Record() { return opening->Record(); }
    DocUiState *State() const { return opening->State(); }

    WatermarkPrinter printer;
};

// A record's text field as a string.
std::wstring Text(const char16_t *text);
using dialog_input::Checked;
using dialog_input::Click;
using dialog_input::Enabled;
using dialog_input::ListBoxLines;
using dialog_input::PickLine;
using dialog_input::Text;
int ListSelection(HWND dialog, UINT listId);

// Several numeric fields of a record, compared as one value.
using Values = std::vector<long long>;

// The stored value of a watermark made from its main fields.
std::wstring StoredValue(const std::wstring &text, uint32_t size = 72, int angle = 45,
                         uint32_t color = 0xC0C0C0, unsigned position = 3, unsigned border = 0);

// The preview control's pixels, row by row, as 0x00RRGGBB.
struct PreviewPixels {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
PreviewPixels CapturePreview(HWND dialog);

// The bounding box of the pixels that `match` accepts, `margin` pixels
// inside the control's edges; empty (right < left) when there are none.
struct PixelBox {
    int left = 0, top = 0, right = -1, bottom = -1;
    int count = 0;
};
PixelBox FindPixels(const PreviewPixels &shot, const std::function<bool(uint32_t)> &match,
                    int margin = 0);
bool IsReddish(uint32_t pixel);
