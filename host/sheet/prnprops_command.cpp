// drvhost prnprops: the printer properties as the driver opens them, with
// the installable options before and after.
#include "commands.h"

#include "driver/driver_calls.h"
#include "driver/plugin_loader.h"
#include "host_text.h"
#include "sheet/printer_sheet.h"
#include "sheet/sheet_screenshots.h"

#include <commctrl.h>
#include <prsht.h>

#include <memory>

int RunPrnProps(const HostOptions &options) {
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    PluginSession session;
    std::string error;
    if (!session.Open(options.printer, &error)) return Fail(error);
    CallLog log;
    if (!options.logFile.empty() && !log.WriteTo(options.logFile))
        return Fail("cannot write the log " + Utf8(options.logFile));
    PrintOut("FeatureKeyword before:\n" + DescribeFeatureKeyword(session.Printer()));
    std::unique_ptr<SheetScreenshots> screenshots;
    {
        PrinterSheet sheet(session, log);
        if (!sheet.PrepareItems(&error)) return Fail(error);
        PrintOut("items before:\n" + DescribeItems(sheet.Items()));
        if (!options.screenshotsDir.empty())
            screenshots = std::make_unique<SheetScreenshots>(options.screenshotsDir);
        const bool detect = options.detect;
        const std::wstring press = options.press;
        sheet.onShown = [&sheet, &screenshots, detect, press](HWND window) {
            if (detect) {
                for (const OptionsPage::Row &row : sheet.Page().Rows())
                    if (row.button) PostMessageW(row.choice, BM_CLICK, 0, 0);
            }
            if (screenshots) screenshots->Start(window);
            else if (!press.empty())
                PostMessageW(window, PSM_PRESSBUTTON, press == L"ok" ? PSBTN_OK : PSBTN_CANCEL, 0);
        };
        if (!sheet.Show(&error)) return Fail(error);
        PrintOut("items after:\n" + DescribeItems(sheet.Items()));
    }
    PrintOut("FeatureKeyword after:\n" + DescribeFeatureKeyword(session.Printer()));
    int status = kExitOk;
    if (screenshots) {
        for (const std::wstring &file : screenshots->Written()) PrintOut("wrote " + Utf8(file) + "\n");
        for (const std::string &problem : screenshots->Problems()) PrintError(problem);
        if (screenshots->Written().empty()) status = kExitFailure;
    }
    LONG leaked = 0;
    session.Unload(&leaked);
    return status;
}
