#include "platform/FileStore.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

namespace {

std::optional<QByteArray> ReadBack(const QString& path)
{
    filestore::ReadResult read = filestore::read(path, 1 << 20);
    if (!read.ok()) return std::nullopt;
    return read.bytes;
}

TEST(FileStore, WritesReadsAndReplacesWholeFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("radio.dat");
    EXPECT_EQ(filestore::writeAtomically(path, QByteArray("first version")), QString());
    EXPECT_EQ(ReadBack(path), QByteArray("first version"));
    EXPECT_EQ(filestore::writeAtomically(path, QByteArray("2nd")), QString());
    EXPECT_EQ(ReadBack(path), QByteArray("2nd"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"radio.dat"})
        << "no temporary file is left behind";
}

TEST(FileStore, EmptyFileReadsAsEmptyBytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("empty.dat");
    ASSERT_EQ(filestore::writeAtomically(path, QByteArray()), QString());
    const std::optional<QByteArray> bytes = ReadBack(path);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_TRUE(bytes->isEmpty());
}

TEST(FileStore, MissingFileCannotBeRead)
{
    QTemporaryDir dir;
    EXPECT_FALSE(ReadBack(dir.filePath("missing.dat")).has_value());
    EXPECT_FALSE(ReadBack(dir.path()).has_value()) << "a folder is not a file";
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
    EXPECT_EQ(ReadBack(path), QByteArray("old"));
}

// A buffered write hides a full disk until the buffer is flushed.
TEST(FileStore, WriteThroughReportsAFailedFlush)
{
    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly)) GTEST_SKIP() << "no /dev/full on this system";
    EXPECT_NE(filestore::writeThrough(full, QByteArray(100, 'x')), QString());
}

// A real full file system: the old file must survive a failed save byte for
// byte, and a new file on it must not count as written.
TEST(FileStore, FullDiskKeepsTheOldFileAndFailsNewOnes)
{
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << strerror(errno);
    struct Unmount {
        QByteArray point;
        ~Unmount() { umount(point.constData()); }
    } unmount{mountPoint};
    const QString path = dir.filePath("doc.dat");
    const QByteArray old(3000, 'o');
    ASSERT_EQ(filestore::writeAtomically(path, old), QString());
    QFile filler(dir.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) > 0) {
    }
    filler.close();

    EXPECT_NE(filestore::writeAtomically(path, QByteArray(8000, 'n')), QString());
    EXPECT_EQ(ReadBack(path), old);
    EXPECT_NE(filestore::writeAtomically(dir.filePath("new.dat"), QByteArray(8000, 'n')), QString());
    EXPECT_FALSE(QFile::exists(dir.filePath("new.dat")));
}

TEST(FileStore, OnlyRegularFilesAreReadOrReplaced)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // Reading either would never end (a pipe blocks in open, /dev/zero never runs dry).
    for (const QString& path : {pipe, QStringLiteral("/dev/zero"), dir.path()}) {
        EXPECT_TRUE(filestore::read(path, 1 << 20).unsuitable) << path.toStdString();
        EXPECT_NE(filestore::refusedTarget(path), QString()) << path.toStdString();
    }
    EXPECT_NE(filestore::writeAtomically(pipe, "x"), QString());
    EXPECT_EQ(QFileInfo(pipe).isFile(), false) << "the pipe is still a pipe";

    const QString big = dir.filePath("big.dat");
    ASSERT_EQ(filestore::writeAtomically(big, QByteArray(11, 'b')), QString());
    EXPECT_TRUE(filestore::read(big, 10).unsuitable);

    const QString link = dir.filePath("link.dat");
    ASSERT_TRUE(QFile::link(big, link));
    EXPECT_EQ(filestore::writeAtomically(link, "via link"), QString());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadBack(big), QByteArray("via link"));
}

}  // namespace
