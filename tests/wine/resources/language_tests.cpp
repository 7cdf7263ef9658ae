// Which language of the library's resources serves a user: the template
// choice for chosen user languages, and templates and strings looked up in
// the process's own user language. The user language comes from the locale
// at process start, so the InUserLanguage cases run in child processes of
// this program started under other locales.
#include "core/localized_resources.h"
#include "core/plugin_module.h"
#include "resources/locale_child.h"
#include "support/plugin_resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <vector>

namespace {

constexpr LANGID kEnglish = 0x0000;
constexpr int kSmallBuffer = 50;
constexpr int kLargeBuffer = 1024;
constexpr WCHAR kUntouched = L'*';
constexpr int kHexBase = 16;

const WCHAR kUserLanguageVariable[] = L"SX_USER_LANGUAGE";
const WCHAR kTemplateLanguageVariable[] = L"SX_TEMPLATE_LANGUAGE";

struct LanguagePick {
    LANGID wanted;
    LANGID chosen;
};

// Each of the nine picks itself; other sublanguages pick their language's
// copy; languages without a copy get the ordinary lookup (0).
const LanguagePick kChoices[] = {
    {0x0000, 0x0000}, {0x000A, 0x000A}, {0x0404, 0x0404}, {0x0407, 0x0407}, {0x040C, 0x040C},
    {0x0410, 0x0410}, {0x0412, 0x0412}, {0x0416, 0x0416}, {0x0804, 0x0804}, {0x0C07, 0x0407},
    {0x0C0A, 0x000A}, {0x0411, 0x0000}, {0x0409, 0x0000}, {0x0C04, 0x0404}, {0x1004, 0x0804},
    {0x1404, 0x0404},
};

struct ChildLocale {
    const WCHAR *locale;
    LANGID user;
    LANGID templateLanguage;  // 0: the ordinary lookup
    const char *filter;
};

const ChildLocale kChildLocales[] = {
    {L"it_IT.UTF-8", 0x0410, 0x0410, "InUserLanguage.*"},
    {L"zh_CN.UTF-8", 0x0804, 0x0804, "InUserLanguage.*"},
    {L"ja_JP.UTF-8", 0x0411, 0x0000, "InUserLanguage.*-InUserLanguage.EmptyEntry*"},
    {L"de_AT.UTF-8", 0x0C07, 0x0407, "InUserLanguage.*-InUserLanguage.EmptyEntry*"},
};

std::wstring Hex(LANGID id) {
    WCHAR text[8];
    std::swprintf(text, 8, L"%04X", id);
    return text;
}

// This program as a child under the locale, with the user language the
// locale must give and the template language it must lead to.
DWORD RunChild(const ChildLocale &child) {
    const EnvironmentEntries expectations = {{kUserLanguageVariable, Hex(child.user)},
                                             {kTemplateLanguageVariable, Hex(child.templateLanguage)}};
    return RunUnderLocale(child.locale, expectations, child.filter);
}

TEST(ResourceLanguage, PickFollowsTheUsersLanguageForEveryTemplate) {
    ASSERT_NE(nullptr, PluginModule) << "sxoemui.dll did not load";
    for (int id : DialogIds(PluginModule))
        for (const LanguagePick &choice : kChoices)
            EXPECT_EQ(LanguageName(choice.chosen),
                      LanguageName(PickResourceLanguage(PluginModule, id, choice.wanted)))
                << "template " << id << ", wanted " << LanguageName(choice.wanted);
}

TEST(ResourceLanguage, LookupsUnderOtherUserLanguages) {
    for (const ChildLocale &child : kChildLocales)
        EXPECT_EQ(0u, RunChild(child)) << "the lookups under " << Utf8(child.locale);
}

class InUserLanguage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(nullptr, PluginModule) << "sxoemui.dll did not load";
        user_ = static_cast<LANGID>(std::wcstoul(EnvironmentVariable(kUserLanguageVariable).c_str(),
                                                 nullptr, kHexBase));
        templateLanguage_ = static_cast<LANGID>(
            std::wcstoul(EnvironmentVariable(kTemplateLanguageVariable).c_str(), nullptr, kHexBase));
        ASSERT_EQ(LanguageName(user_), LanguageName(GetUserDefaultLangID()))
            << "the locale did not give the user language";
        english_ = StringTable(PluginModule, kEnglish);
        exact_ = StringTable(PluginModule, user_);
    }

    // Whether the string's block exists in exactly the user's language.
    bool ExactBlock(UINT id) const { return HasStringBlock(PluginModule, id, user_); }

    LANGID user_ = 0;
    LANGID templateLanguage_ = 0;
    std::map<UINT, std::wstring> english_;
    std::map<UINT, std::wstring> exact_;
};

