// Printer events, the installable-options store and detection through the
// plug-in DLL, for printers of the sample model installed by the driver
// host, each with a driver and a model section of its own. The detection
// libraries' stand-ins answer from a file of the test's own.
#include "commands.h"
#include "driver/driver_files.h"
#include "driver/plugin_loader.h"
#include "install/printer_install.h"
#include "sheet/printer_sheet.h"
#include "printer/file_security.h"
#include "support/printer_data_denied.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

const WCHAR kCapabilitySection[] = L"Capability";
const WCHAR kModelSection[] = L"SXPRINTERTEST";
const WCHAR kUserTypeSection[] = L"Usertype";
const WCHAR kUserModeValue[] = L"SPLUserModePrinterDriver";
const WCHAR kOemUiValue[] = L"OEMUI_VALUE";
const WCHAR kAnswersVariable[] = L"SX_PRINTER_ANSWERS";
const WCHAR kPrinterKeys[] = L"System\\CurrentControlSet\\Control\\Print\\Printers\\";
constexpr DWORD kValueChars = 512;
constexpr size_t kDriverFlagsOffset = 224;
constexpr size_t kOutputOptionOffset = 344;
constexpr DWORD kDefaultsLevel = 8;
constexpr BYTE kButtonItemId = 2;
constexpr int kNoRefreshExport = -1;

std::string Entry(const std::string &keyword, const std::string &setting) {
    return keyword + std::string(1, '\0') + setting + std::string(1, '\0') + "\n";
}
const std::string kListEnd("\0\0", 2);

std::wstring ProfileText(const std::wstring &file, const WCHAR *section, const WCHAR *key) {
    WCHAR value[kValueChars] = L"";
    GetPrivateProfileStringW(section, key, L"", value, kValueChars, file.c_str());
    return value;
}

using Settings = std::map<std::string, std::string>;

// The settings of the named features; a missing one reads "(absent)".
Settings Pick(const Settings &all, std::initializer_list<const char *> features) {
    Settings picked;
    for (const char *feature : features) {
        const auto found = all.find(feature);
        picked[feature] = found == all.end() ? "(absent)" : found->second;
    }
    return picked;
}

// The DEVMODE's driver flags, output option, paper size, paper source and duplex.
std::vector<int> Defaults(const std::vector<BYTE> &bytes) {
    if (bytes.size() <= kOutputOptionOffset) return {};
    const DEVMODEW *devmode = reinterpret_cast<const DEVMODEW *>(bytes.data());
    return {bytes[kDriverFlagsOffset], bytes[kOutputOptionOffset], devmode->dmPaperSize, devmode->dmDefaultSource,
            devmode->dmDuplex};
}

bool OsMajor6OrLater() {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    GetVersionExW(&version);
    return version.dwMajorVersion >= 6;
}

// A printer of the sample model with a driver named as the printer and
// the model section SXPRINTERTEST in the installed capability file; the
// options file's and the answers file's sections for it; the plug-in ini's
// user types as they were.
class ModelPrinterTest : public ::testing::Test {
protected:
    // `ownDriver` false: the sample model's own driver and model section.
    void InstallPrinter(const std::wstring &name, const std::wstring &port = L"",
                        bool ownDriver = true) {
        printer_ = name;
        std::string error;
        folder_ = DriverFilesFolder(&error);
        InstallRequest request;
        request.printerName = name;
        request.sourceFolder = ExeDirectory();
        if (ownDriver) request.ppdFile = JoinPath(ExeDirectory(), L"sxc4200.ppd");
        request.port = port;
        ownDriver_ = ownDriver;
        ASSERT_TRUE(InstallModelPrinter(request, &error)) << error;
        installed_ = true;
        if (ownDriver) WriteValues(Cap(), kCapabilitySection, {{name, kModelSection}});
        SetModels({{L"NetExtDLL", L"sxnetopt.dll"}, {L"USBExtDLL", L"sxusbopt.dll"},
                   {L"USBExtDAT", L"sxusbopt.dat"}, {L"CCMInfoFile", L"sxc4200.ccm"}});
        WCHAR temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        answers_ = std::wstring(temp) + L"sx_printer_tests.ans";
        DeleteFileW(answers_.c_str());
        SetEnvironmentVariableW(kAnswersVariable, answers_.c_str());
        WCHAR windows[MAX_PATH];
        GetWindowsDirectoryW(windows, MAX_PATH);
        optionsFile_ = std::wstring(windows) + L"\\tvxopt.dat";
        savedUserTypes_ = Section(Ini(), kUserTypeSection);
    }

