#include "resources/text_rules.h"

#include <cwchar>

namespace {

const wchar_t kFlags[] = L"-+ #0";
const wchar_t kLengths[] = L"hlLqjztI6432";
const wchar_t kConversions[] = L"diouxXeEfgGaAcCsSpn%";

bool OneOf(const wchar_t *set, wchar_t c) { return c && std::wcschr(set, c); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Length of the placeholder starting at text[start] (a '%'); 0 when the
// '%' starts none.
size_t PlaceholderLength(const std::wstring &text, size_t start) {
    size_t i = start + 1;
    auto at = [&](size_t k) { return k < text.size() ? text[k] : L'\0'; };
    while (OneOf(kFlags, at(i))) ++i;
    while (IsDigit(at(i)) || at(i) == L'*') ++i;
    if (at(i) == L'.') {
        ++i;
        while (IsDigit(at(i)) || at(i) == L'*') ++i;
    }
    while (OneOf(kLengths, at(i))) ++i;
    return OneOf(kConversions, at(i)) ? i + 1 - start : 0;
}

}  // namespace

wchar_t MnemonicOf(const std::wstring &text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] != L'&') return text[i + 1];
        ++i;
    }
    return 0;
}

std::vector<std::wstring> PrintfPlaceholders(const std::wstring &text) {
    std::vector<std::wstring> found;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'%') continue;
        const size_t length = PlaceholderLength(text, i);
        if (!length) continue;
        found.push_back(text.substr(i, length));
        i += length - 1;
    }
    return found;
}
