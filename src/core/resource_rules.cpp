#include "core/resource_rules.h"

namespace {

uint16_t PrimaryLanguage(uint16_t langId) { return langId & kPrimaryLanguageMask; }

bool SameChineseScript(uint16_t a, uint16_t b) {
    return (a & kTraditionalChineseBit) == (b & kTraditionalChineseBit);
}

}  // namespace

bool OfferResourceLanguage(LanguageChoice *choice, uint16_t offered) {
    if (choice->done) return false;
    if (offered == choice->wanted) {
        choice->chosen = offered;
        choice->done = 1;
        return false;
    }
    if (PrimaryLanguage(offered) != PrimaryLanguage(choice->wanted)) return true;
    // Once one Chinese variant is taken, only one of the user's own script
    // may replace it, so that the enumeration order does not decide.
    if (PrimaryLanguage(offered) == kLangChinese && choice->chosen > kHighestNeutralLangId &&
        !SameChineseScript(offered, choice->wanted))
        return true;
    choice->chosen = offered;
    return true;
}

uint16_t ChooseResourceLanguage(uint16_t wanted, const uint16_t *offered, size_t count) {
    LanguageChoice choice;
    choice.wanted = wanted;
    for (size_t i = 0; i < count; ++i)
        if (!OfferResourceLanguage(&choice, offered[i])) break;
    return choice.chosen;
}

size_t CopyStringBlockEntry(const char16_t *block, size_t blockChars, unsigned entry,
                            char16_t *out, size_t size) {
    if (!block || !out || !size || entry >= kStringsPerBlock) return 0;
    size_t at = 0;
    for (unsigned i = 0; i < entry; ++i) {
        if (at >= blockChars) return 0;
        at += 1 + static_cast<size_t>(block[at]);
    }
    if (at >= blockChars) return 0;
    const size_t length = block[at];
    if (!length) return 0;
    const char16_t *text = block + at + 1;
    // A damaged block never lets the copy run past its end.
    const size_t present = blockChars - at - 1;
    const size_t available = length < present ? length : present;
    size_t copied = available + 1 < size ? available + 1 : size;
    for (size_t i = 0; i + 1 < copied; ++i) out[i] = text[i];
    out[copied - 1] = u'\0';
    return copied - 1;
}
