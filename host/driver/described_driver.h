// A driver whose document items are described item by item by its caller
// rather than read from a printer's description: the trees the plug-in's
// option-tree walk meets on other drivers and models. DrvGetDriverSetting
// answers from a table of keywords; DrvUpdateUISetting records each call
// and refuses the items chosen to be refused, as a driver refuses a
// selection its constraints forbid.
#pragma once

#include "driver/option_items.h"

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

class DescribedDriver {
public:
    DescribedDriver();
    DescribedDriver(const DescribedDriver &) = delete;
    DescribedDriver &operator=(const DescribedDriver &) = delete;

    // Each returns the new item's index.
    DWORD AddStandard(BYTE dmPubId, LONG sel, const std::vector<std::wstring> &options = {});
    DWORD AddFeature(const char *keyword, LONG sel, const std::vector<std::wstring> &options = {});
    DWORD AddMirror(LONG sel);
    DWORD AddPostScriptOutput(LONG sel);
    // A numeric item (copies, scale) with its bounds.
    DWORD AddRange(BYTE dmPubId, LONG sel, LONG lower, LONG upper);
    // What DrvGetDriverSetting answers for a feature keyword.
    void SetDriverSetting(const std::string &keyword, const std::string &value) {
        settings_[keyword] = value;
    }

    OPTITEM &Item(DWORD index) { return store_.Item(index); }
    const WCHAR *OptionName(DWORD item, DWORD option) const;
    BYTE OptionFlags(DWORD item, DWORD option) const;
    void Refuse(DWORD item) { refused_.insert(item); }

    // Fills the driver's item fields of a CommonUIProp parameter block.
    void Attach(OEMCUIPPARAM *param);
    POEMUIOBJ UiObject() { return &object_.object; }
    size_t ItemCount() const { return store_.Count(); }

    std::vector<UpdateCall> calls;

private:
    DWORD AddNamed(BYTE dmPubId, LONG sel, const char *keyword, const WCHAR *name,
                   const std::vector<std::wstring> &options);
    static BOOL WINAPI GetDriverSetting(PVOID driverObject, PCSTR feature, PVOID output,
                                        DWORD size, PDWORD needed, PDWORD optionsReturned);
    static BOOL WINAPI UpdateUISetting(PVOID driverObject, PVOID item, DWORD previous, DWORD mode);

    struct UiObjectOf {
        OEMUIOBJ object;
        DescribedDriver *owner;
    };
    OEMUIPROCS procs_ = {};
    UiObjectOf object_ = {};
    ItemStore store_;
    std::set<DWORD> refused_;
    std::map<std::string, std::string> settings_;
};
