#include "joboptions/job_advanced_dialog.h"

#include "core/context_help.h"
#include "core/dialog_utils.h"
#include "core/driver_config.h"
#include "core/localized_resources.h"
#include "core/oem_devmode.h"
#include "core/plugin_module.h"
#include "joboptions/job_options_page.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kCompressionNameChars = 128;
constexpr UINT kCompressionSelectable = 0x1;
// Controls of page layouts that carry the special settings here.
constexpr UINT IDC_SPECIAL_NEXT = 1802;
constexpr UINT IDI_MIRROR_AND_NEXT_OFF = 7003;
constexpr UINT IDI_MIRROR_AND_NEXT_ON = 7004;

const UINT kCompressionNames[] = {IDS_COMPRESSION_NONE, IDS_COMPRESSION_FAST,
                                  IDS_COMPRESSION_NORMAL, IDS_COMPRESSION_BEST};

struct AdvancedContext {
    DocUiState *state;
    bool compressionSelectable;
    UINT capability;
    bool hdd;
};

// One dialog at a time: the context lives while the dialog is open.
AdvancedContext Context;

DocUiState *State() { return Context.state; }

OemDevmode *Record() {
    const POEMUIPSPARAM sheet = State()->pOemUiPsParam;
    return sheet ? static_cast<OemDevmode *>(sheet->pOEMDM) : nullptr;
}

