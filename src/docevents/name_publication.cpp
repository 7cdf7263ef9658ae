// The printer side trusts the name it reads, so the objects do not grant
// everyone full access: the creating user, SYSTEM and Administrators may do
// anything, everyone else may only read the mapping and wait on and release
// the mutex. From OS version 6 on they carry the low mandatory label, so
// that printer-side readers of low integrity can still open them.
#include "docevents/name_publication.h"

#include "core/os_version.h"
#include "core/win_holders.h"

#include <sddl.h>

namespace {

constexpr DWORD kMutexFullAccess = MUTEX_ALL_ACCESS;
constexpr DWORD kMutexEveryoneAccess = SYNCHRONIZE | MUTEX_MODIFY_STATE;
constexpr DWORD kMappingFullAccess = FILE_MAP_ALL_ACCESS;
constexpr DWORD kMappingEveryoneAccess = FILE_MAP_READ;
// A mutex that existed already belongs to an earlier publication of the
// same job or to a reader; it is waited for, briefly, before writing.
constexpr DWORD kExistingMutexWaitMs = 2000;

UniqueHandle OpenCallerToken() {
    HANDLE token = nullptr;
    if (OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token)) return UniqueHandle(token);
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return UniqueHandle(token);
    return UniqueHandle();
}

// The creating user's SID as text; false when the token does not say.
bool ReadUserSid(LocalBlock *sidText) {
    const UniqueHandle token = OpenCallerToken();
    if (!token) return false;
    DWORD needed = 0;
    GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &needed);
    GlobalBlock block(needed);
    if (!block || !GetTokenInformation(token.Get(), TokenUser, block.As<BYTE>(), needed, &needed))
        return false;
    return ConvertSidToStringSidW(block.As<TOKEN_USER>()->User.Sid, sidText->Receive<WCHAR>());
}

// Security attributes for one kind of object; null attributes (default
// security) when the descriptor cannot be built.
class ObjectSecurity {
public:
    ObjectSecurity(const WCHAR *userSid, DWORD fullAccess, DWORD everyoneAccess) {
        if (!userSid) return;
        WCHAR sddl[kObjectSddlChars];
        if (!FormatObjectSddl(reinterpret_cast<const char16_t *>(userSid), fullAccess,
                              everyoneAccess, OsMajor6OrLater != 0,
                              reinterpret_cast<char16_t *>(sddl), kObjectSddlChars))
            return;
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
                sddl, SDDL_REVISION_1, descriptor_.Receive<void>(), nullptr))
            return;
        attributes_.nLength = sizeof(attributes_);
        attributes_.lpSecurityDescriptor = descriptor_.As<void>();
        attributes_.bInheritHandle = FALSE;
    }
    SECURITY_ATTRIBUTES *Attributes() {
        return attributes_.lpSecurityDescriptor ? &attributes_ : nullptr;
    }

private:
    LocalBlock descriptor_;
    SECURITY_ATTRIBUTES attributes_ = {};
};

// An owned mutex of the job; empty when it cannot be made or taken.
UniqueHandle CreateOwnedMutex(const WCHAR *name, SECURITY_ATTRIBUTES *attributes) {
    SetLastError(ERROR_SUCCESS);
    UniqueHandle mutex(CreateMutexW(attributes, TRUE, name));
    if (!mutex) return UniqueHandle();
    if (GetLastError() != ERROR_ALREADY_EXISTS) return mutex;
    const DWORD wait = WaitForSingleObject(mutex.Get(), kExistingMutexWaitMs);
    if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) return mutex;
    return UniqueHandle();
}

bool WriteMapping(HANDLE mapping, const WCHAR (&appName)[kAppNameChars]) {
    void *view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, kAppNameMappingBytes);
    if (!view) return false;
    CopyMemory(view, appName, kAppNameMappingBytes);
    UnmapViewOfFile(view);
    return true;
}

}  // namespace

bool PublishApplicationName(const WCHAR *mutexName, const WCHAR *mappingName,
                            const WCHAR (&appName)[kAppNameChars]) {
    static_assert(sizeof(appName) == kAppNameMappingBytes, "the mapping holds the whole name");
    LocalBlock userSid;
    const WCHAR *sid = ReadUserSid(&userSid) ? userSid.As<WCHAR>() : nullptr;
    ObjectSecurity mutexSecurity(sid, kMutexFullAccess, kMutexEveryoneAccess);
    ObjectSecurity mappingSecurity(sid, kMappingFullAccess, kMappingEveryoneAccess);

    UniqueHandle mutex = CreateOwnedMutex(mutexName, mutexSecurity.Attributes());
    if (!mutex) return false;
    UniqueHandle mapping(CreateFileMappingW(INVALID_HANDLE_VALUE, mappingSecurity.Attributes(),
                                            PAGE_READWRITE, 0, kAppNameMappingBytes,
                                            mappingName));
    const bool written = mapping && WriteMapping(mapping.Get(), appName);
    ReleaseMutex(mutex.Get());
    if (!written) return false;
    // The printer side opens them by name while the application lives.
    mutex.Release();
    mapping.Release();
    return true;
}
