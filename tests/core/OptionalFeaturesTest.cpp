#include "core/OptionalFeatures.h"

#include <gtest/gtest.h>

#include "core/Layout.h"
#include "support/NewDocumentFor.h"

namespace {

using namespace layout;

TEST(OptionalFeatures, NewDocumentReadsItsDefaults)
{
    const OptionalFeatures f = ReadOptionalFeatures(NewDocumentFor().memoryImage);
    EXPECT_EQ(f.timeOutTimer, 2);
    EXPECT_EQ(f.squelchLevel, 4);
    EXPECT_EQ(f.chordLanguage, 0);
    EXPECT_TRUE(f.beepTone);
    EXPECT_TRUE(f.batterySave);
    EXPECT_TRUE(f.scrambler);
    EXPECT_EQ(f.voxGain, 9);
    EXPECT_EQ(f.voxDelay, 0);
    EXPECT_EQ(f.ani, "");
    EXPECT_EQ(f.name, "");
    EXPECT_FALSE(f.pttIdBot);
    EXPECT_FALSE(f.pttIdEot);
}

TEST(OptionalFeatures, AllFFReadsAsFirstChoicesAndEverythingOn)
{
    MemoryImage image;
    image.fill(0xFF);
    const OptionalFeatures f = ReadOptionalFeatures(image);
    EXPECT_EQ(f.timeOutTimer, 0);
    EXPECT_EQ(f.squelchLevel, 0);
    EXPECT_EQ(f.chordLanguage, 0);
    EXPECT_EQ(f.voxGain, 0);
    EXPECT_EQ(f.voxDelay, 0);
    EXPECT_TRUE(f.beepTone && f.batterySave && f.scrambler && f.pttIdBot && f.pttIdEot);
    EXPECT_EQ(f.ani, "");
    EXPECT_EQ(f.name, "");
}

TEST(OptionalFeatures, ChordLanguageBits)
{
    MemoryImage image = NewDocumentFor().memoryImage;
    for (const auto& [bits, index] : std::vector<std::pair<int, int>>{{3, 0}, {2, 1}, {0, 2}, {1, 2}}) {
        image.set(kGeneralFlagsRow, kSettingsColumn, static_cast<std::uint8_t>(0xFC | bits));
        EXPECT_EQ(ReadOptionalFeatures(image).chordLanguage, index) << bits;
    }
    // 01 opens as Off and OK stores 00.
    WriteOptionalFeatures(image, ReadOptionalFeatures(image));
    EXPECT_EQ(image.at(kGeneralFlagsRow, kSettingsColumn) & 0x03, 0);
}

TEST(OptionalFeatures, UnchangedShowableBytesWriteBackIdentically)
{
    MemoryImage image = NewDocumentFor().memoryImage;
    image.set(0, kAniColumn, '1');
    image.set(1, kAniColumn, '2');
    image.set(0, kNameColumn, 'A');
    image.set(1, kNameColumn, '9');
    const MemoryImage before = image;
    WriteOptionalFeatures(image, ReadOptionalFeatures(image));
    EXPECT_EQ(image, before);
}

TEST(OptionalFeatures, WriteTouchesOnlyFeatureBitsAndBytes)
{
    MemoryImage image;
    image.fill(0x00);
    OptionalFeatures f;
    f.timeOutTimer = 3;
    f.squelchLevel = 7;
    f.chordLanguage = 1;
    f.voxGain = 5;
    f.voxDelay = 4;
    f.beepTone = true;
    f.pttIdEot = true;
    f.ani = "12";
    f.name = "AB0CD";
    WriteOptionalFeatures(image, f);
    EXPECT_EQ(image.at(kTimeOutTimerRow, kSettingsColumn), 3);
    EXPECT_EQ(image.at(kSquelchRow, kSettingsColumn), 7);
    EXPECT_EQ(image.at(kGeneralFlagsRow, kSettingsColumn), 0x42);
    EXPECT_EQ(image.at(kVoxGainRow, kSettingsColumn), 5);
    EXPECT_EQ(image.at(kVoxDelayRow, kSettingsColumn), 4);
    EXPECT_EQ(image.at(kPttIdEdgeRow, kSettingsColumn), 0x10);
    const std::uint8_t ani[4] = {'1', '2', 0xFF, 0xFF};
    const std::uint8_t name[6] = {'A', 'B', 0xFF, 'C', 'D', 0xFF};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(image.at(k, kAniColumn), ani[k]) << k;
    for (int k = 0; k < 6; ++k) EXPECT_EQ(image.at(k, kNameColumn), name[k]) << k;
    EXPECT_EQ(ReadOptionalFeatures(image).name, "AB");

    // Bits no control owns survive.
    image.set(kPttIdEdgeRow, kSettingsColumn, 0xCF);
    image.set(kGeneralFlagsRow, kSettingsColumn, 0xA8);
    OptionalFeatures allOff;
    allOff.chordLanguage = 2;
    WriteOptionalFeatures(image, allOff);
    EXPECT_EQ(image.at(kPttIdEdgeRow, kSettingsColumn), 0xCF);
    EXPECT_EQ(image.at(kGeneralFlagsRow, kSettingsColumn), 0xA8);
    for (int row = 7; row < 16; ++row) EXPECT_EQ(image.at(row, kSettingsColumn), 0) << row;
    for (int row = 4; row < 16; ++row) EXPECT_EQ(image.at(row, kAniColumn), 0) << row;
}

TEST(OptionalFeatures, NoSelectionAndOutOfRangeStoreZero)
{
    MemoryImage image = NewDocumentFor().memoryImage;
    OptionalFeatures f = ReadOptionalFeatures(image);
    f.timeOutTimer = -1;
    f.squelchLevel = 10;
    f.chordLanguage = -1;
    f.voxGain = -1;
    f.voxDelay = 6;
    f.ani = "1a2345";
    WriteOptionalFeatures(image, f);
    EXPECT_EQ(image.at(kTimeOutTimerRow, kSettingsColumn), 0);
    EXPECT_EQ(image.at(kSquelchRow, kSettingsColumn), 0);
    EXPECT_EQ(image.at(kGeneralFlagsRow, kSettingsColumn) & 0x03, 0);
    EXPECT_EQ(image.at(kVoxGainRow, kSettingsColumn), 0);
    EXPECT_EQ(image.at(kVoxDelayRow, kSettingsColumn), 0);
    const std::uint8_t ani[4] = {'1', 0xFF, '2', '3'};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(image.at(k, kAniColumn), ani[k]) << k;
}

TEST(OptionalFeatures, OutOfRangeBytesReadAsIndexZero)
{
    MemoryImage image = NewDocumentFor().memoryImage;
    image.set(kTimeOutTimerRow, kSettingsColumn, 10);
    image.set(kVoxDelayRow, kSettingsColumn, 6);
    image.set(0, kNameColumn, '0');
    const OptionalFeatures f = ReadOptionalFeatures(image);
    EXPECT_EQ(f.timeOutTimer, 0);
    EXPECT_EQ(f.voxDelay, 0);
    EXPECT_EQ(f.name, "");
}

TEST(OptionalFeatures, ChoiceTexts)
{
    const std::vector<std::string> timeOut = TimeOutTimerChoices();
    ASSERT_EQ(timeOut.size(), 10u);
    EXPECT_EQ(timeOut[0], "Off");
    EXPECT_EQ(timeOut[2], "60");
    EXPECT_EQ(timeOut[9], "270");
    EXPECT_EQ(SquelchLevelChoices().front(), "0");
    EXPECT_EQ(SquelchLevelChoices().size(), 10u);
    EXPECT_EQ(ChordLanguageChoices(), (std::vector<std::string>{"Chinese", "English", "Off"}));
    const std::vector<std::string> vox = VoxGainChoices();
    EXPECT_EQ(vox, (std::vector<std::string>{"Off", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(VoxDelayChoices(), (std::vector<std::string>{"0.3", "0.5", "1.0", "1.5", "2.0", "3.0"}));
}

}  // namespace
