// Writes the same document to 4 and to 8 simulated radios at once, each on its
// own pseudo-terminal paced at 9600 baud, and compares each with one radio
// written alone in the same run (so all see the same machine load). The same
// again with every radio read back after its write.
//
// usage: bench_fleet [RUNS]   (default 3 of each; prints every run and the best)

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QEventLoop>

#include "link/RadioTransfer.h"
#include "platform/QtSerialPort.h"
#include "radio-sim/PtyRadio.h"
#include "radio/RadioModel.h"

namespace {

constexpr int kRadios = 8;

// The radios, each answered by its own thread.
class Fleet {
public:
    Fleet()
    {
        for (int i = 0; i < kRadios; ++i) {
            m_models.push_back(std::make_unique<RadioModel>());
            m_radios.push_back(
                std::make_unique<PtyRadio>(*m_models.back(), PtyRadio::Options{.paced = true}));
        }
    }
    ~Fleet()
    {
        m_stop = true;
        for (std::thread& server : m_servers) server.join();
    }

    bool open()
    {
        for (auto& radio : m_radios) {
            if (!radio->open()) {
                std::fprintf(stderr, "cannot create a pseudo-terminal: %s\n", radio->errorText().c_str());
                return false;
            }
            m_servers.emplace_back([this, &radio] { radio->run(m_stop); });
        }
        return true;
    }

    // Seconds until the first `count` radios are all written (and read back);
    // negative when any of them failed.
    double write(int count, const MemoryImage& image, bool verify)
    {
        QEventLoop loop;
        std::vector<std::unique_ptr<QtSerialPort>> ports;
        std::vector<std::unique_ptr<RadioTransfer>> writes;
        int running = count;
        bool ok = true;
        const auto job = verify ? RadioTransfer::Job::VerifiedWrite : RadioTransfer::Job::Write;
        for (int i = 0; i < count; ++i) {
            ports.push_back(std::make_unique<QtSerialPort>());
            writes.push_back(std::make_unique<RadioTransfer>(
                *ports.back(), QString::fromStdString(m_radios[i]->devicePath()), job, image));
            RadioTransfer* write = writes.back().get();
            QObject::connect(write, &RadioTransfer::checkConnection, write,
                             [write] { write->answerPrompt(false); });
            QObject::connect(write, &RadioTransfer::finished, write,
                             [&, write](RadioTransfer::Outcome outcome) {
                                 if (outcome != RadioTransfer::Outcome::Completed) {
                                     std::fprintf(stderr, "%s: %s\n", qPrintable(write->portName()),
                                                  qPrintable(write->resultText()));
                                     ok = false;
                                 }
                                 if (--running == 0) loop.quit();
                             });
            if (!write->openPort()) {
                std::fprintf(stderr, "%s: cannot open\n", qPrintable(write->portName()));
                return -1;
            }
        }
        const auto start = std::chrono::steady_clock::now();
        for (auto& w : writes) w->start();
        loop.exec();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        return ok ? elapsed.count() : -1;
    }

private:
    std::vector<std::unique_ptr<RadioModel>> m_models;
    std::vector<std::unique_ptr<PtyRadio>> m_radios;
    std::vector<std::thread> m_servers;
    std::atomic<bool> m_stop{false};
};

struct Run {
    double alone = 0;
    double four = 0;
    double eight = 0;
};

bool Report(const char* name, const std::vector<Run>& runs)
{
    double bestFour = 1e9;
    double bestEight = 1e9;
    for (const Run& run : runs) {
        if (run.alone < 0 || run.four < 0 || run.eight < 0) {
            std::printf("%s: a transfer failed\n", name);
            return false;
        }
        std::printf("%s: alone %.3f s; 4 radios %.3f s, ratio %.3f; 8 radios %.3f s, ratio %.3f\n", name,
                    run.alone, run.four, run.four / run.alone, run.eight, run.eight / run.alone);
        bestFour = std::min(bestFour, run.four / run.alone);
        bestEight = std::min(bestEight, run.eight / run.alone);
    }
    std::printf("%s best ratio: 4 radios %.3f, 8 radios %.3f\n", name, bestFour, bestEight);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QCoreApplication app(argc, argv);

    Fleet fleet;
    if (!fleet.open()) return 1;
    MemoryImage image;  // blank radios identify as eight FF bytes, so must the document
    image.fill(0xFF);

    bool ok = true;
    for (const bool verify : {false, true}) {
        std::vector<Run> measured;
        for (int i = 0; i < runs; ++i) {
            Run run;
            run.alone = fleet.write(1, image, verify);
            run.four = fleet.write(4, image, verify);
            run.eight = fleet.write(kRadios, image, verify);
            measured.push_back(run);
        }
        ok = Report(verify ? "write + read-back" : "write", measured) && ok;
    }
    return ok ? 0 : 1;
}