bool Present(uint32_t slot) { return SlotPresent(State(), slot); }
bool Has(HWND dialog, UINT id) { return GetDlgItem(dialog, id) != nullptr; }
bool Checked(HWND dialog, UINT id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
void Check(HWND dialog, UINT id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }

void UpdateSpecialIcon(HWND dialog) {
    if (!Has(dialog, IDC_MIRROR_ICON)) return;
    const bool mirror = Checked(dialog, IDC_MIRROR_PRINT);
    UINT icon = mirror ? IDI_PRINT_MIRRORED : IDI_PRINT_NORMAL;
    if (Checked(dialog, IDC_SPECIAL_NEXT)) icon = mirror ? IDI_MIRROR_AND_NEXT_ON : IDI_MIRROR_AND_NEXT_OFF;
    SendDlgItemMessageW(dialog, IDC_MIRROR_ICON, STM_SETICON,
                        reinterpret_cast<WPARAM>(LoadIconW(PluginModule, MAKEINTRESOURCEW(icon))), 0);
}

void InitSpecialControls(HWND dialog) {
    if (!Has(dialog, IDC_MIRROR_PRINT)) return;
    if (Present(kSlotMirror))
        Check(dialog, IDC_MIRROR_PRINT, State()->slots.working[kSlotMirror] == 0);
    else
        DestroyControlRange(dialog, IDC_MIRROR_PRINT, IDC_MIRROR_PRINT);
    if (Present(kSlotMirror + 1))
        Check(dialog, IDC_SPECIAL_NEXT, State()->slots.working[kSlotMirror + 1] == 0);
    else
        DestroyControlRange(dialog, IDC_SPECIAL_NEXT, IDC_SPECIAL_NEXT);
    UpdateSpecialIcon(dialog);
}

void SelectCompression(HWND dialog, DWORD level) {
    SendDlgItemMessageW(dialog, IDC_COMPRESSION, CB_SETCURSEL, level, 0);
}

void InitCompression(HWND dialog) {
    if (!Context.compressionSelectable) {
        DestroyControlRange(dialog, IDC_COMPRESSION_GROUP, IDC_COMPRESSION);
        return;
    }
    const OemDevmode *record = Record();
    State()->dwCompressionLevel = record ? record->wCompression : 0;
    for (UINT name : kCompressionNames) {
        WCHAR text[kCompressionNameChars];
        LoadLocalizedString(PluginModule, name, text, kCompressionNameChars);
        SendDlgItemMessageW(dialog, IDC_COMPRESSION, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    SelectCompression(dialog, State()->dwCompressionLevel);
}

void InitCheckBoxes(HWND dialog) {
    DocUiState *state = State();
    if (Present(kSlotVXHDDSpool)) {
        if (!Context.hdd) {
            state->slots.working[kSlotVXHDDSpool] = 0;
            EnableWindow(GetDlgItem(dialog, IDC_HDD_SPOOL), FALSE);
        }
        Check(dialog, IDC_HDD_SPOOL, state->slots.working[kSlotVXHDDSpool] == 1);
    } else {
        DestroyControlRange(dialog, IDC_HDD_SPOOL, IDC_HDD_SPOOL);
    }
    if (Present(kSlotVXDrumClean))
        Check(dialog, IDC_DRUM_CLEAN, state->slots.working[kSlotVXDrumClean] == 1);
    else
        DestroyControlRange(dialog, IDC_DRUM_CLEAN, IDC_DRUM_CLEAN);
    if (Present(kSlotVXHairLine))
        Check(dialog, IDC_HAIR_LINE, state->slots.working[kSlotVXHairLine] == 0);
    else
        DestroyControlRange(dialog, IDC_HAIR_LINE, IDC_HAIR_LINE);
}

BOOL InitDialog(HWND dialog, DocUiState *state) {
    Context = {};
    Context.state = state;
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    ApplyHelpButtonRule(dialog);
    const HANDLE printer = state->pOemUiPsParam ? state->pOemUiPsParam->hPrinter : nullptr;
    Context.capability = ReadCompressionCapability(printer);
    Context.compressionSelectable = (Context.capability & kCompressionSelectable) != 0;
    Context.hdd = HddPresent(QueryDriverFlag(state, "VXHDD"), Present(kSlotVXHDDSpool));
    InitSpecialControls(dialog);
    InitCompression(dialog);
    InitCheckBoxes(dialog);
    return TRUE;
}

// Default sets the controls only; the slots change on OK.
void RestoreDefaults(HWND dialog) {
    Check(dialog, IDC_MIRROR_PRINT, true);
    Check(dialog, IDC_SPECIAL_NEXT, false);
    UpdateSpecialIcon(dialog);
    Check(dialog, IDC_HDD_SPOOL, false);
    if (!Context.hdd) EnableWindow(GetDlgItem(dialog, IDC_HDD_SPOOL), FALSE);
    if (Context.compressionSelectable) {
        State()->dwCompressionLevel = CompressionFromCapability(Context.capability);
        SelectCompression(dialog, State()->dwCompressionLevel);
    }
    Check(dialog, IDC_DRUM_CLEAN, false);
    Check(dialog, IDC_HAIR_LINE, true);
}

void ReadBack(HWND dialog, UINT id, uint32_t slot, DWORD whenChecked) {
    if (!Has(dialog, id) || !Present(slot)) return;
    State()->slots.working[slot] = Checked(dialog, id) ? whenChecked : 1 - whenChecked;
}

void Confirm(HWND dialog) {
    ReadBack(dialog, IDC_MIRROR_PRINT, kSlotMirror, 0);
    ReadBack(dialog, IDC_SPECIAL_NEXT, kSlotMirror + 1, 0);
    if (OemDevmode *record = Record())
        record->wCompression = static_cast<uint16_t>(State()->dwCompressionLevel);
    ReadBack(dialog, IDC_HDD_SPOOL, kSlotVXHDDSpool, 1);
    ReadBack(dialog, IDC_DRUM_CLEAN, kSlotVXDrumClean, 1);
    ReadBack(dialog, IDC_HAIR_LINE, kSlotVXHairLine, 0);
    EndDialog(dialog, 1);
}

BOOL OnCommand(HWND dialog, UINT id, UINT code) {
    switch (id) {
    case IDC_COMPRESSION:
        if (code == CBN_SELCHANGE) {
            const LRESULT index = SendDlgItemMessageW(dialog, IDC_COMPRESSION, CB_GETCURSEL, 0, 0);
            if (index != CB_ERR) State()->dwCompressionLevel = static_cast<DWORD>(index);
        }
        return TRUE;
    case IDC_DEFAULT:
        RestoreDefaults(dialog);
        return TRUE;
    case IDC_MIRROR_PRINT:
    case IDC_SPECIAL_NEXT:
        UpdateSpecialIcon(dialog);
        return TRUE;
    case IDOK:
        Confirm(dialog);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

INT_PTR CALLBACK JobAdvancedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (!lParam) {
            EndDialog(dialog, 0);
            return TRUE;
        }
        return InitDialog(dialog, reinterpret_cast<DocUiState *>(lParam));
    case WM_COMMAND:
        if (!Context.state) return FALSE;
        return OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    default:
        return HandleContextHelpMessage(message, wParam, lParam, TRUE, TRUE);
    }
}
