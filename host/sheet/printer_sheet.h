// The printer properties as the driver opens them: the driver's
// installable-option items built from the description's installable-options
// group (each with its USERDATA keyword block), the plug-in's CommonUIProp
// in printer mode twice, then the sheet with the driver's page, on which
// those items show with the plug-in's own push-button item, and the
// plug-in's DevicePropertySheets. Apply stores the items' options as the
// printer's "FeatureKeyword" data.
#pragma once

#include "core/platform_oem.h"
#include "driver/driver_calls.h"
#include "driver/plugin_loader.h"
#include "sheet/options_page.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// The installable-option items of one printer, with the options its
// printer data has.
class InstallableItems {
public:
    explicit InstallableItems(const PrinterModel &model);
    InstallableItems(const InstallableItems &) = delete;
    InstallableItems &operator=(const InstallableItems &) = delete;

    OPTITEM *Items() { return items_.data(); }
    DWORD Count() const { return static_cast<DWORD>(items_.size()); }
    size_t IndexOf(const void *item) const;
    const std::string &Keyword(size_t index) const { return keywords_[index]; }
    // The item's current option keyword.
    std::string OptionKeyword(size_t index) const;
    std::vector<FeatureSetting> Settings() const;

private:
    const PrinterModel &model_;
    std::vector<OPTITEM> items_;
    std::vector<size_t> features_;
    std::deque<USERDATA> userData_;
    std::deque<std::string> keywords_;
    std::deque<OPTTYPE> types_;
    std::deque<std::vector<OPTPARAM>> params_;
    std::deque<std::wstring> texts_;
};

class PrinterSheet final : public OptionsPageOwner {
public:
    PrinterSheet(PluginSession &session, CallLog &log);
    ~PrinterSheet();
    PrinterSheet(const PrinterSheet &) = delete;
    PrinterSheet &operator=(const PrinterSheet &) = delete;

    // HideStandardUI and both CommonUIProp calls; only a host failure is an error.
    bool PrepareItems(std::string *error);
    // Shows the sheet and returns when it closes.
    bool Show(std::string *error);

    InstallableItems &Items() { return items_; }
    OptionsPage &Page() { return page_; }
    // Runs once inside the sheet's message loop as soon as the sheet shows.
    std::function<void(HWND sheet)> onShown;

    OPTITEM *DriverItemArray() override { return items_.Items(); }
    DWORD DriverItemCount() const override { return items_.Count(); }
    OPTITEM *PluginItems() const override { return pluginItems_; }
    DWORD PluginItemCount() const override { return pluginItems_ ? cuip_.cOEMOptItems : 0; }
    bool ReadOnly() const override { return false; }
    bool ChangeDriverItem(size_t index, LONG sel) override;
    LONG NotifyPlugin(WORD reason, HWND page, OPTITEM *current, LONG oldSel) override;
    bool Store(std::string *error) override;
    void SheetShown(HWND sheet) override;

    // DrvUpdateUISetting in printer mode: any option of the item is taken.
    BOOL UpdateUISetting(PVOID item, DWORD previousSelection, DWORD mode);

private:
    struct HostUiObject {
        OEMUIOBJ object;
        PrinterSheet *owner;
    };
    static LONG CALLBACK SheetFunction(PPROPSHEETUI_INFO info, LPARAM lParam);
    static LONG CALLBACK PluginSheets(PPROPSHEETUI_INFO info, LPARAM lParam);
    static BOOL WINAPI GetDriverSettingProc(PVOID, PCSTR, PVOID, DWORD, PDWORD, PDWORD);
    static BOOL WINAPI UpdateUISettingProc(PVOID driverObject, PVOID item, DWORD previous,
                                           DWORD mode);
    LONG InitSheet(PPROPSHEETUI_INFO info);

    PluginSession &session_;
    CallLog &log_;
    InstallableItems items_;
    std::wstring printerName_;
    std::wstring title_;
    OEMUIPROCS procs_ = {};
    HostUiObject object_ = {};
    OEMCUIPPARAM cuip_ = {};
    OEMUIPSPARAM sheetParam_ = {};
    OPTITEM *pluginItems_ = nullptr;
    OptionsPage page_;
    bool shown_ = false;
};

// The title of the driver's page in the printer sheet.
extern const WCHAR kDeviceSettingsTitle[];

// Each item "name: option", one a line.
std::string DescribeItems(InstallableItems &items);
// The printer's "FeatureKeyword" entries, "keyword=option" one a line.
std::string DescribeFeatureKeyword(HANDLE printer);
