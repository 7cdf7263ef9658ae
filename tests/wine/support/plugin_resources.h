// Read access to the resources of the plug-in library as they are stored:
// which languages each resource has, the exact-language copy of a template,
// and the string table of one language.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

struct ResourceLanguage {
    LANGID id;
    const char *tag;
};

// The nine resource languages, neutral English first.
const std::vector<ResourceLanguage> &ResourceLanguages();
std::string LanguageName(LANGID id);

std::vector<LANGID> LanguagesOf(HMODULE module, LPCWSTR type, LPCWSTR name);
std::vector<int> DialogIds(HMODULE module);

struct ResourceBytes {
    const void *data = nullptr;
    DWORD size = 0;
};
// Only the copy in exactly `language`: empty when that language lacks it.
ResourceBytes ExactResource(HMODULE module, LPCWSTR type, LPCWSTR name, LANGID language);
inline ResourceBytes ExactTemplate(HMODULE module, int templateId, LANGID language) {
    return ExactResource(module, RT_DIALOG, MAKEINTRESOURCEW(templateId), language);
}

UINT StringBlockOf(UINT stringId);
bool HasStringBlock(HMODULE module, UINT stringId, LANGID language);
// The non-empty strings of one language by id.
std::map<UINT, std::wstring> StringTable(HMODULE module, LANGID language);

// From the driver host's library.
std::string Utf8(const std::wstring &text);
