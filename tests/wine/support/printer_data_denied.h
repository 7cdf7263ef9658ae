// A user without the right to write printer data, for one scope: setting
// values on the printer's driver data is denied to everyone (the spooler
// then refuses SetPrinterData with error 5), and allowed again when the
// holder goes.
#pragma once
#include "core/win_holders.h"

#include <windows.h>

#include <string>

class PrinterDataDenied {
public:
    explicit PrinterDataDenied(const std::wstring &printer);
    ~PrinterDataDenied();
    PrinterDataDenied(const PrinterDataDenied &) = delete;
    PrinterDataDenied &operator=(const PrinterDataDenied &) = delete;
    bool Denied() const { return denied_; }

private:
    bool SetAccess(bool mayWrite);

    RegistryKey key_;
    bool denied_ = false;
};
