// The driver package folder as the platform's INF parser reads its INF: the
// model installs as a PostScript printer with the plug-in, the INF names
// exactly the files of the folder, and the folder holds what the driver
// host installs.
#include "install/model_files.h"
#include "support/wine_test_support.h"

#include "core/win_holders.h"
#include "sx_version.h"

#include <gtest/gtest.h>

#include <setupapi.h>

#include <algorithm>
#include <cwctype>
#include <set>
#include <string>

namespace {

std::wstring Lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
}

std::wstring PackageFolder() {
    return ExeDirectory() + L"\\..\\package\\" SX_PACKAGE_MODEL;
}

std::wstring Field(INFCONTEXT *line, DWORD index) {
    WCHAR text[MAX_PATH] = {};
    if (!SetupGetStringFieldW(line, index, text, MAX_PATH, nullptr)) return L"";
    return text;
}

std::wstring Value(HINF inf, const WCHAR *section, const WCHAR *key) {
    INFCONTEXT line;
    if (!SetupFindFirstLineW(inf, section, key, &line)) return L"";
    WCHAR text[512] = {};
    return SetupGetLineTextW(&line, nullptr, nullptr, nullptr, text, 512, nullptr) ? text : L"";
}

std::set<std::wstring> FolderFiles(const std::wstring &folder) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found;
    const FileSearch search(FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (search.Get() == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.insert(Lower(found.cFileName));
    } while (FindNextFileW(search.Get(), &found));
    return names;
}

