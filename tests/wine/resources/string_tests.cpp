// The string table of the plug-in library in each of its languages: the
// same ids as English, and the same printf placeholders in the same order.
#include "core/plugin_module.h"
#include "support/plugin_resources.h"
#include "resources/text_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

constexpr LANGID kEnglish = 0x0000;

// Italian and Simplified Chinese go without one of the English strings.
const std::map<LANGID, size_t> kMissingStrings = {{0x0410, 1}, {0x0804, 1}};

size_t MissingStrings(LANGID language) {
    const auto gap = kMissingStrings.find(language);
    return gap == kMissingStrings.end() ? 0 : gap->second;
}

std::string Joined(const std::vector<std::wstring> &parts) {
    std::string text;
    for (const std::wstring &part : parts) text += (text.empty() ? "" : " ") + Utf8(part);
    return "[" + text + "]";
}

TEST(StringTable, EveryLanguageHasTheEnglishIds) {
    ASSERT_NE(nullptr, PluginModule) << "sxoemui.dll did not load";
    const auto english = StringTable(PluginModule, kEnglish);
    ASSERT_FALSE(english.empty());
    for (const ResourceLanguage &language : ResourceLanguages()) {
        if (language.id == kEnglish) continue;
        const auto strings = StringTable(PluginModule, language.id);
        std::string lacking;
        for (const auto &entry : english)
            if (!strings.count(entry.first)) lacking += " " + std::to_string(entry.first);
        for (const auto &entry : strings)
            EXPECT_TRUE(english.count(entry.first))
                << LanguageName(language.id) << ": string " << entry.first
                << " has no English original";
        EXPECT_EQ(english.size() - MissingStrings(language.id), strings.size())
            << LanguageName(language.id) << " lacks:" << lacking;
    }
}

TEST(StringTable, StringBlocksOnlyInTheNineLanguages) {
    const auto english = StringTable(PluginModule, kEnglish);
    std::vector<LANGID> nine;
    for (const ResourceLanguage &language : ResourceLanguages()) nine.push_back(language.id);
    for (const auto &entry : english) {
        for (LANGID language : LanguagesOf(PluginModule, RT_STRING,
                                           MAKEINTRESOURCEW(StringBlockOf(entry.first))))
            EXPECT_NE(nine.end(), std::find(nine.begin(), nine.end(), language))
                << "the block of string " << entry.first << " has language "
                << LanguageName(language);
    }
}

TEST(StringTable, PlaceholdersAsInEnglish) {
    const auto english = StringTable(PluginModule, kEnglish);
    for (const ResourceLanguage &language : ResourceLanguages()) {
        for (const auto &entry : StringTable(PluginModule, language.id)) {
            const auto original = english.find(entry.first);
            if (original == english.end()) continue;
            const auto wanted = PrintfPlaceholders(original->second);
            const auto found = PrintfPlaceholders(entry.second);
            EXPECT_EQ(wanted, found)
                << LanguageName(language.id) << ", string " << entry.first << ": \""
                << Utf8(entry.second) << "\" has " << Joined(found) << ", English "
                << Joined(wanted);
        }
    }
}

}  // namespace
