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

TEST_F(CliDemo, ReadsAreNeverBackedUp)
{
    // Its memory is nobody's; copies would only push real radios' backups out.
    for (const char* name : {"demo", "Demo"})
        ASSERT_EQ(RunCli({"read", "--fast", name, path("a.dat")}).status, 0);
    EXPECT_FALSE(QDir(path("data/ULVO/ZQ-915/backups")).exists());
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
