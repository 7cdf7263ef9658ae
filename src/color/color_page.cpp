#include "color/color_page.h"
#include "core/config_key_text.h"

#include "color/color_advanced_dialog.h"
#include "color/color_details_dialog.h"
#include "color/color_rules.h"
#include "color/color_store.h"
#include "color/color_variant_ids.h"
#include "color/office_details_dialog.h"
#include "color/slot_lists.h"
#include "color/special_toner_dialog.h"
#include "color/special_toner_rules.h"
#include "core/context_help.h"
#include "core/dialog_utils.h"
#include "core/driver_config.h"
#include "core/link_banner.h"
#include "core/localized_resources.h"
#include "core/oem_devmode.h"
#include "core/plugin_module.h"
#include "core/win_holders.h"
#include "joboptions/job_options_page.h"
#include "optiontree/option_tree.h"
#include "resources/resource_ids.h"

#include <shellapi.h>

#include <memory>

namespace {

constexpr DWORD kRegistryPathChars = 261;   // 522 bytes
constexpr DWORD kInstallFolderBytes = 2048;
constexpr DWORD kPermissionDenied = DM_NOPERMISSION;

// Controls of page layouts that template 111 does not carry.
constexpr UINT IDC_PERMISSION_FIRST = 1590;
constexpr UINT IDC_PERMISSION_LAST = 1592;
constexpr UINT IDC_GAMMA_LABEL = 1612;
constexpr UINT IDC_ADVANCED_FIRST = 1212;
constexpr UINT IDC_EXTRA_PICTURE = 10002;
constexpr UINT IDB_EXTRA_PICTURE = 7010;

const WCHAR kColorSamplesFolderValue[] = L"install";
const WCHAR kColorSamplesProgram[] = L"\\hueboard.exe";
const char kSpecialTonerFeature[] = "VXSpecialTonerInstalled";

// The working selections the Default button clears.
const uint32_t kDefaultSlots[] = {kSlotVXControl,    kSlotVXTone,         kSlotVXOutputMode,
                                  kSlotVXOutputModeBlack, kSlotVXBlackSubGra,
                                  kSlotVXBlackFinishSubGra};

DocUiState *PageState(HWND page) {
    return reinterpret_cast<DocUiState *>(GetWindowLongPtrW(page, DWLP_USER));
}

uint32_t &Working(DocUiState *state, uint32_t slot) { return state->slots.working[slot]; }
uint32_t &ColorMode(DocUiState *state) { return Working(state, kSlotVXControl); }

OemDevmode *Record(const DocUiState *state) {
    return state->pOemUiPsParam ? static_cast<OemDevmode *>(state->pOemUiPsParam->pOEMDM)
                                : nullptr;
}

BOOL Allowed(const DocUiState *state) {
    return !(state->pOemUiPsParam && (state->pOemUiPsParam->dwFlags & kPermissionDenied));
}

bool Checked(HWND page, UINT id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

void Enable(HWND page, UINT id, bool enable) {
    HWND control = GetDlgItem(page, id);
    if (control) EnableWindow(control, enable);
}

void FillGammaFromHalftoneFile(HWND page, DocUiState *state) {
    const OemDevmode *record = Record(state);
    if (record) Working(state, kSlotVXTone) = record->dwCustomGamma;
    WCHAR path[kColorFilePathBytes / sizeof(WCHAR)];
    DWORD bytes = sizeof(path);
    const WCHAR *file = FindHalftoneFile(state, path, &bytes) ? path : nullptr;
    HWND list = GetDlgItem(page, IDC_GAMMA_LIST);
    const int count =
        ForEachNamedSetting(file, KeyText(kHalftoneSection), [list](const WCHAR *name, UINT id) {
            const LRESULT entry =
                SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
            if (entry >= 0) SendMessageW(list, CB_SETITEMDATA, entry, id & kTunerIdMask);
        });
    if (count > 0) return;
    DestroyControlRange(page, IDC_CUSTOM_GAMMA, IDC_CUSTOM_GAMMA);
    DestroyControlRange(page, IDC_GAMMA_LIST, IDC_GAMMA_LIST);
    DestroyControlRange(page, IDC_GAMMA_LABEL, IDC_GAMMA_LIST);
}

// The special-toner button follows what the driver says is installed.
void InitSpecialTonerButton(HWND page, DocUiState *state) {
    if (!SlotPresent(state, kSlotVXSpecialColorControl)) {
        DestroyControlRange(page, IDC_SPECIAL_TONER, IDC_SPECIAL_TONER);
        return;
    }
    if (!SlotPresent(state, kSlotVXSpecialColorOrder)) {
        SpecialTonerKind = kTonerWhite;
        return;
    }
    DriverAnswer answer;
    ReadDriverSetting(state, kSpecialTonerFeature, &answer);
    if (!lstrcmpA(answer.text, "None"))
        SpecialTonerKind = kTonerNone;
    else if (!lstrcmpA(answer.text, "White"))
        SpecialTonerKind = kTonerWhite;
    else if (!lstrcmpA(answer.text, "Clear"))
        SpecialTonerKind = kTonerClear;
    Enable(page, IDC_SPECIAL_TONER, SpecialTonerKind != kTonerNone);
}

bool HasColorSamplesEntry(const DocUiState *state, WCHAR *keyPath) {
    keyPath[0] = 0;
    if (state->pOemUiPsParam)
        ReadKeptCapabilityString(state->pModelKeys, state->pOemUiPsParam->hPrinter,
                                 KeyText(kKeyHueboardRegPath), keyPath, kRegistryPathChars);
    return keyPath[0] != 0;
}

void StartColorSamples(HWND page, const DocUiState *state) {
    WCHAR keyPath[kRegistryPathChars];
    HasColorSamplesEntry(state, keyPath);
    RegistryKey key;
    WCHAR folder[kInstallFolderBytes / sizeof(WCHAR) + ARRAYSIZE(kColorSamplesProgram)] = L"";
    DWORD bytes = kInstallFolderBytes;
    DWORD type = 0;
    const bool found =
        keyPath[0] && RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ, key.Receive()) == ERROR_SUCCESS &&
        RegQueryValueExW(key.Get(), kColorSamplesFolderValue, nullptr, &type,
                         reinterpret_cast<BYTE *>(folder), &bytes) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ);
    if (!found) {
        ShowMessage(page, IDS_HUEBOARD_NOT_INSTALLED, IDS_ERROR_CAPTION, MB_ICONEXCLAMATION);
        return;
    }
    folder[bytes / sizeof(WCHAR) < ARRAYSIZE(folder) ? bytes / sizeof(WCHAR) : ARRAYSIZE(folder) - 1] = 0;
    wcscat(folder, kColorSamplesProgram);
    ShellExecuteW(page, nullptr, folder, nullptr, nullptr, SW_SHOWNORMAL);
}

