#include "support/page_fixture.h"

#include "driver/driver_private.h"
#include "resources/dialog_ids.h"

#include <cstring>

namespace {

const std::vector<std::wstring> kJobTypes = {L"Normal Print", L"Secure Print",
                                             L"Encrypted Secure Print"};
const std::vector<std::wstring> kBindPositions = {L"Off", L"Left Edge", L"Top Left", L"Top Edge",
                                                  L"Booklet"};
const std::vector<std::wstring> kStaples = {L"Off", L"1 Staple", L"2 Staples"};
const std::vector<std::wstring> kPunches = {L"Off",     L"2 Holes",      L"3 Holes",
                                            L"4 Holes", L"2 Holes (US)", L"3 Holes (US)"};
const std::vector<std::wstring> kOrientations = {L"Portrait", L"Landscape", L"Rotated"};
const std::vector<std::wstring> kOutputBins = {L"Standard", L"Face Up", L"Finisher 1",
                                               L"Finisher 2"};
constexpr LONG kCopiesUpper = 9999;
const WCHAR kCardLibrary[] = L"sxcard.dll";
const WCHAR kSharedName[] = L"sxtshared";

const std::vector<std::wstring> kOverlayModes = {L"Off", L"Print Overlay", L"Register Overlay"};

void BuildTree(DriverTree &tree, const PageSetup &setup, TreeItems *items) {
    items->copies = tree.AddRange(DMPUB_COPIES_COLLATE, setup.copies, 1, kCopiesUpper);
    tree.AddRange(DMPUB_SCALE, 100, 25, 400);
    tree.AddStandard(DMPUB_ORIENTATION, setup.orientationItem, kOrientations);
    tree.AddFeature("VXResolution", 1, {L"High", L"Fine", L"Normal"});
    tree.AddFeature("VXImageSmoothing", 1, {L"On", L"Off"});
    tree.AddFeature("VXCollate", 0, {L"Off", L"On"});
    tree.AddFeature("VXHDDSpool", 0, {L"Off", L"On"});
    if (setup.withOutputBin) tree.AddFeature("OutputBin", 0, kOutputBins);
    if (setup.withJobType) items->jobType = tree.AddFeature("VXJob_Type", setup.jobType, kJobTypes);
    if (setup.withFinishing) {
        items->bindPosition = tree.AddFeature("VXBindPosition", setup.bindPosition, kBindPositions);
        items->staple = tree.AddFeature("VXStaple", setup.staple, kStaples);
        items->punch = tree.AddFeature("VXPunch", setup.punch, kPunches);
    }
    tree.AddMirror(1);
    if (setup.withOverlay) {
        items->overlay = tree.AddFeature("VXOverlay", setup.overlayMode, kOverlayModes);
        items->postScriptOutput = tree.AddPostScriptOutput(0);
    }
    for (const auto &setting : setup.settings) tree.SetDriverSetting(setting.first, setting.second);
}

void PrepareDevmode(DEVMODEW *dm, const PageSetup &setup) {
    lstrcpynW(dm->dmFormName, setup.formName.c_str(), CCHFORMNAME);
    dm->dmPaperSize = setup.paperSize;
    dm->dmOrientation = setup.documentOrientation;
    PrivatePartOf(dm)->bPageLayout = setup.layout;
}

BOOL CALLBACK CloseDialog(HWND window, LPARAM) {
    WCHAR name[16] = L"";
    GetClassNameW(window, name, ARRAYSIZE(name));
    if (lstrcmpW(name, L"#32770") == 0) DestroyWindow(window);
    return TRUE;
}

}  // namespace

const DLGTEMPLATE *ModuleDialogTemplate(HMODULE module, UINT id) {
    HRSRC found = module ? FindResourceW(module, MAKEINTRESOURCEW(id), RT_DIALOG) : nullptr;
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    return loaded ? static_cast<const DLGTEMPLATE *>(LockResource(loaded)) : nullptr;
}

PageOpening::PageOpening(const PageSetup &setup)
    : harness_(std::make_unique<SheetHarness>(setup.printer.c_str())) {
    SheetHarness &harness = *harness_;
    BuildTree(harness.tree, setup, &items_);
    PrepareDevmode(harness.PublicDevmode(), setup);
    if (!harness.PrepareRecord()) return;
    if (setup.record.size() == kRecordBytes)
        std::memcpy(harness.Record(), setup.record.data(), kRecordBytes);
    if (setup.editRecord) setup.editRecord(reinterpret_cast<OemDevmode *>(harness.Record()));
    harness.hideStandardUI = setup.hideStandardUI;
    harness.sheetFlags = setup.sheetFlags;
    if (setup.pageLayout) {
        harness.jobOptionsTemplate = setup.pageLayout;
    } else if (setup.layoutTemplate) {
        harness.jobOptionsTemplate = ProgramDialogTemplate(setup.layoutTemplate);
        if (!harness.jobOptionsTemplate) return;
    } else if (setup.extendedLayout) {
        harness.jobOptionsTemplate =
            ModuleDialogTemplate(harness.PluginModule(), IDD_JOB_OPTIONS_EXTENDED);
        if (!harness.jobOptionsTemplate) return;
    }
    if (!harness.AddPluginPages() || !harness.Open()) return;
    page_ = harness.JobOptions();
    state_ = harness.State();
    if (!state_) page_ = nullptr;
}

ModelPrinter::ModelPrinter(const std::wstring &tag,
                           const std::vector<std::pair<std::wstring, std::wstring>> &keys)
    : name_(L"SX Test " + tag) {
    const std::wstring ini = L"sxt_" + tag + L".ini";
    const std::wstring cap = L"sxt_" + tag + L".cap";
    const std::wstring section = L"Model" + tag;
    iniPath_ = DriverFilePath(ini);
    DeleteFileW(iniPath_.c_str());
    DeleteFileW(DriverFilePath(cap).c_str());
    WriteDriverProfile(ini, L"OEMFiles", L"OEMConfigFile1", L"sxoemui.dll");
    WriteDriverProfile(cap, L"Capability", name_.c_str(), section.c_str());
    for (const auto &key : keys) WriteDriverProfile(cap, section.c_str(), key.first.c_str(), key.second.c_str());
    CopyFileW((ExeDirectory() + L"\\" + kCardLibrary).c_str(), DriverFilePath(kCardLibrary).c_str(),
              TRUE);
    printer_ = std::make_unique<TestPrinter>(name_, std::vector<std::wstring>{ini, cap});
}

bool ModelPrinter::Share() {
    SpoolerPrinter printer;
    if (!printer.Open(name_.c_str(), PRINTER_ALL_ACCESS)) return false;
    DWORD needed = 0;
    GetPrinterW(printer.Get(), 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (!needed || !GetPrinterW(printer.Get(), 2, buffer.data(), needed, &needed)) return false;
    auto *info = reinterpret_cast<PRINTER_INFO_2W *>(buffer.data());
    info->Attributes |= PRINTER_ATTRIBUTE_SHARED;
    info->pShareName = const_cast<WCHAR *>(kSharedName);
    return SetPrinterW(printer.Get(), 2, buffer.data(), 0) != 0;
}

const DLGTEMPLATE *ProgramDialogTemplate(UINT id) {
    return ModuleDialogTemplate(GetModuleHandleW(nullptr), id);
}

void CloseLeftoverWindows() {
    EnumThreadWindows(GetCurrentThreadId(), CloseDialog, 0);
}
