// The dialog templates of the plug-in library in each of its languages: the
// set of templates and languages, one layout for all languages, the controls
// the dialog procedures need, and texts that fit and keep their mnemonics
// apart.
#include "core/plugin_module.h"
#include "resources/control_checks.h"
#include "support/dialog_template.h"
#include "resources/expected_templates.h"
#include "resources/language_dialog.h"
#include "support/plugin_resources.h"
#include "resources/text_rules.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

namespace {

constexpr LANGID kEnglish = 0x0000;
constexpr uint16_t kStaticAtom = 0x0082;
constexpr uint32_t kEtchedHorizontal = 0x10;
constexpr uint32_t kStaticTypeMask = 0x1F;

std::string Where(int templateId, LANGID language) {
    return "template " + std::to_string(templateId) + ", " + LanguageName(language);
}

std::string Where(int templateId, LANGID language, int controlId) {
    return Where(templateId, language) + ", control " + std::to_string(controlId);
}

std::wstring Wide(const std::u16string &text) { return std::wstring(text.begin(), text.end()); }

bool ReadTemplate(int templateId, LANGID language, DialogTemplate *out) {
    const ResourceBytes bytes = ExactTemplate(PluginModule, templateId, language);
    return bytes.data && ParseDialogTemplate(bytes.data, bytes.size, out);
}

// Every (template, language) pair that exists, as a parsed template.
void ForEachTemplate(const std::function<void(const ExpectedTemplate &, LANGID,
                                              const DialogTemplate &)> &check) {
    for (const ExpectedTemplate &expected : ExpectedTemplates()) {
        for (const ResourceLanguage &language : ResourceLanguages()) {
            DialogTemplate parsed;
            if (!ReadTemplate(expected.id, language.id, &parsed)) continue;
            check(expected, language.id, parsed);
        }
    }
}

void ForEachDialog(const std::function<void(const ExpectedTemplate &, LANGID,
                                            const LanguageDialog &)> &check) {
    for (const ExpectedTemplate &expected : ExpectedTemplates()) {
        for (const ResourceLanguage &language : ResourceLanguages()) {
            if (!ExactTemplate(PluginModule, expected.id, language.id).data) continue;
            LanguageDialog dialog(PluginModule, expected.id, language.id);
            if (!dialog.Get()) {
                ADD_FAILURE() << Where(expected.id, language.id) << ": the dialog is not created";
                continue;
            }
            check(expected, language.id, dialog);
        }
    }
}

bool IsStaticClass(const TemplateItem &item) {
    if (item.classAtom) return item.classAtom == kStaticAtom;
    return lstrcmpiW(Wide(item.className).c_str(), L"Static") == 0;
}

bool IsEtchedLine(const TemplateItem &item) {
    return IsStaticClass(item) && (item.style & kStaticTypeMask) == kEtchedHorizontal;
}

// Whether the item stands for the expected control; an unnamed control is
// the one of its kind at its place.
bool IsItemOf(const TemplateItem &item, const ExpectedControl &control) {
    if (control.id != kAnyStaticId) return item.id == control.id;
    return item.id == kAnyStaticId && IsEtchedLine(item) && item.x == control.place.x &&
           item.y == control.place.y;
}

const TemplateItem *FindItem(const DialogTemplate &parsed, const ExpectedControl &control) {
    for (const TemplateItem &item : parsed.items)
        if (IsItemOf(item, control)) return &item;
    return nullptr;
}

void ExpectPlace(const std::string &where, const char *what, int expected, int actual) {
    if (expected == kFree) return;
    EXPECT_EQ(expected, actual) << where << ": " << what << " in dialog units";
}

std::string SameLayoutProblem(const TemplateItem &english, const TemplateItem &other) {
    if (english.id != other.id) return "another id " + std::to_string(other.id);
    if (english.classAtom != other.classAtom || english.className != other.className)
        return "another window class";
    if (english.style != other.style || english.exStyle != other.exStyle) return "other styles";
    if (english.x != other.x || english.y != other.y || english.cx != other.cx ||
        english.cy != other.cy)
        return "another place or size";
    return std::string();
}

TEST(DialogTemplates, EveryTemplateInExactlyTheNineLanguages) {
    ASSERT_NE(nullptr, PluginModule) << "sxoemui.dll did not load";
    std::vector<int> present = DialogIds(PluginModule);
    std::vector<int> expected;
    for (const ExpectedTemplate &entry : ExpectedTemplates()) expected.push_back(entry.id);
    std::sort(present.begin(), present.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, present) << "the library's dialog templates";

    std::vector<LANGID> nine;
    for (const ResourceLanguage &language : ResourceLanguages()) nine.push_back(language.id);
    std::sort(nine.begin(), nine.end());
    for (int id : expected) {
        std::vector<LANGID> languages = LanguagesOf(PluginModule, RT_DIALOG, MAKEINTRESOURCEW(id));
        std::sort(languages.begin(), languages.end());
        std::string have;
        for (LANGID language : languages) have += " " + LanguageName(language);
        EXPECT_EQ(nine, languages) << "template " << id << " has:" << have;
    }
}

TEST(DialogTemplates, OneLayoutInEveryLanguage) {
    ForEachTemplate([](const ExpectedTemplate &expected, LANGID language,
                       const DialogTemplate &parsed) {
        DialogTemplate english;
        if (language == kEnglish || !ReadTemplate(expected.id, kEnglish, &english)) return;
        const std::string where = Where(expected.id, language);
        EXPECT_EQ(english.style, parsed.style) << where << ": dialog style";
        EXPECT_EQ(english.cx, parsed.cx) << where << ": dialog width";
        EXPECT_EQ(english.cy, parsed.cy) << where << ": dialog height";
        ASSERT_EQ(english.items.size(), parsed.items.size()) << where << ": number of controls";
        for (size_t i = 0; i < english.items.size(); ++i) {
            const std::string problem = SameLayoutProblem(english.items[i], parsed.items[i]);
            EXPECT_EQ("", problem) << Where(expected.id, language, english.items[i].id)
                                   << " differs from English";
        }
    });
}

TEST(DialogTemplates, SizesAndPlacesInDialogUnits) {
    ForEachTemplate([](const ExpectedTemplate &expected, LANGID language,
                       const DialogTemplate &parsed) {
        const std::string where = Where(expected.id, language);
        ExpectPlace(where, "dialog width", expected.cx, parsed.cx);
        ExpectPlace(where, "dialog height", expected.cy, parsed.cy);
        for (const ExpectedControl &control : expected.controls) {
            const TemplateItem *item = FindItem(parsed, control);
            if (!item) {
                ADD_FAILURE() << Where(expected.id, language, control.id) << " is missing";
                continue;
            }
            const std::string at = Where(expected.id, language, control.id);
            ExpectPlace(at, "x", control.place.x, item->x);
            ExpectPlace(at, "y", control.place.y, item->y);
            ExpectPlace(at, "width", control.place.cx, item->cx);
            ExpectPlace(at, "height", control.place.cy, item->cy);
        }
    });
}

TEST(DialogTemplates, EnglishTextsAreTheSystemsOwn) {
    for (const ExpectedTemplate &expected : ExpectedTemplates()) {
        DialogTemplate english;
        if (!ReadTemplate(expected.id, kEnglish, &english)) {
            ADD_FAILURE() << Where(expected.id, kEnglish) << " is missing";
            continue;
        }
        if (expected.englishCaption) {
            EXPECT_EQ(Utf8(expected.englishCaption), Utf8(Wide(english.caption)))
                << Where(expected.id, kEnglish) << ": caption";
        }
        for (const ExpectedControl &control : expected.controls) {
            const TemplateItem *item = FindItem(english, control);
            if (!item || !control.englishText) continue;
            EXPECT_EQ(Utf8(control.englishText), Utf8(Wide(item->text)))
                << Where(expected.id, kEnglish, control.id) << ": text";
        }
    }
}

// The dialog's controls stand in the order of the template's items.
TEST(DialogTemplates, ControlsOfTheirKindInEveryLanguage) {
    ForEachDialog([](const ExpectedTemplate &expected, LANGID language,
                     const LanguageDialog &dialog) {
        DialogTemplate parsed;
        ASSERT_TRUE(ReadTemplate(expected.id, language, &parsed)) << Where(expected.id, language);
        const std::vector<HWND> windows = dialog.AllControls();
        ASSERT_EQ(parsed.items.size(), windows.size())
            << Where(expected.id, language) << ": controls created";
        for (const ExpectedControl &control : expected.controls) {
            const std::string where = Where(expected.id, language, control.id);
            size_t at = 0;
            while (at < parsed.items.size() && !IsItemOf(parsed.items[at], control)) ++at;
            if (at == parsed.items.size()) {
                ADD_FAILURE() << where << " is missing";
                continue;
            }
            const std::string mismatch =
                KindMismatch(windows[at], parsed.items[at].style, control.kind, control.traits);
            EXPECT_EQ("", mismatch) << where;
            if (!control.buddy || !mismatch.empty()) continue;
            const HWND buddy =
                reinterpret_cast<HWND>(SendMessageW(windows[at], UDM_GETBUDDY, 0, 0));
            EXPECT_EQ(GetDlgItem(dialog.Get(), control.buddy), buddy)
                << where << ": its buddy is not control " << control.buddy;
        }
    });
}

constexpr LANGID kNeutralLanguage = 0x0000;

bool WithinKnownOverflow(int templateId, int controlId, const TextFit &fit) {
    for (const KnownFixedOverflow &overflow : KnownFixedOverflows())
        if (overflow.templateId == templateId && overflow.controlId == controlId)
            return fit.needed.cy <= fit.room.cy && fit.needed.cx <= fit.room.cx + overflow.pixels;
    return false;
}

TEST(DialogTemplates, TextsFitTheirControlsInEveryLanguage) {
    ForEachDialog([](const ExpectedTemplate &expected, LANGID language,
                     const LanguageDialog &dialog) {
        for (HWND control : dialog.AllControls()) {
            const TextFit fit = MeasureTextFit(control);
            if (!fit.fits && language == kNeutralLanguage &&
                WithinKnownOverflow(expected.id, GetDlgCtrlID(control), fit))
                continue;
            const std::string wrapped =
                fit.wraps ? " wrapped (" + std::to_string(fit.lineWidth) + " on one line)" : "";
            EXPECT_TRUE(fit.fits) << Where(expected.id, language, GetDlgCtrlID(control))
                                  << ": \"" << Utf8(WindowText(control)) << "\" needs "
                                  << fit.needed.cx << "x" << fit.needed.cy << " pixels" << wrapped
                                  << ", the control gives it " << fit.room.cx << "x"
                                  << fit.room.cy;
        }
    });
}

bool IsKnownClash(int templateId, int first, int second) {
    for (const KnownMnemonicClash &clash : KnownMnemonicClashes()) {
        if (clash.templateId != templateId) continue;
        if ((clash.first == first && clash.second == second) ||
            (clash.first == second && clash.second == first))
            return true;
    }
    return false;
}

TEST(DialogTemplates, MnemonicsAreUniqueWithinEachDialog) {
    ForEachDialog([](const ExpectedTemplate &expected, LANGID language,
                     const LanguageDialog &dialog) {
        std::map<wchar_t, HWND> owners;
        for (HWND control : dialog.AllControls()) {
            if (!HasMnemonics(control)) continue;
            wchar_t letter = MnemonicOf(WindowText(control));
            if (!letter) continue;
            CharUpperBuffW(&letter, 1);
            const auto known = owners.find(letter);
            if (known == owners.end()) {
                owners[letter] = control;
                continue;
            }
            const int first = GetDlgCtrlID(known->second), second = GetDlgCtrlID(control);
            if (IsKnownClash(expected.id, first, second)) continue;
            ADD_FAILURE() << Where(expected.id, language) << ": controls " << first << " (\""
                          << Utf8(WindowText(known->second)) << "\") and " << second << " (\""
                          << Utf8(WindowText(control)) << "\") share the mnemonic "
                          << Utf8(std::wstring(1, letter));
        }
    });
}

}  // namespace
