#include "support/plugin_resources.h"

#include <cstdio>

namespace {

constexpr UINT kStringsPerBlock = 16;

const std::vector<ResourceLanguage> kLanguages = {
    {0x0000, "en"}, {0x000A, "es"}, {0x0404, "zh_tw"}, {0x0407, "de"},    {0x040C, "fr"},
    {0x0410, "it"}, {0x0412, "ko"}, {0x0416, "pt_br"}, {0x0804, "zh_cn"},
};

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param) {
    reinterpret_cast<std::vector<LANGID> *>(param)->push_back(language);
    return TRUE;
}

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<int> *>(param)->push_back(
            static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

}  // namespace

const std::vector<ResourceLanguage> &ResourceLanguages() { return kLanguages; }

std::string LanguageName(LANGID id) {
    char hex[8];
    std::snprintf(hex, sizeof(hex), "0x%04X", id);
    for (const ResourceLanguage &language : kLanguages)
        if (language.id == id) return std::string(language.tag) + " (" + hex + ")";
    return hex;
}

std::vector<LANGID> LanguagesOf(HMODULE module, LPCWSTR type, LPCWSTR name) {
    std::vector<LANGID> languages;
    EnumResourceLanguagesW(module, type, name, CollectLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    return languages;
}

std::vector<int> DialogIds(HMODULE module) {
    std::vector<int> ids;
    EnumResourceNamesW(module, RT_DIALOG, CollectName, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

ResourceBytes ExactResource(HMODULE module, LPCWSTR type, LPCWSTR name, LANGID language) {
    ResourceBytes bytes;
    bool present = false;
    for (LANGID offered : LanguagesOf(module, type, name)) present |= offered == language;
    if (!present) return bytes;
    HRSRC found = FindResourceExW(module, type, name, language);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    if (!loaded) return bytes;
    bytes.data = LockResource(loaded);
    bytes.size = SizeofResource(module, found);
    return bytes;
}

UINT StringBlockOf(UINT stringId) { return stringId / kStringsPerBlock + 1; }

bool HasStringBlock(HMODULE module, UINT stringId, LANGID language) {
    return ExactResource(module, RT_STRING, MAKEINTRESOURCEW(StringBlockOf(stringId)), language)
        .data;
}

std::map<UINT, std::wstring> StringTable(HMODULE module, LANGID language) {
    std::map<UINT, std::wstring> strings;
    std::vector<int> blocks;
    EnumResourceNamesW(module, RT_STRING, CollectName, reinterpret_cast<LONG_PTR>(&blocks));
    for (int block : blocks) {
        const ResourceBytes bytes =
            ExactResource(module, RT_STRING, MAKEINTRESOURCEW(block), language);
        const auto *units = static_cast<const WCHAR *>(bytes.data);
        const size_t count = bytes.size / sizeof(WCHAR);
        size_t at = 0;
        for (UINT entry = 0; units && entry < kStringsPerBlock && at < count; ++entry) {
            const size_t length = units[at++];
            if (length > count - at) break;
            if (length)
                strings[(block - 1) * kStringsPerBlock + entry] = std::wstring(units + at, length);
            at += length;
        }
    }
    return strings;
}
