#include <csignal>
#include <optional>

#include <unistd.h>
#include <QDir>
#include <QRegularExpression>

#include "ToolRun.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "files/DataFile.h"
#include "platform/QtSerialPort.h"

// The radio simulator on a real pseudo-terminal, driven by zq915-cli read and
// write: the whole path through QSerialPort, the runner and the session.

namespace {

QString SimPath() { return ToolPath("ZQ915_RADIO_SIM", "radio-sim/radio-sim"); }

MemoryImage DocumentImage()
{
    MemoryImage image;
    for (int i = 0; i < MemoryImage::kSize; ++i) image.bytes()[i] = static_cast<std::uint8_t>(i * 5 + 1);
    // In-band frequencies, so that writing sends every byte unchanged.
    image.set(layout::kBandRow, layout::kRadioColumn, 246);
    for (int column = 0; column < layout::kMaxChannels; ++column) {
        StoreFreq(image, column, layout::kRxFreqRow, "435.00000");
        StoreFreq(image, column, layout::kTxFreqRow, "440.00000");
    }
    // The identification of a blank radio.
    for (int r = 0; r < layout::kIdentBytes; ++r)
        image.set(layout::kIdentFirstRow + r, layout::kRadioColumn, 0xFF);
    return image;
}

std::optional<MemoryImage> LoadImage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    return DecodeDataFile(ByteBuffer(bytes.begin(), bytes.end()));
}

bool SameRadioColumns(const MemoryImage& a, const MemoryImage& b)
{
    for (int address = 0; address < layout::kRadioBytes; ++address)
        if (a.atAddress(address) != b.atAddress(address)) return false;
    return true;
}

class RadioLinkEndToEnd : public ToolTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ToolTest::SetUp());
        ASSERT_TRUE(QFile::exists(SimPath())) << "build radio-sim first: " << SimPath().toStdString();
        ASSERT_TRUE(WriteDataFile(path("doc.dat"), DocumentImage()));
    }

    void TearDown() override
    {
        if (m_sim.state() != QProcess::NotRunning) {
            m_sim.terminate();
            m_sim.waitForFinished(3000);
        }
    }

    // Starts the simulator and returns its device path.
    QString startRadio(const QStringList& args)
    {
        m_sim.start(SimPath(), args);
        if (!m_sim.waitForStarted(3000)) return {};
        while (!m_sim.canReadLine())
            if (!m_sim.waitForReadyRead(3000)) return {};
        return QString::fromUtf8(m_sim.readLine()).trimmed();
    }

    bool stopRadio()
    {
        m_sim.terminate();
        return m_sim.waitForFinished(3000) && m_sim.exitCode() == 0;
    }

    // Starts the command line and returns once it has moved a few blocks.
    bool startTransfer(QProcess& cli, const QStringList& args)
    {
        cli.setReadChannel(QProcess::StandardError);  // where progress goes
        cli.start(CliPath(), args);
        QByteArray err;
        while (!err.contains("Completion percentage: 2%")) {
            if (!cli.waitForReadyRead(5000)) return false;
            err += cli.readAllStandardError();
        }
        m_cliErr = QString::fromUtf8(err);
        return true;
    }
    QString finishedErr(QProcess& cli)
    {
        cli.waitForFinished(5000);
        return m_cliErr + QString::fromUtf8(cli.readAllStandardError());
    }
    // The last message the simulator received (its --log), in hex.
    QString lastMessageToRadio()
    {
        m_sim.setReadChannel(QProcess::StandardError);
        while (m_sim.waitForReadyRead(300)) {
        }
        m_simLog += m_sim.readAllStandardError();
        const QStringList lines = QString::fromUtf8(m_simLog).split('\n');
        for (auto it = lines.rbegin(); it != lines.rend(); ++it)
            if (it->startsWith('>')) return it->mid(2);
        return {};
    }

    QProcess m_sim;
    QByteArray m_simLog;
    QString m_cliErr;
};

