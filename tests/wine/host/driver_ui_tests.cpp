// The driver host's document UI in this process, as the plug-in meets it:
// the items built from the sample model's description, the answers of
// DrvGetDriverSetting, DrvUpdateUISetting's constraint checks and the
// DEVMODE they keep in step, and the sheet with the driver's own page.
#include "driver/devmode_builder.h"
#include "sheet/document_sheet.h"
#include "driver/document_ui.h"
#include "driver/driver_private.h"
#include "driver/driver_texts.h"
#include "file_io.h"
#include "host_text.h"
#include "install/model_files.h"
#include "driver/plugin_loader.h"
#include "sheet/printer_sheet.h"
#include "sheet/sheet_pages.h"
#include "support/dialog_input.h"
#include "support/page_layout.h"
#include "support/wine_test_support.h"

#include "color/color_variant_ids.h"
#include "core/oem_devmode.h"
#include "joboptions/job_options_variant_ids.h"
#include "overlays/overlay_ids.h"
#include "resources/dialog_ids.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr DWORD kAnswerBytes = 64;

// The plug-in loaded for the installed sample printer, and a document UI
// over the printer's default DEVMODE.
class DocumentFixture : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(session_.Open(PrinterName(), &error)) << error;
        ui_ = std::make_unique<DocumentUi>(session_.Model(), session_.PrinterName());
        HeapBlock devmode;
        ASSERT_TRUE(BuildDefaultDevmode(session_, ui_->Settings(), &devmode, &error)) << error;
        ui_->SetDevmode(std::move(devmode));
    }

    // The installed printer whose document properties the test opens.
    virtual const WCHAR *PrinterName() const { return kSamplePrinterName; }

    DriverItems &Items() { return ui_->Items(); }
    const PpdFile &Ppd() { return session_.Model().ppd; }

    // The first item with this DMPubID; null when there is none.
    OPTITEM *Standard(BYTE dmPubId) {
        for (DWORD i = 0; i < Items().Count(); ++i)
            if (Items().Items()[i].DMPubID == dmPubId && Items().Binding(i).role != ItemRole::Feature)
                return &Items().Items()[i];
        return nullptr;
    }

    OPTITEM *Feature(const char *keyword) {
        for (DWORD i = 0; i < Items().Count(); ++i) {
            const USERDATA *data = reinterpret_cast<const USERDATA *>(Items().Items()[i].UserData);
            if (Items().Binding(i).role == ItemRole::Feature && data->pKeyWordName &&
                strcmp(data->pKeyWordName, keyword) == 0)
                return &Items().Items()[i];
        }
        return nullptr;
    }

    static std::wstring OptionName(const OPTITEM *item, int option) {
        return item->pOptType->pOptParam[option].pData;
    }

    // What the plug-in gets from DrvGetDriverSetting through the OEMUIOBJ.
    std::string Answer(const char *keyword, BOOL *ok = nullptr) {
        POEMUIOBJ object = ui_->UiObject();
        char answer[kAnswerBytes] = {};
        DWORD needed = 0, options = 0;
        const BOOL got = object->pOemUIProcs->DrvGetDriverSetting(object, keyword, answer,
                                                                  sizeof(answer), &needed, &options);
        if (ok) *ok = got;
        return got ? std::string(answer) : std::string();
    }

    // DrvUpdateUISetting as the plug-in calls it: the new Sel set first.
    BOOL Update(OPTITEM *item, LONG sel, DWORD mode = OEMCUIP_DOCPROP) {
        const DWORD old = static_cast<DWORD>(item->Sel);
        item->Sel = sel;
        item->Flags |= OPTIF_CHANGED;
        POEMUIOBJ object = ui_->UiObject();
        return object->pOemUIProcs->DrvUpdateUISetting(object, item, old, mode);
    }

    LONG OptionIndex(const OPTITEM *item, const WCHAR *name) {
        for (WORD i = 0; i < item->pOptType->Count; ++i)
            if (OptionName(item, i) == name) return i;
        return -1;
    }

    const DEVMODEW *Devmode() { return ui_->Devmode(); }

    bool Logged(const std::string &line) {
        const std::vector<std::string> &lines = ui_->Log().Lines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    PluginSession session_;
    std::unique_ptr<DocumentUi> ui_;
};