    void TearDown() override {
        session_.reset();
        if (!installed_) return;
        WritePrivateProfileStringW(kCapabilitySection, printer_.c_str(), nullptr, Cap().c_str());
        WritePrivateProfileStringW(kModelSection, nullptr, nullptr, Cap().c_str());
        WritePrivateProfileStringW(printer_.c_str(), nullptr, nullptr, optionsFile_.c_str());
        WritePrivateProfileSectionW(kUserTypeSection, savedUserTypes_.data(), Ini().c_str());
        SetEnvironmentVariableW(kAnswersVariable, nullptr);
        DeleteFileW(answers_.c_str());
        SpoolerPrinter printer;
        if (printer.Open(printer_.c_str(), PRINTER_ALL_ACCESS)) DeletePrinter(printer.Get());
        printer.Reset(nullptr);
        if (ownDriver_) DeletePrinterDriverW(nullptr, nullptr, const_cast<WCHAR *>(printer_.c_str()));
    }

    // The plug-in ini's first three user types.
    std::vector<std::wstring> UserTypes() const {
        std::vector<std::wstring> names;
        for (const WCHAR *key : {L"USERTYPE1", L"USERTYPE2", L"USERTYPE3"})
            names.push_back(ProfileText(Ini(), kUserTypeSection, key));
        return names;
    }

    std::wstring Cap() const { return JoinPath(folder_, L"sxc4200.cap"); }
    std::wstring Ini() const { return JoinPath(folder_, L"sxc4200.ini"); }

    static std::vector<WCHAR> Section(const std::wstring &file, const WCHAR *section) {
        std::vector<WCHAR> text(32768);
        const DWORD length = GetPrivateProfileSectionW(section, text.data(),
                                                       static_cast<DWORD>(text.size()), file.c_str());
        text.resize(length + 2);
        return text;
    }

    using Values = std::map<std::wstring, std::wstring>;
    static void WriteValues(const std::wstring &file, const std::wstring &section, const Values &values) {
        for (const auto &[key, value] : values)
            WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), file.c_str());
    }
    // The model section, the options file and the answers file.
    void SetModels(const Values &keys) { WriteValues(Cap(), kModelSection, keys); }
    void SetOptions(const Values &options) { WriteValues(optionsFile_, printer_, options); }
    void SetAnswers(const Values &answers) { WriteValues(answers_, printer_, answers); }

    // A value of the printer's data, with its type and, when asked, its size.
    LONG ReadData(const WCHAR *name, void *value, DWORD bytes, DWORD *type, DWORD *got = nullptr) {
        DWORD needed = 0;
        return GetPrinterDataW(Session().Printer(), const_cast<WCHAR *>(name), type,
                               reinterpret_cast<BYTE *>(value), bytes, got ? got : &needed);
    }

    PluginSession &Session() {
        if (!session_) {
            session_ = std::make_unique<PluginSession>();
            std::string error;
            EXPECT_TRUE(session_->Open(printer_, &error)) << error;
        }
        return *session_;
    }

    HRESULT SendEvent(INT event) {
        return Session().Plugin()->PrinterEvent(&printer_[0], event, 0, 0);
    }

    // A value removed from the printer's driver data, which the printer-data
    // calls cannot do.
    LONG DeleteDriverData(const WCHAR *name) {
        const std::wstring key = kPrinterKeys + printer_ + L"\\PrinterDriverData";
        return RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name);
    }

    // "FeatureKeyword" ("(absent)" when absent) and its size (-1 when absent).
    std::pair<std::string, DWORD> Stored() {
        BYTE data[512] = {};
        DWORD type = 0, got = 0, size = static_cast<DWORD>(-1);
        ReadData(L"FeatureKeywordSize", &size, sizeof(size), &type);
        if (ReadData(L"FeatureKeyword", data, sizeof(data), &type, &got) != ERROR_SUCCESS)
            return {"(absent)", size};
        return {std::string(reinterpret_cast<char *>(data), got), size};
    }

    void Store(const std::string &bytes, DWORD size) {
        SetPrinterDataW(Session().Printer(), const_cast<WCHAR *>(L"FeatureKeyword"), REG_BINARY,
                        reinterpret_cast<BYTE *>(const_cast<char *>(bytes.data())),
                        static_cast<DWORD>(bytes.size()));
        SetPrinterDataW(Session().Printer(), const_cast<WCHAR *>(L"FeatureKeywordSize"), REG_DWORD,
                        reinterpret_cast<BYTE *>(&size), sizeof(size));
    }

    std::map<std::string, std::string> Installed() {
        std::map<std::string, std::string> settings;
        for (const FeatureSetting &setting : ReadPrinterFeatureKeyword(Session().Printer()))
            settings[setting.feature] = setting.option;
        return settings;
    }

    // The plug-in's export that refreshes the stored options, called for
    // `printer`; kNoRefreshExport when the plug-in lacks it.
    int RefreshOptions(HANDLE printer) {
        using RefreshFn = int(WINAPI *)(HANDLE);
        const auto refresh = reinterpret_cast<RefreshFn>(
            reinterpret_cast<void *>(GetProcAddress(Session().Module(), "ConfigDeviceOptionExp")));
        return refresh ? refresh(printer) : kNoRefreshExport;
    }
    int RefreshOptions() { return RefreshOptions(Session().Printer()); }

    std::vector<BYTE> DefaultDevmode() {
        DWORD needed = 0;
        GetPrinterW(Session().Printer(), kDefaultsLevel, nullptr, 0, &needed);
        std::vector<BYTE> info(needed);
        if (!needed || !GetPrinterW(Session().Printer(), kDefaultsLevel, info.data(), needed, &needed))
            return {};
        const DEVMODEW *devmode = reinterpret_cast<PRINTER_INFO_8W *>(info.data())->pDevMode;
        const BYTE *bytes = reinterpret_cast<const BYTE *>(devmode);
        return std::vector<BYTE>(bytes, bytes + devmode->dmSize + devmode->dmDriverExtra);
    }

    std::wstring printer_;
    std::wstring folder_;
    std::wstring answers_;
    std::wstring optionsFile_;
    std::vector<WCHAR> savedUserTypes_;
    bool installed_ = false;
    bool ownDriver_ = true;
    std::unique_ptr<PluginSession> session_;
};

