#include "platform/QSettingsStore.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

namespace {

TEST(QSettingsStore, ReadsBackWhatItWrote)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("zq915.ini");
    {
        QSettingsStore store(ini);
        EXPECT_EQ(store.readString("LastFreq"), "");
        EXPECT_TRUE(store.writeString("LastFreq", "248"));
        EXPECT_TRUE(store.writeString("language", ""));
        EXPECT_EQ(store.readString("LastFreq"), "248");
    }
    QSettingsStore again(ini);
    EXPECT_EQ(again.readString("LastFreq"), "248");
    EXPECT_EQ(again.readString("language"), " ") << "an empty text is written as one blank";
    EXPECT_EQ(again.readString("LastModel"), "");
}

TEST(QSettingsStore, UnreadableValuesReadAsEmpty)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("zq915.ini");
    {
        QSettings raw(ini, QSettings::IniFormat);
        raw.setValue("LastFreq", QString(2000, '4'));
        raw.setValue("LastModel", QStringList{"57", "58"});
        raw.setValue("language", QString("1") + QChar(0) + "junk");
    }
    QSettingsStore store(ini);
    EXPECT_EQ(store.readString("LastFreq"), "");
    EXPECT_EQ(store.readString("LastModel"), "");
    EXPECT_EQ(store.readString("language"), "1");
}

TEST(QSettingsStore, WriteIntoAnUnusableLocationFails)
{
    QTemporaryDir dir;
    QSettingsStore store(dir.path());  // a folder, not a file
    EXPECT_FALSE(store.writeString("LastFreq", "240"));
}

}  // namespace
