// Export and import of a full 128-channel document as CSV (target: each under 5 ms).
//
// usage: bench_csv [benchmark options]

#include <benchmark/benchmark.h>

#include "core/ChannelEntry.h"
#include "files/ChannelCsv.h"
#include "support/NewDocumentFor.h"

namespace {

// Every channel in use, with TX, tones of both kinds and every option changed.
MemoryImage FullDocument()
{
    AppState state = NewDocumentFor(239);
    for (int column = 0; column < state.channelCount; ++column) {
        TypedChannel typed;
        typed.rxFreq = std::to_string(136 + column / 4) + "." + std::to_string(100 + column);
        typed.txFreq = typed.rxFreq;
        typed.decode = column % 2 ? "D754I" : "88.5";
        typed.encode = "254.1";
        typed.options = {1, 1, 0, 0, 0, 2};
        if (TypeChannel(state, column, typed) != TypingFault::kNone) std::abort();
    }
    return state.memoryImage;
}

void BM_Export128(benchmark::State& bench)
{
    const MemoryImage image = FullDocument();
    for (auto _ : bench) benchmark::DoNotOptimize(ExportChannelsCsv(image));
}
BENCHMARK(BM_Export128)->Unit(benchmark::kMillisecond);

void BM_Import128(benchmark::State& bench)
{
    const MemoryImage image = FullDocument();
    const std::string csv = ExportChannelsCsv(image);
    for (auto _ : bench) {
        const ChannelImport result = ImportChannelsCsv(csv, image);
        if (result.imported != 128) std::abort();
        benchmark::DoNotOptimize(result.image);
    }
}
BENCHMARK(BM_Import128)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
