#include "color/office_details_dialog.h"

#include "color/color_rules.h"
#include "color/color_store.h"
#include "color/slot_lists.h"
#include "core/context_help.h"
#include "core/dialog_utils.h"
#include "core/driver_config.h"
#include "core/plugin_module.h"
#include "resources/resource_ids.h"

#include <memory>

namespace {

constexpr uint32_t kColorModeMono = 4;  // the VXControl choice shown with the one-colour sample
const WCHAR kColorSection[] = L"Color";
const WCHAR kGammaSection[] = L"Gamma";

// The dialog's copies: one dialog at a time.
struct OfficeCopies {
    uint32_t rgb;
    uint32_t ink;
    uint32_t blackFinish;
    uint32_t tuner;
};
OfficeCopies Copies;

DocUiState *DialogState(HWND dialog) {
    return reinterpret_cast<DocUiState *>(GetWindowLongPtrW(dialog, DWLP_USER));
}

bool Allowed(const DocUiState *state) {
    return !(state->pOemUiPsParam && (state->pOemUiPsParam->dwFlags & DM_NOPERMISSION));
}

void Enable(HWND dialog, UINT id, bool enable) {
    HWND control = GetDlgItem(dialog, id);
    if (control) EnableWindow(control, enable);
}

LRESULT SendList(HWND dialog, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendDlgItemMessageW(dialog, IDC_TUNER_SETTING, message, wParam, lParam);
}

// The tuner's "Color" settings, then its "Gamma" ones marked by bit 8.
int FillTunerSettings(HWND dialog, const DocUiState *state) {
    WCHAR path[kColorFilePathBytes / sizeof(WCHAR)];
    DWORD bytes = sizeof(path);
    const WCHAR *file = FindColorTunerFile(state->pOemUiPsParam, path, &bytes) ? path : nullptr;
    HWND list = GetDlgItem(dialog, IDC_TUNER_SETTING);
    auto adder = [list](uint32_t section) {
        return [list, section](const WCHAR *name, UINT id) {
            const LRESULT entry = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
            if (entry >= 0) SendMessageW(list, CB_SETITEMDATA, entry, (id & kTunerIdMask) + section);
        };
    };
    const int colors = ForEachNamedSetting(file, kColorSection, adder(0));
    const int gammas = ForEachNamedSetting(file, kGammaSection, adder(kTunerGammaSection));
    return colors + gammas;
}

void RefreshTunerControls(HWND dialog) {
    const int count = static_cast<int>(SendList(dialog, CB_GETCOUNT));
    const size_t entries = count > 0 ? static_cast<size_t>(count) : 0;
    if (CapabilityFile[0]) {
        std::unique_ptr<uint32_t[]> data(new uint32_t[entries + 1]);
        for (size_t i = 0; i < entries; ++i)
            data[i] = static_cast<uint32_t>(SendList(dialog, CB_GETITEMDATA, i));
        const uint32_t firstEntry = static_cast<uint32_t>(SendList(dialog, CB_GETITEMDATA, 0));
        const SettingPick pick = PickSettingEntry(data.get(), entries, Copies.tuner, firstEntry);
        SelectEntry(dialog, IDC_TUNER_SETTING, static_cast<DWORD>(pick.entry));
        Copies.tuner = pick.value;
    }
    const bool inUse = TunerSettingInUse(Copies.tuner);
    Enable(dialog, IDC_RENDER_STYLE, !inUse);
    Enable(dialog, IDC_TUNER_SETTING, inUse);
    Enable(dialog, IDC_USE_TUNER_SETTING, entries > 0);
    CheckDlgButton(dialog, IDC_USE_TUNER_SETTING,
                   Copies.tuner > kSettingIdMask && entries > 0 ? BST_CHECKED : BST_UNCHECKED);
}

void SaveCopies(DocUiState *state) {
    state->slots.working[kSlotVXTargetColor] = Copies.ink;
    if (SlotPresent(state, kSlotVXBlackSubstitution))
        state->slots.working[kSlotVXBlackSubstitution] = Copies.blackFinish;
    if (SlotPresent(state, kSlotVXColorRenderStyle))
        state->slots.working[kSlotVXColorRenderStyle] = Copies.rgb;
    state->dwColorTunerSetting = Copies.tuner;
}

void DrawSample(HWND dialog, const DocUiState *state) {
    const UINT bitmap = state->slots.working[kSlotVXControl] == kColorModeMono ? IDB_OFFICE_SAMPLE_MONO
                                                                               : IDB_OFFICE_SAMPLE_COLOR;
    DrawFramedDib(dialog, PluginModule, bitmap, IDC_OFFICE_PICTURE);
}

BOOL OnCommand(HWND dialog, DocUiState *state, UINT id, UINT code) {
    switch (id) {
    case IDOK:
        SaveCopies(state);
        NotifySheetChanged(dialog);
        EndDialog(dialog, 1);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    case IDC_INK_SIMULATION:
        if (code != CBN_SELCHANGE) return TRUE;
        Copies.ink = SelectedEntry(dialog, id);
        NotifySheetChanged(dialog);
        return TRUE;
    case IDC_BLACK_FINISH_AUTO:
    case IDC_BLACK_FINISH_COMPOSITE:
    case IDC_BLACK_FINISH_TRUE:
        Copies.blackFinish = id - IDC_BLACK_FINISH_AUTO;
        return TRUE;
    case IDC_RENDER_STYLE:
        if (code != CBN_SELCHANGE) return TRUE;
        Copies.rgb = SelectedEntry(dialog, id);
        RefreshOfficeDetails(dialog, state);
        NotifySheetChanged(dialog);
        return TRUE;
    case IDC_USE_TUNER_SETTING:
        Copies.tuner = SwitchSetting(Copies.tuner, IsDlgButtonChecked(dialog, id) == BST_CHECKED);
        RefreshOfficeDetails(dialog, state);
        NotifySheetChanged(dialog);
        return TRUE;
    case IDC_TUNER_SETTING: {
        if (code != CBN_SELCHANGE) return TRUE;
        const DWORD entry = SelectedEntry(dialog, id);
        Copies.tuner = ChooseSetting(Copies.tuner, static_cast<uint32_t>(SendList(dialog, CB_GETITEMDATA, entry)));
        NotifySheetChanged(dialog);
        return TRUE;
    }
    case IDC_DEFAULT:
        Copies = OfficeCopies{};
        RefreshOfficeDetails(dialog, state);
        NotifySheetChanged(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL InitDialog(HWND dialog, DocUiState *state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    if (!state) return TRUE;
    ApplyHelpButtonRule(dialog);
    InitOfficeDetails(dialog, state);
    RefreshOfficeDetails(dialog, state);
    SheetVisitFlags |= kPluginPageInitialised;
    return TRUE;
}

}  // namespace

void InitOfficeDetails(HWND dialog, DocUiState *state) {
    AppendOptionNames(dialog, IDC_INK_SIMULATION, state, kSlotVXTargetColor);
    if (SlotPresent(state, kSlotVXColorRenderStyle)) {
        AppendOptionNames(dialog, IDC_RENDER_STYLE, state, kSlotVXColorRenderStyle);
        if (FillTunerSettings(dialog, state) == 0 && !CapabilityFile[0])
            DestroyControlRange(dialog, IDC_USE_TUNER_SETTING, IDC_TUNER_SETTING);
    } else {
        // Without the RGB choice its group goes too, label and all.
        DestroyControlRange(dialog, IDC_INK_SIMULATION_GROUP, IDC_TUNER_SETTING);
        DestroyControlRange(dialog, IDC_RGB_GROUP, IDC_RGB_GROUP);
        DestroyControlRange(dialog, IDC_RENDER_STYLE_LABEL, IDC_RENDER_STYLE_LABEL);
    }
    Copies.rgb = state->slots.working[kSlotVXColorRenderStyle];
    Copies.ink = state->slots.working[kSlotVXTargetColor];
    Copies.blackFinish = state->slots.working[kSlotVXBlackSubstitution];
    Copies.tuner = state->dwColorTunerSetting;
}

void RefreshOfficeDetails(HWND dialog, DocUiState *state) {
    SelectEntry(dialog, IDC_INK_SIMULATION, Copies.ink);
    if (SlotPresent(state, kSlotVXBlackSubstitution))
        CheckRadioButton(dialog, IDC_BLACK_FINISH_AUTO, IDC_BLACK_FINISH_TRUE,
                         IDC_BLACK_FINISH_AUTO + Copies.blackFinish);
    if (SlotPresent(state, kSlotVXColorRenderStyle)) {
        SelectEntry(dialog, IDC_RENDER_STYLE, Copies.rgb);
        RefreshTunerControls(dialog);
    }
    RestrictControlRange(dialog, IDC_DEFAULT, IDC_DEFAULT, Allowed(state));
}

INT_PTR CALLBACK OfficeDetailsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return InitDialog(dialog, reinterpret_cast<DocUiState *>(lParam));
    DocUiState *state = DialogState(dialog);
    if (!state) return FALSE;
    switch (message) {
    case WM_COMMAND:
        return OnCommand(dialog, state, LOWORD(wParam), HIWORD(wParam));
    case WM_DRAWITEM:
        if (wParam != IDC_OFFICE_PICTURE) return FALSE;
        DrawSample(dialog, state);
        return TRUE;
    case WM_ACTIVATE:
        DrawSample(dialog, state);
        return FALSE;
    default:
        return HandleContextHelpMessage(message, wParam, lParam, TRUE, FALSE);
    }
}
