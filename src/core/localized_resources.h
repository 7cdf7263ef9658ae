// The plug-in's resources in the user's language: dialog templates, strings
// and message boxes, made within the activation context of the plug-in's
// manifest (common controls version 6).
#pragma once

#include <windows.h>

constexpr int kCaptionChars = 80;
constexpr int kMessageChars = 304;

// The activation context of the plug-in's manifest, made on first use and
// kept until the library unloads; INVALID_HANDLE_VALUE when it cannot be made.
HANDLE PluginActivationContext();
void ReleasePluginActivationContext();

// The plug-in's activation context is active while the scope lasts.
class ActivationScope {
public:
    ActivationScope();
    ~ActivationScope();
    ActivationScope(const ActivationScope &) = delete;
    ActivationScope &operator=(const ActivationScope &) = delete;

private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

// The best of the template's languages for `wanted`; 0 when none fits.
LANGID PickResourceLanguage(HMODULE module, UINT templateId, LANGID wanted);

// The template in the user's best language, or null for the ordinary
// lookup. The pointer lives as long as the module.
const DLGTEMPLATE *LoadLocalizedTemplate(UINT templateId);

// `module` is not used: the plug-in's own resources are always meant.
INT_PTR LocalizedDialogBox(HMODULE module, UINT templateId, HWND owner, DLGPROC procedure,
                           LPARAM initParam);

// Characters copied without the terminator; 0 when empty or missing.
int LoadLocalizedString(HMODULE module, UINT stringId, WCHAR *buffer, int size);

int ShowMessage(HWND owner, UINT textId, UINT captionId, UINT style);