class PrinterEventTest : public ModelPrinterTest {
protected:
    void SetUp() override { InstallPrinter(L"SX Event Test"); }
};

TEST_F(PrinterEventTest, InitialisationSetsUpANewPrinterFromItsModelAndTheOptionsFile) {
    SetModels({{L"PSOutputOpt", L"2"}, {L"DEFAULT_PAPER_SIZE", L"9"}, {L"DEFAULT_PAPER_SOURCE", L"7"}});
    SetOptions({{L"Installed", L"90"}, {L"Random Access Memory", L"0"}, {L"PunchType", L"4"}, {L"SpotColor", L"2"},
                {L"DrvInst_DuplexPrinting", L"2"}, {L"USERTYPE1", L"Recycled"}, {L"USERTYPE3", L"Glossy"}});
    std::string error;
    ASSERT_TRUE(StoreDriverDefaults(Session(), &error)) << error;
    const std::vector<BYTE> before = DefaultDevmode();
    ASSERT_GT(before.size(), kOutputOptionOffset);
    const DWORD iniAttributes = GetFileAttributesW(Ini().c_str());
    SetFileAttributesW(Ini().c_str(), iniAttributes | FILE_ATTRIBUTE_READONLY);

    EXPECT_EQ(SendEvent(PRINTER_EVENT_INITIALIZE), S_OK);
    EXPECT_EQ(GetFileAttributesW(Ini().c_str()), iniAttributes & ~FILE_ATTRIBUTE_READONLY);
    DWORD type = 0;
    WCHAR value[16] = L"x";
    EXPECT_EQ(ReadData(kUserModeValue, value, sizeof(value), &type), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(value, L"");

    const std::vector<BYTE> after = DefaultDevmode();
    ASSERT_EQ(after.size(), before.size());
    // Driver flags, output option, paper size, paper source and duplex.
    EXPECT_EQ(Defaults(after), (std::vector<int>{0x2E, 2, 9, 7, 2}));

    // 0x5A: finisher and tray flags 8 and 2; memory 0 leaves the memory alone.
    EXPECT_EQ(Pick(Installed(), {"VXOptionTray", "InstalledMemory", "VXSpecialTonerInstalled"}),
              (Settings{{"VXOptionTray", "4"}, {"InstalledMemory", "256MB"}, {"VXSpecialTonerInstalled", "Clear"}}));
    EXPECT_EQ(Stored().first.size(), Stored().second);
    EXPECT_EQ(UserTypes(), (std::vector<std::wstring>{L"Recycled", L"", L""}));

    // A second initialisation keeps the value; other model values leave the DEVMODE.
    const WCHAR kept[] = L"kept";
    SetPrinterDataW(Session().Printer(), const_cast<WCHAR *>(kUserModeValue), REG_SZ,
                    reinterpret_cast<BYTE *>(const_cast<WCHAR *>(kept)), sizeof(kept));
    SetModels({{L"PSOutputOpt", L"4"}, {L"DEFAULT_PAPER_SIZE", L"0"}});
    SetOptions({{L"DrvInst_DuplexPrinting", L"1"}});
    auto *changed = reinterpret_cast<DEVMODEW *>(const_cast<BYTE *>(after.data()));
    changed->dmDuplex = 1;
    PRINTER_INFO_8W store = {changed};
    ASSERT_TRUE(SetPrinterW(Session().Printer(), kDefaultsLevel, reinterpret_cast<BYTE *>(&store), 0));
    EXPECT_EQ(SendEvent(PRINTER_EVENT_INITIALIZE), S_OK);
    ReadData(kUserModeValue, value, sizeof(value), &type);
    EXPECT_STREQ(value, kept);
    EXPECT_EQ(Defaults(DefaultDevmode()), (std::vector<int>{0x2E, 2, 9, 7, 1}));

    // Every other event does nothing.
    SetOptions({{L"Installed", L"0"}});
    const auto stored = Stored();
    for (INT event : {PRINTER_EVENT_ADD_CONNECTION, PRINTER_EVENT_DELETE, PRINTER_EVENT_CACHE_REFRESH,
                      PRINTER_EVENT_ATTRIBUTES_CHANGED})
        EXPECT_EQ(SendEvent(event), S_OK) << event;
    EXPECT_EQ(Stored(), stored);
}

TEST_F(PrinterEventTest, OnlyAMissingUserModeValueThatCannotBeWrittenStopsTheCreation) {
    DeleteDriverData(kUserModeValue);
    {
        PrinterDataDenied denied(printer_);
        ASSERT_TRUE(denied.Denied());
        EXPECT_EQ(SendEvent(PRINTER_EVENT_INITIALIZE), E_FAIL);
    }
    EXPECT_EQ(SendEvent(PRINTER_EVENT_INITIALIZE), S_OK);
}

TEST_F(PrinterEventTest, TheOptionsUpdateKeepsTheStoredDataWhole) {
    SetOptions({{L"Installed", L"0"}, {L"Random Access Memory", L"256"}, {L"SpotColor", L"0"}});
    const DWORD absent = static_cast<DWORD>(-1);

    // No size value: the data stays as it was.
    const std::string list = Entry("VXFinisher", "True") + Entry("InstalledMemory", "512MB") + kListEnd;
    Store(list, static_cast<DWORD>(list.size()));
    ASSERT_EQ(DeleteDriverData(L"FeatureKeywordSize"), ERROR_SUCCESS);
    EXPECT_EQ(SendEvent(PRINTER_EVENT_INITIALIZE), S_OK);
    EXPECT_EQ(Stored(), std::make_pair(list, absent));

    // A size beyond the data reads only the data; "True" to "False" grows it.
    Store(list, 4000);
    EXPECT_EQ(SendEvent(PRINTER_EVENT_INITIALIZE), S_OK);
    const std::string rewritten =
        Entry("VXFinisher", "False") + Entry("InstalledMemory", "256MB") + kListEnd;
    EXPECT_EQ(Stored(), std::make_pair(rewritten, static_cast<DWORD>(rewritten.size())));

    // No data at all: nothing is written.
    DeleteDriverData(L"FeatureKeyword");
    DeleteDriverData(L"FeatureKeywordSize");
    EXPECT_EQ(SendEvent(PRINTER_EVENT_INITIALIZE), S_OK);
    EXPECT_EQ(Stored(), std::make_pair(std::string("(absent)"), absent));

    // User types: cut to 127 characters, up to the first one missing.
    SetOptions({{L"USERTYPE1", std::wstring(200, L'u')}, {L"USERTYPE2", L"Second"}});
    EXPECT_EQ(SendEvent(PRINTER_EVENT_INITIALIZE), S_OK);
    EXPECT_EQ(UserTypes(), (std::vector<std::wstring>{std::wstring(127, L'u'), L"Second", L""}));
}

TEST(FileSecurityTest, SharedDriverFilesLetUsersWriteTheirDataOnly) {
    SharedFileSecurity security;
    ASSERT_TRUE(security.Valid());
    BOOL present = FALSE, defaulted = TRUE;
    PACL acl = nullptr;
    ASSERT_TRUE(GetSecurityDescriptorDacl(security.Descriptor(), &present, &acl, &defaulted));
    ASSERT_TRUE(present);
    ASSERT_NE(acl, nullptr);  // never a null DACL
    EXPECT_FALSE(defaulted);
    ASSERT_EQ(acl->AceCount, 3);
    std::map<std::string, ACCESS_MASK> granted;
    for (DWORD i = 0; i < acl->AceCount; ++i) {
        ACCESS_ALLOWED_ACE *ace = nullptr;
        ASSERT_TRUE(GetAce(acl, i, reinterpret_cast<void **>(&ace)));
        ASSERT_EQ(ace->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
        PSID sid = &ace->SidStart;
        const char *who = IsWellKnownSid(sid, WinBuiltinUsersSid) ? "users"
                          : IsWellKnownSid(sid, WinBuiltinAdministratorsSid) ? "admins"
                          : IsWellKnownSid(sid, WinLocalSystemSid) ? "system" : "other";
        granted[who] = ace->Mask;
    }
    // Users may read, write and append data, but neither delete nor change the DACL or the owner.
    constexpr ACCESS_MASK kUserData = FILE_READ_DATA | FILE_WRITE_DATA | FILE_APPEND_DATA;
    granted["users"] &= kUserData | DELETE | WRITE_DAC | WRITE_OWNER;
    EXPECT_EQ(granted, (std::map<std::string, ACCESS_MASK>{
                           {"admins", FILE_ALL_ACCESS}, {"system", FILE_ALL_ACCESS}, {"users", kUserData}}));

    WCHAR temp[MAX_PATH], file[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    GetTempFileNameW(temp, L"sxs", 0, file);
    EXPECT_EQ(GrantFileAccess(file, &security), 1);
    EXPECT_EQ(GrantFileAccess(L"", &security), 0);
    DeleteFileW(file);
}

TEST(FileSecurityTest, TakingOwnershipPutsOnlyThatPrivilegeBack) {
    auto privileges = [] {
        HANDLE token = nullptr;
        OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
        DWORD bytes = 0;
        GetTokenInformation(token, TokenPrivileges, nullptr, 0, &bytes);
        std::vector<BYTE> data(bytes);
        GetTokenInformation(token, TokenPrivileges, data.data(), bytes, &bytes);
        CloseHandle(token);
        return data;
    };
    const std::vector<BYTE> before = privileges();
    EXPECT_EQ(EnableTakeOwnership(1), 1);
    EXPECT_EQ(EnableTakeOwnership(0), 1);
    EXPECT_EQ(privileges(), before);
    EXPECT_EQ(EnableTakeOwnership(0), 1);  // nothing to put back
    EXPECT_EQ(privileges(), before);
}

// The printer properties prepared as the driver prepares them; the
// callback is called as the sheet calls it.
class PrinterPropertiesTest : public ModelPrinterTest {
protected:
    void SetUp() override { InstallPrinter(L"SX Properties Test"); }

    // `before` changes the driver's items before the plug-in sees them. An
    // earlier sheet goes first.
    void Open(const std::function<void(InstallableItems &)> &before = nullptr) {
        sheet_.reset();
        sheet_ = std::make_unique<PrinterSheet>(Session(), log_);
        if (before) before(sheet_->Items());
        std::string error;
        ASSERT_TRUE(sheet_->PrepareItems(&error)) << error;
        ASSERT_EQ(sheet_->PluginItemCount(), 1u);
    }

    OPTITEM &Button() { return sheet_->PluginItems()[0]; }

    OPTITEM *Item(const char *keyword) {
        for (DWORD i = 0; i < sheet_->Items().Count(); ++i)
            if (sheet_->Items().Keyword(i) == keyword) return &sheet_->Items().Items()[i];
        return nullptr;
    }

    std::map<std::string, std::string> Options() {
        std::map<std::string, std::string> options;
        for (DWORD i = 0; i < sheet_->Items().Count(); ++i)
            options[sheet_->Items().Keyword(i)] = sheet_->Items().OptionKeyword(i);
        return options;
    }

    LONG Notify(WORD reason, OPTITEM *item = nullptr) {
        return sheet_->NotifyPlugin(reason, nullptr, item, item ? item->Sel : 0);
    }

    void TearDown() override {
        sheet_.reset();
        ModelPrinterTest::TearDown();
    }

    CallLog log_;
    std::unique_ptr<PrinterSheet> sheet_;
};

TEST_F(PrinterPropertiesTest, TheButtonItemAndTheKnownItemsAsTheDriverReceivesThem) {
    SetAnswers({{L"Installed", L"0"}});
    // The driver names some of its own items by string id.
    Open([](InstallableItems &items) {
        items.Items()[0].pName = MAKEINTRESOURCEW(64798);
        items.Items()[1].pName = MAKEINTRESOURCEW(404);
    });
    EXPECT_TRUE(sheet_->Items().Items()[0].Flags & OPTIF_COLLAPSE);
    EXPECT_FALSE(sheet_->Items().Items()[1].Flags & OPTIF_COLLAPSE);
    const OPTITEM &button = Button();
    EXPECT_EQ(button.Flags & (OPTIF_CALLBACK | OPTIF_HAS_POIEXT | OPTIF_HIDE),
              static_cast<DWORD>(OPTIF_CALLBACK | OPTIF_HAS_POIEXT));
    EXPECT_STREQ(button.pName, L"&Get installed options automatically");
    ASSERT_NE(button.pOptType, nullptr);
    // Help, item id, level, type, option count and the second option's value.
    EXPECT_EQ(
        (std::vector<LONG_PTR>{static_cast<LONG_PTR>(button.HelpIndex), button.UserItemID, button.Level,
                               button.pOptType->Type, button.pOptType->Count, button.pOptType->pOptParam[1].lParam}),
        (std::vector<LONG_PTR>{2210, kButtonItemId, 2, TVOT_PUSHBUTTON, 1, 9999}));
    ASSERT_NE(button.pOIExt, nullptr);
    EXPECT_EQ(button.pOIExt->cbSize, sizeof(OIEXT));

    const std::map<std::string, std::pair<DWORD, BYTE>> known = {
        {"VXHDD", {2213, 3}},       {"VXOptionDuplex", {2204, 5}}, {"VXOptionTray", {2203, 6}},
        {"InstalledMemory", {2207, 7}}, {"VXFinisher", {2206, 8}}, {"VXOptionMPF", {2209, 9}},
        {"VXPunchUnit", {2211, 10}}, {"VXJobLimit", {2212, 11}},
        {"VXSpecialTonerInstalled", {1812, 12}}, {"VXOutputManagement", {1813, 13}}};
    for (const auto &entry : known) {
        const OPTITEM *item = Item(entry.first.c_str());
        ASSERT_NE(item, nullptr) << entry.first;
        EXPECT_EQ(std::make_tuple(item->HelpIndex, item->UserItemID, item->pOIExt),
                  std::make_tuple(entry.second.first, entry.second.second, button.pOIExt))
            << entry.first;
    }

    // Without a library that says the printer can be asked, no button.
    SetAnswers({{L"NetworkDetection", L"0"}});
    Open();
    EXPECT_TRUE(Button().Flags & OPTIF_HIDE);
    SetAnswers({{L"NetworkDetection", L"1"}});
    SetModels({{L"NetExtDLL", L"sxmissing.dll"}});
    Open();
    EXPECT_TRUE(Button().Flags & OPTIF_HIDE);
    EXPECT_EQ(Notify(CPSUICB_REASON_SEL_CHANGED, &Button()), CPSUICB_ACTION_OPTIF_CHANGED);
}

TEST_F(PrinterPropertiesTest, FocusDisablesTheButtonOnAPortThePrinterCannotBeAskedOn) {
    SetAnswers({{L"PortReachable", L"0"}});
    Open();
    EXPECT_EQ(Notify(CPSUICB_REASON_OPTITEM_SETFOCUS, &Button()), CPSUICB_ACTION_NONE);
    EXPECT_EQ(Button().Flags & (OPTIF_DISABLED | OPTIF_CHANGED),
              static_cast<DWORD>(OPTIF_DISABLED | OPTIF_CHANGED));
    SetAnswers({{L"PortReachable", L"1"}});
    Notify(CPSUICB_REASON_OPTITEM_SETFOCUS, &Button());
    EXPECT_FALSE(Button().Flags & OPTIF_DISABLED);
}

TEST_F(PrinterPropertiesTest, TheButtonFillsTheItemsWhateverReadingAnswerIsNotZero) {
    SetAnswers({{L"Installed", L"48"}, {L"Random Access Memory", L"1024"}, {L"SD Card", L"0"},
                {L"PunchType", L"2"}, {L"JobLimitationMode", L"1"}, {L"SpotColor", L"2"},
                {L"ReadAnswer", L"2"}, {L"USERTYPE1", L"Recycled"},
                {L"USERTYPE2", std::wstring(150, L'x')}});
    Open();
    Notify(CPSUICB_REASON_SETACTIVE);  // an activation counts only an answer of exactly 1
    EXPECT_EQ(Options()["VXSpecialTonerInstalled"], "None");
    EXPECT_EQ(Notify(CPSUICB_REASON_SEL_CHANGED, &Button()), CPSUICB_ACTION_OPTIF_CHANGED);
    EXPECT_EQ(Pick(Options(), {"VXOptionDuplex", "InstalledMemory", "VXPunchUnit", "VXSpecialTonerInstalled"}),
              (Settings{{"VXOptionDuplex", "True"}, {"InstalledMemory", "1024MB"}, {"VXPunchUnit", "Type1"},
                        {"VXSpecialTonerInstalled", "Clear"}}));
    EXPECT_EQ(UserTypes(), (std::vector<std::wstring>{L"Recycled", std::wstring(127, L'x'), L""}));
    for (const DriverCall &call : log_.Calls()) EXPECT_EQ(call.mode, OEMCUIP_PRNPROP);

    // The job-limitation item is forced off on this system.
    OPTITEM *jobLimit = Item("VXJobLimit");
    jobLimit->Sel = 0;
    const LONG action = Notify(CPSUICB_REASON_SEL_CHANGED, jobLimit);
    if (OsMajor6OrLater()) {
        EXPECT_EQ(std::make_pair(action, jobLimit->Sel), std::make_pair(LONG{CPSUICB_ACTION_OPTIF_CHANGED}, LONG{1}));
    }
    EXPECT_EQ(Notify(CPSUICB_REASON_SEL_CHANGED, Item("VXHDD")), CPSUICB_ACTION_NONE);
}

TEST_F(PrinterPropertiesTest, ActivationDetectsExceptRightAfterAnApply) {
    SetAnswers({{L"Installed", L"1"}, {L"Random Access Memory", L"512"}});
    Open();
    if (!OsMajor6OrLater()) GTEST_SKIP() << "activation detects from OS major version 6 on";
    Notify(CPSUICB_REASON_SETACTIVE);  // whatever an earlier sheet left
    EXPECT_EQ(Options()["VXOptionTray"], "1");
    EXPECT_EQ(Options()["InstalledMemory"], "512MB");

    SetAnswers({{L"Installed", L"4"}});
    Button().Sel = 1;
    EXPECT_EQ(Notify(CPSUICB_REASON_APPLYNOW), CPSUICB_ACTION_NONE);
    DWORD type = 0, value = 0;
    EXPECT_EQ(ReadData(kOemUiValue, &value, sizeof(value), &type), ERROR_SUCCESS);
    EXPECT_EQ(std::make_pair(type, value), std::make_pair(static_cast<DWORD>(REG_DWORD), 1ul));
    EXPECT_EQ(Notify(CPSUICB_REASON_SETACTIVE), CPSUICB_ACTION_NONE);
    EXPECT_EQ(Options()["VXOptionTray"], "1");
    EXPECT_EQ(Notify(CPSUICB_REASON_SETACTIVE), CPSUICB_ACTION_OPTIF_CHANGED);
    EXPECT_EQ(Options()["VXOptionTray"], "3");

    // A printer that cannot be asked leaves the items as they are.
    SetAnswers({{L"PortReachable", L"0"}, {L"Installed", L"8"}});
    EXPECT_EQ(Notify(CPSUICB_REASON_SETACTIVE), CPSUICB_ACTION_NONE);
    EXPECT_EQ(Options()["VXOptionTray"], "3");
}

TEST_F(PrinterPropertiesTest, ConfigDeviceOptionExpRewritesTheStoredOptions) {
    SetAnswers({{L"Installed", L"112"}, {L"Random Access Memory", L"2048"}, {L"SD Card", L"1"},
                {L"PunchType", L"3"}, {L"SpotColor", L"1"}, {L"USERTYPE1", L"Card"},
                {L"USERTYPE2", std::wstring(100, L'y')}});
    EXPECT_EQ(RefreshOptions(), 1);
    EXPECT_EQ(Pick(Installed(), {"VXFinisher", "InstalledMemory", "VXHDD", "VXSpecialTonerInstalled"}),
              (Settings{{"VXFinisher", "True"}, {"InstalledMemory", "2048MB"}, {"VXHDD", "True"},
                        {"VXSpecialTonerInstalled", "White"}}));
    EXPECT_EQ(UserTypes(), (std::vector<std::wstring>{L"Card", std::wstring(63, L'y'), L""}));

    // A reading other than 1, a missing library: nothing is read or written.
    const auto before = Stored();
    SetAnswers({{L"Installed", L"64"}, {L"ReadAnswer", L"2"}});
    EXPECT_EQ(RefreshOptions(), 0);
    SetAnswers({{L"ReadAnswer", L"1"}, {L"LeavesDataFile", L"0"}});
    EXPECT_EQ(RefreshOptions(), 0);
    SetAnswers({{L"LeavesDataFile", L"1"}});
    SetModels({{L"NetExtDLL", L""}});
    EXPECT_EQ(RefreshOptions(), 0);
    EXPECT_EQ(Stored(), before);
    EXPECT_EQ(RefreshOptions(nullptr), 0);

    // Without stored data the export reads the printer and writes nothing.
    SetModels({{L"NetExtDLL", L"sxnetopt.dll"}});
    DeleteDriverData(L"FeatureKeyword");
    EXPECT_EQ(RefreshOptions(), 1);
    EXPECT_EQ(Stored().first, "(absent)");
}

// A memory option as detection writes it: a positive size in MB.
bool IsMemorySize(const std::string &option) {
    const size_t digits = option.size() > 2 ? option.size() - 2 : 0;
    if (!digits || option.compare(digits, 2, "MB") != 0 || option[0] == '0') return false;
    for (size_t i = 0; i < digits; ++i)
        if (option[i] < '0' || option[i] > '9') return false;
    return true;
}

// A library broken off while writing its data file: wherever the file
// ends, the stored options come out as a whole list, every keyword there
// once with one of its options; the memory is the size the file gives
// (a cut "2048" reads as 20), which the printer reports in any size.
TEST_F(PrinterPropertiesTest, ATruncatedNetworkDataFileNeverCorruptsTheStoredOptions) {
    WCHAR temp[MAX_PATH];
    ASSERT_TRUE(GetTempPathW(MAX_PATH, temp));
    const std::wstring dataFile = std::wstring(temp) + L"sxnetopt.dat";
    PrinterModel model;
    std::string error;
    ASSERT_TRUE(LoadPrinterModel(Session().Printer(), &model, &error)) << error;
    const auto initial = Stored();
    std::map<std::string, std::string> keywords = Installed();
    ASSERT_FALSE(keywords.empty());
    SetAnswers({{L"Installed", L"112"}, {L"Random Access Memory", L"2048"}, {L"SD Card", L"1"},
                {L"PunchType", L"3"}, {L"SpotColor", L"1"}, {L"USERTYPE1", L"Card"}});
    ASSERT_EQ(RefreshOptions(), 1);
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    ASSERT_TRUE(GetFileAttributesExW(dataFile.c_str(), GetFileExInfoStandard, &data));
    const DWORD wholeBytes = data.nFileSizeLow;
    for (DWORD cut = 0; cut < wholeBytes; ++cut) {
        SCOPED_TRACE("data file cut at byte " + std::to_string(cut));
        Store(initial.first, initial.second);
        DeleteFileW(dataFile.c_str());
        SetAnswers({{L"CutsDataFileAt", std::to_wstring(cut)}});
        EXPECT_EQ(RefreshOptions(), 1);
        ASSERT_TRUE(GetFileAttributesExW(dataFile.c_str(), GetFileExInfoStandard, &data));
        EXPECT_EQ(data.nFileSizeLow, cut);
        EXPECT_EQ(Stored().second, Stored().first.size());
        const std::vector<FeatureSetting> settings = ReadPrinterFeatureKeyword(Session().Printer());
        EXPECT_EQ(settings.size(), keywords.size());
        for (const FeatureSetting &setting : settings) {
            EXPECT_EQ(keywords.count(setting.feature), 1u) << setting.feature;
            if (setting.feature == "InstalledMemory") {
                EXPECT_TRUE(IsMemorySize(setting.option)) << setting.option;
                continue;
            }
            const PpdFeature *feature = model.ppd.Feature(setting.feature);
            ASSERT_NE(feature, nullptr) << setting.feature;
            EXPECT_NE(feature->FindOption(setting.option), kPpdNotFound)
                << setting.feature << "=" << setting.option;
        }
    }
}

class UsbPrinterTest : public PrinterPropertiesTest {
protected:
    void SetUp() override { InstallPrinter(L"SX USB Test", L"USB001"); }
};

TEST_F(UsbPrinterTest, UsbPortsAreReadThroughTheUsbLibrary) {
    SetAnswers({{L"Installed", L"1"}, {L"SD Card", L"1"}, {L"Random Access Memory", L" +1024"},
                {L"NetworkDetection", L"0"}});
    EXPECT_EQ(RefreshOptions(), 1);
    EXPECT_EQ(Pick(Installed(), {"VXHDD", "VXOptionTray", "InstalledMemory"}),
              (Settings{{"VXHDD", "True"}, {"VXOptionTray", "1"}, {"InstalledMemory", "1024MB"}}));

    Open();
    if (!OsMajor6OrLater()) GTEST_SKIP() << "activation detects from OS major version 6 on";
    SetAnswers({{L"Installed", L"2"}});
    Notify(CPSUICB_REASON_SETACTIVE);
    EXPECT_EQ(Pick(Options(), {"VXOptionTray", "VXHDD", "InstalledMemory"}),
              (Settings{{"VXOptionTray", "2"}, {"VXHDD", "True"}, {"InstalledMemory", "1024MB"}}));

    SetAnswers({{L"USBReadable", L"0"}, {L"Installed", L"0"}});
    EXPECT_EQ(RefreshOptions(), 0);
    EXPECT_EQ(Installed()["VXOptionTray"], "1");
}

TEST_F(PrinterPropertiesTest, TheSheetsButtonDetectsAndOkStoresTheOptions) {
    SetAnswers({{L"Installed", L"72"}, {L"Random Access Memory", L"2048"}, {L"ReadAnswer", L"2"}});
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    Open();
    bool clicked = false;
    sheet_->onShown = [this, &clicked](HWND window) {
        for (const OptionsPage::Row &row : sheet_->Page().Rows()) {
            if (!row.button) continue;
            SendMessageW(row.choice, BM_CLICK, 0, 0);
            clicked = true;
        }
        PostMessageW(window, PSM_PRESSBUTTON, PSBTN_OK, 0);
    };
    std::string error;
    ASSERT_TRUE(sheet_->Show(&error)) << error;
    EXPECT_TRUE(clicked);
    EXPECT_EQ(Pick(Installed(), {"VXFinisher", "VXOptionTray", "InstalledMemory"}),
              (Settings{{"VXFinisher", "True"}, {"VXOptionTray", "4"}, {"InstalledMemory", "2048MB"}}));
    DWORD type = 0, value = 5;
    EXPECT_EQ(ReadData(kOemUiValue, &value, sizeof(value), &type), ERROR_SUCCESS);
}

// A name whose 8-bit form does not fit the libraries' 221 bytes: cut, it
// would name another printer, so the printer is not asked at all.
class LongNamePrinterTest : public PrinterPropertiesTest {
protected:
    void SetUp() override { InstallPrinter(std::wstring(230, L'N'), L"", false); }
};

TEST_F(LongNamePrinterTest, APrinterNameTooLongForTheLibrariesIsNeverCut) {
    WriteValues(answers_, L"Default", {{L"Installed", L"64"}});
    Open();
    EXPECT_TRUE(Button().Flags & OPTIF_HIDE);
    EXPECT_EQ(RefreshOptions(), 0);
    EXPECT_EQ(Installed()["VXFinisher"], "False");
}

}  // namespace
