// The driver's own page of the document and printer sheets. Wine's
// compstui cannot show option-item tree pages, so the driver shows its items
// on a plain page: one row per item that is not hidden (OPTIF_HIDE), with a
// drop-down list of its options that are not hidden (OPTPF_HIDE), a number
// box for a numeric item or a button for a push-button item. It calls the
// plug-in's OEMCUIPCallback where the tree page would: when it is shown,
// when an item changes or takes the focus, and when the sheet applies.
#pragma once

#include "core/platform_oem.h"

#include <string>
#include <vector>

// The sheet the page belongs to: its items, and where changes go.
class OptionsPageOwner {
public:
    virtual OPTITEM *DriverItemArray() = 0;
    virtual DWORD DriverItemCount() const = 0;
    virtual OPTITEM *PluginItems() const = 0;
    virtual DWORD PluginItemCount() const = 0;
    // The user may look but not change anything.
    virtual bool ReadOnly() const = 0;
    // A change made on the page; false when the driver refuses it.
    virtual bool ChangeDriverItem(size_t index, LONG sel) = 0;
    virtual LONG NotifyPlugin(WORD reason, HWND page, OPTITEM *current, LONG oldSel) = 0;
    virtual bool Store(std::string *error) = 0;
    virtual void SheetShown(HWND sheet) = 0;

protected:
    ~OptionsPageOwner() = default;
};

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
        bool button = false;          // a push-button item: `choice` is the button
    };

    OptionsPage(OptionsPageOwner &owner, const WCHAR *title);
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
    void FocusRow(const Row &row);
    int ToPixelsY(int dialogUnits) const;
    int ToPixelsX(int dialogUnits) const;

    OptionsPageOwner &owner_;
    const WCHAR *title_;
    std::vector<WORD> template_;
    std::vector<Row> rows_;
    HWND window_ = nullptr;
    bool refreshing_ = false;
    int scroll_ = 0;
    int contentHeight_ = 0;
};

// The title the page carries in the document sheet.
extern const WCHAR kOptionsPageTitle[];