TEST_F(DocumentFixture, OneItemPerDocumentFeatureInFileOrderAtItsDefault) {
    std::vector<std::string> expected;
    for (const PpdFeature &feature : Ppd().features) {
        if (feature.group == kInstallableOptionsGroup) continue;
        if (feature.keyword == "PageSize" || feature.keyword == "PageRegion" ||
            feature.keyword == "InputSlot" || feature.keyword == "Duplex")
            continue;
        expected.push_back(feature.keyword);
    }
    std::vector<std::string> seen;
    std::set<ULONG_PTR> ids;
    for (DWORD i = 0; i < Items().Count(); ++i) {
        const OPTITEM &item = Items().Items()[i];
        const USERDATA *data = reinterpret_cast<const USERDATA *>(item.UserData);
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(data->dwSize, sizeof(USERDATA));
        EXPECT_TRUE(ids.insert(data->dwItemID).second) << "item id " << data->dwItemID;
        if (Items().Binding(i).role != ItemRole::Feature) continue;
        EXPECT_EQ(item.DMPubID, DMPUB_NONE);
        seen.push_back(data->pKeyWordName);
        const PpdFeature *feature = Ppd().Feature(data->pKeyWordName);
        ASSERT_EQ(item.pOptType->Count, feature->options.size()) << data->pKeyWordName;
        EXPECT_EQ(item.Sel, static_cast<LONG>(feature->defaultIndex)) << data->pKeyWordName;
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(OptionName(Feature("VXResolution"), 0), L"Zenit/High Quality");
    EXPECT_EQ(Feature("VXHDD"), nullptr);  // installable: the printer's, not the document's
}

TEST_F(DocumentFixture, DriverSettingsAnswerTheCurrentOptionKeywords) {
    const std::pair<const char *, const char *> answers[] = {
        {"PageSize", "A4"},  {"Duplex", "None"},      {"InputSlot", "Auto"},       {"VXResolution", "Normal"},
        {"VXHDD", "False"}, {"VXFinisher", "False"}, {"VXJobLimit", "False"}, {"VXOptionDuplex", "True"}};
    for (const auto &[keyword, answer] : answers) EXPECT_EQ(Answer(keyword), answer) << keyword;

    BOOL ok = TRUE;
    Answer("NoSuchFeature", &ok);
    EXPECT_FALSE(ok);
    POEMUIOBJ object = ui_->UiObject();
    char small[2] = {};
    DWORD needed = 0, options = 0;
    EXPECT_FALSE(object->pOemUIProcs->DrvGetDriverSetting(object, "PageSize", small, sizeof(small),
                                                          &needed, &options));
    EXPECT_EQ(needed, 3u);
    DWORD level = 0;
    EXPECT_TRUE(object->pOemUIProcs->DrvGetDriverSetting(
        object, reinterpret_cast<PCSTR>(OEMGDS_PSDM_PSLEVEL), &level, sizeof(level), &needed,
        &options));
    EXPECT_EQ(level, 3u);

    // The helper interface answers the same for the same object.
    ComRef<HostDriverUI> helper(HostDriverUI::Create());
    char answer[kAnswerBytes] = {};
    EXPECT_EQ(helper->DrvGetDriverSetting(object, "VXFinisher", answer, sizeof(answer), &needed,
                                          &options),
              S_OK);
    EXPECT_STREQ(answer, "False");
    EXPECT_EQ(helper->DrvGetDriverSetting(nullptr, "VXFinisher", answer, sizeof(answer), &needed,
                                          &options),
              E_FAIL);

    EXPECT_TRUE(Logged("DrvGetDriverSetting VXHDD -> False"));
}

TEST_F(DocumentFixture, UpdateRefusesAConstrainedSelectionAndRestoresSel) {
    OPTITEM *staple = Feature("VXStaple");
    ASSERT_NE(staple, nullptr);
    EXPECT_FALSE(Update(staple, 1));  // *VXFinisher False *VXStaple One
    const DriverCall call = ui_->Log().Calls().back();
    EXPECT_EQ(call.function, "DrvUpdateUISetting");
    EXPECT_EQ(call.why, "*VXFinisher False *VXStaple One");
    EXPECT_EQ(call.restored, 0);
    EXPECT_EQ(staple->Sel, 0);
    EXPECT_EQ(Answer("VXStaple"), "None");

    OPTITEM *spool = Feature("VXHDDSpool");
    EXPECT_FALSE(Update(spool, OptionIndex(spool, L"On")));  // *VXHDD False *VXHDDSpool True
    EXPECT_EQ(Answer("VXHDDSpool"), "False");

    // A constraint against a selection made through the items themselves.
    OPTITEM *paper = Standard(DMPUB_FORMNAME);
    OPTITEM *duplex = Standard(DMPUB_DUPLEX);
    EXPECT_TRUE(Update(duplex, OptionIndex(duplex, L"Long Edge")));
    EXPECT_FALSE(Update(paper, OptionIndex(paper, L"Postcard")));  // *PageSize Postcard *Duplex DuplexNoTumble
    EXPECT_EQ(paper->Sel, 0);
    EXPECT_TRUE(Update(duplex, 0));
    EXPECT_TRUE(Update(paper, OptionIndex(paper, L"Postcard")));
    EXPECT_FALSE(Update(duplex, OptionIndex(duplex, L"Long Edge")));
    EXPECT_EQ(duplex->Sel, 0);
}

TEST_F(DocumentFixture, UpdateRefusesWhatIsNoOptionOrNoItemOfTheDriver) {
    OPTITEM *orientation = Standard(DMPUB_ORIENTATION);
    EXPECT_FALSE(Update(orientation, 3));
    EXPECT_EQ(orientation->Sel, 0);
    // Numeric items take their whole range and nothing beyond it.
    OPTITEM *scale = Standard(DMPUB_SCALE);
    EXPECT_FALSE(Update(scale, 401));
    EXPECT_EQ(scale->Sel, 100);
    EXPECT_TRUE(Update(scale, 400));
    EXPECT_TRUE(Update(scale, 25));
    EXPECT_FALSE(Update(scale, 24));
    OPTITEM *copies = Standard(DMPUB_COPIES_COLLATE);
    EXPECT_TRUE(Update(copies, 999));
    EXPECT_FALSE(Update(copies, 1000));
    EXPECT_FALSE(Update(copies, 0));
    EXPECT_FALSE(Update(scale, 150, OEMCUIP_PRNPROP));
    OPTITEM stranger = *orientation;
    POEMUIOBJ object = ui_->UiObject();
    EXPECT_FALSE(object->pOemUIProcs->DrvUpdateUISetting(object, &stranger, 0, OEMCUIP_DOCPROP));
    EXPECT_FALSE(object->pOemUIProcs->DrvUpdateUISetting(nullptr, orientation, 0, OEMCUIP_DOCPROP));
}

TEST_F(DocumentFixture, AcceptedChangesGoIntoTheDevmodeAtOnce) {
    OPTITEM *paper = Standard(DMPUB_FORMNAME);
    ASSERT_TRUE(Update(paper, OptionIndex(paper, L"Letter")));
    EXPECT_EQ(Devmode()->dmPaperSize, DMPAPER_LETTER);
    EXPECT_STREQ(Devmode()->dmFormName, L"Letter");
    EXPECT_EQ(Answer("PageSize"), "Letter");
    EXPECT_EQ(Answer("PageRegion"), "Letter");
    ASSERT_TRUE(Update(paper, OptionIndex(paper, L"Legal 13.5")));
    EXPECT_EQ(Devmode()->dmPaperSize, 256 + 10);  // a size the platform does not know

    ASSERT_TRUE(Update(Standard(DMPUB_DUPLEX), 2));
    EXPECT_EQ(Devmode()->dmDuplex, DMDUP_HORIZONTAL);
    ASSERT_TRUE(Update(Standard(DMPUB_ORIENTATION), 2));
    EXPECT_EQ(Devmode()->dmOrientation, DMORIENT_LANDSCAPE);
    ASSERT_TRUE(Update(Standard(DMPUB_SCALE), 150));
    EXPECT_EQ(Devmode()->dmScale, 150);
    OPTITEM *copies = Standard(DMPUB_COPIES_COLLATE);
    copies->Flags |= OPTIF_ECB_CHECKED;
    ASSERT_TRUE(Update(copies, 12));
    EXPECT_EQ(Devmode()->dmCopies, 12);
    EXPECT_EQ(Devmode()->dmCollate, DMCOLLATE_TRUE);
    ASSERT_TRUE(Update(Standard(DMPUB_COLOR), 0));
    EXPECT_EQ(Devmode()->dmColor, DMCOLOR_MONOCHROME);
    ASSERT_TRUE(Update(Standard(DMPUB_DEFSOURCE), 2));
    EXPECT_EQ(Devmode()->dmDefaultSource, 256 + 2);
    ASSERT_TRUE(Update(Standard(DMPUB_NUP), 6));
    const BYTE *bytes = reinterpret_cast<const BYTE *>(Devmode());
    EXPECT_EQ(bytes[356], 6);
    for (DWORD i = 0; i < Items().Count(); ++i)
        if (reinterpret_cast<USERDATA *>(Items().Items()[i].UserData)->dwItemID == 25) {
            ASSERT_TRUE(Update(&Items().Items()[i], 2));
        }
    EXPECT_EQ(bytes[344], 2);
    ASSERT_TRUE(Update(Feature("VXCMYKProfile"), 3));
    const size_t profile = Ppd().FindFeature("VXCMYKProfile");
    EXPECT_EQ(PrivatePartOf(Devmode())->awFeatureOptions[profile], 3);

    // The same DEVMODE read again gives the same settings.
    DocumentSettings again(session_.Model());
    again.ReadDevmode(Devmode(), ui_->DevmodeSize());
    EXPECT_EQ(again.Selection().Selected(profile), 3u);
    EXPECT_EQ(again.Standard().orientation, kRotatedLandscape);
    EXPECT_EQ(again.Standard().copies, 12);
    EXPECT_TRUE(again.Standard().collate);
    EXPECT_EQ(again.Standard().pageLayout, 6);
    EXPECT_EQ(again.Selection().SelectedOption(Ppd().FindFeature("PageSize")).keyword, "VXLegal");
}

// The sheet as the driver opens it, with the plug-in's pages. `onShown`
// runs inside the sheet's loop and must close it.
class SheetFixture : public DocumentFixture {
protected:
    void Run(const std::function<void(HWND)> &onShown) {
        INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                                             ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
        InitCommonControlsEx(&classes);
        sheet_ = std::make_unique<DocumentSheet>(session_, *ui_);
        options_.onShown = onShown;
        std::string error;
        ASSERT_TRUE(sheet_->PrepareItems(options_, &error)) << error;
        if (prepared_) prepared_();
        ASSERT_TRUE(sheet_->Show(&error)) << error;
    }

    static void Press(HWND sheet, int button) {
        PostMessageW(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
    }

    // OK stores the DEVMODE in a fresh temporary file.
    void StoreTo(const WCHAR *name) {
        WCHAR folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        options_.outFile = std::wstring(folder) + name;
        DeleteFileW(options_.outFile.c_str());
    }

    // The DEVMODE the sheet stored, its file removed; null when none.
    const DEVMODEW *StoredDevmode() {
        std::string error;
        EXPECT_TRUE(sheet_->Stored());
        EXPECT_TRUE(ReadWholeFile(options_.outFile, &stored_, &error)) << error;
        DeleteFileW(options_.outFile.c_str());
        EXPECT_EQ(stored_.size(), ui_->DevmodeSize());
        return stored_.size() == ui_->DevmodeSize() ? reinterpret_cast<const DEVMODEW *>(stored_.data()) : nullptr;
    }

    SheetOptions options_;
    std::unique_ptr<DocumentSheet> sheet_;
    std::function<void()> prepared_;
    std::vector<BYTE> stored_;
};

std::vector<std::wstring> RowLabels(const OptionsPage &page) {
    std::vector<std::wstring> labels;
    for (const OptionsPage::Row &row : page.Rows()) {
        WCHAR text[128] = L"";
        GetWindowTextW(row.label, text, ARRAYSIZE(text));
        labels.push_back(text);
    }
    return labels;
}

HMODULE Plugin() { return GetModuleHandleW(L"sxoemui.dll"); }

// The press opens the dialog of that caption as a modal window of the sheet.
void ExpectSheetDialog(HWND control, Press press, const WCHAR *caption) {
    const OpenedDialog opened = PressAndCatchDialog(control, press);
    EXPECT_EQ(opened.caption, caption);
    EXPECT_TRUE(opened.ownedBySheet) << Utf8(caption);
}

constexpr int kPluginJobOptionsPage = 1;
constexpr int kPluginColorPage = 2;

// The plug-in's two pages as the sheet shows them: their controls' ids.
struct PluginPageIds {
    std::vector<int> jobOptions, color;
};

PluginPageIds ReadPluginPages(HWND sheet) {
    PluginPageIds ids;
    if (SelectPage(sheet, kPluginJobOptionsPage))
        ids.jobOptions = ChildControlIds(PropSheet_IndexToHwnd(sheet, kPluginJobOptionsPage));
    if (SelectPage(sheet, kPluginColorPage))
        ids.color = ChildControlIds(PropSheet_IndexToHwnd(sheet, kPluginColorPage));
    return ids;
}

// The second sample model, whose capability section chooses the extended
// layouts and switches the IC card, encryption, overlays and watermarks on.
class ProSheetFixture : public SheetFixture {
protected:
    const WCHAR *PrinterName() const override { return kProPrinterName; }
};

// The dependent files of the installed printer's driver, by file name.
std::vector<std::wstring> DriverFileNames(const WCHAR *printerName, std::wstring *driverName) {
    std::vector<std::wstring> names;
    const PrinterHandle printer(printerName);
    DWORD needed = 0;
    GetPrinterDriverW(printer.Get(), nullptr, 3, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (needed && GetPrinterDriverW(printer.Get(), nullptr, 3, buffer.data(), needed, &needed)) {
        const auto *info = reinterpret_cast<const DRIVER_INFO_3W *>(buffer.data());
        *driverName = info->pName;
        for (const WCHAR *file = info->pDependentFiles; file && *file; file += wcslen(file) + 1) {
            const WCHAR *slash = wcsrchr(file, L'\\');
            names.push_back(slash ? slash + 1 : file);
        }
    }
    return names;
}

TEST(SampleModels, EachPrinterHasItsOwnDriverWithOnlyItsOwnModelFiles) {
    std::wstring firstDriver, proDriver;
    const std::vector<std::wstring> first = DriverFileNames(kSamplePrinterName, &firstDriver);
    const std::vector<std::wstring> pro = DriverFileNames(kProPrinterName, &proDriver);
    EXPECT_EQ(firstDriver, kSampleDriverName);
    EXPECT_EQ(proDriver, kProDriverName);
    auto has = [](const std::vector<std::wstring> &files, const WCHAR *name) {
        return std::find(files.begin(), files.end(), name) != files.end();
    };
    for (const WCHAR *name : {L"sxc5200.cap", L"sxc5200.ini", L"sxc5200.ver", L"sxcard.dll",
                              L"sxcrypt.dll", L"sxwmfont.lst", L"sxoemui.dll"})
        EXPECT_TRUE(has(pro, name)) << Utf8(std::wstring(name));
    for (const WCHAR *name : {L"sxc4200.cap", L"sxc4200.ini", L"sxc4200.ver"}) {
        EXPECT_FALSE(has(pro, name)) << Utf8(std::wstring(name));
        EXPECT_TRUE(has(first, name)) << Utf8(std::wstring(name));
    }
    EXPECT_FALSE(has(first, L"sxc5200.cap"));
}

// The model's layout key gives both pages their extended layouts, whose
// dormant dialogs open from their controls.
TEST_F(ProSheetFixture, ExtendedLayoutsAndTheirDialogsOpenFromTheirControlsByRealInput) {
    constexpr DWORD kNoDialogMs = 500;
    Run([&](HWND sheet) {
        const PluginPageIds shown = ReadPluginPages(sheet);
        // Every feature of the model is there, so no control was removed.
        EXPECT_EQ(shown.jobOptions, TemplateControlIds(Plugin(), IDD_JOB_OPTIONS_EXTENDED));
        EXPECT_EQ(shown.color, TemplateControlIds(Plugin(), IDD_COLOR_EXTENDED));
        EXPECT_EQ(PageTitle(sheet, kPluginJobOptionsPage), L"Job Options");
        EXPECT_EQ(PageTitle(sheet, kPluginColorPage), L"Color");
        ASSERT_TRUE(SelectPage(sheet, kPluginJobOptionsPage));
        HWND page = PropSheet_IndexToHwnd(sheet, kPluginJobOptionsPage);
        ExpectSheetDialog(GetDlgItem(page, IDC_JOB_OVERLAYS), Press::Mouse, L"Overlays");
        ExpectSheetDialog(GetDlgItem(page, IDC_WATERMARKS_BUTTON), Press::SpaceBar, L"Watermarks");
        ExpectSheetDialog(GetDlgItem(page, IDC_POSITION_ADJUST), Press::Mouse, L"Print Position Adjustment");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_JOB_PIN_BUTTON))) << "a normal job has no PIN";
        EXPECT_EQ(dialog_input::Text(page, IDC_JOB_TYPE_ENCRYPTED), L"IC Card Secure Print");
        // The IC-card job needs no password: the radio opens nothing.
        EXPECT_EQ(PressAndCatchDialog(GetDlgItem(page, IDC_JOB_TYPE_ENCRYPTED), Press::Mouse, kNoDialogMs).caption, L"");
        EXPECT_EQ(IsDlgButtonChecked(page, IDC_JOB_TYPE_ENCRYPTED), BST_CHECKED);
        // For an IC-card job the button asks the encryption library.
        EXPECT_EQ(PressAndCatchDialog(GetDlgItem(page, IDC_JOB_PIN_BUTTON), Press::SpaceBar).caption,
                  L"Encrypted Print Settings");
        Press(sheet, PSBTN_CANCEL);
    });
}

