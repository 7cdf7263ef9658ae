// The version information of the built modules, read back through the
// platform's version functions as an installer reads it.
#include "support/plugin_resources.h"
#include "support/wine_test_support.h"

#include "sx_version.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <sstream>
#include <vector>

namespace {

struct Translation {
    WORD language;
    WORD codePage;
};

constexpr WORD kUnicode = 1200;
constexpr WORD kJobOptionsPage = 113;

const DWORD kVersionMs = MAKELONG(SX_VERSION_MINOR, SX_VERSION_MAJOR);
const DWORD kVersionLs = MAKELONG(SX_VERSION_BUILD, SX_VERSION_PATCH);

class VersionBlock {
public:
    explicit VersionBlock(const std::wstring &path) {
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
        if (!size) return;
        data_.resize(size);
        if (!GetFileVersionInfoW(path.c_str(), 0, size, data_.data())) data_.clear();
    }
    bool Present() const { return !data_.empty(); }

    const VS_FIXEDFILEINFO *Fixed() {
        UINT length = 0;
        void *value = Query(L"\\", &length);
        return length >= sizeof(VS_FIXEDFILEINFO) ? static_cast<VS_FIXEDFILEINFO *>(value)
                                                   : nullptr;
    }
    std::vector<Translation> Translations() {
        UINT length = 0;
        auto *value = static_cast<Translation *>(Query(L"\\VarFileInfo\\Translation", &length));
        if (!value) return {};
        return std::vector<Translation>(value, value + length / sizeof(Translation));
    }
    std::wstring Text(const Translation &t, const WCHAR *name) {
        WCHAR query[80];
        swprintf(query, 80, L"\\StringFileInfo\\%04x%04x\\%ls", t.language, t.codePage, name);
        UINT length = 0;
        auto *value = static_cast<const WCHAR *>(Query(query, &length));
        return value ? std::wstring(value) : std::wstring(L"<missing>");
    }

private:
    void *Query(const WCHAR *name, UINT *length) {
        void *value = nullptr;
        return !data_.empty() && VerQueryValueW(data_.data(), name, &value, length) ? value : nullptr;
    }
    std::vector<BYTE> data_;
};

std::wstring BinaryPath(const std::wstring &file) { return ExeDirectory() + L"\\" + file; }

std::wstring Widen(const char *text) {
    WCHAR wide[256];
    MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, 256);
    return wide;
}

bool HasCharIn(const std::wstring &text, WCHAR first, WCHAR last) {
    return std::any_of(text.begin(), text.end(), [=](WCHAR c) { return c >= first && c <= last; });
}

void ExpectFixedInfo(VersionBlock &block, DWORD type, DWORD subtype) {
    const VS_FIXEDFILEINFO *fixed = block.Fixed();
    ASSERT_NE(fixed, nullptr);
    // Signature, type, subtype, system, file and product versions, and no
    // debug or pre-release flag.
    EXPECT_EQ((std::vector<DWORD>{fixed->dwSignature, fixed->dwFileType, fixed->dwFileSubtype, fixed->dwFileOS,
                                  fixed->dwFileVersionMS, fixed->dwFileVersionLS, fixed->dwProductVersionMS,
                                  fixed->dwProductVersionLS, fixed->dwFileFlags & fixed->dwFileFlagsMask}),
              (std::vector<DWORD>{VS_FFI_SIGNATURE, type, subtype, VOS_NT_WINDOWS32, kVersionMs, kVersionLs,
                                  kVersionMs, kVersionLs, 0}));
}

TEST(PluginVersion, VersionedPrinterDriverFileOfTheBuildsVersion) {
    VersionBlock block(BinaryPath(L"sxoemui.dll"));
    ASSERT_TRUE(block.Present());
    ExpectFixedInfo(block, VFT_DRV, VFT2_DRV_VERSIONED_PRINTER);
}

// Whether the code page holds every character of the text, as an installer
// that shows it in that code page needs.
bool FitsCodePage(const std::wstring &text, WORD codePage) {
    BOOL lost = FALSE;
    return WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr, 0,
                               nullptr, &lost) > 0 &&
           !lost;
}

