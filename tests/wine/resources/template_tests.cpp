// The dialog templates of the plug-in library in each of its languages: the
// nine languages of every template, one layout for all of them, controls
// that keep apart inside their dialog and can be reached by keyboard, and
// texts that fit and keep their mnemonics apart.
#include "core/plugin_module.h"
#include "resources/control_checks.h"
#include "support/dialog_template.h"
#include "resources/language_dialog.h"
#include "support/plugin_resources.h"
#include "resources/text_rules.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

namespace {

constexpr LANGID kEnglish = 0x0000;
constexpr bool kEnglishOnly = true;
constexpr int kAnyStaticId = -1;

// Two controls of one template whose fixed English texts share a mnemonic:
// "&Details..." and "&Default" on the Color page.
struct ControlPair {
    int templateId;
    int first, second;
};
const ControlPair kKnownMnemonicClashes[] = {{111, 1616, 10000}, {2111, 1616, 10000}};

// Controls that stand in one place because the dialog shows one or the
// other: the CMYK input profile's choice and the simulation target of the
// Color Print Details dialog, and the tabs of the three print sides of the
// print position adjustment.
const ControlPair kAlternatives[] = {
    {119, 1681, 1690}, {119, 1680, 1690}, {119, 1680, 1691}, {119, 1681, 1691},
    {122, 1907, 1908}, {122, 1907, 1909}, {122, 1908, 1909},
};
// Dialog units rounded to pixels may let neighbours share this much.
constexpr int kRoundingPixels = 1;

// "Composite Black (CMYK)" in its 91-unit radio button of Office Color
// Details: the English text may overflow by this many pixels in the test
// prefix's dialog font; translations must fit.
struct KnownOverflow {
    int templateId;
    int controlId;
    int pixels;
};
const KnownOverflow kKnownOverflows[] = {{118, 1255, 8}};

bool IsPair(const ControlPair &pair, int templateId, int first, int second) {
    return pair.templateId == templateId && ((pair.first == first && pair.second == second) ||
                                             (pair.first == second && pair.second == first));
}

template <size_t N>
bool Listed(const ControlPair (&pairs)[N], int templateId, int first, int second) {
    return std::any_of(pairs, pairs + N, [&](const ControlPair &pair) {
        return IsPair(pair, templateId, first, second);
    });
}

std::string Where(int templateId, LANGID language) {
    return "template " + std::to_string(templateId) + ", " + LanguageName(language);
}

std::string Where(int templateId, LANGID language, int controlId) {
    return Where(templateId, language) + ", control " + std::to_string(controlId);
}

bool ReadTemplate(int templateId, LANGID language, DialogTemplate *out) {
    const ResourceBytes bytes = ExactTemplate(PluginModule, templateId, language);
    return bytes.data && ParseDialogTemplate(bytes.data, bytes.size, out);
}

std::vector<int> TemplateIds() {
    std::vector<int> ids = DialogIds(PluginModule);
    std::sort(ids.begin(), ids.end());
    return ids;
}

// Every template made as a dialog in each of its languages, or in English
// alone for the checks that the layout decides: it is one for all languages.
void ForEachDialog(const std::function<void(int, LANGID, const LanguageDialog &)> &check,
                   bool englishOnly = false) {
    for (int id : TemplateIds()) {
        for (const ResourceLanguage &language : ResourceLanguages()) {
            if (englishOnly && language.id != kEnglish) continue;
            if (!ExactTemplate(PluginModule, id, language.id).data) continue;
            LanguageDialog dialog(PluginModule, id, language.id);
            if (!dialog.Get()) {
                ADD_FAILURE() << Where(id, language.id) << ": the dialog is not created";
                continue;
            }
            check(id, language.id, dialog);
        }
    }
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

bool Overlap(const RECT &a, const RECT &b) {
    return std::min(a.right, b.right) - std::max(a.left, b.left) > kRoundingPixels &&
           std::min(a.bottom, b.bottom) - std::max(a.top, b.top) > kRoundingPixels;
}

// The control a label's mnemonic gives the focus: the next that takes
// input, unless a group or another label with a mnemonic comes first.
bool LeadsToInput(const std::vector<HWND> &controls, size_t label) {
    for (size_t k = label + 1; k < controls.size(); ++k) {
        if (TakesInput(controls[k])) return true;
        if (IsGroupBox(controls[k]) || MnemonicOf(WindowText(controls[k]))) return false;
    }
    return false;
}

// Every template in exactly the nine languages, each with the English
// layout: only the texts differ.
TEST(DialogTemplates, EveryTemplateInTheNineLanguagesWithOneLayout) {
    ASSERT_NE(nullptr, PluginModule) << "sxoemui.dll did not load";
    std::vector<LANGID> nine;
    for (const ResourceLanguage &language : ResourceLanguages()) nine.push_back(language.id);
    std::sort(nine.begin(), nine.end());
    const std::vector<int> ids = TemplateIds();
    ASSERT_FALSE(ids.empty());
    for (int id : ids) {
        std::vector<LANGID> languages = LanguagesOf(PluginModule, RT_DIALOG, MAKEINTRESOURCEW(id));
        std::sort(languages.begin(), languages.end());
        std::string have;
        for (LANGID language : languages) have += " " + LanguageName(language);
        EXPECT_EQ(nine, languages) << "template " << id << " has:" << have;
        DialogTemplate english;
        if (!ReadTemplate(id, kEnglish, &english)) continue;
        for (LANGID language : languages) {
            DialogTemplate parsed;
            if (language == kEnglish || !ReadTemplate(id, language, &parsed)) continue;
            const std::string where = Where(id, language);
            EXPECT_EQ(english.style, parsed.style) << where << ": dialog style";
            EXPECT_EQ(english.cx, parsed.cx) << where << ": dialog width";
            EXPECT_EQ(english.cy, parsed.cy) << where << ": dialog height";
            ASSERT_EQ(english.items.size(), parsed.items.size()) << where << ": controls";
            for (size_t i = 0; i < english.items.size(); ++i)
                EXPECT_EQ("", SameLayoutProblem(english.items[i], parsed.items[i]))
                    << Where(id, language, english.items[i].id) << " differs from English";
        }
    }
}

TEST(DialogTemplates, ControlsHaveTheirOwnIdsAndPlacesInsideTheDialog) {
    ForEachDialog([](int id, LANGID, const LanguageDialog &dialog) {
        const std::vector<HWND> controls = dialog.AllControls();
        std::set<int> ids;
        for (size_t i = 0; i < controls.size(); ++i) {
            const int controlId = GetDlgCtrlID(controls[i]);
            const std::string where = Where(id, kEnglish, controlId);
            if (controlId != kAnyStaticId) {
                EXPECT_TRUE(ids.insert(controlId).second) << where << " repeats its id";
            }
            EXPECT_TRUE(InsideDialog(dialog.Get(), controls[i])) << where << " leaves the dialog";
            const RECT box = PlaceInDialog(dialog.Get(), controls[i]);
            if (IsGroupBox(controls[i]) || IsUpDown(controls[i])) continue;
            for (size_t k = i + 1; k < controls.size(); ++k) {
                if (IsGroupBox(controls[k]) || IsUpDown(controls[k])) continue;
                const int otherId = GetDlgCtrlID(controls[k]);
                if (!Overlap(box, PlaceInDialog(dialog.Get(), controls[k])) ||
                    Listed(kAlternatives, id, controlId, otherId))
                    continue;
                ADD_FAILURE() << where << " overlaps control " << otherId;
            }
        }
    }, kEnglishOnly);
}

// Every control that takes input is a tab stop, a radio button through its
// group; a label's mnemonic leads to the control it names.
TEST(DialogTemplates, KeyboardReachesEveryControlThatTakesInput) {
    ForEachDialog([](int id, LANGID, const LanguageDialog &dialog) {
        const std::vector<HWND> controls = dialog.AllControls();
        std::vector<size_t> groupOf;
        std::set<size_t> groupsWithStop;
        for (HWND control : controls) {
            const LONG style = GetWindowLongW(control, GWL_STYLE);
            groupOf.push_back(groupOf.empty() ? 0 : groupOf.back() + ((style & WS_GROUP) != 0));
            if (style & WS_TABSTOP) groupsWithStop.insert(groupOf.back());
        }
        for (size_t i = 0; i < controls.size(); ++i) {
            const HWND control = controls[i];
            const LONG style = GetWindowLongW(control, GWL_STYLE);
            const std::string where = Where(id, kEnglish, GetDlgCtrlID(control));
            if (TakesInput(control) && !(style & WS_DISABLED)) {
                const bool reached = IsRadio(control) ? groupsWithStop.count(groupOf[i]) != 0
                                                      : (style & WS_TABSTOP) != 0;
                EXPECT_TRUE(reached) << where << " is no tab stop";
            }
            if (!IsLabel(control) || !HasMnemonics(control) || !MnemonicOf(WindowText(control)))
                continue;
            EXPECT_TRUE(LeadsToInput(controls, i))
                << where << ": \"" << Utf8(WindowText(control))
                << "\" leads to no control that takes input";
        }
    }, kEnglishOnly);
}

bool WithinKnownOverflow(int templateId, int controlId, const TextFit &fit) {
    for (const KnownOverflow &overflow : kKnownOverflows)
        if (overflow.templateId == templateId && overflow.controlId == controlId)
            return fit.needed.cy <= fit.room.cy && fit.needed.cx <= fit.room.cx + overflow.pixels;
    return false;
}

// In every language each text fits its control and no two controls of a
// dialog share a mnemonic.
TEST(DialogTemplates, TextsFitAndKeepTheirMnemonicsApartInEveryLanguage) {
    ForEachDialog([](int id, LANGID language, const LanguageDialog &dialog) {
        std::map<wchar_t, HWND> owners;
        for (HWND control : dialog.AllControls()) {
            const TextFit fit = MeasureTextFit(control);
            const bool known =
                language == kEnglish && WithinKnownOverflow(id, GetDlgCtrlID(control), fit);
            EXPECT_TRUE(fit.fits || known)
                << Where(id, language, GetDlgCtrlID(control)) << ": \""
                << Utf8(WindowText(control)) << "\" needs " << fit.needed.cx << "x"
                << fit.needed.cy << " pixels, the control gives it " << fit.room.cx << "x"
                << fit.room.cy;
            wchar_t letter = HasMnemonics(control) ? MnemonicOf(WindowText(control)) : 0;
            if (!letter) continue;
            CharUpperBuffW(&letter, 1);
            const auto owner = owners.emplace(letter, control).first->second;
            const int first = GetDlgCtrlID(owner), second = GetDlgCtrlID(control);
            if (owner == control || Listed(kKnownMnemonicClashes, id, first, second)) continue;
            ADD_FAILURE() << Where(id, language) << ": controls " << first << " (\""
                          << Utf8(WindowText(owner)) << "\") and " << second << " (\""
                          << Utf8(WindowText(control)) << "\") share the mnemonic "
                          << Utf8(std::wstring(1, letter));
        }
    });
}

}  // namespace