void RefreshLinkLabel(HWND page, const DocUiState *state) {
    HWND label = GetDlgItem(page, IDC_LINK_TEXT);
    if (!label) return;
    WCHAR target[kLinkTargetChars];
    ReadLinkTarget(state, target);
    if (!target[0]) {
        ShowWindow(label, SW_HIDE);
        EnableWindow(label, FALSE);
        return;
    }
    SetWindowTextW(label, target);
    ShowWindow(label, SW_SHOW);
    EnableWindow(label, TRUE);
    if (!LinkFont) LinkFont = CreateLinkFont(page);
}

// Without a driver gamma item the list holds the halftone file's settings
// and the working selection their id, switched on by bit 16.
void RefreshGammaSettings(HWND page, DocUiState *state) {
    uint32_t &gamma = Working(state, kSlotVXTone);
    if (SlotPresent(state, kSlotVXTone)) {
        SelectEntry(page, IDC_GAMMA_LIST, gamma);
        return;
    }
    if (!CapabilityFile[0]) return;
    const int count = static_cast<int>(SendDlgItemMessageW(page, IDC_GAMMA_LIST, CB_GETCOUNT, 0, 0));
    const size_t entries = count > 0 ? static_cast<size_t>(count) : 0;
    std::unique_ptr<uint32_t[]> data(new uint32_t[entries + 1]);
    for (size_t i = 0; i < entries; ++i)
        data[i] = static_cast<uint32_t>(
            SendDlgItemMessageW(page, IDC_GAMMA_LIST, CB_GETITEMDATA, i, 0));
    const uint32_t firstEntry =
        static_cast<uint32_t>(SendDlgItemMessageW(page, IDC_GAMMA_LIST, CB_GETITEMDATA, 0, 0));
    const SettingPick pick = PickSettingEntry(data.get(), entries, gamma, firstEntry);
    SelectEntry(page, IDC_GAMMA_LIST, static_cast<DWORD>(pick.entry));
    gamma = pick.value;
    const bool on = TunerSettingInUse(gamma);
    Enable(page, IDC_GAMMA_LIST, on);
    Enable(page, IDC_CUSTOM_GAMMA, entries > 0);
    CheckDlgButton(page, IDC_CUSTOM_GAMMA, on && entries > 0 ? BST_CHECKED : BST_UNCHECKED);
}

