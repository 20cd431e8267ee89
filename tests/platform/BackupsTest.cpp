#include "platform/Backups.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/DataFileStore.h"
#include "support/NewDocumentFor.h"

namespace {

TEST(Backups, NamedByTimeAndBandNeverOverwrittenNewestHundredKept)
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(backups::folder()).removeRecursively();
    const MemoryImage image = NewDocumentFor(238).memoryImage;
    const QDateTime start(QDate(2026, 12, 8), QTime(14, 3, 27));
    for (int i = 0; i <= backups::kKept; ++i) ASSERT_EQ(backups::save(image, start.addSecs(i)), QString());
    ASSERT_EQ(backups::save(image, start.addSecs(backups::kKept)), QString());  // the same second again

    const QStringList names = QDir(backups::folder()).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(names.size(), backups::kKept);
    EXPECT_EQ(names.front(), "2026-12-08_14-03-29_67-72.dat");  // the two oldest are gone
    EXPECT_EQ(names.back(), "2026-12-08_14-05-07_67-72_2.dat");
    QDir(backups::folder()).removeRecursively();
}

class BackupsFolder : public testing::Test {
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        dir.setPath(backups::folder());
        dir.removeRecursively();
        ASSERT_TRUE(dir.mkpath(QStringLiteral(".")));
    }
    void TearDown() override { dir.removeRecursively(); }

    // A file of a few bytes, last modified `age` seconds ago.
    void Put(const QString& name, qint64 age)
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old");
        file.flush();  // a later flush would touch the time again
        ASSERT_TRUE(
            file.setFileTime(QDateTime::currentDateTime().addSecs(-age), QFileDevice::FileModificationTime));
    }

    QDir dir;
    const MemoryImage image = NewDocumentFor(239).memoryImage;
};

TEST_F(BackupsFolder, PruningGoesByAgeNotNameAndKeepsWhatIsNotABackup)
{
    // Named in the future (a clock set back, copies from another machine), yet older.
    const auto future = [](int i) {
        return QStringLiteral("2099-01-01_00-%1-%2_136-174.dat")
            .arg(i / 60, 2, 10, QLatin1Char('0'))
            .arg(i % 60, 2, 10, QLatin1Char('0'));
    };
    for (int i = 0; i < backups::kKept; ++i) Put(future(i), 3600 + i);
    Put(QStringLiteral("notes.dat"), 99999);
    const QDateTime now(QDate(2026, 12, 8), QTime(14, 3, 27));
    ASSERT_EQ(backups::save(image, now), QString());

    const QStringList names = dir.entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(names.size(), backups::kKept + 1);
    EXPECT_TRUE(names.contains("2026-12-08_14-03-27_136-174.dat"));
    EXPECT_TRUE(names.contains("notes.dat"));
    EXPECT_FALSE(names.contains(future(backups::kKept - 1))) << "the oldest by time goes";
    EXPECT_TRUE(names.contains(future(0)));
}

TEST_F(BackupsFolder, TakenNamesAreNeverReplacedNorFollowedOutOfTheFolder)
{
    QTemporaryDir outside;
    const QString stem = QStringLiteral("2026-12-08_14-03-27_136-174");
    Put(stem + QStringLiteral(".dat"), 10);
    ASSERT_TRUE(QFile::link(outside.filePath(QStringLiteral("planted.dat")), dir.filePath(stem + "_2.dat")));
    ASSERT_EQ(backups::save(image, QDateTime(QDate(2026, 12, 8), QTime(14, 3, 27))), QString());

    QFile first(dir.filePath(stem + QStringLiteral(".dat")));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), "old");
    EXPECT_FALSE(QFile::exists(outside.filePath(QStringLiteral("planted.dat"))));
    const LoadedDataFile third = LoadDataFileFrom(dir.filePath(stem + QStringLiteral("_3.dat")));
    ASSERT_TRUE(third.image);
    EXPECT_EQ(*third.image, image);
}

TEST(Backups, WithoutAHomeNothingIsWrittenAndTheReasonIsGiven)
{
    const QByteArray home = qgetenv("HOME");
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    qunsetenv("HOME");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(backups::folder(), QString());
    EXPECT_EQ(backups::save(NewDocumentFor(239).memoryImage),
              "there is no home folder to keep it in (HOME is not set)");
    qputenv("HOME", home);
    if (!data.isEmpty()) qputenv("XDG_DATA_HOME", data);
}

}  // namespace
