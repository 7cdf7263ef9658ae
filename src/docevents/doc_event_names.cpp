#include "docevents/doc_event_names.h"

namespace {

const char16_t kRawDataType[] = u"RAW";
const char16_t kReservedChars[] = u"\\/:*?\"<>|";
constexpr char16_t kReservedReplacement = u'0';
const char16_t kLocalPrefix[] = u"Local\\";
const char16_t kLocalPipePrefix[] = u"\\\\.\\pipe\\";
const char16_t kServerPipeFolder[] = u"\\pipe\\";
const char16_t kAppInfoSuffix[] = u"\\AppInfo";
constexpr char16_t kMutexSuffix = u'B';
constexpr char16_t kMappingSuffix = u'A';
constexpr int kJobIdDigits = 8;
const char16_t kHexDigits[] = u"0123456789abcdef";

// Appends to a fixed buffer and remembers whether everything fitted; a
// text that did not fit is never handed out, so Finish empties it.
class TextWriter {
public:
    TextWriter(char16_t *out, size_t chars) : out_(out), chars_(chars) {
        if (chars_) out_[0] = 0;
    }
    void Char(char16_t c) {
        if (length_ + 1 >= chars_) {
            fits_ = false;
            return;
        }
        out_[length_++] = c;
        out_[length_] = 0;
    }
    void Text(const char16_t *text) {
        for (; text && *text && fits_; ++text) Char(*text);
    }
    void Hex(uint32_t value, int digits) {
        for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
            Char(kHexDigits[(value >> shift) & 0xF]);
    }
    void Fail() { fits_ = false; }
    bool Finish() {
        if (!fits_ || !chars_) {
            if (chars_) out_[0] = 0;
            return false;
        }
        return true;
    }

private:
    char16_t *out_;
    size_t chars_;
    size_t length_ = 0;
    bool fits_ = true;
};

bool IsEmpty(const char16_t *text) { return !text || !text[0]; }

bool IsReserved(char16_t c) {
    for (const char16_t *r = kReservedChars; *r; ++r)
        if (*r == c) return true;
    return false;
}

const char16_t *OrEmpty(const char16_t *text) { return text ? text : u""; }

// A printer that is not shared has no share name in any name formed here.
const char16_t *ShareNameOf(const PrinterJobFacts &facts) {
    return facts.shared ? OrEmpty(facts.shareName) : u"";
}

void WriteSidAce(TextWriter &writer, uint32_t access, const char16_t *sid) {
    writer.Text(u"(A;;0x");
    writer.Hex(access, 8);
    writer.Text(u";;;");
    writer.Text(sid);
    writer.Char(u')');
}

}  // namespace

const char *SelectApplicationNameHalf(const char *answer, size_t *length) {
    const char *half = answer[0] ? answer : answer + kAppNameHalfBytes;
    size_t n = 0;
    while (n < kAppNameHalfBytes && half[n]) ++n;
    *length = n;
    return half;
}

bool IsRawDataType(const char16_t *dataType) {
    if (!dataType) return false;
    const char16_t *expected = kRawDataType;
    while (*dataType && *dataType == *expected) {
        ++dataType;
        ++expected;
    }
    return *dataType == 0 && *expected == 0;
}

bool ClientRenderingFlag(bool osMajor6OrLater, bool emfSettingRead, uint32_t emfSetting) {
    if (!osMajor6OrLater) return false;
    return !(emfSettingRead && emfSetting != 0);
}

bool IsRemoteCase(const PrinterJobFacts &facts) {
    return facts.shared && !IsEmpty(facts.serverName) && !facts.rawDataType;
}

void BuildObjectBaseName(const PrinterJobFacts &facts, char16_t *out) {
    const char16_t *name = facts.shared ? OrEmpty(facts.shareName) : OrEmpty(facts.printerName);
    size_t i = 0;
    for (; i < kBaseNameExaminedChars && name[i]; ++i)
        out[i] = IsReserved(name[i]) ? kReservedReplacement : name[i];
    out[i] = 0;
}

bool FormatObjectName(const char16_t *baseName, uint32_t jobId, NamedObjectKind kind,
                      char16_t *out, size_t outChars) {
    TextWriter writer(out, outChars);
    writer.Text(kLocalPrefix);
    writer.Text(baseName);
    writer.Hex(jobId, kJobIdDigits);
    writer.Char(kind == NamedObjectKind::Mutex ? kMutexSuffix : kMappingSuffix);
    return writer.Finish();
}

PipeCase ChoosePipeCase(const PrinterJobFacts &facts) {
    if (IsEmpty(facts.serverName)) return PipeCase::Local;
    if (facts.rawDataType) return PipeCase::RemoteRaw;
    return facts.clientRendering ? PipeCase::RemoteClientRendering : PipeCase::RemoteServer;
}

bool FormatPipeName(const PrinterJobFacts &facts, char16_t *out, size_t outChars) {
    TextWriter writer(out, outChars);
    switch (ChoosePipeCase(facts)) {
    case PipeCase::RemoteServer:
        writer.Text(facts.serverName);
        writer.Text(kServerPipeFolder);
        writer.Text(ShareNameOf(facts));
        writer.Char(u'\\');
        writer.Hex(facts.jobId, kJobIdDigits);
        break;
    case PipeCase::RemoteClientRendering:
        writer.Text(kLocalPipePrefix);
        writer.Text(OrEmpty(facts.driverName));
        break;
    case PipeCase::RemoteRaw:
        writer.Text(kLocalPipePrefix);
        writer.Text(ShareNameOf(facts));
        writer.Char(u'\\');
        writer.Hex(facts.jobId, kJobIdDigits);
        break;
    case PipeCase::Local:
        writer.Text(kLocalPipePrefix);
        writer.Text(facts.shared ? ShareNameOf(facts) : OrEmpty(facts.printerName));
        writer.Char(u'\\');
        writer.Hex(facts.jobId, kJobIdDigits);
        break;
    }
    writer.Text(kAppInfoSuffix);
    return writer.Finish();
}

bool FormatCompanionCommandLine(const char16_t *appName, const char16_t *pipeName, char16_t *out,
                                size_t outChars) {
    TextWriter writer(out, outChars);
    writer.Text(u"0 \"");
    writer.Text(appName);
    writer.Text(u"\" \"");
    writer.Text(pipeName);
    writer.Char(u'"');
    return writer.Finish();
}

bool FormatObjectSddl(const char16_t *userSid, uint32_t fullAccess, uint32_t everyoneAccess,
                      bool lowIntegrityLabel, char16_t *out, size_t outChars) {
    TextWriter writer(out, outChars);
    if (IsEmpty(userSid)) {
        writer.Fail();
        return writer.Finish();
    }
    writer.Text(u"D:P");
    WriteSidAce(writer, fullAccess, userSid);
    WriteSidAce(writer, fullAccess, u"SY");
    WriteSidAce(writer, fullAccess, u"BA");
    WriteSidAce(writer, everyoneAccess, u"WD");
    if (lowIntegrityLabel) writer.Text(u"S:(ML;;NW;;;LW)");
    return writer.Finish();
}
