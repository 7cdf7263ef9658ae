#include "driver/driver_calls.h"

#include "core/win_holders.h"

std::string FormatCall(const DriverCall &call) {
    std::string line = call.function;
    if (call.item >= 0) line += " item " + std::to_string(call.item);
    if (!call.feature.empty()) line += " " + call.feature;
    if (call.item >= 0)
        line += " sel " + std::to_string(call.sel) + " previous " + std::to_string(call.previous) +
                " mode " + std::to_string(call.mode);
    line += " -> ";
    if (call.item < 0) {
        line += call.result ? call.answer : "failed";
    } else {
        line += call.result ? "applied" : "refused, Sel back to " + std::to_string(call.restored);
    }
    if (!call.why.empty()) line += " (" + call.why + ")";
    return line;
}

bool CallLog::WriteTo(const std::wstring &path) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    path_ = path;
    return true;
}

void CallLog::Add(const DriverCall &call) {
    calls_.push_back(call);
    Append(FormatCall(call));
}

void CallLog::Note(const std::string &text) { Append(text); }

void CallLog::Append(const std::string &line) {
    lines_.push_back(line);
    if (path_.empty()) return;
    UniqueHandle file(CreateFileW(path_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}
