// Corrupted DEVMODEs through the real plug-in, as the driver host hands
// them over: DevMode CONVERT, MERGE and DEFAULT with a guard page after
// every buffer, and the document properties opened on them (each page
// shown and left, then OK). Nothing may fault or touch memory outside the
// buffers given, and every result is a whole record or the defined error.
// SX_CORRUPTOR_SEED, SX_CORRUPTOR_CALLS and SX_CORRUPTOR_SHEETS choose the
// run; a failure names the seed and the call that replays it.
#include "devmode_corruptor.h"
#include "fault_report.h"
#include "guarded_buffer.h"
#include "support/devmode_param.h"
#include "support/sheet_visit.h"

#include "core/oem_devmode.h"
#include "driver/devmode_builder.h"
#include "driver/document_ui.h"
#include "install/model_files.h"
#include "driver/plugin_loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kDefaultSeed = 20261207;
constexpr uint32_t kDefaultCalls = 3000;
constexpr uint32_t kDefaultSheets = 12;
constexpr int32_t kMergeFieldLimit = 100;
constexpr uint32_t kMaxSpareBytes = 2048;
constexpr BYTE kSpareFill = 0xEE;

int32_t FieldTwelve(const BYTE *record) {
    int32_t value;
    std::memcpy(&value, record + offsetof(OemDevmode, lRecField12), sizeof(value));
    return value;
}

class CorruptorTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(session_.Open(kSamplePrinterName, &error)) << error;
        DocumentUi ui(session_.Model(), session_.PrinterName());
        HeapBlock devmode;
        ASSERT_TRUE(BuildDefaultDevmode(session_, ui.Settings(), &devmode, &error)) << error;
        ASSERT_EQ(devmode.Size(), kPluginSectionOffset + kOemDevmodeSize);
        valid_.assign(devmode.Bytes(), devmode.Bytes() + devmode.Size());
        seed_ = RunSetting("SX_CORRUPTOR_SEED", kDefaultSeed);
    }

    PluginSession session_;
    std::vector<BYTE> valid_;
    uint32_t seed_ = 0;
};

struct CallCounts {
    uint32_t whole = 0;
    uint32_t refused = 0;
    uint32_t untouched = 0;
};

// Mostly the record's size; now and then a larger buffer, or a size
// the driver got wrong.
DWORD BufferSize(DevmodeCorruptor &corruptor) {
    static const DWORD kWrongSizes[] = {0, 1, 8, kOemHeaderSize, kOemDevmodeSize - 1};
    if (corruptor.Chance(80)) return kOemDevmodeSize;
    if (corruptor.Chance(30)) return kOemDevmodeSize + 1 + corruptor.Below(kMaxSpareBytes);
    if (corruptor.Chance(50)) return corruptor.Pick(kWrongSizes);
    return corruptor.Below(kOemDevmodeSize);
}

// One DevMode call on one corrupted DEVMODE; an empty answer when the
// result was a whole record or the defined error.
std::string CallOnCorrupted(DevmodeCorruptor &corruptor, const std::vector<BYTE> &valid,
                            PluginSession &session, CallCounts *counts) {
    static const DWORD kModes[] = {OEMDM_DEFAULT, OEMDM_CONVERT, OEMDM_CONVERT,
                                   OEMDM_MERGE,   OEMDM_MERGE,   OEMDM_CONVERT};
    const DWORD mode = corruptor.Pick(kModes);
    DriverInput input(corruptor.Corrupt(valid));
    // Now and then the driver keeps the input record apart from its DEVMODE.
    GuardedBuffer apart(kOemDevmodeSize);
    BYTE *inRecord = input.Record();
    if (corruptor.Chance(10)) {
        std::memcpy(apart.Data(), valid.data() + kPluginSectionOffset, kOemDevmodeSize);
        corruptor.CorruptRecord(apart.Data(), kOemDevmodeSize);
        inRecord = apart.Data();
    }
    // The output record's buffer is exactly as large as the driver says.
    const DWORD bufferSize = BufferSize(corruptor);
    GuardedBuffer output(kPluginSectionOffset + bufferSize);
    const size_t prefilled = std::min(output.Size(), valid.size());
    std::memcpy(output.Data(), valid.data(), prefilled);
    std::memset(output.Data() + prefilled, kSpareFill, output.Size() - prefilled);
    BYTE *outRecord = output.Data() + kPluginSectionOffset;
    if (corruptor.Chance(30)) corruptor.CorruptRecord(outRecord, bufferSize);
    const std::vector<BYTE> before(output.Data(), output.Data() + output.Size());

    OEMDMPARAM param = DevModeParam(session.Printer(), session.Module(), input.Public(), inRecord,
                                    reinterpret_cast<DEVMODEW *>(output.Data()), outRecord, bufferSize);
    SetLastError(0);
    const HRESULT hr = session.Plugin()->DevMode(mode, &param);
    const DWORD lastError = GetLastError();
    const bool outputUnchanged = std::memcmp(before.data(), output.Data(), before.size()) == 0;

    const std::string where = " (mode " + std::to_string(mode) + ", cbBufSize " +
                              std::to_string(param.cbBufSize) + ")";
    if (!input.Unchanged()) return "the input DEVMODE was written" + where;
    if (std::memcmp(before.data(), output.Data(), kPluginSectionOffset) != 0)
        return "the output's public or driver part was written" + where;
    if (param.cbBufSize < kOemDevmodeSize) {
        if (hr != E_FAIL || lastError != ERROR_INSUFFICIENT_BUFFER)
            return "a buffer below one record was not refused" + where;
        if (!outputUnchanged) return "a refused buffer was written" + where;
        ++counts->refused;
        return {};
    }
    if (hr != S_OK) return "DevMode failed" + where;
    if (mode == OEMDM_CONVERT && !inRecord) {
        if (!outputUnchanged) return "CONVERT without an input record wrote the output" + where;
        ++counts->untouched;
        return {};
    }
    if (std::memcmp(before.data() + kPluginSectionOffset + kOemDevmodeSize,
                    outRecord + kOemDevmodeSize, bufferSize - kOemDevmodeSize) != 0)
        return "the spare bytes after the record were written" + where;
    if (!WholeRecord(outRecord)) return "the output record's header is not whole" + where;
    if (mode == OEMDM_MERGE && FieldTwelve(outRecord) > kMergeFieldLimit)
        return "MERGE left lRecField12 above 100" + where;
    ++counts->whole;
    return {};
}

