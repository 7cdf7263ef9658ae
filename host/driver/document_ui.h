// The driver's document UI for one opening of the document properties:
// the settings, the option items built from them, the DEVMODE they edit,
// and the OEMUIOBJ through which the plug-in asks for settings
// (DrvGetDriverSetting) and changes items (DrvUpdateUISetting). Every
// accepted change goes into the DEVMODE at once.
#pragma once

#include "core/platform_oem.h"
#include "core/win_holders.h"
#include "driver/document_settings.h"
#include "driver/driver_calls.h"
#include "driver/driver_items.h"

#include <string>

class DocumentUi {
public:
    // The description's defaults; a DEVMODE to edit comes with SetDevmode.
    DocumentUi(const PrinterModel &model, const std::wstring &printerName);
    DocumentUi(const DocumentUi &) = delete;
    DocumentUi &operator=(const DocumentUi &) = delete;

    DocumentSettings &Settings() { return settings_; }
    DriverItems &Items() { return items_; }
    CallLog &Log() { return log_; }
    POEMUIOBJ UiObject() { return &object_.object; }
    const std::wstring &PrinterName() const { return printerName_; }

    // Takes the DEVMODE (public part, driver part, plug-in section), reads
    // the settings from it and sets the items' selections.
    void SetDevmode(HeapBlock devmode);
    DEVMODEW *Devmode() const { return devmode_.As<DEVMODEW>(); }
    size_t DevmodeSize() const { return devmode_.Size(); }
    BYTE *PluginSection() const;

    // DrvGetDriverSetting: the current option keyword of a description
    // feature, or an OEMGDS_* value.
    BOOL GetDriverSetting(PCSTR feature, PVOID output, DWORD size, PDWORD needed,
                          PDWORD optionsReturned);
    // DrvUpdateUISetting: the item's new Sel becomes the setting, unless it is
    // no option of the item or breaks a constraint against the other
    // current selections; then the item gets its old Sel back and the
    // answer is FALSE.
    BOOL UpdateUISetting(PVOID item, DWORD previousSelection, DWORD mode);
    // A change made on the driver's own page, under the same rules.
    bool ChangeItem(size_t index, LONG sel);

private:
    struct HostUiObject {
        OEMUIOBJ object;
        DocumentUi *owner;
    };

    bool ApplyItem(size_t index, DriverCall *call);
    void SyncDevmode();
    static BOOL WINAPI GetDriverSettingProc(PVOID driverObject, PCSTR feature, PVOID output,
                                            DWORD size, PDWORD needed, PDWORD optionsReturned);
    static BOOL WINAPI UpdateUISettingProc(PVOID driverObject, PVOID item, DWORD previous,
                                           DWORD mode);
    friend DocumentUi *DocumentUiOf(PVOID driverObject);

    std::wstring printerName_;
    DocumentSettings settings_;
    DriverItems items_;
    HeapBlock devmode_;
    CallLog log_;
    HostUiObject object_;
};

// The document UI an OEMUIOBJ pointer belongs to; null when it is not one
// the host handed out.
DocumentUi *DocumentUiOf(PVOID driverObject);
