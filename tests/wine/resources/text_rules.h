// Rules on the texts of the resources that need no window: mnemonics and
// printf placeholders.
#pragma once

#include <string>
#include <vector>

// The character after the first single '&' ("&&" stands for '&'); 0 when
// the text has no mnemonic.
wchar_t MnemonicOf(const std::wstring &text);

// The placeholders in order, "%%" included: "%d", "%-5.2lf".
std::vector<std::wstring> PrintfPlaceholders(const std::wstring &text);