TEST_F(ProSheetFixture, TheExtendedColorPagesControlsWorkByRealInputAndReachTheDriver) {
    StoreTo(L"sx-driver-ui-pro-color.dev");
    Run([&](HWND sheet) {
        ASSERT_TRUE(SelectPage(sheet, kPluginColorPage));
        HWND page = PropSheet_IndexToHwnd(sheet, kPluginColorPage);
        PressAndCatchDialog(GetDlgItem(page, IDC_OUTPUT_MODE), Press::Mouse, 200);
        EXPECT_EQ(IsDlgButtonChecked(page, IDC_OUTPUT_MODE), BST_CHECKED);
        // No colour-samples utility is registered in the test prefix.
        ExpectSheetDialog(GetDlgItem(page, IDC_COLOR_SAMPLES), Press::SpaceBar, L"Error");
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_OFFICE_DETAILS)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_SPECIAL_TONER))) << "the model's printer has the white toner";
        ExpectSheetDialog(GetDlgItem(page, IDC_OFFICE_DETAILS), Press::Mouse, L"Office Color Details");
        ExpectSheetDialog(GetDlgItem(page, IDC_SPECIAL_TONER), Press::SpaceBar, L"Special Toner Details");
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, IDC_LINK_TEXT)));
        EXPECT_EQ(dialog_input::Text(page, IDC_LINK_TEXT), L"https://support.sx-printing.example/c5200pro");
        Press(sheet, PSBTN_OK);
    });
    const DEVMODEW *devmode = StoredDevmode();
    ASSERT_NE(devmode, nullptr);
    EXPECT_EQ(PrivatePartOf(devmode)->awFeatureOptions[Ppd().FindFeature("VXOutputMode")], 1);
}

