// Text conversion and the host's output streams.
#include "host_text.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace {

constexpr DWORD kMessageFlags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
constexpr DWORD kMessageChars = 512;
constexpr int kHexDigits = 8;

void WriteRaw(FILE *stream, const std::string &text) {
    fwrite(text.data(), 1, text.size(), stream);
    fflush(stream);
}

std::string TrimLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

}  // namespace

std::string Utf8(const WCHAR *text, size_t chars) {
    if (!chars) return {};
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(chars), nullptr, 0,
                                          nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(chars), &out[0], bytes, nullptr,
                        nullptr);
    return out;
}

std::string Utf8(const std::wstring &text) { return Utf8(text.data(), text.size()); }

std::wstring Wide(const std::string &utf8) {
    if (utf8.empty()) return {};
    const int chars =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (chars <= 0) return {};
    std::wstring out(static_cast<size_t>(chars), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &out[0], chars);
    return out;
}

std::string Utf8FromAnsi(const char *text, size_t chars) {
    if (!chars) return {};
    const int wideChars = MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(chars), nullptr, 0);
    if (wideChars <= 0) return {};
    std::wstring wide(static_cast<size_t>(wideChars), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(chars), &wide[0], wideChars);
    return Utf8(wide);
}

std::string Win32ErrorText(DWORD error) {
    WCHAR message[kMessageChars] = {};
    const DWORD length =
        FormatMessageW(kMessageFlags, nullptr, error, 0, message, kMessageChars, nullptr);
    std::string text = "error " + std::to_string(error);
    if (length) text += ": " + TrimLineEnd(Utf8(message, length));
    return text;
}

std::string HexDword(DWORD value) {
    char text[2 + kHexDigits + 1];
    snprintf(text, sizeof(text), "0x%08lX", static_cast<unsigned long>(value));
    return text;
}

void PrepareOutputStreams() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

void PrintOut(const std::string &text) { WriteRaw(stdout, text); }

void PrintError(const std::string &text) { WriteRaw(stderr, "drvhost: " + text + "\n"); }