bool FileExists(const std::wstring &path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class DriverPackageTest : public ::testing::Test {
protected:
    void SetUp() override {
        inf = SetupOpenInfFileW(infPath.c_str(), L"Printer", INF_STYLE_WIN4, nullptr);
        ASSERT_NE(inf, INVALID_HANDLE_VALUE) << "error " << GetLastError();
    }
    void TearDown() override {
        if (inf != INVALID_HANDLE_VALUE) SetupCloseInfFile(inf);
    }

    // The model lines of the x64 models section: display name and install
    // section.
    std::vector<std::pair<std::wstring, std::wstring>> Models() {
        INFCONTEXT maker;
        std::vector<std::pair<std::wstring, std::wstring>> models;
        if (!SetupFindFirstLineW(inf, L"Manufacturer", nullptr, &maker)) return models;
        const std::wstring section = Field(&maker, 1) + L"." + Field(&maker, 2);
        INFCONTEXT model;
        if (!SetupFindFirstLineW(inf, section.c_str(), nullptr, &model)) return models;
        do {
            models.emplace_back(Field(&model, 0), Field(&model, 1));
        } while (SetupFindNextLine(&model, &model));
        return models;
    }

    // Every file the install section copies, in lower case.
    std::set<std::wstring> CopiedFiles(const std::wstring &install) {
        std::set<std::wstring> names;
        INFCONTEXT copy;
        if (!SetupFindFirstLineW(inf, install.c_str(), L"CopyFiles", &copy)) return names;
        for (DWORD i = 1; i <= SetupGetFieldCount(&copy); ++i) {
            const std::wstring entry = Field(&copy, i);
            if (!entry.empty() && entry[0] == L'@') {
                names.insert(Lower(entry.substr(1)));
                continue;
            }
            INFCONTEXT file;
            if (!SetupFindFirstLineW(inf, entry.c_str(), nullptr, &file)) continue;
            do {
                names.insert(Lower(Field(&file, 1)));
            } while (SetupFindNextLine(&file, &file));
        }
        return names;
    }

    // A key of one of the model's profile files in the folder, named by its
    // extension.
    std::wstring ModelFileValue(const WCHAR *extension, const WCHAR *section, const WCHAR *key) const {
        WCHAR value[MAX_PATH] = {};
        GetPrivateProfileStringW(section, key, L"", value, MAX_PATH,
                                 (folder + L"\\" SX_PACKAGE_MODEL + extension).c_str());
        return value;
    }

    const std::wstring folder = PackageFolder();
    const std::wstring infPath = folder + L"\\" SX_PACKAGE_MODEL L".inf";
    HINF inf = INVALID_HANDLE_VALUE;
};

TEST_F(DriverPackageTest, InstallsTheModelAsAPostScriptPrinterWithThePlugin) {
    EXPECT_EQ(Value(inf, L"Version", L"Signature"), L"$Windows NT$");
    EXPECT_EQ(Value(inf, L"Version", L"Class"), L"Printer");
    const std::wstring driverVer = Value(inf, L"Version", L"DriverVer");
    EXPECT_NE(driverVer.find(L"," SX_VERSION_TEXT_W), std::wstring::npos) << driverVer.size();
    // The About dialog shows the version file's driver version.
    EXPECT_EQ(driverVer, ModelFileValue(L".ver", L"Version", L"DriverVer"));

    const auto models = Models();
    ASSERT_EQ(models.size(), 1u);
    const std::wstring &install = models[0].second;
    const std::wstring needs = Value(inf, install.c_str(), L"Needs");
    EXPECT_NE(needs.find(L"PSCRIPT.OEM"), std::wstring::npos);
    EXPECT_EQ(Value(inf, install.c_str(), L"DataSection"), L"PSCRIPT_DATA");
    const std::wstring dataFile = Lower(Value(inf, install.c_str(), L"DataFile"));
    EXPECT_EQ(dataFile.substr(dataFile.size() - 4), L".ppd");
    EXPECT_TRUE(CopiedFiles(install).count(dataFile));

    // The plug-in reads its model section under the driver's name, which is
    // the INF's model name.
    EXPECT_NE(ModelFileValue(L".cap", L"Capability", models[0].first.c_str()), L"")
        << "the capability file has no section for the model";

    // The plug-in description names the plug-in and the help file; both ship.
    for (const auto &key :
         {std::make_pair(L"OEMFiles", L"OEMConfigFile1"), std::make_pair(L"DependentFiles", L"HTMLHELP")})
        EXPECT_TRUE(CopiedFiles(install).count(Lower(ModelFileValue(L".ini", key.first, key.second))))
            << key.second;
}

TEST_F(DriverPackageTest, NamesExactlyTheFilesOfTheFolder) {
    const auto models = Models();
    ASSERT_FALSE(models.empty());
    std::set<std::wstring> copied = CopiedFiles(models[0].second);
    std::set<std::wstring> present = FolderFiles(folder);
    EXPECT_EQ(present.erase(Lower(SX_PACKAGE_MODEL L".inf")), 1u);
    EXPECT_EQ(copied, present);

    std::set<std::wstring> onDisk;
    INFCONTEXT line;
    ASSERT_TRUE(SetupFindFirstLineW(inf, L"SourceDisksFiles", nullptr, &line));
    do {
        onDisk.insert(Lower(Field(&line, 0)));
    } while (SetupFindNextLine(&line, &line));
    EXPECT_EQ(onDisk, copied);
}

TEST_F(DriverPackageTest, CarriesTheFilesTheDriverHostInstalls) {
    const std::set<std::wstring> present = FolderFiles(folder);
    std::set<std::wstring> installed;
    size_t count = 0;
    const ModelFile *files = ModelFiles(&count);
    for (size_t i = 0; i < count; ++i) {
        const std::wstring name = Lower(files[i].name);
        if (!files[i].required && !FileExists(ExeDirectory() + L"\\" + name)) continue;
        installed.insert(name);
        EXPECT_TRUE(present.count(name)) << "the host installs a file the package lacks";
    }
    for (const std::wstring &name : present) {
        if (name == Lower(SX_PACKAGE_MODEL L".inf")) continue;
        EXPECT_TRUE(installed.count(name)) << "the package ships a file the host does not install";
    }
}

}  // namespace
