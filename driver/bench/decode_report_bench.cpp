// Host cost of decoding one input report with the portable core, as the driver does it in the
// completion path of every transfer: decode, update the table, blank.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "driver/decode/report_decoder.h"

namespace {

// Each round starts from the report as it came, as a fresh transfer buffer would.
void DecodeOne(benchmark::State& state, const std::vector<uint8_t>& report) {
    RF_DATA table = {};
    uint8_t buffer[8];
    const uint32_t length = static_cast<uint32_t>(report.size());
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the library counts rounds through it
        std::memcpy(buffer, report.data(), length);
        ReportEffect effect = DecodeReport(buffer, length, true, table);
        BlankReport(buffer, length, effect);
        benchmark::DoNotOptimize(effect);
        benchmark::DoNotOptimize(buffer);
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
