// Cost of the record operations themselves, without spooler or file calls.
#include "core/oem_devmode.h"
#include "../../tests/native/fake_record_environment.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void BM_DefaultRecord(benchmark::State &state) {
    FakeRecordEnvironment env;
    std::vector<uint8_t> buffer(kOemDevmodeSize);
    for (auto _ : state) {
        DefaultOemDevmode(reinterpret_cast<OemDevmode *>(buffer.data()), env);
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(BM_DefaultRecord);

void BM_ConvertRecord(benchmark::State &state) {
    FakeRecordEnvironment env;
    std::vector<uint8_t> in(kOemDevmodeSize), out(kOemDevmodeSize);
    DefaultOemDevmode(reinterpret_cast<OemDevmode *>(in.data()), env);
    DefaultOemDevmode(reinterpret_cast<OemDevmode *>(out.data()), env);
    for (auto _ : state) {
        ConvertOemDevmode(in.data(), in.size(), reinterpret_cast<OemDevmode *>(out.data()), env);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_ConvertRecord);

void BM_MergeRecord(benchmark::State &state) {
    FakeRecordEnvironment env;
    std::vector<uint8_t> in(kOemDevmodeSize), out(kOemDevmodeSize);
    DefaultOemDevmode(reinterpret_cast<OemDevmode *>(in.data()), env);
    DefaultOemDevmode(reinterpret_cast<OemDevmode *>(out.data()), env);
    for (auto _ : state) {
        MergeOemDevmode(in.data(), in.size(), reinterpret_cast<OemDevmode *>(out.data()), env);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_MergeRecord);

}  // namespace
