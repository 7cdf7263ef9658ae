#include "printer/file_security.h"

#include "core/win_holders.h"

namespace {

// The take-ownership privilege as it was before EnableTakeOwnership(1).
TOKEN_PRIVILEGES previousTakeOwnership;
bool takeOwnershipAdjusted;

bool MakeSid(WELL_KNOWN_SID_TYPE type, BYTE *sid) {
    DWORD bytes = SECURITY_MAX_SID_SIZE;
    return CreateWellKnownSid(type, nullptr, sid, &bytes) != FALSE;
}

bool SetOwner(const WCHAR *path, SharedFileSecurity *security) {
    return SetFileSecurityW(path, OWNER_SECURITY_INFORMATION, security->Descriptor()) != FALSE;
}

}  // namespace

SharedFileSecurity::SharedFileSecurity() { valid_ = Build(); }

bool SharedFileSecurity::Build() {
    if (!InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION)) return false;
    if (!MakeSid(WinBuiltinUsersSid, usersSid_) ||
        !MakeSid(WinBuiltinAdministratorsSid, administratorsSid_) ||
        !MakeSid(WinLocalSystemSid, systemSid_))
        return false;
    administrators_ = administratorsSid_;
    PACL acl = reinterpret_cast<PACL>(acl_);
    if (!InitializeAcl(acl, sizeof(acl_), ACL_REVISION)) return false;
    if (!AddAccessAllowedAce(acl, ACL_REVISION, kSharedFileUserRights, usersSid_) ||
        !AddAccessAllowedAce(acl, ACL_REVISION, FILE_ALL_ACCESS, administratorsSid_) ||
        !AddAccessAllowedAce(acl, ACL_REVISION, FILE_ALL_ACCESS, systemSid_))
        return false;
    return SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE) != FALSE;
}

int GrantFileAccess(const WCHAR *path, SharedFileSecurity *security) {
    if (!path || !path[0] || !security->Valid()) return 0;
    if (SetFileSecurityW(path, DACL_SECURITY_INFORMATION, security->Descriptor())) return 1;
    if (!SetSecurityDescriptorOwner(security->Descriptor(), security->Administrators(), FALSE))
        return 0;
    bool ownerSet = SetOwner(path, security);
    if (!ownerSet) {
        EnableTakeOwnership(1);
        ownerSet = SetOwner(path, security);
    }
    int result = 0;
    if (ownerSet)
        result = SetFileSecurityW(path, DACL_SECURITY_INFORMATION, security->Descriptor()) ? 1 : 0;
    EnableTakeOwnership(0);
    return result;
}

int EnableTakeOwnership(int enable) {
    HANDLE opened = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &opened))
        return 0;
    const UniqueHandle token(opened);
    if (!enable) {
        if (!takeOwnershipAdjusted) return 1;
        takeOwnershipAdjusted = false;
        AdjustTokenPrivileges(token.Get(), FALSE, &previousTakeOwnership, 0, nullptr, nullptr);
        return GetLastError() == ERROR_SUCCESS ? 1 : 0;
    }
    TOKEN_PRIVILEGES privilege = {};
    privilege.PrivilegeCount = 1;
    privilege.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueW(nullptr, SE_TAKE_OWNERSHIP_NAME, &privilege.Privileges[0].Luid))
        return 0;
    TOKEN_PRIVILEGES previous = {};
    DWORD previousBytes = 0;
    if (!AdjustTokenPrivileges(token.Get(), FALSE, &privilege, sizeof(previous), &previous,
                               &previousBytes))
        return 0;
    const DWORD error = GetLastError();
    // The answer lists the privilege only when its state changed.
    if (previous.PrivilegeCount) {
        previousTakeOwnership = previous;
        takeOwnershipAdjusted = true;
    }
    return error == ERROR_SUCCESS ? 1 : 0;
}
