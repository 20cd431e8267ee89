#include "platform/FileStore.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(FileStore, WritesReadsAndReplacesWholeFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("radio.dat");
    EXPECT_EQ(filestore::writeAtomically(path, QByteArray("first version")), QString());
    EXPECT_EQ(filestore::readAll(path), QByteArray("first version"));
    EXPECT_EQ(filestore::writeAtomically(path, QByteArray("2nd")), QString());
    EXPECT_EQ(filestore::readAll(path), QByteArray("2nd"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"radio.dat"})
        << "no temporary file is left behind";
}

TEST(FileStore, EmptyFileReadsAsEmptyBytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("empty.dat");
    ASSERT_EQ(filestore::writeAtomically(path, QByteArray()), QString());
    const std::optional<QByteArray> bytes = filestore::readAll(path);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_TRUE(bytes->isEmpty());
}

TEST(FileStore, MissingFileCannotBeRead)
{
    QTemporaryDir dir;
    EXPECT_FALSE(filestore::readAll(dir.filePath("missing.dat")).has_value());
    EXPECT_FALSE(filestore::readAll(dir.path()).has_value()) << "a folder is not a file";
}

TEST(FileStore, FailedWriteReportsTheSystemError)
{
    QTemporaryDir dir;
    EXPECT_NE(filestore::writeAtomically(dir.filePath("no/such/folder/x.dat"), "x"), QString());
    EXPECT_NE(filestore::writeAtomically(dir.path(), "x"), QString()) << "a folder cannot be replaced";
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
}

TEST(FileStore, WriteRefusedByTheFolderKeepsTheOldFile)
{
    QTemporaryDir dir;
    if (geteuid() == 0) GTEST_SKIP() << "folder permissions do not stop the superuser";
    const QString folder = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + "/radio.dat";
    ASSERT_EQ(filestore::writeAtomically(path, "old"), QString());
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_NE(filestore::writeAtomically(path, "new"), QString());
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(filestore::readAll(path), QByteArray("old"));
}

}  // namespace
