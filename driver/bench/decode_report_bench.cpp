// Host cost of decoding one input report with the portable core, as the driver does it in the
// completion path of every transfer: decode, update the table, blank.
#include <benchmark/benchmark.h>

#include <vector>

#include "driver/decode/report_decoder.h"

namespace {

void DecodeOne(benchmark::State& state, std::vector<uint8_t> report) {
    RF_DATA table = {};
    std::vector<uint8_t> buffer = report;
    for (auto _ : state) {
        buffer = report;
        ReportEffect effect = DecodeReport(buffer.data(), static_cast<uint32_t>(buffer.size()), true, table);
        BlankReport(buffer.data(), static_cast<uint32_t>(buffer.size()), effect);
        benchmark::DoNotOptimize(effect);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetItemsProcessed(state.iterations());
}

// The last entry of the key table: the longest scan.
void BM_DecodeHotKeyLastInTable(benchmark::State& state) { DecodeOne(state, {0x01, 0x92, 0x01}); }
void BM_DecodeUsageNotInTable(benchmark::State& state) { DecodeOne(state, {0x01, 0x30, 0x00}); }
void BM_DecodeKeysReleased(benchmark::State& state) { DecodeOne(state, {0x01, 0x00, 0x00}); }
void BM_DecodeDeviceStatus(benchmark::State& state) { DecodeOne(state, {0x03, 0x02, 0x05, 0x34, 0xF2, 0x10}); }
void BM_DecodeStatusReport(benchmark::State& state) { DecodeOne(state, {0x04, 0, 0, 0, 0, 0x01}); }

BENCHMARK(BM_DecodeHotKeyLastInTable);
BENCHMARK(BM_DecodeUsageNotInTable);
BENCHMARK(BM_DecodeKeysReleased);
BENCHMARK(BM_DecodeDeviceStatus);
BENCHMARK(BM_DecodeStatusReport);

}  // namespace
