// Read and write through the real serial stack against the simulated radio
// paced at 9600 baud, compared with the time the bytes need on the wire.
//
// usage: bench_clone [RUNS]   (default 3 of each; prints every run and the best)

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QEventLoop>

#include "link/CloneRunner.h"
#include "platform/QtSerialPort.h"
#include "radio-sim/PtyRadio.h"
#include "radio/RadioModel.h"

namespace {

// Bytes on the wire, both directions: handshake, identify and its acknowledge
// (20), then 264 blocks of 4+12+1+1 (read) or 12+1 (write), then End.
constexpr int kReadWireBytes = 20 + 264 * 18 + 1;   // 4773
constexpr int kWriteWireBytes = 20 + 264 * 13 + 1;  // 3453
constexpr double kSecondsPerByte = 10.0 / 9600.0;

// Seconds from the handshake to the port being closed after End; negative on failure.
double TimeTransfer(const std::string& device, CloneSession::Direction direction, const MemoryImage& image)
{
    QtSerialPort port;
    CloneRunner runner(port, QString::fromStdString(device), direction, image);
    if (!runner.openPort()) return -1;
    QEventLoop loop;
    bool completed = false;
    QObject::connect(&runner, &CloneRunner::checkConnection, &loop, [&] { runner.answerPrompt(false); });
    QObject::connect(&runner, &CloneRunner::finished, &loop, [&](CloneRunner::Outcome outcome) {
        completed = outcome == CloneRunner::Outcome::Completed;
        loop.quit();
    });
    const auto start = std::chrono::steady_clock::now();
    runner.start();
    loop.exec();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return completed ? elapsed.count() : -1;
}

bool Report(const char* name, int wireBytes, const std::vector<double>& seconds)
{
    const double limit = wireBytes * kSecondsPerByte;
    for (double s : seconds) {
        if (s < 0) {
            std::printf("%s: transfer failed\n", name);
            return false;
        }
        std::printf("%s: %.3f s measured, %.3f s on the wire (%d bytes), ratio %.3f\n", name, s, limit,
                    wireBytes, s / limit);
    }
    const double best = *std::min_element(seconds.begin(), seconds.end());
    std::printf("%s best: %.3f s, ratio %.3f\n", name, best, best / limit);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QCoreApplication app(argc, argv);

    RadioModel model;  // blank, identifies as eight FF bytes
    PtyRadio radio(model, {.paced = true, .log = nullptr});
    if (!radio.open()) {
        std::fprintf(stderr, "cannot create a pseudo-terminal: %s\n", radio.errorText().c_str());
        return 1;
    }
    std::atomic<bool> stop{false};
    std::thread server([&] { radio.run(stop); });

    MemoryImage image;
    image.fill(0xFF);
    std::vector<double> reads;
    std::vector<double> writes;
    for (int i = 0; i < runs; ++i) {
        reads.push_back(TimeTransfer(radio.devicePath(), CloneSession::Direction::Read, image));
        writes.push_back(TimeTransfer(radio.devicePath(), CloneSession::Direction::Write, image));
    }
    stop = true;
    server.join();

    const bool ok = Report("read", kReadWireBytes, reads) & Report("write", kWriteWireBytes, writes);
    return ok ? 0 : 1;
}
