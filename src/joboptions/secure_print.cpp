#include "joboptions/secure_print.h"
#include "core/config_key_text.h"

#include "core/crypto_library.h"
#include "core/dialog_utils.h"
#include "core/driver_config.h"
#include "core/localized_resources.h"
#include "core/os_version.h"
#include "core/plugin_module.h"
#include "core/win_holders.h"
#include "joboptions/ic_card_library.h"
#include "joboptions/job_options_page.h"
#include "joboptions/job_options_variant_ids.h"
#include "joboptions/job_pin_dialog.h"
#include "joboptions/secure_print_rules.h"
#include "resources/resource_ids.h"

#include <commctrl.h>

#include <optional>

namespace {

constexpr int kJobTypeNameChars = 128;
constexpr uint32_t kSingleCopy = 1;

// Survive from one sheet to the next.
JobTypeFlags JobTypeState = kInitialJobTypeFlags;

HANDLE SheetPrinter(const DocUiState *state) {
    return state->pOemUiPsParam ? state->pOemUiPsParam->hPrinter : nullptr;
}

OemDevmode *Record(const DocUiState *state) {
    return state->pOemUiPsParam ? static_cast<OemDevmode *>(state->pOemUiPsParam->pOEMDM)
                                : nullptr;
}

uint32_t &JobType(DocUiState *state) { return state->slots.working[kSlotVXJobType]; }

bool CryptoConfigured(const DocUiState *state) {
    WCHAR name[kSideLibraryNameChars];
    ReadKeptCapabilityString(state->pModelKeys, SheetPrinter(state), KeyText(kKeyCryptoDll), name,
                             kSideLibraryNameChars);
    return name[0] != 0;
}

bool StandardUiHidden(const DocUiState *state) {
    return state->slots.working[kSlotHideStandardUI] == 1;
}

struct SecureSetting {
    bool hdd;
    bool cryptoConfigured;
    bool jobLimit;
};

SecureSetting ReadSecureSetting(const DocUiState *state) {
    SecureSetting setting;
    setting.hdd = HddPresent(QueryDriverFlag(state, "VXHDD"), SlotPresent(state, kSlotVXHDDSpool));
    setting.cryptoConfigured = CryptoConfigured(state);
    setting.jobLimit = JobLimitMode(QueryDriverFlag(state, "VXJobLimit"), setting.hdd,
                                    setting.cryptoConfigured,
                                    state->slots.working[kSlotHideStandardUI]);
    return setting;
}

void ApplyControlState(HWND page, UINT id, ControlState state) {
    if (state == ControlState::Untouched) return;
    EnableWindow(GetDlgItem(page, id), state == ControlState::Enabled);
}

void CheckJobTypeRadio(HWND page, uint32_t jobType) {
    if (jobType > kJobEncrypted) return;
    CheckRadioButton(page, IDC_JOB_TYPE_NORMAL, IDC_JOB_TYPE_ENCRYPTED, IDC_JOB_TYPE_NORMAL + jobType);
}

uint32_t CryptoMode(const DocUiState *state) {
    return CryptoDialogMode(state->fIcCardDriver != 0, OsMajor6OrLater != 0,
                            PrinterSharedOrNetwork(SheetPrinter(state)));
}

// The page as a job-type click sees it; the encryption library is loaded
// for the click and freed with it.
class JobTypePageGlue final : public JobTypePage {
public:
    JobTypePageGlue(HWND page, DocUiState *state) : page_(page), state_(state) {}

    uint32_t Copies() override {
        // Without a copies item there is nothing to force.
        if (!SlotPresent(state_, kSlotCopiesCollate)) return kSingleCopy;
        return state_->slots.working[kSlotCopiesCollate];
    }

    void ForceSingleCopy(bool warn) override {
        if (warn)
            ShowMessage(page_, IDS_SECURE_PRINT_SINGLE_COPY, IDS_WARNING_CAPTION, MB_ICONEXCLAMATION);
        state_->slots.working[kSlotCopiesCollate] = kSingleCopy;
        SetDlgItemInt(page_, IDC_COPIES, kSingleCopy, FALSE);
        SendDlgItemMessageW(page_, IDC_COPIES_SPIN, UDM_SETPOS32, 0, kSingleCopy);
        EnableControlRange(page_, IDC_COPIES_LABEL, IDC_COPIES_SPIN, FALSE);
        EnableControlRange(page_, IDC_COLLATE, IDC_COLLATE, FALSE);
    }

    // Checked first: an unchecked radio that gets the focus clicks itself.
    void CheckAndFocus(uint32_t jobType) override {
        CheckJobTypeRadio(page_, jobType);
        SetFocus(GetDlgItem(page_, IDC_JOB_TYPE_NORMAL + jobType));
    }

    void MarkChanged() override { NotifySheetChanged(page_); }
    void Refresh() override { RefreshJobOptionsPage(page_, state_); }

    bool JobPinNeeded() override {
        const OemDevmode *record = Record(state_);
        return !record || ::JobPinNeeded(record->wszJobName, record->wszJobPin, record->fAskJobName);
    }

