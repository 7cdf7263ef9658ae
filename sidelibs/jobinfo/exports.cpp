// The job-information library's one export as the plug-in calls it: the
// name of the program that is printing, in two halves of 60 bytes of 8-bit
// text. The first half is the program's own description (its version
// resource's FileDescription), empty when it has none; the second half is
// the program's file name.
#include "core/cxx_runtime.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr DWORD kAnswerBytes = 120;
constexpr DWORD kHalfBytes = 60;
const char kTranslationQuery[] = "\\VarFileInfo\\Translation";
const char kDescriptionQuery[] = "\\StringFileInfo\\%04x%04x\\FileDescription";

struct LanguageCodePage {
    WORD language;
    WORD codePage;
};

// Copies whole characters of text into a half, leaving room for its
// terminator.
void CopyIntoHalf(const char *text, char *half) {
    const char *end = text;
    while (*end) {
        const char *next = CharNextA(end);
        if (next - text > static_cast<ptrdiff_t>(kHalfBytes - 1)) break;
        end = next;
    }
    std::memcpy(half, text, end - text);
}

bool ReadProgramDescription(const char *path, char *half) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (!size) return false;
    std::vector<char> info(size);
    if (!GetFileVersionInfoA(path, 0, size, info.data())) return false;
    LanguageCodePage *translation = nullptr;
    UINT translationBytes = 0;
    if (!VerQueryValueA(info.data(), kTranslationQuery, reinterpret_cast<void **>(&translation),
                        &translationBytes) ||
        translationBytes < sizeof(LanguageCodePage))
        return false;
    char query[64];
    std::snprintf(query, sizeof(query), kDescriptionQuery, translation->language,
                  translation->codePage);
    char *description = nullptr;
    UINT descriptionChars = 0;
    if (!VerQueryValueA(info.data(), query, reinterpret_cast<void **>(&description),
                        &descriptionChars) ||
        !description || !description[0])
        return false;
    CopyIntoHalf(description, half);
    return true;
}

const char *FileNameOf(const char *path) {
    const char *name = path;
    for (const char *p = path; *p; p = CharNextA(p))
        if (*p == '\\' || *p == '/') name = p + 1;
    return name;
}

}  // namespace

extern "C" {

BOOL WINAPI GetPrintingApplication(DWORD, char *answer, DWORD *bytes) {
    if (!answer || !bytes) return FALSE;
    if (*bytes < kAnswerBytes) {
        *bytes = kAnswerBytes;
        return FALSE;
    }
    std::memset(answer, 0, kAnswerBytes);
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (!length || length >= MAX_PATH) return FALSE;
    ReadProgramDescription(path, answer);
    CopyIntoHalf(FileNameOf(path), answer + kHalfBytes);
    *bytes = kAnswerBytes;
    return TRUE;
}

}  // extern "C"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID processExiting) {
    if (reason == DLL_PROCESS_DETACH) ReleaseCxxRuntimeOnUnload(processExiting);
    return TRUE;
}
