// A driver option tree as the PostScript driver hands it to the plug-in:
// standard items with their DMPubID and one item per feature keyword, and
// a DrvUpdateUISetting that logs each call and refuses chosen items.
#pragma once

#include "core/platform_oem.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

struct UpdateCall {
    DWORD item;
    LONG sel;
    DWORD previous;
    DWORD mode;
    bool hiddenDuringCall;
};

class DriverTree {
public:
    DriverTree();
    DriverTree(const DriverTree &) = delete;
    DriverTree &operator=(const DriverTree &) = delete;

    // Returns the new item's index.
    DWORD AddStandard(BYTE dmPubId, LONG sel, const std::vector<std::wstring> &options = {});
    DWORD AddFeature(const char *keyword, LONG sel, const std::vector<std::wstring> &options = {});
    DWORD AddMirror(LONG sel);
    DWORD AddPostScriptOutput(LONG sel);
    // A numeric item (copies, scale) as an up-down with its bounds in the
    // second option parameter.
    DWORD AddRange(BYTE dmPubId, LONG sel, LONG lower, LONG upper);
    // What DrvGetDriverSetting answers for a feature keyword.
    void SetDriverSetting(const std::string &keyword, const std::string &value) {
        settings_[keyword] = value;
    }

    OPTITEM &Item(DWORD index) { return items_[index]; }
    const WCHAR *OptionName(DWORD item, DWORD option) const;
    BYTE OptionFlags(DWORD item, DWORD option) const;
    void Refuse(DWORD item) { refused_.insert(item); }

    // Fills the item fields of a CommonUIProp parameter block.
    void Attach(OEMCUIPPARAM *param);
    POEMUIOBJ UiObject() { return &driver_.object; }
    size_t ItemCount() const { return items_.size(); }

    std::vector<UpdateCall> calls;

private:
    DWORD Add(BYTE dmPubId, LONG sel, const char *keyword, ULONG_PTR itemId, LPWSTR name,
              const std::vector<std::wstring> &options);
    static BOOL WINAPI GetDriverSetting(PVOID driverObject, PCSTR feature, PVOID output,
                                        DWORD size, PDWORD needed, PDWORD optionsReturned);
    static BOOL WINAPI UpdateUISetting(PVOID driverObject, PVOID item, DWORD previous, DWORD mode);

    struct Driver {
        OEMUIOBJ object;
        DriverTree *tree;
    };
    OEMUIPROCS procs_ = {};
    Driver driver_ = {};
    std::vector<OPTITEM> items_;
    std::deque<USERDATA> userData_;
    std::deque<std::string> keywords_;
    std::deque<OPTTYPE> types_;
    std::deque<std::vector<OPTPARAM>> params_;
    std::deque<std::wstring> names_;
    std::set<DWORD> refused_;
    std::map<std::string, std::string> settings_;
};