void EnableBlackControls(HWND page, BlackControls allowed) {
    EnableControlRange(page, IDC_PRINT_MODE_LABEL, IDC_PRINT_MODE, allowed.printMode);
    EnableControlRange(page, IDC_BLACK_FINISH_LABEL, IDC_BLACK_FINISH, allowed.blackFinish);
}

void RestoreDefaults(HWND page, DocUiState *state) {
    for (uint32_t slot : kDefaultSlots) Working(state, slot) = 0;
    PrintCartridge = kCartridgeWhite;
    RefreshColorPage(page, state);
    NotifySheetChanged(page);
}

void OpenDialog(HWND page, DocUiState *state, UINT templateId, DLGPROC procedure) {
    // Only OK changes the sheet: a template that cannot be loaded gives -1.
    if (LocalizedDialogBox(PluginModule, templateId, page, procedure,
                           reinterpret_cast<LPARAM>(state)) == 1)
        NotifySheetChanged(page);
}

BOOL OnCommand(HWND page, DocUiState *state, UINT id, UINT code) {
    switch (id) {
    case IDC_COLOR_PICTURE:
    case IDC_GRAY_PICTURE:
        ColorMode(state) = id - IDC_COLOR_PICTURE;
        UpdateColorModeControls(page, state);
        NotifySheetChanged(page);
        return TRUE;
    case IDC_COLOR_PRINT:
    case IDC_GRAY_PRINT:
        ColorMode(state) = id - IDC_COLOR_PRINT;
        UpdateColorModeControls(page, state);
        RefreshColorPage(page, state);
        NotifySheetChanged(page);
        return TRUE;
    case IDC_GAMMA_LIST: {
        if (code != CBN_SELCHANGE) return TRUE;
        const DWORD entry = SelectedEntry(page, IDC_GAMMA_LIST);
        uint32_t &gamma = Working(state, kSlotVXTone);
        if (SlotPresent(state, kSlotVXTone))
            gamma = entry;
        else
            gamma = ChooseSetting(gamma, static_cast<uint32_t>(SendDlgItemMessageW(
                                             page, IDC_GAMMA_LIST, CB_GETITEMDATA, entry, 0)));
        NotifySheetChanged(page);
        return TRUE;
    }
    case IDC_CUSTOM_GAMMA:
        Working(state, kSlotVXTone) =
            SwitchSetting(Working(state, kSlotVXTone), Checked(page, IDC_CUSTOM_GAMMA));
        RefreshColorPage(page, state);
        NotifySheetChanged(page);
        return TRUE;
    case IDC_COLOR_DETAILS:
        OpenDialog(page, state, IDD_COLOR_PRINT_DETAILS, ColorDetailsDialogProc);
        return TRUE;
    case IDC_COLOR_ADVANCED:
        OpenDialog(page, state, IDD_COLOR_ADVANCED, AdvancedColorDialogProc);
        return TRUE;
    case IDC_OFFICE_DETAILS:
        OpenDialog(page, state, IDD_OFFICE_COLOR_DETAILS, OfficeDetailsDialogProc);
        return TRUE;
    case IDC_SPECIAL_TONER:
        OpenDialog(page, state,
                   SpecialTonerKind == kTonerWhite ? IDD_SPECIAL_TONER_WHITE : IDD_SPECIAL_TONER_CLEAR,
                   SpecialTonerDialogProc);
        return TRUE;
    case IDC_PRINT_MODE:
        Working(state, kSlotVXBlackSubGra) = SelectedEntry(page, IDC_PRINT_MODE);
        NotifySheetChanged(page);
        return TRUE;
    case IDC_BLACK_FINISH:
        Working(state, kSlotVXBlackFinishSubGra) = SelectedEntry(page, IDC_BLACK_FINISH);
        NotifySheetChanged(page);
        return TRUE;
    case IDC_CARTRIDGE_WHITE:
    case IDC_CARTRIDGE_BLACK:
        PrintCartridge = id - IDC_CARTRIDGE_WHITE;
        EnableBlackControls(page, BlackControlsOnCartridge(ColorMode(state), PrintCartridge));
        NotifySheetChanged(page);
        return TRUE;
    case IDC_DEFAULT:
        RestoreDefaults(page, state);
        return TRUE;
    case IDC_BANNER:
    case IDC_LINK_TEXT:
        OpenLinkTarget(page, state);
        return TRUE;
    case IDC_OUTPUT_MODE:
        Working(state, kSlotVXOutputMode) = Checked(page, IDC_OUTPUT_MODE) ? 1 : 0;
        NotifySheetChanged(page);
        return TRUE;
    case IDC_COLOR_SAMPLES:
        StartColorSamples(page, state);
        return TRUE;
    default:
        return FALSE;
    }
}

