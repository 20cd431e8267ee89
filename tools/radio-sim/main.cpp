// radio-sim: a simulated radio on a pseudo-terminal for trying the program and
// its command line without a radio.

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "PtyRadio.h"
#include "files/DataFile.h"
#include "radio/RadioModel.h"

namespace {

std::atomic<bool> g_stop{false};

void onSignal(int) { g_stop.store(true); }

const char* const kUsage =
    "usage: radio-sim [options]\n"
    "Simulates a radio on a pseudo-terminal and prints the device path on the first line.\n"
    "Runs until interrupted (SIGINT/SIGTERM).\n"
    "  --load FILE.dat     start with the memory of a data file\n"
    "  --ident HEX         start blank (all FF) with this 8-byte identification,\n"
    "                      16 hex digits in the order the radio sends them\n"
    "  --save FILE.dat     write the memory to a data file on exit\n"
    "  --paced             reply at real 9600-baud timing\n"
    "  --log               log every message and reply in hex on stderr\n"
    "  --fault KIND@N      inject a fault once; KIND is noreply, short, badack, late or\n"
    "                      extra at step N (0 handshake, 1 identify, block b is step b+2),\n"
    "                      hangup at block N, corrupt (the first byte of block N is\n"
    "                      stored inverted when written), or badident (no @N)\n"
    "  --help              show this text\n"
    "A message out of turn (Identify before the handshake, a missing or extra\n"
    "acknowledge) is reported on stderr; the radio then stays silent until the\n"
    "next handshake, as a real one drops out of programming mode.\n";

bool parseHex(const std::string& text, RadioModel::Identification& out)
{
    if (text.size() != 16) return false;
    for (int i = 0; i < 8; ++i) {
        const std::string pair = text.substr(i * 2, 2);
        char* end = nullptr;
        const unsigned long value = std::strtoul(pair.c_str(), &end, 16);
        if (end != pair.c_str() + 2) return false;
        out[i] = static_cast<std::uint8_t>(value);
    }
    return true;
}

bool parseFault(const std::string& text, RadioModel::Fault& out)
{
    struct Kind {
        const char* name;
        RadioModel::FaultKind kind;
    };
    static const Kind kinds[] = {
        {"noreply", RadioModel::FaultKind::NoReply},  {"short", RadioModel::FaultKind::ShortReply},
        {"badack", RadioModel::FaultKind::WrongAck},  {"badident", RadioModel::FaultKind::WrongIdent},
        {"late", RadioModel::FaultKind::LateReply},   {"hangup", RadioModel::FaultKind::HangUp},
        {"extra", RadioModel::FaultKind::ExtraBytes}, {"corrupt", RadioModel::FaultKind::Corrupt},
    };
    const std::size_t at = text.find('@');
    const std::string name = text.substr(0, at);
    for (const Kind& k : kinds) {
        if (name != k.name) continue;
        out.kind = k.kind;
        if (k.kind == RadioModel::FaultKind::WrongIdent) return at == std::string::npos;
        if (at == std::string::npos) return false;
        const std::string number = text.substr(at + 1);
        // A fault at a step or block that never comes would silently not fire.
        const bool atBlock =
            k.kind == RadioModel::FaultKind::HangUp || k.kind == RadioModel::FaultKind::Corrupt;
        const long last = atBlock ? 263 : 265;
        char* end = nullptr;
        const long n = std::strtol(number.c_str(), &end, 10);
        if (number.empty() || *end != '\0' || n < 0 || n > last) return false;
        out.step = static_cast<int>(n) + (atBlock ? 2 : 0);
        return true;
    }
    return false;
}

bool loadMemory(const std::string& path, RadioModel::Memory& memory)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    ByteBuffer bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::optional<MemoryImage> image = DecodeDataFile(std::move(bytes));
    if (!image) return false;
    for (int a = 0; a < RadioModel::kMemorySize; ++a) memory[a] = image->atAddress(a);
    return true;
}

bool saveMemory(const std::string& path, const RadioModel::Memory& memory)
{
    MemoryImage image;
    image.fill(0xFF);
    for (int a = 0; a < RadioModel::kMemorySize; ++a) image.setAtAddress(a, memory[a]);
    const ByteBuffer bytes = EncodeDataFile(image);
    const std::string staging = path + ".part";
    {
        std::ofstream out(staging, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) return false;
    }
    return std::rename(staging.c_str(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    RadioModel model;
    std::string savePath;
    PtyRadio::Options options;
    std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--paced") {
            options.paced = true;
        } else if (arg == "--log") {
            options.log = stderr;
        } else if (arg == "--load" && hasValue) {
            if (!loadMemory(args[++i], model.memory())) {
                std::fprintf(stderr, "radio-sim: %s is not a readable data file\n", args[i].c_str());
                return 2;
            }
        } else if (arg == "--ident" && hasValue) {
            RadioModel::Identification ident{};
            if (!parseHex(args[++i], ident)) {
                std::fprintf(stderr, "radio-sim: --ident needs 16 hex digits\n");
                return 2;
            }
            model.memory().fill(0xFF);
            // Stored where a read puts it, so the image read back passes the check.
            for (int k = 0; k < 8; ++k) model.memory()[0x807 - k] = ident[k];
        } else if (arg == "--save" && hasValue) {
            savePath = args[++i];
        } else if (arg == "--fault" && hasValue) {
            RadioModel::Fault fault{};
            if (!parseFault(args[++i], fault)) {
                std::fprintf(stderr, "radio-sim: bad fault '%s'\n%s", args[i].c_str(), kUsage);
                return 2;
            }
            model.addFault(fault);
        } else {
            std::fprintf(stderr, "radio-sim: unknown or incomplete option '%s'\n%s", arg.c_str(), kUsage);
            return 2;
        }
    }

    PtyRadio radio(model, options);
    if (!radio.open()) {
        std::fprintf(stderr, "radio-sim: cannot create a pseudo-terminal: %s\n", radio.errorText().c_str());
        return 1;
    }
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::printf("%s\n", radio.devicePath().c_str());
    std::fflush(stdout);

    radio.run(g_stop);

    if (!savePath.empty() && !saveMemory(savePath, model.memory())) {
        std::fprintf(stderr, "radio-sim: cannot write %s\n", savePath.c_str());
        return 1;
    }
    return 0;
}