TEST_F(InUserLanguage, TemplatesComeFromTheChosenLanguage) {
    for (int id : DialogIds(PluginModule)) {
        const void *wanted =
            templateLanguage_ ? ExactTemplate(PluginModule, id, templateLanguage_).data : nullptr;
        if (templateLanguage_) {
            ASSERT_NE(nullptr, wanted) << "template " << id;
        }
        EXPECT_EQ(wanted, LoadLocalizedTemplate(id))
            << "template " << id << " for " << LanguageName(user_);
    }
}

TEST_F(InUserLanguage, StringsFromTheExactLanguageElseTheOrdinaryLookup) {
    for (const auto &entry : english_) {
        WCHAR buffer[kLargeBuffer];
        std::fill(buffer, buffer + kLargeBuffer, kUntouched);
        const int copied = LoadLocalizedString(PluginModule, entry.first, buffer, kLargeBuffer);
        if (ExactBlock(entry.first)) {
            const auto own = exact_.find(entry.first);
            const std::wstring wanted = own == exact_.end() ? L"" : own->second;
            EXPECT_EQ(Utf8(wanted), Utf8(std::wstring(buffer, static_cast<size_t>(copied))))
                << "string " << entry.first << " in " << LanguageName(user_);
            continue;
        }
        WCHAR plain[kLargeBuffer] = {};
        const int loaded = LoadStringW(PluginModule, entry.first, plain, kLargeBuffer);
        EXPECT_LT(0, loaded) << "string " << entry.first << " by LoadStringW";
        EXPECT_EQ(Utf8(std::wstring(plain, static_cast<size_t>(loaded))),
                  Utf8(std::wstring(buffer, static_cast<size_t>(copied))))
            << "string " << entry.first << " without a block in " << LanguageName(user_);
    }
}

TEST_F(InUserLanguage, EmptyEntryOfTheUsersBlockYieldsNothing) {
    std::vector<UINT> empty;
    for (const auto &entry : english_)
        if (!exact_.count(entry.first) && ExactBlock(entry.first)) empty.push_back(entry.first);
    ASSERT_EQ(1u, empty.size()) << "strings whose entry is empty in a block of "
                                << LanguageName(user_);
    WCHAR buffer[kLargeBuffer];
    std::fill(buffer, buffer + kLargeBuffer, kUntouched);
    EXPECT_EQ(0, LoadLocalizedString(PluginModule, empty[0], buffer, kLargeBuffer))
        << "string " << empty[0];
    EXPECT_EQ(kLargeBuffer, std::count(buffer, buffer + kLargeBuffer, kUntouched))
        << "string " << empty[0] << " wrote into the buffer";
}

TEST_F(InUserLanguage, LongStringIsCutToTheBuffer) {
    std::wstring longest;
    UINT id = 0;
    for (const auto &entry : english_) {
        WCHAR full[kLargeBuffer] = {};
        const int length = LoadLocalizedString(PluginModule, entry.first, full, kLargeBuffer);
        if (length > static_cast<int>(longest.size())) {
            longest.assign(full, static_cast<size_t>(length));
            id = entry.first;
        }
    }
    ASSERT_LT(static_cast<size_t>(kSmallBuffer), longest.size());
    WCHAR buffer[kSmallBuffer + 1];
    std::fill(buffer, buffer + kSmallBuffer + 1, kUntouched);
    EXPECT_EQ(kSmallBuffer - 1, LoadLocalizedString(PluginModule, id, buffer, kSmallBuffer))
        << "string " << id;
    EXPECT_EQ(0, buffer[kSmallBuffer - 1]) << "string " << id << ": terminator";
    EXPECT_EQ(kUntouched, buffer[kSmallBuffer]) << "string " << id << " wrote past the buffer";
    EXPECT_EQ(Utf8(longest.substr(0, kSmallBuffer - 1)),
              Utf8(std::wstring(buffer, kSmallBuffer - 1)))
        << "string " << id;
}

}  // namespace

bool IsUserLanguageChild() { return !EnvironmentVariable(kUserLanguageVariable).empty(); }
