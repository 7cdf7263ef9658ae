#include "core/localized_resources.h"

#include "core/plugin_module.h"
#include "core/resource_rules.h"

namespace {

BOOL CALLBACK OfferLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param) {
    return OfferResourceLanguage(reinterpret_cast<LanguageChoice *>(param), language);
}

UINT StringBlockName(UINT stringId) { return (stringId >> 4) + 1; }

struct LanguageSearch {
    WORD wanted;
    bool found;
};

BOOL CALLBACK MatchLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param) {
    auto *search = reinterpret_cast<LanguageSearch *>(param);
    if (language == search->wanted) search->found = true;
    return !search->found;
}

// FindResourceExW may quietly hand back another language, so whether the
// exact one exists is asked of the enumeration.
HRSRC FindExactResource(HMODULE module, LPCWSTR type, LPCWSTR name, LANGID language) {
    LanguageSearch search = {language, false};
    EnumResourceLanguagesW(module, type, name, MatchLanguage, reinterpret_cast<LONG_PTR>(&search));
    return search.found ? FindResourceExW(module, type, name, language) : nullptr;
}

// Made once; a failure is remembered.
bool ActivationContextMade = false;
HANDLE ActivationContext = INVALID_HANDLE_VALUE;

}  // namespace

HANDLE PluginActivationContext() {
    if (ActivationContextMade) return ActivationContext;
    ActivationContextMade = true;
    WCHAR path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(PluginModule, path, MAX_PATH);
    if (!length || length >= MAX_PATH) return ActivationContext;
    ACTCTXW context = {};
    context.cbSize = sizeof(context);
    context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = path;
    context.hModule = PluginModule;
    context.lpResourceName = ISOLATIONAWARE_MANIFEST_RESOURCE_ID;
    ActivationContext = CreateActCtxW(&context);
    return ActivationContext;
}

void ReleasePluginActivationContext() {
    if (ActivationContext != INVALID_HANDLE_VALUE) ReleaseActCtx(ActivationContext);
    ActivationContext = INVALID_HANDLE_VALUE;
    ActivationContextMade = false;
}

ActivationScope::ActivationScope() {
    const HANDLE context = PluginActivationContext();
    active_ = context != INVALID_HANDLE_VALUE && ActivateActCtx(context, &cookie_);
}

ActivationScope::~ActivationScope() {
    if (active_) DeactivateActCtx(0, cookie_);
}

LANGID PickResourceLanguage(HMODULE module, UINT templateId, LANGID wanted) {
    LanguageChoice choice;
    choice.wanted = wanted;
    EnumResourceLanguagesW(module, RT_DIALOG, MAKEINTRESOURCEW(templateId),
                           OfferLanguage, reinterpret_cast<LONG_PTR>(&choice));
    return choice.chosen;
}

const DLGTEMPLATE *LoadLocalizedTemplate(UINT templateId) {
    const LANGID language = PickResourceLanguage(PluginModule, templateId, GetUserDefaultLangID());
    if (!language) return nullptr;
    HRSRC found = FindResourceExW(PluginModule, RT_DIALOG,
                                  MAKEINTRESOURCEW(templateId), language);
    if (!found) return nullptr;
    HGLOBAL loaded = LoadResource(PluginModule, found);
    return loaded ? static_cast<const DLGTEMPLATE *>(LockResource(loaded)) : nullptr;
}

INT_PTR LocalizedDialogBox(HMODULE, UINT templateId, HWND owner, DLGPROC procedure,
                           LPARAM initParam) {
    ActivationScope scope;
    if (const DLGTEMPLATE *dialog = LoadLocalizedTemplate(templateId))
        return DialogBoxIndirectParamW(PluginModule, dialog, owner, procedure, initParam);
    return DialogBoxParamW(PluginModule, MAKEINTRESOURCEW(templateId), owner, procedure,
                           initParam);
}

int LoadLocalizedString(HMODULE module, UINT stringId, WCHAR *buffer, int size) {
    if (!buffer || size <= 0) return 0;
    HRSRC found = FindExactResource(module, RT_STRING,
                                    MAKEINTRESOURCEW(StringBlockName(stringId)),
                                    GetUserDefaultLangID());
    if (!found) return LoadStringW(module, stringId, buffer, size);
    HGLOBAL loaded = LoadResource(module, found);
    const auto *block = loaded ? static_cast<const char16_t *>(LockResource(loaded)) : nullptr;
    if (!block) return 0;
    const size_t blockChars = SizeofResource(module, found) / sizeof(char16_t);
    return static_cast<int>(CopyStringBlockEntry(block, blockChars, stringId % kStringsPerBlock,
                                                 reinterpret_cast<char16_t *>(buffer),
                                                 static_cast<size_t>(size)));
}

int ShowMessage(HWND owner, UINT textId, UINT captionId, UINT style) {
    WCHAR caption[kCaptionChars] = {};
    WCHAR text[kMessageChars] = {};
    if (captionId) LoadLocalizedString(PluginModule, captionId, caption, kCaptionChars);
    LoadLocalizedString(PluginModule, textId, text, kMessageChars);
    ActivationScope scope;
    return MessageBoxW(owner, text, captionId ? caption : nullptr, style);
}
