#include "support/printer_data_denied.h"

namespace {

const WCHAR kPrintersKey[] = L"System\\CurrentControlSet\\Control\\Print\\Printers\\";
const WCHAR kDriverDataKey[] = L"\\PrinterDriverData";
constexpr DWORD kAclBytes = 256;

}  // namespace

PrinterDataDenied::PrinterDataDenied(const std::wstring &printer) {
    const std::wstring path = kPrintersKey + printer + kDriverDataKey;
    denied_ = RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, READ_CONTROL | WRITE_DAC,
                              nullptr, key_.Receive(), nullptr) == ERROR_SUCCESS &&
              SetAccess(false);
}

PrinterDataDenied::~PrinterDataDenied() {
    if (denied_) SetAccess(true);
}

// Everyone may do anything, or anything but set values.
bool PrinterDataDenied::SetAccess(bool mayWrite) {
    BYTE everyone[SECURITY_MAX_SID_SIZE];
    DWORD bytes = sizeof(everyone);
    alignas(DWORD) BYTE aclBytes[kAclBytes];
    PACL acl = reinterpret_cast<PACL>(aclBytes);
    SECURITY_DESCRIPTOR descriptor;
    return CreateWellKnownSid(WinWorldSid, nullptr, everyone, &bytes) &&
           InitializeAcl(acl, sizeof(aclBytes), ACL_REVISION) &&
           (mayWrite || AddAccessDeniedAce(acl, ACL_REVISION, KEY_SET_VALUE, everyone)) &&
           AddAccessAllowedAce(acl, ACL_REVISION, KEY_ALL_ACCESS, everyone) &&
           InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
           SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE) &&
           RegSetKeySecurity(key_.Get(), DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
}
