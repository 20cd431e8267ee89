#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// GUI tests need one QApplication for the whole run (offscreen in CI).
int main(int argc, char** argv)
{
    // CTest runs tests in parallel processes; each gets a home of its own, so
    // backups, recovery copies and the programs a test starts never meet
    // another test's. A program started by a test keeps its parent's.
    QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("ZQ_TEST_HOME")) {
        qputenv("ZQ_TEST_HOME", home.path().toLocal8Bit());
        qputenv("HOME", home.path().toLocal8Bit());
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
