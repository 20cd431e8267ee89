// What keeping a recovery copy of a full 128-channel document costs: the
// encoding as Save would write it (target: well under 1 ms), the two atomic
// file writes the worker thread does, and what the interface thread itself
// pays per copy (a copy of the image handed to the worker).
//
// usage: bench_recovery [benchmark options]

#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QTemporaryDir>
#include <QThreadPool>

#include "FullDocument.h"
#include "files/DataFile.h"
#include "platform/RecoveryCopies.h"

namespace {

void BM_Encode128(benchmark::State& bench)
{
    const MemoryImage image = FullDocument();
    for (auto _ : bench) benchmark::DoNotOptimize(EncodeDataFile(image));
}
BENCHMARK(BM_Encode128)->Unit(benchmark::kMicrosecond);

void BM_WriteCopy128(benchmark::State& bench)
{
    QTemporaryDir dir;
    const recovery::Copy copy{QStringLiteral("/radios/fleet.dat"), QDateTime::currentDateTime(), 1,
                              FullDocument()};
    for (auto _ : bench) {
        if (!recovery::write(dir.path(), QStringLiteral("1-bench"), copy).isEmpty()) std::abort();
    }
}
BENCHMARK(BM_WriteCopy128)->Unit(benchmark::kMicrosecond);

// The interface thread's share: the copy handed to a one-thread pool, as the keeper does.
void BM_HandOver128(benchmark::State& bench)
{
    const MemoryImage image = FullDocument();
    QThreadPool worker;
    worker.setMaxThreadCount(1);
    for (auto _ : bench) {
        worker.start([copy = image] { benchmark::DoNotOptimize(copy); });
    }
    worker.waitForDone();
}
BENCHMARK(BM_HandOver128)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
