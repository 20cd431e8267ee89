#include <optional>

#include "ToolRun.h"
#include "core/Layout.h"
#include "files/DataFile.h"

// The radio simulator on a real pseudo-terminal, driven by zq915-cli read and
// write: the whole path through QSerialPort, the runner and the session.

namespace {

QString SimPath() { return ToolPath("ZQ915_RADIO_SIM", "radio-sim/radio-sim"); }

MemoryImage DocumentImage()
{
    MemoryImage image;
    for (int i = 0; i < MemoryImage::kSize; ++i) image.bytes()[i] = static_cast<std::uint8_t>(i * 5 + 1);
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

    QProcess m_sim;
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
