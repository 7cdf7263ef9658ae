// Openings of the Job Options page: a driver tree with the job-type and
// finishing features, the driver's answers and DEVMODE, an optional record
// carried over from an earlier opening, and the plug-in's extended page
// layout, which carries every control the page can drive.
#pragma once

#include "support/sheet_harness.h"

#include "core/oem_devmode.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

struct PageSetup {
    std::wstring printer = kSamplePrinter;
    // The plug-in's extended layout in place of the one the model names.
    bool extendedLayout = true;
    bool hideStandardUI = true;
    LONG copies = 1;
    LONG jobType = 0;
    bool withJobType = true;
    LONG bindPosition = 2;
    LONG staple = 0;
    LONG punch = 0;
    bool withFinishing = true;
    bool withOutputBin = true;
    LONG orientationItem = 0;
    std::map<std::string, std::string> settings = {
        {"VXHDD", "True"},       {"VXJobLimit", "False"}, {"VXFinisher", "True"},
        {"PageSize", "A4"},      {"Duplex", "DuplexNoTumble"}, {"VXPunchUnit", "None"},
    };
    short paperSize = DMPAPER_A4;
    short documentOrientation = DMORIENT_PORTRAIT;
    BYTE layout = 0;
    // The record as an earlier opening left it; empty for the default one.
    std::vector<BYTE> record;
    std::function<void(OemDevmode *)> editRecord;
    // A page layout of the test program's resources, by its id.
    UINT layoutTemplate = 0;
    // The overlay-mode item and the driver's PostScript output item.
    bool withOverlay = false;
    LONG overlayMode = 0;
    // The flags of the sheet parameters (DM_NOPERMISSION).
    DWORD sheetFlags = 0;
    // A page layout made by the test, in place of the extended one.
    const DLGTEMPLATE *pageLayout = nullptr;
    // The form and orientation the driver's public DEVMODE names.
    std::wstring formName;
};

// Item indices of one opening's tree.
struct TreeItems {
    DWORD copies = 0, jobType = 0, bindPosition = 0, staple = 0, punch = 0;
    DWORD overlay = 0, postScriptOutput = 0;
};

class PageOpening {
public:
    // Opens the sheet; Opened() says whether it worked.
    explicit PageOpening(const PageSetup &setup);
    bool Opened() const { return page_ != nullptr; }

    SheetHarness &Harness() { return *harness_; }
    HWND Page() const { return page_; }
    DocUiState *State() const { return state_; }
    OemDevmode *Record() { return reinterpret_cast<OemDevmode *>(harness_->Record()); }
    std::vector<BYTE> RecordBytes() {
        return std::vector<BYTE>(harness_->Record(), harness_->Record() + kRecordBytes);
    }
    uint32_t Working(uint32_t slot) const { return state_->slots.working[slot]; }
    const TreeItems &Items() const { return items_; }
    // The entries of a drop-down list, in order.
    std::vector<std::wstring> ListEntries(UINT id) const {
        return dialog_input::ComboEntries(page_, id);
    }
    std::wstring ListSelection(UINT id) const { return dialog_input::ComboSelection(page_, id); }

private:
    std::unique_ptr<SheetHarness> harness_;
    TreeItems items_;
    HWND page_ = nullptr;
    DocUiState *state_ = nullptr;
};

// A printer of a model of its own for one test: the given keys in its
// model section of a capability file, beside a plug-in ini of its own.
// The card library stand-in is put into the driver files when missing.
class ModelPrinter {
public:
    ModelPrinter(const std::wstring &tag, const std::vector<std::pair<std::wstring, std::wstring>> &keys);
    bool Installed() const { return printer_ && printer_->Installed(); }
    const WCHAR *Name() const { return name_.c_str(); }
    const std::wstring &IniPath() const { return iniPath_; }
    // Marks the printer shared in the spooler; false when that failed.
    bool Share();

private:
    std::wstring name_;
    std::wstring iniPath_;
    std::unique_ptr<TestPrinter> printer_;
};

// A dialog template among a module's resources (the plug-in's own layouts);
// null when absent.
const DLGTEMPLATE *ModuleDialogTemplate(HMODULE module, UINT id);

// A dialog template among the test program's resources; null when absent.
const DLGTEMPLATE *ProgramDialogTemplate(UINT id);

// Dialogs that a failed test left open on this thread are closed, so the
// next test starts clean.
void CloseLeftoverWindows();
