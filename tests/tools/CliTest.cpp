#include "ToolRun.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <QDir>

#include "core/AppState.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "core/ToneCodec.h"
#include "support/NewDocumentFor.h"

namespace {

using Cli = ToolTest;

TEST_F(Cli, NewThenDumpShowsTheDefaults)
{
    const ToolRun made = RunCli({"new", path("a.dat")});
    EXPECT_EQ(made.status, 0) << made.err.toStdString();
    EXPECT_EQ(QFile(path("a.dat")).size(), 58);
    const ToolRun dump = RunCli({"dump", path("a.dat")});
    EXPECT_EQ(dump.status, 0);
    EXPECT_EQ(dump.out, "7105C\t240 - 260 MHz\t9\tEnable\n");
}

TEST_F(Cli, NewTakesBandAndModel)
{
    ASSERT_EQ(RunCli({"new", "--band", "248", "--model", "56", path("b.dat")}).status, 0);
    EXPECT_EQ(RunCli({"dump", path("b.dat")}).out, "7105A\t446 - 447 MHz\t9\tEnable\n");
    ASSERT_EQ(RunCli({"new", "--model", "57", "--band", "238", path("c.dat")}).status, 0);
    EXPECT_EQ(RunCli({"dump", path("c.dat")}).out, "7105B\t 67 -  72 MHz\t9\tEnable\n");
}

TEST_F(Cli, DumpShowsPresentChannelsAsTheGridDoes)
{
    AppState state = NewDocumentFor(239);
    MemoryImage& image = state.memoryImage;
    image.set(layout::kPowerLevelRow, layout::kSettingsColumn, 12);
    image.setBit(layout::kGeneralFlagsRow, layout::kSettingsColumn, layout::kManualEnable, false);
    StoreFreq(image, 0, layout::kRxFreqRow, "146.52000");
    StoreFreq(image, 0, layout::kTxFreqRow, "146.52000");
    StoreTone(image, 0, "88.5", layout::kDecodeToneOffset);
    StoreTone(image, 0, "D023N", layout::kEncodeToneOffset);
    image.set(layout::kChannelFlagsRow, 0, 0x00);
    StoreFreq(image, 2, layout::kRxFreqRow, "446.00000");  // outside the band: not shown
    StoreFreq(image, 4, layout::kRxFreqRow, "174.00000");
    StoreFreq(image, 4, layout::kTxFreqRow, "200.00000");  // removed with its encode tone
    StoreTone(image, 4, "67.0", layout::kEncodeToneOffset);
    ASSERT_TRUE(WriteDataFile(path("c.dat"), image));

    const ToolRun dump = RunCli({"dump", path("c.dat")});
    EXPECT_EQ(dump.status, 0);
    EXPECT_EQ(dump.out,
              "7105A\t136 - 174 MHz\t9\tDisable\n"
              "1\t146.52000\t146.52000\t88.5\tD023N\tNarrow\tDel\tLow\tDTMF\tOn\tOff\n"
              "5\t174.00000\t\tNone\t\tWide\tAdd\tHigh\tDTMF\tOn\tCarrier\n");
}

TEST_F(Cli, HelpDocumentsEveryCommand)
{
    const ToolRun help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("new [--band CODE] [--model CODE] FILE.dat"));
    EXPECT_TRUE(help.out.contains("dump FILE.dat"));
    const ToolRun one = RunCli({"dump", "--help"});
    EXPECT_EQ(one.status, 0);
    EXPECT_TRUE(one.out.startsWith("Usage: zq915-cli dump FILE.dat"));
}

TEST_F(Cli, DiffListsChangesAndExitsAsDiffDoes)
{
    AppState state = NewDocumentFor(239);
    StoreFreq(state.memoryImage, 4, layout::kRxFreqRow, "145.50000");
    ASSERT_TRUE(WriteDataFile(path("a.dat"), state.memoryImage));
    StoreFreq(state.memoryImage, 4, layout::kRxFreqRow, "145.52500");
    state.memoryImage.set(layout::kSquelchRow, layout::kSettingsColumn, 5);
    ASSERT_TRUE(WriteDataFile(path("b.dat"), state.memoryImage));

    const ToolRun same = RunCli({"diff", path("a.dat"), path("a.dat")});
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "");
    const ToolRun differ = RunCli({"diff", path("a.dat"), path("b.dat")});
    EXPECT_EQ(differ.status, 1);
    EXPECT_EQ(differ.out, "CH 5 RX Freq: 145.50000 -> 145.52500\nSquelch Level: 4 -> 5\n");
    const ToolRun missing = RunCli({"diff", path("a.dat"), path("none.dat")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.err.contains("no such file")) << missing.err.toStdString();
}

// Bad input: exit status 1, one line on stderr naming the problem, nothing on stdout.
struct BadRun {
    const char* name;
    QStringList args;
    const char* mentions;
};

