// The record of what the plug-in asked of the driver (DrvGetDriverSetting,
// DrvUpdateUISetting) and of what the driver did toward the plug-in while
// a document sheet was open, one line each, for tests to read.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DriverCall {
    std::string function;    // "DrvGetDriverSetting", "DrvUpdateUISetting", or what the driver did
    std::string feature;     // keyword asked for or the item's keyword
    std::string answer;      // the option keyword answered
    long item = -1;          // the item's index in the driver's array
    LONG sel = 0;            // the selection asked for
    LONG restored = 0;       // the selection the item went back to when refused
    DWORD previous = 0;
    DWORD mode = 0;
    bool result = false;
    std::string why;         // the constraint that refused it, or what failed
};

// "DrvGetDriverSetting VXHDD -> False",
// "DrvUpdateUISetting item 40 VXStaple sel 1 previous 0 mode 1 -> refused ..."
std::string FormatCall(const DriverCall &call);

class CallLog {
public:
    // Empties the file; every later entry is also appended to it at once, so
    // that the record survives a crash.
    bool WriteTo(const std::wstring &path);
    void Add(const DriverCall &call);
    // A free line about what the driver did ("CommonUIProp ...").
    void Note(const std::string &text);
    const std::vector<DriverCall> &Calls() const { return calls_; }
    const std::vector<std::string> &Lines() const { return lines_; }

private:
    void Append(const std::string &line);

    std::wstring path_;
    std::vector<DriverCall> calls_;
    std::vector<std::string> lines_;
};
