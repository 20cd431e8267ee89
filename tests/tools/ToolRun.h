#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "core/MemoryImage.h"
#include "files/DataFile.h"

// Running the command-line tools built beside the test executables
// (build/tools/...). An environment variable can point at another build.

inline QString ToolPath(const char* environment, const QString& relative)
{
    const QString fromEnvironment = qEnvironmentVariable(environment);
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
    return QCoreApplication::applicationDirPath() + "/../tools/" + relative;
}

inline QString CliPath() { return ToolPath("ZQ915_CLI", "zq915-cli/zq915-cli"); }

struct ToolRun {
    int status = -1;  // -1: did not finish in time, or crashed
    QString out;
    QString err;
};

inline ToolRun RunCli(const QStringList& args)
{
    QProcess process;
    process.start(CliPath(), args);
    ToolRun run;
    if (!process.waitForFinished(15000)) return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Saves the image as a data file; false when the file cannot be written whole.
inline bool WriteDataFile(const QString& path, const MemoryImage& image)
{
    const ByteBuffer bytes = EncodeDataFile(image);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    return file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) ==
           static_cast<qint64>(bytes.size());
}

// A scratch folder per test, also the user's data folder of the tools it
// runs (so reads keep their backups there), and the command-line tool present.
class ToolTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(CliPath())) << "build zq915-cli first: " << CliPath().toStdString();
        ASSERT_TRUE(m_dir.isValid());
        qputenv("XDG_DATA_HOME", path("data").toLocal8Bit());
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};
