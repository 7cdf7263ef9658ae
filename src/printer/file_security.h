// Security of the driver files that every user's runs write to (the plug-in
// ini's shared stores): built-in Users may read and write the file's data,
// Administrators and the system have full control. Nobody else gains the
// right to change the file's security, take it over or delete it.
#pragma once

#include <windows.h>

// The descriptor put on such a file: its DACL (and, on the fallback path,
// its owner, the Administrators group).
class SharedFileSecurity {
public:
    SharedFileSecurity();
    SharedFileSecurity(const SharedFileSecurity &) = delete;
    SharedFileSecurity &operator=(const SharedFileSecurity &) = delete;
    // False when the SIDs or the DACL could not be built.
    bool Valid() const { return valid_; }
    PSECURITY_DESCRIPTOR Descriptor() { return &descriptor_; }
    PSID Administrators() const { return administrators_; }

private:
    bool Build();

    SECURITY_DESCRIPTOR descriptor_ = {};
    BYTE usersSid_[SECURITY_MAX_SID_SIZE] = {};
    BYTE administratorsSid_[SECURITY_MAX_SID_SIZE] = {};
    BYTE systemSid_[SECURITY_MAX_SID_SIZE] = {};
    PSID administrators_ = nullptr;
    // Room for the three access-allowed entries and their SIDs.
    static constexpr size_t kAclBytes =
        sizeof(ACL) + 3 * (sizeof(ACCESS_ALLOWED_ACE) + SECURITY_MAX_SID_SIZE);
    alignas(DWORD) BYTE acl_[kAclBytes] = {};
    bool valid_ = false;
};

// The rights built-in Users receive: read and write the data, no DELETE,
// WRITE_DAC or WRITE_OWNER.
constexpr DWORD kSharedFileUserRights = FILE_GENERIC_READ | FILE_GENERIC_WRITE;

// Puts the shared DACL on the file; when the spooler may not change it,
// makes the Administrators group the owner first (taking ownership when
// needed) and tries again. 1 on success.
int GrantFileAccess(const WCHAR *path, SharedFileSecurity *security);

// 1: enables the take-ownership privilege of the process token; 0: puts
// that privilege back as it was before. 1 when the token change left no error.
int EnableTakeOwnership(int enable);
