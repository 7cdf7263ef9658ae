#include "joboptions/finisher_page.h"

#include "core/dialog_utils.h"
#include "core/oem_devmode.h"
#include "joboptions/finisher_rules.h"
#include "joboptions/job_options_page.h"
#include "joboptions/job_options_variant_ids.h"

namespace {

// The PostScript driver keeps its page layout here in its DEVMODE.
constexpr DWORD kLayoutOffset = 356;
const WCHAR kNoName[] = L"";

struct FinisherControls {
    uint32_t slot;
    UINT label;
    UINT list;
};

const FinisherControls kBindControls = {kSlotVXBindPosition, IDC_BIND_POSITION_LABEL,
                                        IDC_BIND_POSITION};
const FinisherControls kStapleControls = {kSlotVXStaple, IDC_STAPLE_LABEL, IDC_STAPLE};
const FinisherControls kPunchControls = {kSlotVXPunch, IDC_PUNCH_LABEL, IDC_PUNCH};

uint8_t ReadPageLayout(const DEVMODEW *dm) {
    if (static_cast<DWORD>(dm->dmSize) + dm->dmDriverExtra <= kLayoutOffset) return kLayoutOneUp;
    return reinterpret_cast<const BYTE *>(dm)[kLayoutOffset];
}

uint32_t DriverOrientation(const DocUiState *state) {
    if (!SlotPresent(state, kSlotOrientation)) return 0;
    return static_cast<uint32_t>(SlotItem(state, kSlotOrientation)->Sel);
}

FinisherFeature Feature(const DocUiState *state, uint32_t slot) {
    FinisherFeature feature = {SlotPresent(state, slot), 0, state->slots.working[slot]};
    if (feature.present && SlotItem(state, slot)->pOptType)
        feature.optionCount = SlotItem(state, slot)->pOptType->Count;
    return feature;
}

// The item's option names that the plan keeps, in order, with the planned
// entry selected; the controls go when the slot does not exist.
void ShowList(HWND page, const DocUiState *state, const FinisherControls &controls,
              const FinisherList &list) {
    if (!SlotPresent(state, controls.slot)) {
        DestroyControlRange(page, controls.label, controls.list);
        return;
    }
    HWND box = GetDlgItem(page, controls.list);
    if (!box) return;
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    const OPTTYPE *type = SlotItem(state, controls.slot)->pOptType;
    if (!type || !type->pOptParam) return;
    for (WORD option = 0; option < type->Count && option < kMaxFinisherOptions; ++option) {
        if (!(list.keep & (1u << option))) continue;
        const LPTSTR name = type->pOptParam[option].pData;
        const LRESULT entry = SendMessageW(
            box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(IS_INTRESOURCE(name) ? kNoName : name));
        SendMessageW(box, CB_SETITEMDATA, static_cast<WPARAM>(entry), option);
    }
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(list.selectedEntry), 0);
}

// The lists of the finishing choices and the slots they set.
struct ChoiceList {
    UINT list;
    uint32_t slot;
};
const ChoiceList kChoiceLists[] = {
    {IDC_OUTPUT_BIN, kSlotOutputBin},
    {IDC_BIND_POSITION, kSlotVXBindPosition},
    {IDC_STAPLE, kSlotVXStaple},
    {IDC_PUNCH, kSlotVXPunch},
};

}  // namespace

bool StoreFinishingChoice(HWND page, DocUiState *state, UINT listId) {
    for (const ChoiceList &choice : kChoiceLists) {
        if (choice.list != listId) continue;
        HWND list = GetDlgItem(page, listId);
        const LRESULT entry = SendMessageW(list, CB_GETCURSEL, 0, 0);
        if (entry == CB_ERR || !SlotPresent(state, choice.slot)) return false;
        state->slots.working[choice.slot] =
            static_cast<uint32_t>(SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(entry), 0));
        return true;
    }
    return false;
}

void ShowFinishingChoices(HWND page, const DocUiState *state) {
    for (const ChoiceList &choice : kChoiceLists) {
        HWND list = GetDlgItem(page, choice.list);
        if (!list || !SlotPresent(state, choice.slot)) continue;
        const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
        for (LRESULT entry = 0; entry < count; ++entry) {
            if (static_cast<uint32_t>(SendMessageW(list, CB_GETITEMDATA, entry, 0)) !=
                state->slots.working[choice.slot])
                continue;
            SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
            break;
        }
    }
}

void RunFinisherRulePass(HWND page, DocUiState *state) {
    const POEMUIPSPARAM sheetParam = state->pOemUiPsParam;
    OemDevmode *record = sheetParam ? static_cast<OemDevmode *>(sheetParam->pOEMDM) : nullptr;
    const DEVMODEW *dm = sheetParam ? sheetParam->pPublicDM : nullptr;
    if (!record || !dm) return;

    DriverAnswer pageSize, duplex, punchUnit;
    ReadDriverSetting(state, "PageSize", &pageSize);
    ReadDriverSetting(state, "Duplex", &duplex);
    ReadDriverSetting(state, "VXPunchUnit", &punchUnit);
    FinisherSheet sheet;
    sheet.pageSize = pageSize.text;
    sheet.pageSizeBytes = sizeof(pageSize.text);
    sheet.duplexNone = SettingIs(duplex.text, sizeof(duplex.text), "None");
    sheet.punchUnit = PunchUnitFromSetting(punchUnit.text, sizeof(punchUnit.text));
    sheet.paperSize = static_cast<uint16_t>(dm->dmPaperSize);
    sheet.documentPortrait = dm->dmOrientation == DMORIENT_PORTRAIT;
    sheet.layout = ReadPageLayout(dm);
    sheet.orientationSelection = DriverOrientation(state);

    FinisherMemory memory = {record->dwLastPaperSize, record->bLastLayoutKey};
    FinisherFeatures features = {Feature(state, kSlotVXBindPosition), Feature(state, kSlotVXStaple),
                                 Feature(state, kSlotVXPunch)};
    const FinisherPlan plan = RunFinisherRules(sheet, &memory, &features);
    record->dwLastPaperSize = memory.lastPaperSize;
    record->bLastLayoutKey = memory.lastLayoutKey;
    state->slots.working[kSlotVXBindPosition] = features.bindPosition.selection;
    state->slots.working[kSlotVXStaple] = features.staple.selection;
    state->slots.working[kSlotVXPunch] = features.punch.selection;

    ShowList(page, state, kBindControls, plan.bindPosition);
    ShowList(page, state, kStapleControls, plan.staple);
    ShowList(page, state, kPunchControls, plan.punch);
}
