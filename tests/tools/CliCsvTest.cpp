#include "ToolRun.h"

namespace {

using CliCsv = ToolTest;

void WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(CliCsv, ImportMakesANewFileAndExportGivesTheRowsBack)
{
    const QByteArray rows =
        "CH,RX Freq,TX Freq,Decode,Encode,W/N,Scan,TX Power,Opt Signal,PTT ID,BCL\r\n"
        "3,146.52000,146.52000,88.5,D023N,Narrow,Del,Low,None,Off,Carrier\r\n";
    WriteText(path("in.csv"), rows);
    const ToolRun imported =
        RunCli({"import", path("in.csv"), path("a.dat"), "--band", "239", "--model", "57"});
    EXPECT_EQ(imported.status, 0);
    EXPECT_EQ(imported.err, "1 channel imported.\n");
    EXPECT_TRUE(RunCli({"dump", path("a.dat")}).out.startsWith("7105B\t136 - 174 MHz"));
    const ToolRun exported = RunCli({"export", path("a.dat"), "-"});
    EXPECT_EQ(exported.status, 0);
    EXPECT_EQ(exported.out.toUtf8(), rows);
    ASSERT_EQ(RunCli({"export", path("a.dat"), path("out.csv")}).status, 0);
    EXPECT_EQ(ReadFile(path("out.csv")), rows);
}

TEST_F(CliCsv, StrictAndRefusedImportsLeaveTheFileAsItWas)
{
    ASSERT_EQ(RunCli({"new", "--band", "239", path("a.dat")}).status, 0);
    const QByteArray before = ReadFile(path("a.dat"));
    WriteText(path("in.csv"), "CH,RX Freq\r\n1,145\r\n2,300\r\n");

    const ToolRun strict = RunCli({"import", path("in.csv"), path("a.dat"), "--strict"});
    EXPECT_EQ(strict.status, 1);
    EXPECT_TRUE(strict.err.contains("Line 3: frequency 300 is outside the band")) << strict.err.toStdString();
    EXPECT_EQ(ReadFile(path("a.dat")), before);

    const ToolRun otherBand = RunCli({"import", path("in.csv"), path("a.dat"), "--band", "240"});
    EXPECT_EQ(otherBand.status, 1);
    EXPECT_TRUE(otherBand.err.contains("only apply to a new file"));
    WriteText(path("bad.csv"), "just some text\n");
    EXPECT_TRUE(RunCli({"import", path("bad.csv"), path("a.dat")}).err.contains("no recognised header line"));
    EXPECT_EQ(ReadFile(path("a.dat")), before);

    EXPECT_EQ(RunCli({"import", path("in.csv"), path("a.dat")}).status, 0);  // the good row lands
    EXPECT_TRUE(RunCli({"dump", path("a.dat")}).out.contains("\n1\t145.00000\t"));

    // The name without its suffix is the same document, and its own band may be repeated.
    WriteText(path("in.csv"), "CH,RX Freq\r\n2,146\r\n");
    const ToolRun sameBand = RunCli({"import", path("in.csv"), path("a"), "--band", "239"});
    EXPECT_EQ(sameBand.status, 0) << sameBand.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("a")));
    EXPECT_TRUE(RunCli({"dump", path("a.dat")}).out.contains("\n2\t146.00000\t"));
    EXPECT_EQ(RunCli({"import", path("in.csv"), path("a"), "--model", "57"}).status, 1);
}

TEST_F(CliCsv, NothingIsWrittenWhenNoRowFitsOrStrictRowsWereSkipped)
{
    ASSERT_EQ(RunCli({"new", "--band", "239", path("a.dat")}).status, 0);
    const QByteArray before = ReadFile(path("a.dat"));
    WriteText(path("uhf.csv"), "CH;RX Freq\r\n1;439,5\r\n2;446,00625\r\n");
    const ToolRun wrongBand = RunCli({"import", path("uhf.csv"), path("a.dat")});
    EXPECT_EQ(wrongBand.status, 1);
    EXPECT_EQ(wrongBand.err,
              "zq915-cli: No channel could be imported: every row was skipped (band 136 - 174 MHz).\n"
              "Skipped rows:\nLine 2: frequency 439,5 is outside the band\n"
              "Line 3: frequency 446,00625 is outside the band\n");
    EXPECT_EQ(ReadFile(path("a.dat")), before);
    EXPECT_FALSE(QFile::exists(path("new.dat")));
    EXPECT_EQ(RunCli({"import", path("uhf.csv"), path("new.dat")}).status, 1);
    EXPECT_FALSE(QFile::exists(path("new.dat")));

    WriteText(path("mixed.csv"), "CH;RX Freq\r\n1;145,5\r\n2;439,5\r\n");
    const ToolRun strict = RunCli({"import", path("mixed.csv"), path("a.dat"), "--strict"});
    EXPECT_EQ(strict.status, 1);
    EXPECT_EQ(strict.err,
              "Skipped rows:\nLine 3: frequency 439,5 is outside the band\n"
              "zq915-cli: Nothing written: 1 row skipped (--strict).\n");
    EXPECT_EQ(ReadFile(path("a.dat")), before);
}

}  // namespace
