// The names by which the printing application's name reaches the printer
// side of a job: the per-job mutex and mapping, the pipe handed to the
// companion program and its command line, and the access the two objects
// grant. The printer side forms the same names, so every format here is
// fixed. Pure code: no platform headers, 16-bit text as char16_t.
#pragma once

#include <cstddef>
#include <cstdint>

// The job-information library's answer: two halves of 60 bytes, the second
// used when the first is empty.
constexpr size_t kAppNameAnswerBytes = 120;
constexpr size_t kAppNameHalfBytes = 60;
// The converted name and its terminator; the mapping holds exactly these.
constexpr size_t kAppNameChars = kAppNameHalfBytes + 1;
constexpr size_t kAppNameMappingBytes = kAppNameChars * sizeof(char16_t);  // 122

constexpr size_t kBaseNameExaminedChars = 1024;
constexpr size_t kObjectBaseNameChars = kBaseNameExaminedChars + 1;
// "Local\", the base name, eight hex digits, the kind letter, terminator.
constexpr size_t kObjectNameChars = 6 + kBaseNameExaminedChars + 8 + 1 + 1;
// The platform serves pipe names of at most 256 characters.
constexpr size_t kPipeNameChars = 256 + 1;
// 0 "application" "pipe": seven characters of its own.
constexpr size_t kCommandLineChars = 7 + (kAppNameChars - 1) + (kPipeNameChars - 1) + 1;
// Room for a descriptor string with one user SID of any length the
// platform gives (at most 15 sub-authorities).
constexpr size_t kMaxSidStringChars = 184;
constexpr size_t kObjectSddlChars = 160 + kMaxSidStringChars;

// Where the name is published: the mutex guards the mapping that holds it.
enum class NamedObjectKind { Mutex, Mapping };

// How the pipe given to the companion program is named.
enum class PipeCase {
    RemoteServer,           // "<server>\pipe\<share>\<job>\AppInfo"
    RemoteClientRendering,  // "\\.\pipe\<driver>\AppInfo"
    RemoteRaw,              // "\\.\pipe\<share>\<job>\AppInfo"
    Local,                  // "\\.\pipe\<share or printer>\<job>\AppInfo"
};

// What the printer, its job and the machine say; null names count as empty.
struct PrinterJobFacts {
    const char16_t *printerName = nullptr;
    const char16_t *shareName = nullptr;
    const char16_t *serverName = nullptr;
    const char16_t *driverName = nullptr;
    bool shared = false;
    bool rawDataType = false;
    bool clientRendering = false;
    uint32_t jobId = 0;
};

// The half of the library's answer that carries the name, and its length
// within the half (a half without a terminator counts all 60 bytes).
const char *SelectApplicationNameHalf(const char *answer, size_t *length);

bool IsRawDataType(const char16_t *dataType);

// Client rendering is assumed from OS major version 6 on unless the
// printer's "EMFDespoolingSetting" value was read and is non-zero.
bool ClientRenderingFlag(bool osMajor6OrLater, bool emfSettingRead, uint32_t emfSetting);

// Shared, with a server name, and not RAW: the name goes by pipe only.
bool IsRemoteCase(const PrinterJobFacts &facts);

// The share name of a shared printer, else the printer name, cut to 1024
// characters, with every character the object namespace reserves replaced
// by '0'. out holds kObjectBaseNameChars.
void BuildObjectBaseName(const PrinterJobFacts &facts, char16_t *out);

// "Local\<base><job as %08x>B" for the mutex, "...A" for the mapping.
// False, with out empty, when the name does not fit in outChars.
bool FormatObjectName(const char16_t *baseName, uint32_t jobId, NamedObjectKind kind,
                      char16_t *out, size_t outChars);

PipeCase ChoosePipeCase(const PrinterJobFacts &facts);

// False, with out empty, when the name does not fit in outChars.
bool FormatPipeName(const PrinterJobFacts &facts, char16_t *out, size_t outChars);

// 0 "<application>" "<pipe>"; false, with out empty, when it does not fit.
bool FormatCompanionCommandLine(const char16_t *appName, const char16_t *pipeName, char16_t *out,
                                size_t outChars);

// A descriptor string for one published object: the creating user, SYSTEM
// and Administrators get fullAccess, Everyone only everyoneAccess; with
// lowIntegrityLabel the objects carry the low mandatory label (no write-up)
// so that low-integrity readers may open them. False, with out empty, when
// it does not fit.
bool FormatObjectSddl(const char16_t *userSid, uint32_t fullAccess, uint32_t everyoneAccess,
                      bool lowIntegrityLabel, char16_t *out, size_t outChars);
