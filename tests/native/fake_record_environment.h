// A record environment whose answers the tests choose.
#pragma once

#include "core/oem_devmode.h"

#include <string>

class FakeRecordEnvironment : public RecordEnvironment {
public:
    std::u16string iniPath = u"C:\\drivers\\3\\model.ini";
    bool iniQualifies = true;
    int onePassSeries = 0;
    std::u16string driverDirectory = u"C:\\windows\\system32\\spool\\drivers\\x64";
    bool directoryReadable = true;
    std::u16string capabilityPath = u"C:\\drivers\\3\\model.cap";
    uint32_t compression = 0;
    bool cryptoAvailable = true;
    uint32_t cryptoArea[10] = {11, 12, 0, 0, 0, 0, 16, 17, 0, 0};
    int cryptoCalls = 0;

    void FindDriverConfigFiles(char16_t *out) override {
        if (!iniQualifies) return;
        iniPath.copy(out, iniPath.size());
        out[iniPath.size()] = 0;
    }
    int ReadOnePassSeries(const char16_t *) override { return onePassSeries; }
    bool ReadDriverDirectory(char16_t *out, size_t chars) override {
        if (!directoryReadable) return false;
        const size_t n = driverDirectory.size() < chars ? driverDirectory.size() : chars - 1;
        driverDirectory.copy(out, n);
        out[n] = 0;
        return true;
    }
    const char16_t *CapabilityPath() override { return capabilityPath.c_str(); }
    uint32_t ReadCompressionCapability() override { return compression; }
    bool GetCryptoDefaults(uint32_t area[10]) override {
        ++cryptoCalls;
        if (!cryptoAvailable) return false;
        for (int i = 0; i < 10; ++i) area[i] = cryptoArea[i];
        return true;
    }
};
