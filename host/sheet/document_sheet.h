// The document properties as the driver opens them: the plug-in's
// CommonUIProp twice (first for the number of its own items, then with
// the driver's and its own items), then the property sheet through the
// platform's CommonPropertySheetUIW. The driver's sheet function adds the
// driver's own page and registers the plug-in's DocumentPropertySheets
// with CPSFUNC_ADD_PFNPROPSHEETUIW; compstui then calls it with the
// OEMUIPSPARAM as lParamInit. OK and Apply store the DEVMODE.
#pragma once

#include "core/platform_oem.h"
#include "driver/document_ui.h"
#include "driver/plugin_loader.h"
#include "sheet/options_page.h"

#include <functional>
#include <string>

struct SheetOptions {
    // DM_NOPERMISSION: the user may not change the printer's settings; the
    // driver's page shows them disabled and nothing is stored on the printer.
    bool noPermission = false;
    // Where OK and Apply store the DEVMODE; empty: the printer's own default.
    std::wstring outFile;
    HWND parent = nullptr;
    // Runs once inside the sheet's message loop as soon as the sheet shows.
    std::function<void(HWND sheet)> onShown;
    // The plug-in's Job Options and Color pages show in the host's layouts
    // that carry the buttons templates 113 and 111 lack (variant_pages.h).
    bool variantPages = false;
};

class DocumentSheet final : public OptionsPageOwner {
public:
    DocumentSheet(PluginSession &session, DocumentUi &ui);
    DocumentSheet(const DocumentSheet &) = delete;
    DocumentSheet &operator=(const DocumentSheet &) = delete;

    // HideStandardUI and both CommonUIProp calls. A plug-in that fails them
    // leaves the driver's tree as it is; only a host failure is an error.
    bool PrepareItems(const SheetOptions &options, std::string *error);
    // Shows the sheet and returns when it closes.
    bool Show(std::string *error);

    DocumentUi &Ui() { return ui_; }
    PluginSession &Session() { return session_; }
    const SheetOptions &Options() const { return options_; }
    OEMCUIPPARAM &CommonUiParam() { return cuip_; }
    OEMUIPSPARAM &SheetParam() { return sheetParam_; }
    OptionsPage &Page() { return page_; }
    // The plug-in's own items (none unless its first CommonUIProp asks).
    OPTITEM *PluginItems() const override { return pluginItems_; }
    DWORD PluginItemCount() const override { return cuip_.cOEMOptItems; }
    OPTITEM *DriverItemArray() override { return ui_.Items().Items(); }
    DWORD DriverItemCount() const override { return ui_.Items().Count(); }
    bool ReadOnly() const override { return options_.noPermission; }
    bool ChangeDriverItem(size_t index, LONG sel) override { return ui_.ChangeItem(index, sel); }
    // The sheet window while it is open.
    HWND Window() const { return window_; }
    bool Stored() const { return stores_ > 0; }

    // The plug-in's OEMCUIPCallback for an event of the driver's page, as
    // the driver's tree page would call it; CPSUICB_ACTION_NONE when the
    // plug-in gave none.
    LONG NotifyPlugin(WORD reason, HWND page, OPTITEM *current, LONG oldSel) override;
    // Stores the DEVMODE where the options say.
    bool Store(std::string *error) override;
    // Called by the driver's page once the sheet window exists.
    void SheetShown(HWND sheet) override;

private:
    static LONG CALLBACK SheetFunction(PPROPSHEETUI_INFO info, LPARAM lParam);
    static LONG CALLBACK PluginSheets(PPROPSHEETUI_INFO info, LPARAM lParam);
    LONG InitSheet(PPROPSHEETUI_INFO info);
    void Note(const std::string &text) { ui_.Log().Note(text); }

    PluginSession &session_;
    DocumentUi &ui_;
    SheetOptions options_;
    std::wstring printerName_;
    std::wstring title_;
    OEMCUIPPARAM cuip_ = {};
    OEMUIPSPARAM sheetParam_ = {};
    OPTITEM *pluginItems_ = nullptr;
    OptionsPage page_;
    HWND window_ = nullptr;
    bool shown_ = false;
    int stores_ = 0;
};