TEST_F(RadioLinkEndToEnd, WriteThenReadMovesTheImageByteExactly)
{
    const QString device = startRadio({"--save", path("radio.dat")});
    ASSERT_FALSE(device.isEmpty());

    const ToolRun write = RunCli({"write", device, path("doc.dat")});
    ASSERT_EQ(write.status, 0) << write.err.toStdString();
    EXPECT_EQ(write.out.trimmed(), device + ": Writing completed!");

    const ToolRun read = RunCli({"read", device, path("back.dat"), "--ident", path("doc.dat")});
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    EXPECT_TRUE(read.err.contains("Completion percentage: 100%"));
    EXPECT_TRUE(read.err.contains("Reading completed!"));

    ASSERT_TRUE(stopRadio());
    const auto document = LoadImage(path("doc.dat"));
    const auto back = LoadImage(path("back.dat"));
    const auto radio = LoadImage(path("radio.dat"));
    ASSERT_TRUE(document && back && radio);
    EXPECT_TRUE(SameRadioColumns(*back, *document));
    EXPECT_TRUE(SameRadioColumns(*radio, *document));
    // Columns beyond the radio come from the --ident document.
    EXPECT_EQ(*back, *document);
}

TEST_F(RadioLinkEndToEnd, RadioLoadedFromADataFileReadsBackAsThatFile)
{
    const QString device = startRadio({"--load", path("doc.dat")});
    ASSERT_FALSE(device.isEmpty());

    const ToolRun read = RunCli({"read", device, path("back.dat"), "--ident", path("doc.dat")});
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    const auto back = LoadImage(path("back.dat"));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, DocumentImage());
}

TEST_F(RadioLinkEndToEnd, ReadsFinishingTogetherKeepABackupOfEachRadio)
{
    // Two radios of the same band, so that backups of the same second share a name.
    MemoryImage second = DocumentImage();
    StoreFreq(second, 0, layout::kRxFreqRow, "401.00000");
    ASSERT_TRUE(WriteDataFile(path("second.dat"), second));
    const QString first = startRadio({"--load", path("doc.dat")});
    QProcess other;
    other.start(SimPath(), {"--load", path("second.dat")});
    ASSERT_TRUE(other.waitForStarted(3000) && other.waitForReadyRead(3000));
    const QString otherDevice = QString::fromUtf8(other.readLine()).trimmed();
    ASSERT_FALSE(first.isEmpty());

    constexpr int kRounds = 8;
    for (int round = 0; round < kRounds; ++round) {
        QProcess a;
        QProcess b;
        a.start(CliPath(), {"read", first, path("a.dat"), "--ident", path("doc.dat")});
        b.start(CliPath(), {"read", otherDevice, path("b.dat"), "--ident", path("doc.dat")});
        ASSERT_TRUE(a.waitForFinished(15000) && b.waitForFinished(15000));
        ASSERT_EQ(a.exitCode(), 0) << a.readAllStandardError().toStdString();
        ASSERT_EQ(b.exitCode(), 0) << b.readAllStandardError().toStdString();
    }
    ASSERT_EQ(RunCli({"read", first, path("c.dat"), "--ident", path("doc.dat"), "--no-backup"}).status, 0);
    other.terminate();
    other.waitForFinished(3000);

    const QDir backups(path("data/ULVO/ZQ-915/backups"));
    int ofFirst = 0;
    int ofSecond = 0;
    for (const QString& name : backups.entryList(QDir::Files)) {
        const auto image = LoadImage(backups.filePath(name));
        ASSERT_TRUE(image) << name.toStdString();
        ofFirst += SameRadioColumns(*image, DocumentImage()) ? 1 : 0;
        ofSecond += SameRadioColumns(*image, second) ? 1 : 0;
    }
    EXPECT_EQ(ofFirst, kRounds);
    EXPECT_EQ(ofSecond, kRounds);
}

TEST_F(RadioLinkEndToEnd, BatchWriteReportsEachPortAndFailsIfOneFailed)
{
    const QString device = startRadio({});
    ASSERT_FALSE(device.isEmpty());
    const QString missing = path("no-such-port");

    const ToolRun write = RunCli({"write", device, missing, device, path("doc.dat")});
    EXPECT_EQ(write.status, 1);
    EXPECT_EQ(write.out.count("Writing completed!"), 2) << write.out.toStdString();
    EXPECT_TRUE(write.err.contains(missing + ": Cannot Open Communication Port.")) << write.err.toStdString();
}

