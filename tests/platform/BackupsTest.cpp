#include "platform/Backups.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QStandardPaths>

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

}  // namespace
