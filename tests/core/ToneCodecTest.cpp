#include "core/ToneCodec.h"

#include <gtest/gtest.h>

#include "strings/Strings.h"
#include "support/LanguageGuard.h"

namespace {

TEST(ToneLists, HaveTheirSizesAndLandmarks)
{
    const std::vector<std::string> full = FullToneList();
    ASSERT_EQ(full.size(), 261u);
    EXPECT_EQ(full[0], "None");
    EXPECT_EQ(full[1], "67.0");
    EXPECT_EQ(full[13], "100.0");
    EXPECT_EQ(full[50], "254.1");
    EXPECT_EQ(full[51], "D023N");
    EXPECT_EQ(full[155], "D754N");
    EXPECT_EQ(full[156], "D023I");
    EXPECT_EQ(full[260], "D754I");

    const std::vector<std::string> reduced = ReducedToneList();
    ASSERT_EQ(reduced.size(), 39u);
    EXPECT_EQ(reduced[1], "67.0");
    EXPECT_EQ(reduced[2], "71.9");
    EXPECT_EQ(reduced[37], "241.8");
    EXPECT_EQ(reduced[38], "250.3");
    EXPECT_EQ(ToneList(38), reduced);
    EXPECT_EQ(ToneList(260), full);
}

TEST(ToneLists, NoneFollowsTheLanguage)
{
    LanguageGuard chinese(1);
    EXPECT_EQ(FullToneList()[0], "无");
    EXPECT_EQ(ReducedToneList()[0], "无");
    EXPECT_EQ(ToneToText(0xFF, 0xFF, 260), "无");
}

// Every entry of both lists is stored and reads back as itself.
class EveryEntry : public testing::TestWithParam<std::int16_t> {};

TEST_P(EveryEntry, StoresAndReadsBack)
{
    const std::int16_t last = GetParam();
    const std::vector<std::string> list = ToneList(last);
    ASSERT_EQ(static_cast<int>(list.size()), last + 1);
    for (const int offset : {0, 2}) {
        for (const std::string& entry : list) {
            MemoryImage image;
            image.fill(0xFF);
            StoreTone(image, 5, entry, offset);
            EXPECT_EQ(ChannelToneText(image, 5, offset, last), entry);
            EXPECT_EQ(image.at(offset == 0 ? 10 : 8, 5), 0xFF) << "the other setting is untouched";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, EveryEntry, testing::Values<std::int16_t>(260, 38),
                         [](const testing::TestParamInfo<std::int16_t>& info) {
                             return info.param == 38 ? std::string("Reduced") : std::string("Full");
                         });

struct StoredTone {
    const char* text;
    std::uint8_t low;
    std::uint8_t high;
};

class ToneStore : public testing::TestWithParam<StoredTone> {};

TEST_P(ToneStore, WritesLowAndHighBytes)
{
    MemoryImage image;
    StoreTone(image, 3, GetParam().text, 2);
    EXPECT_EQ(image.at(10, 3), GetParam().low);
    EXPECT_EQ(image.at(11, 3), GetParam().high);
}

INSTANTIATE_TEST_SUITE_P(Examples, ToneStore,
                         testing::Values(StoredTone{"None", 0xFF, 0xFF}, StoredTone{"无", 0xFF, 0xFF},
                                         StoredTone{"D023N", 0x23, 0x80}, StoredTone{"D023I", 0x23, 0xC0},
                                         StoredTone{"D754I", 0x54, 0xC7}, StoredTone{"88.5", 0x85, 0x08},
                                         StoredTone{"67.0", 0x70, 0x06}, StoredTone{"100.0", 0x00, 0x10},
                                         StoredTone{"254.1", 0x41, 0x25}));

struct ReadTone {
    const char* name;
    std::uint8_t low;
    std::uint8_t high;
    std::int16_t last;
    const char* expected;
};

class ToneRead : public testing::TestWithParam<ReadTone> {};

TEST_P(ToneRead, NamesAListEntryOrNone)
{
    EXPECT_EQ(ToneToText(GetParam().low, GetParam().high, GetParam().last), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, ToneRead,
    testing::Values(
        ReadTone{"Tone67", 0x70, 0x06, 260, "67.0"}, ReadTone{"Tone100", 0x00, 0x10, 260, "100.0"},
        ReadTone{"Tone254", 0x41, 0x25, 260, "254.1"}, ReadTone{"DcsNormal", 0x23, 0x80, 260, "D023N"},
        ReadTone{"DcsInverted", 0x54, 0xC7, 260, "D754I"}, ReadTone{"DcsOnSmallBand", 0x23, 0x80, 38, "None"},
        ReadTone{"InvertedOnSmallBand", 0x54, 0xC7, 38, "None"},
        ReadTone{"BothZero", 0x00, 0x00, 260, "None"}, ReadTone{"HighFF", 0x12, 0xFF, 260, "None"},
        ReadTone{"KindOne", 0x12, 0x40, 260, "None"}, ReadTone{"Tone693", 0x93, 0x06, 260, "69.3"},
        ReadTone{"Tone693SmallBand", 0x93, 0x06, 38, "None"}, ReadTone{"NotATone", 0x85, 0x09, 260, "None"},
        ReadTone{"NotATone38", 0x85, 0x09, 38, "None"}, ReadTone{"BadNibble", 0x7A, 0x06, 260, "None"},
        ReadTone{"UnknownDcsCode", 0x24, 0x80, 260, "None"},
        ReadTone{"DcsBadNibble", 0x2F, 0x80, 260, "None"}),
    [](const testing::TestParamInfo<ReadTone>& info) { return info.param.name; });

}  // namespace