class CliBadInput : public Cli, public testing::WithParamInterface<BadRun> {};

TEST_P(CliBadInput, FailsWithOneLine)
{
    QFile text(path("text.dat"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not radio data\n");
    text.close();
    const QString fifo = path("x.fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QStringList args;
    for (const QString& arg : GetParam().args) args << QString(arg).replace("DIR", m_dir.path());
    const ToolRun run = RunCli(args);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.startsWith("zq915-cli: ")) << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(GetParam().mentions)) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo(fifo).isFile()) << "the pipe is still a pipe";
}

INSTANTIATE_TEST_SUITE_P(
    Args, CliBadInput,
    testing::Values(
        BadRun{"MissingFile", {"dump", "DIR/none.dat"}, "no such file"},
        BadRun{"NotADataFile", {"dump", "DIR/text.dat"}, "not a ZQ-915 data file"},
        BadRun{"FolderNotFile", {"dump", "DIR"}, "cannot read"},
        BadRun{"UnknownBand", {"new", "--band", "237", "DIR/x.dat"}, "unknown band code 237"},
        BadRun{"BandNotANumber", {"new", "--band", "240x", "DIR/x.dat"}, "unknown band code"},
        BadRun{"UnknownModel", {"new", "--model", "59", "DIR/x.dat"}, "unknown model code 59"},
        BadRun{"OptionWithoutValue", {"new", "DIR/x.dat", "--band"}, "needs a value"},
        BadRun{"UnknownOption", {"dump", "--verbose", "DIR/x.dat"}, "unknown option --verbose"},
        BadRun{"NoFile", {"new"}, "FILE.dat"}, BadRun{"TwoFiles", {"dump", "a", "b"}, "FILE.dat"},
        BadRun{"UnwritableFolder", {"new", "DIR/no/such/x.dat"}, "cannot write"},
        BadRun{"PipeAsFile", {"dump", "DIR/x.fifo"}, "not an ordinary file"},
        BadRun{"DeviceAsFile", {"dump", "/dev/zero"}, "not an ordinary file"},
        BadRun{"PipeAsTarget", {"new", "DIR/x.fifo"}, "not an ordinary file"},
        // Checked before the port: no radio is read for nothing.
        BadRun{"ReadIntoAPipe", {"read", "COM9", "DIR/x.fifo"}, "not an ordinary file"},
        // Not "/.dat" or "/dev/null.dat": the name before the suffix counts too.
        BadRun{"RootAsTarget", {"new", "/"}, "names a folder"},
        BadRun{"FolderAsTarget", {"new", "DIR"}, "not an ordinary file"},
        BadRun{"ReadIntoADevice", {"read", "--fast", "demo", "/dev/null"}, "not an ordinary file"},
        BadRun{"ImportIntoADevice", {"import", "DIR/text.dat", "/dev/null"}, "not an ordinary file"},
        BadRun{"UnknownCommand", {"frobnicate"}, "unknown command frobnicate"}),
    [](const testing::TestParamInfo<BadRun>& info) { return info.param.name; });

TEST_F(Cli, SaveStoppedByAFileSizeLimitKeepsTheOldFileAndFails)
{
    const QString file = path("doc.dat");
    ASSERT_EQ(RunCli({"new", file}).status, 0);
    const auto contents = [&file] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray old = contents();
    ASSERT_FALSE(old.isEmpty());
    QProcess process;
    // As on a full disk, the bytes never reach the file.
    process.setChildProcessModifier([] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit none{0, 0};
        setrlimit(RLIMIT_FSIZE, &none);
    });
    process.start(CliPath(), {"new", "--band", "241", file});
    ASSERT_TRUE(process.waitForFinished(15000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("cannot write"));
    EXPECT_EQ(contents(), old);
}

TEST_F(Cli, FileNamesGetTheDataSuffixAndAreNeverMangled)
{
    EXPECT_EQ(RunCli({"new", path("work1")}).status, 0);
    // Qt cannot carry a name that is not UTF-8: refused, not written under another name.
    QProcess shell;
    shell.setWorkingDirectory(m_dir.path());
    for (const char* command : {R"sh(exec "$0" new "$(printf 'caf\351.dat')")sh",
                                R"sh(exec "$0" export work1.dat "$(printf 'caf\351.csv')")sh",
                                R"sh(exec "$0" import "$(printf 'caf\351.csv')" work1)sh"}) {
        shell.start("/bin/sh", {"-c", command, CliPath()});
        ASSERT_TRUE(shell.waitForFinished(15000));
        EXPECT_EQ(shell.exitCode(), 1) << command;
        EXPECT_TRUE(shell.readAllStandardError().contains("not valid in this system's encoding")) << command;
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"work1.dat"});
}

}  // namespace
