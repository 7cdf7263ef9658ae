#include "docevents/application_name.h"

#include "core/driver_config.h"
#include "core/win_holders.h"

namespace {

const char kGetPrintingApplicationExport[] = "GetPrintingApplication";
constexpr DWORD kGetPrintingApplicationFlags = 0;

using GetPrintingApplicationFn = BOOL(WINAPI *)(DWORD flags, char *answer, DWORD *bytes);

// The ANSI code page of the user's default locale. The C runtime's locale
// is process-wide and the application's other threads may be using it, so
// the conversion asks the platform instead of switching it.
UINT UserDefaultCodePage() {
    UINT codePage = 0;
    const int got = GetLocaleInfoW(LOCALE_USER_DEFAULT,
                                   LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                                   reinterpret_cast<WCHAR *>(&codePage),
                                   sizeof(codePage) / sizeof(WCHAR));
    return got && codePage ? codePage : CP_ACP;
}

void ConvertAnswer(const char (&answer)[kAppNameAnswerBytes], WCHAR (&name)[kAppNameChars]) {
    size_t length = 0;
    const char *half = SelectApplicationNameHalf(answer, &length);
    if (!length) return;
    const int chars = MultiByteToWideChar(UserDefaultCodePage(), 0, half, static_cast<int>(length),
                                          name, kAppNameChars - 1);
    name[chars > 0 ? chars : 0] = 0;
}

}  // namespace

void ReadPrintingApplication(const WCHAR *libraryName, WCHAR (&name)[kAppNameChars]) {
    ZeroMemory(name, sizeof(name));
    if (!libraryName[0]) return;
    WCHAR path[kSideLibraryPathBytes / sizeof(WCHAR)];
    DWORD bytes = kSideLibraryPathBytes;
    if (!BuildDriverFilePath(path, &bytes, libraryName)) return;
    char answer[kAppNameAnswerBytes] = {};
    {
        const LoadedLibrary library(LoadLibraryW(path));
        const auto getPrintingApplication =
            library.ExportAs<GetPrintingApplicationFn>(kGetPrintingApplicationExport);
        if (!getPrintingApplication) return;
        DWORD size = kAppNameAnswerBytes;
        getPrintingApplication(kGetPrintingApplicationFlags, answer, &size);
    }
    ConvertAnswer(answer, name);
}