TEST_F(RadioLinkEndToEnd, PortNamedTwiceUnderAnotherPathIsWrittenOnce)
{
    const QString device = startRadio({});
    ASSERT_FALSE(device.isEmpty());
    const QString doubled = QString(device).replace(QStringLiteral("/pts/"), QStringLiteral("/pts//"));
    ASSERT_TRUE(QFile::link(device, path("radio-link")));

    const ToolRun write =
        RunCli({"write", "--parallel", device, doubled, path("radio-link"), path("doc.dat")});
    EXPECT_EQ(write.status, 1);
    EXPECT_EQ(write.out.count("Writing completed!"), 1) << write.out.toStdString();
    EXPECT_EQ(write.err.count("named twice; written once"), 2) << write.err.toStdString();
    EXPECT_FALSE(write.err.contains("Model type is wrong.")) << write.err.toStdString();
}

TEST_F(RadioLinkEndToEnd, ParallelVerifiedWriteFailsOnlyTheRadioThatStoresAByteWrong)
{
    QProcess other;
    const QString good = startRadio({});
    other.start(SimPath(), {"--fault", "corrupt@9"});
    ASSERT_TRUE(other.waitForStarted(3000) && other.waitForReadyRead(3000));
    const QString bad = QString::fromUtf8(other.readLine()).trimmed();
    MemoryImage document = DocumentImage();
    StoreFreq(document, 7, layout::kRxFreqRow, "145.00000");  // outside 400 - 470 MHz
    ASSERT_TRUE(WriteDataFile(path("doc.dat"), document));

    const ToolRun write = RunCli({"write", "--parallel", "--verify", bad, good, path("doc.dat")});
    other.terminate();
    other.waitForFinished(3000);
    EXPECT_EQ(write.status, 1);
    EXPECT_TRUE(write.out.startsWith(good + ": Writing completed and verified")) << write.out.toStdString();
    const int sent = DocumentImage().atAddress(0x48);
    const auto hex = [](int value) { return QString::number(value, 16).toUpper().rightJustified(2, '0'); };
    const QString failure = bad + ": Verification failed at CH 5, address 0x048: written " + hex(sent) +
                            ", read " + hex(0xFF ^ sent) + ".";
    EXPECT_TRUE(write.err.contains("1 channel outside the band erased before writing"))
        << write.err.toStdString();
    EXPECT_TRUE(write.err.contains(failure)) << failure.toStdString();
}

TEST_F(RadioLinkEndToEnd, MissingReplyFailsWithTheStepAndWritesNoFile)
{
    const QString device = startRadio({"--fault", "noreply@7"});
    ASSERT_FALSE(device.isEmpty());

    const ToolRun read = RunCli({"read", device, path("partial.dat")});
    EXPECT_EQ(read.status, 1);
    EXPECT_TRUE(read.err.contains("Check Connection. step 7 (read block 5)")) << read.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("partial.dat")));
}

TEST_F(RadioLinkEndToEnd, WrongIdentificationIsRefused)
{
    const QString device = startRadio({"--ident", "0102030405060708"});
    ASSERT_FALSE(device.isEmpty());

    const ToolRun read = RunCli({"read", device, path("other.dat")});
    EXPECT_EQ(read.status, 1);
    EXPECT_TRUE(read.err.contains("Model type is wrong.")) << read.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("other.dat")));
}

TEST_F(RadioLinkEndToEnd, InterruptedTransfersEndTheSessionAndSaySo)
{
    const QString device = startRadio({"--paced", "--log"});
    ASSERT_FALSE(device.isEmpty());

    QProcess read;
    ASSERT_TRUE(startTransfer(read, {"read", device, path("partial.dat")}));
    ::kill(static_cast<pid_t>(read.processId()), SIGINT);
    const QString readErr = finishedErr(read);
    EXPECT_EQ(read.exitCode(), 130) << readErr.toStdString();
    EXPECT_TRUE(readErr.contains(device + ": interrupted\n")) << readErr.toStdString();
    EXPECT_FALSE(QFile::exists(path("partial.dat")));
    EXPECT_EQ(lastMessageToRadio().right(2), "45");

    QProcess write;
    ASSERT_TRUE(startTransfer(write, {"write", device, device, path("doc.dat")}));
    ::kill(static_cast<pid_t>(write.processId()), SIGTERM);
    const QString writeErr = finishedErr(write);
    EXPECT_EQ(write.exitCode(), 143) << writeErr.toStdString();
    EXPECT_TRUE(writeErr.contains(device + ": interrupted, radio partly written\n" + device + ": not done"))
        << writeErr.toStdString();
    EXPECT_EQ(lastMessageToRadio().right(2), "45");
}