// Without a layout key the plug-in's pages are exactly the system's templates.
TEST_F(SheetFixture, ThePageShowsNoHiddenItemOrOptionAndTheSheetHasThePluginsPages) {
    OPTITEM *paper = Standard(DMPUB_FORMNAME);
    // An option hidden the way the plug-in hides paper names.
    prepared_ = [paper] { paper->pOptType->pOptParam[1].Flags |= OPTPF_HIDE; };
    std::vector<SheetPage> pages;
    std::vector<std::wstring> labels;
    LRESULT paperEntries = 0;
    ASSERT_FALSE(TemplateControlIds(Plugin(), IDD_JOB_OPTIONS_PAGE).empty());
    ASSERT_FALSE(TemplateControlIds(Plugin(), IDD_COLOR_PAGE).empty());
    Run([&](HWND sheet) {
        pages = VisitPages(sheet);
        const PluginPageIds shown = ReadPluginPages(sheet);
        EXPECT_EQ(shown.jobOptions, TemplateControlIds(Plugin(), IDD_JOB_OPTIONS_PAGE));
        EXPECT_EQ(shown.color, TemplateControlIds(Plugin(), IDD_COLOR_PAGE));
        labels = RowLabels(sheet_->Page());
        for (const OptionsPage::Row &row : sheet_->Page().Rows()) {
            EXPECT_FALSE(row.item->Flags & OPTIF_HIDE) << Utf8(ItemName(*row.item));
            if (row.item == paper) paperEntries = SendMessageW(row.choice, CB_GETCOUNT, 0, 0);
        }
        Press(sheet, PSBTN_CANCEL);
    });
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[0].title, kOptionsPageTitle);
    EXPECT_EQ(pages[1].title, L"Job Options");
    // The sample's description has a colour model, so the Color page follows.
    EXPECT_EQ(pages[2].title, L"Color");

    size_t visible = 0;
    for (DWORD i = 0; i < Items().Count(); ++i) {
        const OPTITEM &item = Items().Items()[i];
        const bool shown = std::find(labels.begin(), labels.end(), ItemName(item) + L":") != labels.end();
        EXPECT_EQ(shown, !(item.Flags & OPTIF_HIDE)) << i;
        visible += !(item.Flags & OPTIF_HIDE);
    }
    EXPECT_EQ(labels.size(), visible);
    // The plug-in governs these and hid them.
    for (const WCHAR *name : {L"Copy Count:", L"Scaling:", L"Print Quality:", L"Mirrored Output:"})
        EXPECT_EQ(std::find(labels.begin(), labels.end(), name), labels.end()) << name;
    EXPECT_TRUE(Feature("VXResolution")->Flags & OPTIF_HIDE);
    EXPECT_EQ(paperEntries, paper->pOptType->Count - 1);
    EXPECT_TRUE(Logged("OEMCUIPCallback(reason 10) -> 0"));
    EXPECT_FALSE(sheet_->Stored());
}

