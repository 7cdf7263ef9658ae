// A dialog made from exactly one language's copy of a template, with a
// procedure that does nothing, inside a host window of its own.
#pragma once

#include <windows.h>

#include <vector>

class LanguageDialog {
public:
    // `visible`: the host is shown at the screen's corner, so that what is
    // drawn on the dialog can be read back.
    LanguageDialog(HMODULE module, int templateId, LANGID language, bool visible = false);
    ~LanguageDialog();
    LanguageDialog(const LanguageDialog &) = delete;
    LanguageDialog &operator=(const LanguageDialog &) = delete;

    HWND Get() const { return dialog_; }
    // The dialog's own controls in the order of the template's items.
    std::vector<HWND> AllControls() const;

private:
    HWND host_ = nullptr;
    HWND dialog_ = nullptr;
};