TEST_F(RadioLinkEndToEnd, WriteStoppedBeforeItsFirstBlockLeftTheRadioAsItWas)
{
    const QString device = startRadio({"--fault", "noreply@1", "--log"});
    ASSERT_FALSE(device.isEmpty());
    QProcess write;
    write.setReadChannel(QProcess::StandardError);
    write.start(CliPath(), {"write", device, path("doc.dat")});
    QByteArray err;
    while (!err.contains("Completion percentage:  0%")) {
        ASSERT_TRUE(write.waitForReadyRead(5000)) << err.toStdString();
        err += write.readAllStandardError();
    }
    ::kill(static_cast<pid_t>(write.processId()), SIGINT);
    const QString writeErr = QString::fromUtf8(err) + finishedErr(write);
    EXPECT_EQ(write.exitCode(), 130) << writeErr.toStdString();
    EXPECT_TRUE(writeErr.contains(device + ": interrupted, radio not changed\n")) << writeErr.toStdString();
    EXPECT_EQ(lastMessageToRadio().right(2), "45");
}

TEST_F(RadioLinkEndToEnd, RadioGoneDuringTheReadBackStillSaysTheWriteCompleted)
{
    const QString device = startRadio({"--paced"});
    ASSERT_FALSE(device.isEmpty());
    QProcess write;
    write.setReadChannel(QProcess::StandardError);
    write.start(CliPath(), {"write", "--verify", device, path("doc.dat")});
    QByteArray err;
    while (!err.contains("Verifying - Completion percentage: 2%")) {
        ASSERT_TRUE(write.waitForReadyRead(15000)) << err.toStdString();
        err += write.readAllStandardError();
    }
    m_sim.kill();
    ASSERT_TRUE(write.waitForFinished(5000));
    const QString writeErr = QString::fromUtf8(err + write.readAllStandardError());
    EXPECT_EQ(write.exitCode(), 1);
    EXPECT_TRUE(writeErr.contains(device +
                                  ": The radio was written completely, but the verification could not be "
                                  "completed: Check Connection. step "))
        << writeErr.toStdString();
    EXPECT_TRUE(writeErr.contains("port disappeared (cable unplugged?)")) << writeErr.toStdString();
    m_sim.waitForFinished(3000);
}

TEST_F(RadioLinkEndToEnd, PortCausesAreNamed)
{
    QString device = startRadio({"--paced"});
    ASSERT_FALSE(device.isEmpty());
    {
        QtSerialPort holder;
        ASSERT_TRUE(holder.open(device)) << holder.errorText().toStdString();
        const ToolRun busy = RunCli({"write", device, path("doc.dat")});
        EXPECT_EQ(busy.status, 1);
        EXPECT_TRUE(
            busy.err.contains("Cannot Open Communication Port.\n" + device + ": in use by another program"))
            << busy.err.toStdString();
    }

    QProcess read;
    ASSERT_TRUE(startTransfer(read, {"read", device, path("partial.dat")}));
    m_sim.kill();
    const QString unplugged = finishedErr(read);
    EXPECT_EQ(read.exitCode(), 1);
    EXPECT_TRUE(unplugged.contains(device + ": port disappeared (cable unplugged?)"))
        << unplugged.toStdString();
    m_sim.waitForFinished(3000);

    if (::geteuid() != 0) GTEST_SKIP() << "only root can try the port as another user";
    device = startRadio({});
    ASSERT_FALSE(device.isEmpty());
    // The other user needs to reach the document and the program.
    QFile::setPermissions(path("."), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                         QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(path("doc.dat"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    QProcess other;
    other.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", CliPath(), "write", device,
                            path("doc.dat")});
    ASSERT_TRUE(other.waitForFinished(15000));
    const QString denied = QString::fromUtf8(other.readAllStandardError());
    EXPECT_EQ(other.exitCode(), 1) << denied.toStdString();
    EXPECT_TRUE(denied.contains("Cannot Open Communication Port.\n" + device + ": Permission denied"))
        << denied.toStdString();
}

TEST_F(RadioLinkEndToEnd, FaultThatCouldNeverFireIsRefused)
{
    for (const char* fault : {"hangup@264", "noreply@266"}) {
        m_sim.start(SimPath(), {"--fault", fault});
        ASSERT_TRUE(m_sim.waitForFinished(3000)) << fault;
        EXPECT_EQ(m_sim.exitCode(), 2) << fault;
    }
    EXPECT_FALSE(startRadio({"--fault", "hangup@263"}).isEmpty());
}

}  // namespace
