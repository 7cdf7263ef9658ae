// drvhost docprops: the printer's document properties, opened as the
// driver opens them for an application, with the plug-in's pages in the
// sheet; OK and Apply store the DEVMODE.
#include "commands.h"

#include "driver/devmode_builder.h"
#include "driver/document_ui.h"
#include "driver/plugin_loader.h"
#include "file_io.h"
#include "host_text.h"
#include "sheet/document_sheet.h"
#include "sheet/sheet_screenshots.h"

#include <commctrl.h>
#include <prsht.h>
#include <winspool.h>

#include <memory>

namespace {

constexpr DWORD kUserDefaultLevel = 9;
constexpr DWORD kGlobalDefaultLevel = 8;
const WCHAR kPressOk[] = L"ok";
const WCHAR kPressCancel[] = L"cancel";

// The DEVMODE the printer keeps as the user's or everyone's default; empty
// when it keeps none.
std::vector<BYTE> StoredDefault(HANDLE printer) {
    for (DWORD level : {kUserDefaultLevel, kGlobalDefaultLevel}) {
        DWORD needed = 0;
        GetPrinterW(printer, level, nullptr, 0, &needed);
        if (!needed) continue;
        std::vector<BYTE> info(needed);
        if (!GetPrinterW(printer, level, info.data(), needed, &needed)) continue;
        // PRINTER_INFO_8 and PRINTER_INFO_9 both hold just the DEVMODE pointer.
        const DEVMODEW *devmode = reinterpret_cast<PRINTER_INFO_9W *>(info.data())->pDevMode;
        if (!devmode || devmode->dmSize != sizeof(DEVMODEW)) continue;
        const BYTE *bytes = reinterpret_cast<const BYTE *>(devmode);
        return std::vector<BYTE>(bytes, bytes + devmode->dmSize + devmode->dmDriverExtra);
    }
    return {};
}

// The DEVMODE the sheet starts from: the given file's or the printer's
// stored one merged into the defaults, or the defaults.
bool StartingDevmode(PluginSession &session, const HostOptions &options, DocumentUi *ui,
                     std::string *error) {
    std::vector<BYTE> input;
    if (!options.inFile.empty()) {
        if (!ReadWholeFile(options.inFile, &input, error)) return false;
    } else {
        input = StoredDefault(session.Printer());
    }
    HeapBlock devmode;
    if (input.empty()) {
        if (!BuildDefaultDevmode(session, ui->Settings(), &devmode, error)) return false;
        ui->SetDevmode(std::move(devmode));
        return true;
    }
    DevmodeFileView view;
    std::string problems;
    if (CheckDevmodeFile(input.data(), input.size(), &view, &problems) == DevmodeCheck::Unusable) {
        if (!options.inFile.empty()) {
            *error = Utf8(options.inFile) + " is not a usable DEVMODE: " + problems;
            return false;
        }
        if (!BuildDefaultDevmode(session, ui->Settings(), &devmode, error)) return false;
        ui->SetDevmode(std::move(devmode));
        return true;
    }
    if (!BuildConvertedDevmode(session, OEMDM_MERGE, input, view, &ui->Settings(), &devmode, error))
        return false;
    ui->SetDevmode(std::move(devmode));
    return true;
}

void PressWhenShown(SheetOptions *sheet, const std::wstring &press) {
    const int button = press == kPressOk ? PSBTN_OK : PSBTN_CANCEL;
    sheet->onShown = [button](HWND window) {
        PostMessageW(window, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
    };
}

}  // namespace

int RunDocProps(const HostOptions &options) {
    INITCOMMONCONTROLSEX classes = {sizeof(classes),
                                    ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS |
                                        ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);

    PluginSession session;
    std::string error;
    if (!session.Open(options.printer, &error)) return Fail(error);
    PrinterModel model = session.Model();
    if (!options.installed.empty()) {
        const size_t equals = options.installed.find(L'=');
        model.installed.push_back(
            {Utf8(options.installed.substr(0, equals)), Utf8(options.installed.substr(equals + 1))});
    }
    DocumentUi ui(model, session.PrinterName());
    if (!options.logFile.empty() && !ui.Log().WriteTo(options.logFile))
        return Fail("cannot write the log " + Utf8(options.logFile) + ": " +
                    Win32ErrorText(GetLastError()));
    if (!StartingDevmode(session, options, &ui, &error)) return Fail(error);

    SheetOptions sheetOptions;
    sheetOptions.noPermission = options.noPermission;
    sheetOptions.variantPages = options.variantPages;
    sheetOptions.outFile = options.outFile;
    std::unique_ptr<SheetScreenshots> screenshots;
    if (!options.screenshotsDir.empty()) {
        screenshots = std::make_unique<SheetScreenshots>(options.screenshotsDir);
        sheetOptions.onShown = [&screenshots](HWND window) { screenshots->Start(window); };
    } else if (!options.press.empty()) {
        PressWhenShown(&sheetOptions, options.press);
    }
    {
        DocumentSheet sheet(session, ui);
        if (!sheet.PrepareItems(sheetOptions, &error)) return Fail(error);
        if (!sheet.Show(&error)) return Fail(error);
        PrintOut(sheet.Stored() ? "settings stored\n" : "settings not stored\n");
    }
    int status = kExitOk;
    if (screenshots) {
        for (const std::wstring &file : screenshots->Written()) PrintOut("wrote " + Utf8(file) + "\n");
        for (const std::string &problem : screenshots->Problems()) PrintError(problem);
        if (screenshots->Written().empty()) status = kExitFailure;
    }
    LONG leaked = 0;
    session.Unload(&leaked);
    if (leaked) return Fail("the plug-in kept " + std::to_string(leaked) +
                            " reference(s) to the driver helper after its release");
    return status;
}

bool IsPressChoice(const std::wstring &press) { return press == kPressOk || press == kPressCancel; }
