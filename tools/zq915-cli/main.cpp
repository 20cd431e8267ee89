#include <iostream>

#include "CliCommon.h"
#include "CliCsv.h"
#include "CliDiff.h"
#include "CliDump.h"
#include "CliNew.h"
#include "CliTransfer.h"
#include "platform/Backups.h"

namespace {

const CliCommand kCommands[] = {
    {"new", RunNew, "new [--band CODE] [--model CODE] FILE.dat",
     "  Writes a new document: every channel empty, the radio-wide defaults.\n"
     "  \".dat\" is added to a file name without a suffix.\n"
     "  --band CODE   238..248 (default 240):\n"
     "                238  67-72 MHz   239 136-174   240 240-260   241 350-390\n"
     "                242 400-430      243 430-450   244 450-470   245 470-490\n"
     "                246 400-470      247 460-520   248 446-447 (8 channels)\n"
     "  --model CODE  56 (7105A), 57 (7105B) or 58 (7105C, default)\n"},
    {"dump", RunDump, "dump FILE.dat",
     "  Prints the document as the channel grid shows it: a first line with model,\n"
     "  band, power level and \"Manual\"; then one line per present channel with\n"
     "  its number and RX Freq, TX Freq, Decode, Encode, W/N, Scan, TX Power,\n"
     "  Opt Signal, PTT ID and BCL, separated by tabs. Channels outside the band\n"
     "  are left out, as the program would erase them.\n"},
    {"diff", RunDiff, "diff A.dat B.dat",
     "  Lists what changes from A.dat to B.dat, one line each, as the window shows\n"
     "  it (\"CH 5 RX Freq: 145.50000 -> 145.52500\", \"Squelch Level: 3 -> 5\"); bytes\n"
     "  no editor shows are listed by address. Both are compared as the window\n"
     "  opens them. Exit status 0 when they hold the same document, 1 when they\n"
     "  differ, 2 when a file cannot be read.\n"},
    {"export", RunExport, "export FILE.dat OUT.csv",
     "  Writes the channels the grid shows as CSV (OUT.csv, or standard output for\n"
     "  \"-\"): a header line, then per channel CH, RX Freq, TX Freq, Decode, Encode,\n"
     "  W/N, Scan, TX Power, Opt Signal, PTT ID and BCL as their English cell texts.\n"},
    {"import", RunImport, "import IN.csv FILE.dat [--band CODE] [--model CODE] [--strict]",
     "  Replaces every channel of FILE.dat by the rows of IN.csv, in the layout export\n"
     "  writes or the generic Location,Name,Frequency,Duplex,Offset,Tone,... layout of\n"
     "  other programming tools. Band, model and all other settings stay; a FILE.dat\n"
     "  that does not exist is made new first (--band and --model as for new; for one\n"
     "  that exists they may only repeat its own). \".dat\" is added as for new. Each\n"
     "  row is entered as typed into the grid; rows that cannot be are skipped and\n"
     "  listed on stderr. The separator is a comma, semicolon or tab, whichever the\n"
     "  header line uses (with semicolon or tab, 146,52 is 146.52); the file is\n"
     "  UTF-8, or GB18030 when it is not UTF-8. If no row can be used, FILE.dat is\n"
     "  not written and the status is 1.\n"
     "  --strict      fail, writing nothing, if any row was skipped\n"},
    {"read", RunRead, "read [--fast] PORT FILE.dat [--ident FROM.dat] [--diff OLD.dat] [--no-backup]",
     "  Reads the radio on PORT (COM1..COM4, a device path, or demo) and writes\n"
     "  FILE.dat (\".dat\" added as for new) only after a complete read. The radio\n"
     "  must identify itself as the document FROM.dat does (default: a new\n"
     "  document, which expects eight FF bytes). Progress goes to stderr; there is\n"
     "  no retry. Ctrl+C (or SIGTERM) ends the session with the radio properly and\n"
     "  writes no file. With --diff, then lists on standard output what the radio\n"
     "  holds that differs from OLD.dat, as diff does; the exit status stays that\n"
     "  of the read. A copy of every read of a radio (not of the demo radio) is\n"
     "  kept in the backups folder of the user's data folder (the 100 newest by\n"
     "  their file times), as the window does; without a home folder (HOME unset)\n"
     "  none is kept and stderr says so.\n"
     "  --fast        only with PORT demo: skip the 9600-baud pacing\n"
     "  --no-backup   keep no copy of this read\n"},
    {"write", RunWrite, "write [--fast] [--parallel] [--verify] PORT [PORT...] FILE.dat",
     "  Writes FILE.dat to the radio on each PORT in turn and reports each result;\n"
     "  fails if any port failed. Ctrl+C (or SIGTERM) ends the session with the\n"
     "  radio properly (\"interrupted, radio partly written\", or \"... radio not\n"
     "  changed\" before the first block) and reports the remaining ports as \"not\n"
     "  done\". The document is sent as the window would\n"
     "  send it: channels outside the band are erased first (their number is said on\n"
     "  stderr) and transmit frequencies outside it removed.\n"
     "  --parallel    writes every radio at the same time; one progress line per\n"
     "                port, then one result line per port with its elapsed time;\n"
     "                a port named twice (demo in any case, a device under\n"
     "                another path or link) is written once\n"
     "  --verify      reads each radio back as soon as its write ends and fails it\n"
     "                at the first address 0x000..0x83F that differs from what was\n"
     "                sent, naming the channel (or column) and the address; a\n"
     "                read-back that cannot complete says that the radio was\n"
     "                written completely and why the verification was not\n"
     "  --fast        only with PORT demo: skip the 9600-baud pacing\n"},
};

void PrintHelp(std::ostream& out)
{
    out << "Usage: zq915-cli COMMAND [ARGUMENTS]\n"
           "Works with ZQ-915 radio data files (.dat).\n\n";
    for (const CliCommand& command : kCommands)
        out << "zq915-cli " << command.usage << '\n' << command.help << '\n';
    out << "The port demo is a built-in simulated radio for trying the program: it starts\n"
           "with a sample channel plan for 136 - 174 MHz each time a command runs, keeps\n"
           "what is written to it until the command ends, and takes as long as a real\n"
           "radio at 9600 baud unless --fast is given.\n\n";
    out << "zq915-cli --help\n  Prints this text. \"zq915-cli COMMAND --help\" prints one command's text.\n\n"
           "Exit status 0 on success; 1 with a message on stderr otherwise; 130 after\n"
           "Ctrl+C and 143 after SIGTERM during read or write (diff: 0 same, 1 different,\n"
           "2 error).\n";
}

bool IsHelp(std::string_view arg) { return arg == "--help" || arg == "-h" || arg == "help"; }

}  // namespace

int main(int argc, char** argv)
{
    backups::SetApplicationNames();
    if (argc < 2) {
        PrintHelp(std::cerr);
        return kCliFailed;
    }
    const std::string_view name = argv[1];
    if (IsHelp(name)) {
        PrintHelp(std::cout);
        return kCliOk;
    }
    for (const CliCommand& command : kCommands) {
        if (command.name != name) continue;
        const CliArgs args(argv + 2, argv + argc);
        if (args.size() == 1 && IsHelp(args.front())) {
            std::cout << "Usage: zq915-cli " << command.usage << '\n' << command.help;
            return kCliOk;
        }
        return command.run(args);
    }
    return CliFail("unknown command " + std::string(name) + " (try zq915-cli --help)");
}
