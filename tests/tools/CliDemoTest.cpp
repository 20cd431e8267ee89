#include "ToolRun.h"

#include <QDir>

// zq915-cli with the built-in demo radio ("demo" as the port).

namespace {

using CliDemo = ToolTest;

TEST_F(CliDemo, ReadGivesThePlanAndWriteTakesAFileOfItsIdentification)
{
    const ToolRun read = RunCli({"read", "--fast", "demo", path("demo.dat")});
    ASSERT_EQ(read.status, 0) << read.err.toStdString();
    EXPECT_TRUE(read.err.endsWith("Reading completed!\n"));
    const ToolRun dump = RunCli({"dump", path("demo.dat")});
    EXPECT_TRUE(dump.out.startsWith("7105C\t136 - 174 MHz\t")) << dump.out.toStdString();
    EXPECT_GE(dump.out.count('\n'), 25);

    const ToolRun write = RunCli({"write", "--fast", "DEMO", "demo", path("demo.dat")});
    EXPECT_EQ(write.status, 0) << write.err.toStdString();
    EXPECT_EQ(write.out, "DEMO: Writing completed!\ndemo: Writing completed!\n");
}

TEST_F(CliDemo, EveryReadLeavesABackupUnlessToldNot)
{
    const QDir backups(path("data/ULVO/ZQ-915/backups"));
    ASSERT_EQ(RunCli({"read", "--fast", "demo", path("a.dat"), "--no-backup"}).status, 0);
    EXPECT_FALSE(backups.exists());
    ASSERT_EQ(RunCli({"read", "--fast", "demo", path("b.dat")}).status, 0);
    const QStringList names = backups.entryList(QDir::Files);
    ASSERT_EQ(names.size(), 1);
    EXPECT_TRUE(names[0].endsWith("_136-174.dat")) << names[0].toStdString();
    QFile backup(backups.filePath(names[0]));
    QFile read(path("b.dat"));
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly) && read.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), read.readAll());
}

TEST_F(CliDemo, FastIsRefusedWithARealPort)
{
    ASSERT_EQ(RunCli({"new", path("a.dat")}).status, 0);
    for (const QStringList& args : {QStringList{"read", "--fast", "COM1", path("b.dat")},
                                    QStringList{"write", "--fast", "demo", "/dev/ttyUSB7", path("a.dat")}}) {
        const ToolRun run = RunCli(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.startsWith("zq915-cli: --fast works only with the demo radio"))
            << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(path("b.dat")));
}

}  // namespace
