#include "CliTransfer.h"

#include <algorithm>
#include <iostream>

#include <QCoreApplication>
#include <QEventLoop>

#include "CliDiff.h"
#include "CliFleet.h"
#include "PortJob.h"
#include "core/AppState.h"
#include "core/BandTable.h"
#include "core/ChannelView.h"
#include "core/Layout.h"
#include "core/NewDocument.h"
#include "link/PortForName.h"
#include "platform/Backups.h"
#include "platform/InterruptWatcher.h"
#include "radio/DemoRadio.h"
#include "strings/Strings.h"

namespace {

// Said of a port that an interruption kept from being tried.
constexpr std::string_view kNotDone = "not done";

struct TransferResult {
    bool ok = false;
    bool interrupted = false;  // SIGINT or SIGTERM stopped it (End was sent)
    std::string message;       // the completion text, or what went wrong
    MemoryImage image;         // after a completed read: the radio's memory over the starting image
};

// The runner needs an event loop; the command line has no application object
// of its own until the first transfer.
void EnsureApplication()
{
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "zq915-cli";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

// Where the ports of one command line lead. The demo radio is one radio for
// the whole run: what a write leaves in it, a later transfer finds there.
struct Ports {
    RadioModel demoRadio{DemoRadioMemory()};
    DemoSerialPort::Pacing pacing = DemoSerialPort::Pacing::Wire9600;
};

// The ports of a command with --fast taken into account; nullopt (reported)
// when --fast names a real radio, whose line cannot go faster.
std::optional<Ports> PortsFor(const ParsedArgs& parsed, const std::vector<std::string>& names)
{
    if (!parsed.hasFlag("--fast")) return Ports{};
    for (const std::string& name : names) {
        if (!IsDemoPortName(QString::fromStdString(name))) {
            CliFail("--fast works only with the demo radio (port " + std::string(kDemoPortName) + "), not " +
                    name);
            return std::nullopt;
        }
    }
    return Ports{.pacing = DemoSerialPort::Pacing::None};
}

TransferResult Read(Ports& ports, const std::string& port, const MemoryImage& image,
                    const InterruptWatcher& interrupts)
{
    TransferResult result;
    if (interrupts.caught() != 0) {
        result.interrupted = true;
        result.message = std::string(kNotDone);
        return result;
    }
    QEventLoop loop;
    std::string lastLabel;
    PortJob* running = nullptr;
    PortJob job(PortForName(QString::fromStdString(port), ports.demoRadio, ports.pacing), port,
                RadioTransfer::Job::Read, image, [&] {
                    if (running == nullptr) return;
                    if (running->done()) {
                        loop.quit();
                        return;
                    }
                    lastLabel = running->status();
                    std::cerr << '\r' << port << ": " << lastLabel << std::flush;
                });
    running = &job;
    // A signal that came while the port was opening is delivered once the loop runs.
    QObject::connect(&interrupts, &InterruptWatcher::interrupted, &loop, [&] { job.interrupt(); });
    job.start();
    if (!job.done()) loop.exec();
    if (!lastLabel.empty()) std::cerr << '\n';

    result.ok = job.ok();
    result.interrupted = job.interrupted();
    result.message = job.status();
    result.image = job.image();
    return result;
}

}  // namespace

int RunRead(const CliArgs& args)
{
    const ParsedArgs parsed = ParseCliArgs(args, {"--ident", "--diff"}, {"--fast", "--no-backup"});
    if (!parsed.error.empty()) return CliFail(parsed.error);
    if (parsed.positional.size() != 2) return CliFail("read needs PORT and FILE.dat");
    // Before the radio is read: a refused output would throw that work away.
    const std::optional<std::string> output = OutputFile(parsed.positional[1]);
    if (!output) return kCliFailed;
    std::optional<Ports> ports = PortsFor(parsed, {parsed.positional[0]});
    if (!ports) return kCliFailed;
    EnsureApplication();
    const InterruptWatcher interrupts;

    MemoryImage start = NewDocumentImage(kDefaultBandCode, kDefaultModelCode);
    std::optional<MemoryImage> old;
    for (const auto& [name, value] : parsed.options) {
        std::optional<MemoryImage> loaded = LoadDataFile(value);
        if (!loaded) return kCliFailed;
        (name == "--ident" ? start : old.emplace()) = *loaded;
    }

    const std::string& port = parsed.positional[0];
    const TransferResult result = Read(*ports, port, start, interrupts);
    if (result.interrupted) {
        std::cerr << port << ": " << result.message << '\n';
        return InterruptWatcher::exitStatus(interrupts.caught());
    }
    if (!result.ok) return CliFail(result.message);
    // The demo radio's memory is nobody's: its copies would only push real backups out.
    if (!parsed.hasFlag("--no-backup") && !IsDemoPortName(QString::fromStdString(port))) {
        const QString error = backups::save(result.image);
        if (!error.isEmpty()) std::cerr << "zq915-cli: backup not written: " << error.toStdString() << '\n';
    }
    if (!SaveDataFile(*output, result.image)) return kCliFailed;
    std::cerr << result.message << '\n';
    if (old) PrintDifferences(*old, result.image);
    return kCliOk;
}

int RunWrite(const CliArgs& args)
{
    const ParsedArgs parsed = ParseCliArgs(args, {}, {"--fast", "--parallel", "--verify"});
    if (!parsed.error.empty()) return CliFail(parsed.error);
    if (parsed.positional.size() < 2) return CliFail("write needs at least one PORT and FILE.dat");
    const std::vector<std::string> portNames(parsed.positional.begin(), parsed.positional.end() - 1);
    std::optional<Ports> ports = PortsFor(parsed, portNames);
    if (!ports) return kCliFailed;

    const std::string& file = parsed.positional.back();
    const std::optional<MemoryImage> loaded = LoadDataFile(file);
    if (!loaded) return kCliFailed;
    // What the window would hold after opening the file is what it would send.
    AppState state;
    state.memoryImage = *loaded;
    if (const int erased = NormalizeDocument(state); erased > 0)
        std::cerr << file << ": " << erased << (erased == 1 ? " channel" : " channels")
                  << " outside the band erased before writing\n";

    EnsureApplication();
    const InterruptWatcher interrupts;
    const auto makePort = [&](const std::string& name) {
        return PortForName(QString::fromStdString(name), ports->demoRadio, ports->pacing);
    };
    const int status = WriteRadios(portNames, state.memoryImage, makePort, interrupts,
                                   parsed.hasFlag("--verify"), parsed.hasFlag("--parallel"));
    return interrupts.caught() != 0 ? InterruptWatcher::exitStatus(interrupts.caught()) : status;
}