// The neutral language in Unicode first, then each language of the dialogs
// in a code page that holds its texts.
TEST(PluginVersion, TextsInTheNeutralLanguageAndEachLanguagesCodePage) {
    PluginLibrary plugin;
    std::vector<LANGID> dialogLanguages =
        LanguagesOf(plugin.Module(), RT_DIALOG, MAKEINTRESOURCEW(kJobOptionsPage));
    VersionBlock block(BinaryPath(L"sxoemui.dll"));
    ASSERT_TRUE(block.Present());
    const std::vector<Translation> translations = block.Translations();
    ASSERT_FALSE(translations.empty());
    EXPECT_EQ(std::make_pair(translations[0].language, translations[0].codePage), std::make_pair(WORD{0}, kUnicode));
    std::vector<WORD> languages;
    for (const Translation &t : translations) languages.push_back(t.language);
    std::sort(languages.begin(), languages.end());
    std::sort(dialogLanguages.begin(), dialogLanguages.end());
    EXPECT_EQ(languages, dialogLanguages);
    const std::wstring englishDescription = block.Text(translations[0], L"FileDescription");
    EXPECT_EQ(englishDescription, L"SX Color PS printer driver user interface plug-in");
    for (const Translation &t : translations) {
        SCOPED_TRACE(testing::Message() << std::hex << t.language << " " << std::dec << t.codePage);
        EXPECT_EQ(block.Text(t, L"CompanyName"), Widen(SX_COMPANY_NAME));
        EXPECT_EQ(block.Text(t, L"FileVersion"), Widen(SX_VERSION_TEXT));
        EXPECT_EQ(block.Text(t, L"ProductVersion"), Widen(SX_VERSION_TEXT));
        EXPECT_EQ(block.Text(t, L"OriginalFilename"), L"sxoemui.dll");
        const std::wstring product = block.Text(t, L"ProductName");
        EXPECT_NE(product.find(L"SX Color PS"), std::wstring::npos) << product.size();
        if (!t.language) continue;
        const std::wstring description = block.Text(t, L"FileDescription");
        EXPECT_NE(description, englishDescription);
        EXPECT_TRUE(FitsCodePage(description, t.codePage) && FitsCodePage(product, t.codePage));
    }
    // The translated texts are the languages' own letters, not their UTF-8
    // bytes read as Latin characters.
    EXPECT_TRUE(HasCharIn(block.Text({0x0412, 949}, L"FileDescription"), 0xAC00, 0xD7A3));
    EXPECT_TRUE(HasCharIn(block.Text({0x0404, 950}, L"FileDescription"), 0x4E00, 0x9FFF));
    EXPECT_TRUE(HasCharIn(block.Text({0x0804, 936}, L"ProductName"), 0x4E00, 0x9FFF));
    EXPECT_NE(block.Text({0x0407, 1252}, L"FileDescription").find(L"\u00e4"), std::wstring::npos);
    EXPECT_FALSE(HasCharIn(block.Text({0x0407, 1252}, L"FileDescription"), 0x00C2, 0x00C3));
}

TEST(SideLibraryVersion, EverySideModuleCarriesTheProductVersion) {
    std::wistringstream names(SX_SIDE_LIBRARIES);
    size_t checked = 0;
    for (std::wstring file; std::getline(names, file, L'|');) {
        SCOPED_TRACE(testing::Message() << std::string(file.begin(), file.end()));
        VersionBlock block(BinaryPath(file));
        ASSERT_TRUE(block.Present());
        const bool program = file.size() > 4 && file.compare(file.size() - 4, 4, L".exe") == 0;
        ExpectFixedInfo(block, program ? VFT_APP : VFT_DLL, VFT2_UNKNOWN);
        const std::vector<Translation> translations = block.Translations();
        ASSERT_EQ(translations.size(), 1u);
        EXPECT_EQ(std::make_pair(translations[0].language, translations[0].codePage),
                  std::make_pair(WORD{0}, kUnicode));
        EXPECT_EQ(block.Text(translations[0], L"OriginalFilename"), file);
        EXPECT_EQ(block.Text(translations[0], L"CompanyName"), Widen(SX_COMPANY_NAME));
        EXPECT_EQ(block.Text(translations[0], L"ProductVersion"), Widen(SX_VERSION_TEXT));
        ++checked;
    }
    EXPECT_GE(checked, 3u) << "the encryption, IC-card and link page libraries at least";
}

}  // namespace
