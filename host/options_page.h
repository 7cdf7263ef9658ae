// The driver's own page of the document sheet. Wine's compstui cannot show
// option-item tree pages, so the driver shows its items on a plain page:
// one row per item that is not hidden (OPTIF_HIDE), with a drop-down list of
// its options that are not hidden (OPTPF_HIDE), or a number box for a
// numeric item. It calls the plug-in's OEMCUIPCallback where the tree page
// would: when it is shown, when an item changes and when the sheet applies.
#pragma once

#include "core/platform_oem.h"

#include <string>
#include <vector>

class DocumentSheet;

class OptionsPage {
public:
    struct Row {
        OPTITEM *item;
        long driverIndex;             // -1 for one of the plug-in's own items
        std::vector<WORD> options;    // list position -> option index
        HWND label = nullptr;
        HWND choice = nullptr;        // drop-down list or number box
        HWND spin = nullptr;
        HWND check = nullptr;         // the item's extended check box
    };

    explicit OptionsPage(DocumentSheet &sheet);
    OptionsPage(const OptionsPage &) = delete;
    OptionsPage &operator=(const OptionsPage &) = delete;

    // The page as the sheet function adds it.
    void Describe(PROPSHEETPAGEW *page);
    HWND Window() const { return window_; }
    const std::vector<Row> &Rows() const { return rows_; }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Init(HWND window);
    void AddRow(OPTITEM *item, long driverIndex);
    void LayOut();
    void Refresh();
    void RefreshRow(const Row &row);
    void OnCommand(UINT id, UINT code);
    INT_PTR OnNotify(const NMHDR *header);
    void OnScroll(UINT request);
    void ChangeRow(Row &row, LONG sel, WORD reason);
    int ToPixelsY(int dialogUnits) const;
    int ToPixelsX(int dialogUnits) const;

    DocumentSheet &sheet_;
    std::vector<WORD> template_;
    std::vector<Row> rows_;
    HWND window_ = nullptr;
    bool refreshing_ = false;
    int scroll_ = 0;
    int contentHeight_ = 0;
};

// The title the page carries in the sheet in English; other languages'
// titles come with the driver's texts (driver_texts.h).
extern const WCHAR kOptionsPageTitle[];
