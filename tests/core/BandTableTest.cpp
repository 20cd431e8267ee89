#include "core/BandTable.h"

#include <gtest/gtest.h>

#include "core/Layout.h"
#include "core/NewDocument.h"
#include "core/ToneCodec.h"

namespace {

struct BandRow {
    int code;
    const char* text;
    int lower;
    int upper;
};

class EveryBand : public testing::TestWithParam<BandRow> {};

TEST_P(EveryBand, GivesLimitsTextLayoutAndListIndex)
{
    const BandRow& row = GetParam();
    AppState state;
    state.memoryImage.set(layout::kBandRow, layout::kRadioColumn, static_cast<std::uint8_t>(row.code));
    state.memoryImage.set(layout::kModelRow, layout::kRadioColumn, 57);
    ResetImage(state);
    SetBandLimits(state);
    EXPECT_EQ(state.bandLowerMHz, row.lower);
    EXPECT_EQ(state.bandUpperMHz, row.upper);
    EXPECT_EQ(BandText(state.memoryImage), row.text);
    const bool known = row.code >= 238 && row.code <= 248;
    EXPECT_EQ(GeneralSettingsIndexes(state.memoryImage).band, known ? row.code - 238 : 2);
    EXPECT_EQ(state.channelCount, row.code == 248 ? 8 : 128);
    EXPECT_EQ(state.toneListLast, row.code == 248 ? 38 : 260);
    EXPECT_EQ(state.memoryImage.at(layout::kBandRow, layout::kRadioColumn), row.code) << "the byte is kept";
    if (known) {
        EXPECT_EQ(BandCodeForIndex(row.code - 238), row.code);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, EveryBand,
    testing::Values(BandRow{238, " 67 -  72 MHz", 67, 72}, BandRow{239, "136 - 174 MHz", 136, 174},
                    BandRow{240, "240 - 260 MHz", 240, 260}, BandRow{241, "350 - 390 MHz", 350, 390},
                    BandRow{242, "400 - 430 MHz", 400, 430}, BandRow{243, "430 - 450 MHz", 430, 450},
                    BandRow{244, "450 - 470 MHz", 450, 470}, BandRow{245, "470 - 490 MHz", 470, 490},
                    BandRow{246, "400 - 470 MHz", 400, 470}, BandRow{247, "460 - 520 MHz", 460, 520},
                    BandRow{248, "446 - 447 MHz", 446, 447}, BandRow{237, "240 - 260 MHz", 240, 260},
                    BandRow{249, "240 - 260 MHz", 240, 260}, BandRow{0, "240 - 260 MHz", 240, 260},
                    BandRow{255, "240 - 260 MHz", 240, 260}),
    [](const testing::TestParamInfo<BandRow>& info) { return "Code" + std::to_string(info.param.code); });

TEST(NewDocument, KeepsBandAndModelAndWritesTheDefaults)
{
    AppState state;
    state.memoryImage.fill(0x00);
    state.memoryImage.set(layout::kBandRow, layout::kRadioColumn, 248);
    state.memoryImage.set(layout::kModelRow, layout::kRadioColumn, 56);
    ResetImage(state);
    const MemoryImage& image = state.memoryImage;
    const std::uint8_t defaults[10] = {5, 168, 215, 4, 2, 9, 0, 4, 0, 9};
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 256; ++column) {
            std::uint8_t expected = 0xFF;
            if (column == layout::kSettingsColumn && row < 10) expected = defaults[row];
            if (column == layout::kRadioColumn && row == layout::kBandRow) expected = 248;
            if (column == layout::kRadioColumn && row == layout::kModelRow) expected = 56;
            ASSERT_EQ(image.at(row, column), expected) << row << "," << column;
        }
    }
    const GeneralSelection general = GeneralSettingsIndexes(image);
    EXPECT_EQ(general.model, 0);
    EXPECT_EQ(general.band, 10);
    EXPECT_EQ(general.power, 9);
    EXPECT_EQ(general.manual, 0);
}

TEST(GeneralSettings, OutOfRangeBytesSelectTheFallbacks)
{
    MemoryImage image;
    image.fill(0xFF);
    image.set(layout::kPowerLevelRow, layout::kSettingsColumn, 0x0C);
    image.setBit(layout::kGeneralFlagsRow, layout::kSettingsColumn, layout::kManualEnable, false);
    const GeneralSelection general = GeneralSettingsIndexes(image);
    EXPECT_EQ(general.model, 0);
    EXPECT_EQ(general.band, 2);
    EXPECT_EQ(general.power, 9);
    EXPECT_EQ(general.manual, 1);
    EXPECT_EQ(ModelText(0xFF), "7105A");
    EXPECT_EQ(ModelText(58), "7105C");
}

TEST(GeneralSettings, ListIndexesMapToStoredValues)
{
    EXPECT_EQ(ModelCodeForIndex(0), 56);
    EXPECT_EQ(ModelCodeForIndex(2), 58);
    EXPECT_EQ(ModelCodeForIndex(-1), 56);
    EXPECT_EQ(ModelCodeForIndex(3), 56);
    EXPECT_EQ(BandCodeForIndex(-1), 240);
    EXPECT_EQ(BandCodeForIndex(11), 240);
    EXPECT_EQ(PowerForIndex(12), 9);
    EXPECT_EQ(PowerForIndex(4), 4);
    EXPECT_TRUE(ManualEnabledForIndex(0));
    EXPECT_FALSE(ManualEnabledForIndex(1));
    EXPECT_TRUE(ManualEnabledForIndex(-1));
}

struct StartCase {
    const char* name;
    const char* lastFreq;
    int band;
};

class StartupBand : public testing::TestWithParam<StartCase> {};

TEST_P(StartupBand, ReadsTheRememberedText)
{
    EXPECT_EQ(StartupBandCode(GetParam().lastFreq), GetParam().band);
}

INSTANTIATE_TEST_SUITE_P(LastFreq, StartupBand,
                         testing::Values(StartCase{"FreshMachine", "", 240},
                                         StartCase{"SmallBand", "248", 248},
                                         StartCase{"FirstBand", "238", 238}, StartCase{"Below", "237", 240},
                                         StartCase{"Above", "300", 240}, StartCase{"Letters", "abc", 240},
                                         StartCase{"TrailingText", "241 MHz", 241},
                                         StartCase{"Blank", " ", 240},
                                         StartCase{"Huge", "99999999999999999999", 240},
                                         StartCase{"HugeBandLike", "2400000000240", 240}),
                         [](const testing::TestParamInfo<StartCase>& info) { return info.param.name; });

}  // namespace