TEST_F(CorruptorTest, DevModeKeepsToItsBuffersAndGivesWholeRecordsOrTheDefinedError) {
    const uint32_t calls = RunSetting("SX_CORRUPTOR_CALLS", kDefaultCalls);
    DevmodeCorruptor corruptor(seed_);
    CallCounts counts;
    FaultReport report("DevMode call", seed_);
    for (uint32_t call = 0; call < calls; ++call) {
        report.At(call);
        const std::string problem = CallOnCorrupted(corruptor, valid_, session_, &counts);
        ASSERT_TRUE(problem.empty()) << problem << " at call " << call << ", seed " << seed_;
    }
    std::printf("DEVMODE corruptor, seed %u: %u DevMode calls, %u whole records, %u refused "
                "buffers, %u CONVERTs without an input record\n",
                seed_, calls, counts.whole, counts.refused, counts.untouched);
}

TEST_F(CorruptorTest, DocumentPropertiesOpenLeaveEachPageAndCloseOnCorruptedDevmodes) {
    const uint32_t sheets = RunSetting("SX_CORRUPTOR_SHEETS", kDefaultSheets);
    // Its own sequence, so that the sheet pass replays apart from the calls.
    DevmodeCorruptor corruptor(seed_ ^ 0x5EE7u);
    FaultReport report("sheet opening", seed_);
    uint32_t stored = 0, pagesLeft = 0, refused = 0, modals = 0;
    for (uint32_t opening = 0; opening < sheets; ++opening) {
        report.At(opening);
        const std::vector<BYTE> input = corruptor.Corrupt(valid_);
        DocumentUi ui(session_.Model(), session_.PrinterName());
        HeapBlock devmode;
        std::string error, problems;
        DevmodeFileView view;
        const bool usable =
            CheckDevmodeFile(input.data(), input.size(), &view, &problems) != DevmodeCheck::Unusable;
        ASSERT_TRUE(usable ? BuildConvertedDevmode(session_, OEMDM_MERGE, input, view,
                                                   &ui.Settings(), &devmode, &error)
                           : BuildDefaultDevmode(session_, ui.Settings(), &devmode, &error))
            << error << " at opening " << opening << ", seed " << seed_;
        ui.SetDevmode(std::move(devmode));
        // The fields as any application may leave them between two calls.
        corruptor.CorruptFields(ui.PluginSection(), kOemDevmodeSize);

        SheetVisit visit;
        ASSERT_TRUE(VisitDocumentProperties(session_, ui, &visit, &error))
            << error << " at opening " << opening << ", seed " << seed_;
        pagesLeft += visit.left;
        refused += visit.refused;
        modals += visit.modals;
        if (!visit.stored) continue;
        ++stored;
        ASSERT_GE(visit.devmode.size(), kPluginSectionOffset + kOemDevmodeSize);
        EXPECT_TRUE(WholeRecord(visit.devmode.data() + kPluginSectionOffset))
            << "at opening " << opening << ", seed " << seed_;
    }
    std::printf("DEVMODE corruptor, seed %u: %u sheet openings, %u stored with OK, %u page "
                "changes, %u refused, %u modal windows closed\n",
                seed_, sheets, stored, pagesLeft, refused, modals);
    EXPECT_GT(stored, 0u);
}

}  // namespace