TEST_F(SheetFixture, OkStoresTheDevmodeAfterTheApplyCallback) {
    StoreTo(L"sx-driver-ui-ok.dev");
    Run([&](HWND sheet) {
        // A change on the driver's page, then OK.
        for (const OptionsPage::Row &row : sheet_->Page().Rows())
            if (row.item == Standard(DMPUB_ORIENTATION)) {
                SendMessageW(row.choice, CB_SETCURSEL, 1, 0);
                SendMessageW(sheet_->Page().Window(), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(row.choice), CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(row.choice));
            }
        Press(sheet, PSBTN_OK);
    });
    EXPECT_TRUE(Logged("OEMCUIPCallback(reason 6) -> 0"));
    const DEVMODEW *devmode = StoredDevmode();
    ASSERT_NE(devmode, nullptr);
    EXPECT_EQ(devmode->dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(devmode->dmPaperSize, DMPAPER_A4);
    const auto *record =
        reinterpret_cast<const OemDevmode *>(reinterpret_cast<const BYTE *>(devmode) + kPluginSectionOffset);
    EXPECT_EQ(record->dwSignature, kOemSignature);
    // The plug-in's orientation copy comes with the apply callback.
    EXPECT_EQ(record->bOrientationSelection, 1);
}

TEST_F(SheetFixture, WithoutPermissionThePluginIsToldAndTheDriversControlsAreOff) {
    options_.noPermission = true;
    Run([&](HWND sheet) {
        EXPECT_FALSE(sheet_->Page().Rows().empty());
        for (const OptionsPage::Row &row : sheet_->Page().Rows()) EXPECT_FALSE(IsWindowEnabled(row.choice));
        Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(sheet_->SheetParam().dwFlags & DM_NOPERMISSION, DM_NOPERMISSION);
    EXPECT_EQ(sheet_->CommonUiParam().dwFlags & DM_NOPERMISSION, DM_NOPERMISSION);
    EXPECT_FALSE(sheet_->Stored());
    EXPECT_TRUE(Logged("not stored: no permission to change the printer's settings"));
}

// The driver's page and sheet title follow the user's language as the
// plug-in's resources do: regional variants take their language, the
// Chinese scripts their own texts, other languages English.
TEST(DriverTexts, FollowTheUsersLanguageAsThePluginsResourcesDo) {
    EXPECT_EQ(DriverTextsFor(0x0409).optionsPage, std::wstring(kOptionsPageTitle));
    // Japanese: English; Hong Kong: Traditional; Singapore: Simplified.
    const std::pair<LANGID, LANGID> texts[] = {
        {0x0411, 0x0000}, {0x0C07, 0x0407}, {0x0C0A, 0x000A}, {0x0C04, 0x0404}, {0x1004, 0x0804}, {0x0416, 0x0416}};
    for (const auto &[user, language] : texts) EXPECT_EQ(DriverTextsFor(user).language, language) << std::hex << user;
    EXPECT_NE(std::wstring(DriverTextsFor(0x0412).optionsPage), kOptionsPageTitle);
    EXPECT_EQ(DriverTextsFor(0x0409).deviceSettingsPage, std::wstring(kDeviceSettingsTitle));
    EXPECT_EQ(WithPrinterName(DriverTextsFor(0x0409).documentProperties, L"SX Color 4200 PS"),
              L"SX Color 4200 PS Document Properties");
    EXPECT_EQ(WithPrinterName(DriverTextsFor(0x0407).documentProperties, L"SX Color 4200 PS"),
              L"Dokumenteigenschaften von SX Color 4200 PS");
    EXPECT_EQ(WithPrinterName(DriverTextsFor(0x0412).printerProperties, L"SX"),
              L"SX \uc18d\uc131");
}

}  // namespace