void ReportPageOk(const DocUiState *state) {
    if (state->pfnComPropSheet)
        state->pfnComPropSheet(state->hComPropSheet, CPSFUNC_SET_RESULT,
                               reinterpret_cast<LPARAM>(state->hColorPage), CPSUI_OK);
}

// The page answers 0 to every notification: it never holds the sheet back.
BOOL OnNotify(HWND page, DocUiState *state, const NMHDR *header) {
    switch (header->code) {
    case PSN_SETACTIVE:
        RefreshColorPage(page, state);
        break;
    case PSN_KILLACTIVE:
        PushSlotsToDriver(state);
        SaveColorSettingsToRecord(page, state);
        RevisitFirstPages(page);
        DeleteLinkFont();
        break;
    case PSN_APPLY:
        ReportPageOk(state);
        DeleteLinkFont();
        break;
    case PSN_RESET:
        DeleteLinkFont();
        break;
    default:
        break;
    }
    return FALSE;
}

BOOL OnDrawItem(HWND page, DocUiState *state, UINT id) {
    switch (id) {
    case IDC_COLOR_PICTURE:
    case IDC_GRAY_PICTURE:
        UpdateColorModeControls(page, state);
        return TRUE;
    case IDC_BANNER:
        DrawTransparentBitmap(page, PluginModule, IDC_BANNER, IDB_JOB_BANNER);
        return TRUE;
    case IDC_EXTRA_PICTURE:
        DrawTransparentBitmap(page, PluginModule, IDC_EXTRA_PICTURE, IDB_EXTRA_PICTURE);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL InitPage(HWND page, const PROPSHEETPAGEW *sheetPage) {
    DocUiState *state = reinterpret_cast<DocUiState *>(sheetPage->lParam);
    SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    if (!state) return FALSE;
    InitColorPage(page, state);
    RefreshColorPage(page, state);
    SheetVisitFlags |= kPluginPageInitialised;
    return FALSE;
}

}  // namespace

void InitColorPage(HWND page, DocUiState *state) {
    if (!SlotPresent(state, kSlotVXTone))
        FillGammaFromHalftoneFile(page, state);
    else
        AppendOptionNames(page, IDC_GAMMA_LIST, state, kSlotVXTone);
    const OemDevmode *record = Record(state);
    if (record) state->dwColorTunerSetting = record->dwColorTunerSetting;
    AppendOptionNames(page, IDC_PRINT_MODE, state, kSlotVXBlackSubGra);
    AppendOptionNames(page, IDC_BLACK_FINISH, state, kSlotVXBlackFinishSubGra);
    if (record) PrintCartridge = record->dwPrintCartridge;

    WCHAR keyPath[kRegistryPathChars];
    if (!HasColorSamplesEntry(state, keyPath))
        DestroyControlRange(page, IDC_COLOR_SAMPLES, IDC_COLOR_SAMPLES);
    InitSpecialTonerButton(page, state);
    if (!SlotPresent(state, kSlotVXOutputMode))
        DestroyControlRange(page, IDC_OUTPUT_MODE, IDC_OUTPUT_MODE);
}

void UpdateColorModeControls(HWND page, DocUiState *state) {
    DrawTransparentBitmap(page, PluginModule, IDC_COLOR_PICTURE, IDB_COLOR_MODE_COLOR);
    DrawTransparentBitmap(page, PluginModule, IDC_GRAY_PICTURE, IDB_COLOR_MODE_GRAY);
    const uint32_t mode = ColorMode(state);
    CheckRadioButton(page, IDC_COLOR_PRINT, IDC_GRAY_PRINT, IDC_COLOR_PRINT + mode);
    CheckRadioButton(page, IDC_CARTRIDGE_WHITE, IDC_CARTRIDGE_BLACK,
                     IDC_CARTRIDGE_WHITE + PrintCartridge);
    Enable(page, IDC_COLOR_DETAILS, mode == kColorModeColor);
    Enable(page, IDC_OUTPUT_MODE, mode != kColorModeGray);
    const BOOL allowed = Allowed(state);
    RestrictControlRange(page, IDC_COLOR_PICTURE, IDC_COLOR_MODE_GROUP, allowed);
    RestrictControlRange(page, IDC_ADVANCED_FIRST, IDC_COLOR_ADVANCED, allowed);
    RestrictControlRange(page, IDC_DEFAULT, IDC_DEFAULT, allowed);
    RestrictControlRange(page, IDC_OUTPUT_MODE, IDC_OUTPUT_MODE, allowed);
}

void RefreshColorPage(HWND page, DocUiState *state) {
    UpdateColorModeControls(page, state);
    RefreshGammaSettings(page, state);
    HandCursor = LoadCursorW(nullptr, IDC_HAND);
    if (!HandCursor) HandCursor = LoadCursorW(nullptr, IDC_ARROW);
    ShowWindow(GetDlgItem(page, IDC_BANNER), SW_SHOW);
    Enable(page, IDC_BANNER, true);
    RefreshLinkLabel(page, state);

    const uint32_t mode = ColorMode(state);
    EnableBlackControls(page, BlackControlsFor(mode, PrintCartridge));
    SelectEntry(page, IDC_PRINT_MODE, Working(state, kSlotVXBlackSubGra));
    SelectEntry(page, IDC_BLACK_FINISH, Working(state, kSlotVXBlackFinishSubGra));
    CheckDlgButton(page, IDC_OUTPUT_MODE,
                   Working(state, kSlotVXOutputMode) == 1 ? BST_CHECKED : BST_UNCHECKED);
    Enable(page, IDC_OUTPUT_MODE, mode != kColorModeGray);
    if (SpecialTonerKind != kTonerNone) Enable(page, IDC_SPECIAL_TONER, mode != kColorModeGray);

    const BOOL allowed = Allowed(state);
    RestrictControlRange(page, IDC_COLOR_MODE_GROUP, IDC_COLOR_MODE_GROUP, allowed);
    RestrictControlRange(page, IDC_ADVANCED_FIRST, IDC_COLOR_ADVANCED, allowed);
    RestrictControlRange(page, IDC_DEFAULT, IDC_DEFAULT, allowed);
    RestrictControlRange(page, IDC_PRINT_MODE_LABEL, IDC_PRINT_MODE, allowed);
    RestrictControlRange(page, IDC_OUTPUT_MODE, IDC_OUTPUT_MODE, allowed);
    RestrictControlRange(page, IDC_PERMISSION_FIRST, IDC_PERMISSION_LAST, allowed);
    RestrictControlRange(page, IDC_SPECIAL_TONER, IDC_SPECIAL_TONER, allowed);
}

INT_PTR CALLBACK ColorPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        return InitPage(page, reinterpret_cast<const PROPSHEETPAGEW *>(lParam));
    DocUiState *state = PageState(page);
    if (!state) return FALSE;
    switch (message) {
    case WM_COMMAND:
        return OnCommand(page, state, LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY:
        return OnNotify(page, state, reinterpret_cast<const NMHDR *>(lParam));
    case WM_ACTIVATE:
        UpdateColorModeControls(page, state);
        return FALSE;
    case WM_DRAWITEM:
        return OnDrawItem(page, state, static_cast<UINT>(wParam));
    case WM_SETCURSOR:
        return SetLinkCursor(page, state, reinterpret_cast<HWND>(wParam));
    case WM_CTLCOLORSTATIC:
        return ColourLinkLabel(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    default:
        return HandleContextHelpMessage(message, wParam, lParam, TRUE, FALSE);
    }
}