    bool RunJobPinDialog() override {
        return LocalizedDialogBox(PluginModule, IDD_JOB_PIN, page_, JobPinDialogProc,
                                  reinterpret_cast<LPARAM>(state_)) == 1;
    }

    bool StoredPasswordUsable() override {
        library_.emplace(SheetPrinter(state_));
        const OemDevmode *record = Record(state_);
        if (!record) return false;
        if (record->cbEncryptedPassword == 0) return record->dwCryptoSetting6 != 0;
        Wiped<CryptoSettingBlock> stored;
        return library_->DecryptStoredPassword(*record, &stored.value);
    }

    bool RunCryptoDialog() override {
        OemDevmode *record = Record(state_);
        if (!record || !library_) return false;
        Wiped<CryptoSettingBlock> fresh;
        FillCryptoBlock(*record, &fresh.value);
        fresh.value.dwValue6 = 0;
        return library_->ShowSettingsDialog(page_, &fresh.value, CryptoMode(state_)) &&
               library_->StoreSettings(fresh.value, record);
    }

    void ReleaseCryptoLibrary() override { library_.reset(); }

private:
    HWND page_;
    DocUiState *state_;
    std::optional<CryptoLibrary> library_;
};

}  // namespace

void QueryCardLibraryAtStart(HWND page, DocUiState *state) {
    state->fIcCardDriver = QueryIcCardDriver(SheetPrinter(state), state->pModelKeys);
    if (!state->fIcCardDriver) return;
    WCHAR name[kJobTypeNameChars];
    if (LoadLocalizedString(PluginModule, IDS_JOB_TYPE_IC_CARD, name, kJobTypeNameChars))
        SetDlgItemTextW(page, IDC_JOB_TYPE_ENCRYPTED, name);
}

void ApplySecureStartUp(DocUiState *state) {
    OemDevmode *record = Record(state);
    if (!record) return;
    const SecureSetting setting = ReadSecureSetting(state);
    ApplySecureStartUpRule(setting.jobLimit, state->fIcCardDriver != 0, setting.hdd,
                           record->cbEncryptedPassword, &JobType(state), &record->dwCryptoSetting6);
}

void RefreshSecurePrint(HWND page, DocUiState *state) {
    if (!SlotPresent(state, kSlotVXJobType)) return;
    const SecureSetting setting = ReadSecureSetting(state);
    uint32_t &jobType = JobType(state);
    if (!setting.hdd) jobType = kJobNormal;
    const JobTypeRadios radios =
        PlanJobTypeRadios(setting.jobLimit, state->fIcCardDriver != 0, setting.hdd);
    ApplyControlState(page, IDC_JOB_TYPE_NORMAL, radios.normal);
    ApplyControlState(page, IDC_JOB_TYPE_SECURE, radios.secure);
    ApplyControlState(page, IDC_JOB_TYPE_ENCRYPTED, radios.encrypted);
    CheckJobTypeRadio(page, jobType);
    if (setting.cryptoConfigured && StandardUiHidden(state)) {
        const CryptoLibrary library(SheetPrinter(state));
        if (!library.Loaded()) {
            EnableWindow(GetDlgItem(page, IDC_JOB_TYPE_ENCRYPTED), FALSE);
            if (jobType == kJobEncrypted) {
                jobType = kJobNormal;
                CheckJobTypeRadio(page, jobType);
            }
        }
    } else {
        DestroyControlRange(page, IDC_JOB_TYPE_ENCRYPTED, IDC_JOB_TYPE_ENCRYPTED);
    }
    EnableWindow(GetDlgItem(page, IDC_JOB_PIN_BUTTON), jobType != kJobNormal);
}

void OnJobTypeClicked(HWND page, DocUiState *state, UINT id) {
    JobTypePageGlue glue(page, state);
    const JobTypeClick click = {id - IDC_JOB_TYPE_NORMAL, CryptoConfigured(state),
                                state->fIcCardDriver != 0};
    ClickJobType(click, &JobTypeState, &JobType(state), glue);
}

void OnJobPinButton(HWND page, DocUiState *state) {
    if (JobType(state) != kJobEncrypted) {
        LocalizedDialogBox(PluginModule, IDD_JOB_PIN, page, JobPinDialogProc,
                           reinterpret_cast<LPARAM>(state));
        return;
    }
    OemDevmode *record = Record(state);
    if (!record) return;
    const CryptoLibrary library(SheetPrinter(state));
    Wiped<CryptoSettingBlock> edited;
    FillCryptoBlock(*record, &edited.value);
    // A stored password that cannot be read back is asked for again.
    if (record->cbEncryptedPassword != 0 && !library.DecryptStoredPassword(*record, &edited.value))
        edited.value.dwValue6 = 0;
    if (library.ShowSettingsDialog(page, &edited.value, CryptoMode(state)) &&
        library.StoreSettings(edited.value, record))
        NotifySheetChanged(page);
}
