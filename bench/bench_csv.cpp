// Export and import of a full 128-channel document as CSV (target: each under
// 5 ms), and import of a 1,000-row list in the generic layout (under 10 ms).
//
// usage: bench_csv [benchmark options]

#include <benchmark/benchmark.h>

#include "FullDocument.h"
#include "files/ChannelCsv.h"

namespace {

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

// A 1,000-row repeater list in the generic layout with every kind of row
// (shifts, whole-number tones, DCS, split); Locations repeat every 128 rows,
// so each row is typed in full before the later ones are found already filled.
std::string GenericList()
{
    std::string csv =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,"
        "Skip,"
        "Comment\r\n";
    const char* const kinds[] = {
        ",-,0.600000,Tone,67,88.5,023,NN,FM,5.00,,", ",+,0.600000,TSQL,88.5,100,023,NN,NFM,5.00,S,",
        ",,0.000000,DTCS,88.5,88.5,23,NR,FM,5.00,P,", ",split,146.400000,,88.5,88.5,023,NN,FM,5.00,,"};
    for (int row = 0; row < 1000; ++row) {
        csv += std::to_string(row % 128) + ",RPT " + std::to_string(row) + "," +
               std::to_string(144 + row % 30) + "." + std::to_string(100000 + row * 125 % 900000) +
               kinds[row % 4] + "\r\n";
    }
    return csv;
}

void BM_ImportGeneric1000(benchmark::State& bench)
{
    const std::string csv = GenericList();
    const MemoryImage document = NewDocumentFor(239).memoryImage;
    for (auto _ : bench) {
        const ChannelImport result = ImportChannelsCsv(csv, document);
        if (result.imported != 128 || result.skipped.size() != 872) std::abort();
        benchmark::DoNotOptimize(result.image);
    }
}
BENCHMARK(BM_ImportGeneric1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
