#include "core/ChannelView.h"

#include <gtest/gtest.h>

#include "core/BandTable.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "core/NewDocument.h"
#include "core/ToneCodec.h"
#include "strings/Strings.h"
#include "support/LanguageGuard.h"
#include "support/NewDocumentFor.h"

namespace {

// What an empty column turns into once a receive frequency is typed into it.
void TypeChannel(AppState& state, int column, const char* rx)
{
    StoreFreq(state.memoryImage, column, layout::kRxFreqRow, rx);
    state.memoryImage.setBit(layout::kEntryFlagsRow, column, layout::kRxEntry, false);
    state.memoryImage.setBit(layout::kChannelFlagsRow, column, layout::kBclCarrier | layout::kBclQtDqt,
                             false);
}

TEST(ChannelView, NewChannelShowsItsDefaultsAndEmptyTransmitCells)
{
    AppState state = NewDocumentFor(239);
    TypeChannel(state, 0, "145.00000");
    const ChannelCells cells = NormalizeAndDescribeChannel(state, 0);
    EXPECT_TRUE(cells.present);
    const std::array<std::string, 10> expected{"145.00000", "",     "None", "",   "Wide",
                                               "Add",       "High", "DTMF", "On", "Off"};
    EXPECT_EQ(cells.text, expected);
}

TEST(ChannelView, ClearedBitsShowTheOtherWords)
{
    AppState state = NewDocumentFor(243);
    TypeChannel(state, 4, "436.12500");
    StoreFreq(state.memoryImage, 4, layout::kTxFreqRow, "431.00000");
    StoreTone(state.memoryImage, 4, "88.5", layout::kDecodeToneOffset);
    StoreTone(state.memoryImage, 4, "D023I", layout::kEncodeToneOffset);
    state.memoryImage.set(layout::kChannelFlagsRow, 4, 0xC1 | layout::kBclQtDqt);  // Narrow, Del, Low
    state.memoryImage.set(layout::kOptSignalRow, 4, 0xFD);
    state.memoryImage.set(layout::kPttIdRow, 4, 0xFE);
    const MemoryImage before = state.memoryImage;
    const ChannelCells cells = NormalizeAndDescribeChannel(state, 4);
    const std::array<std::string, 10> expected{"436.12500", "431.00000", "88.5", "D023I", "Narrow",
                                               "Del",       "Low",       "None", "Off",   "QT/DQT"};
    EXPECT_EQ(cells.text, expected);
    EXPECT_EQ(state.memoryImage, before) << "an in-band channel is not rewritten";
}

TEST(ChannelView, CarrierWinsOverQtDqt)
{
    AppState state = NewDocumentFor(240);
    TypeChannel(state, 0, "250.00000");
    state.memoryImage.setBit(layout::kChannelFlagsRow, 0, layout::kBclCarrier | layout::kBclQtDqt, true);
    EXPECT_EQ(NormalizeAndDescribeChannel(state, 0).text[9], "Carrier");
}

TEST(ChannelView, WordsFollowTheLanguage)
{
    AppState state = NewDocumentFor(240);
    TypeChannel(state, 0, "250.00000");
    const LanguageGuard chinese(1);
    const ChannelCells cells = NormalizeAndDescribeChannel(state, 0);
    EXPECT_EQ(cells.text[2], "无");
    EXPECT_EQ(cells.text[4], "宽");
    EXPECT_EQ(cells.text[6], "高");
    EXPECT_EQ(cells.text[8], "开");
}

// Receive frequencies against the band limits, both ends included.
struct RxCase {
    const char* name;
    std::uint8_t band;
    const char* rx;
    bool present;
};

class ReceiveRange : public testing::TestWithParam<RxCase> {};

TEST_P(ReceiveRange, KeepsOrErasesTheChannel)
{
    AppState state = NewDocumentFor(GetParam().band);
    TypeChannel(state, 2, GetParam().rx);
    const ChannelCells cells = NormalizeAndDescribeChannel(state, 2);
    EXPECT_EQ(cells.present, GetParam().present);
    if (GetParam().present) {
        EXPECT_EQ(cells.text[0], GetParam().rx);
    } else {
        for (const std::string& text : cells.text) EXPECT_EQ(text, "");
        for (int row = 0; row < 16; ++row) EXPECT_EQ(state.memoryImage.at(row, 2), 0xFF) << row;
    }
}

INSTANTIATE_TEST_SUITE_P(Limits, ReceiveRange,
                         testing::Values(RxCase{"UpperLimit", 239, "174.00000", true},
                                         RxCase{"JustAbove", 239, "174.00001", false},
                                         RxCase{"LowerLimit", 239, "136.00000", true},
                                         RxCase{"JustBelow", 239, "135.99999", false},
                                         RxCase{"OtherBand", 240, "146.52000", false},
                                         RxCase{"SmallBand", 248, "446.00625", true},
                                         RxCase{"UnknownBandUsesDefault", 7, "250.00000", true},
                                         RxCase{"UnknownBandOutside", 7, "146.00000", false}),
                         [](const testing::TestParamInfo<RxCase>& info) { return info.param.name; });

TEST(ChannelView, EmptyColumnStaysEmpty)
{
    AppState state = NewDocumentFor(240);
    const ChannelCells cells = NormalizeAndDescribeChannel(state, 9);
    EXPECT_FALSE(cells.present);
}

TEST(ChannelView, OutOfBandTransmitIsErasedWithItsEncodeTone)
{
    AppState state = NewDocumentFor(239);
    TypeChannel(state, 1, "146.52000");
    StoreFreq(state.memoryImage, 1, layout::kTxFreqRow, "446.00000");
    StoreTone(state.memoryImage, 1, "D023N", layout::kEncodeToneOffset);
    StoreTone(state.memoryImage, 1, "67.0", layout::kDecodeToneOffset);
    const std::uint8_t flags = state.memoryImage.at(layout::kChannelFlagsRow, 1);
    const ChannelCells cells = NormalizeAndDescribeChannel(state, 1);
    EXPECT_TRUE(cells.present);
    EXPECT_EQ(cells.text[1], "");
    EXPECT_EQ(cells.text[3], "");
    EXPECT_EQ(cells.text[2], "67.0");
    for (int row : {4, 5, 6, 7, 10, 11}) EXPECT_EQ(state.memoryImage.at(row, 1), 0xFF) << row;
    EXPECT_EQ(state.memoryImage.at(layout::kChannelFlagsRow, 1), flags);
    EXPECT_EQ(FreqToText(state.memoryImage, 1, 0), "146.52000");
}

TEST(ChannelView, DcsOnTheSmallBandReadsNoneWithoutChangingBytes)
{
    AppState state = NewDocumentFor(248);
    TypeChannel(state, 0, "446.10000");
    StoreTone(state.memoryImage, 0, "D023N", layout::kDecodeToneOffset);
    EXPECT_EQ(NormalizeAndDescribeChannel(state, 0).text[2], "None");
    EXPECT_EQ(state.memoryImage.at(layout::kDecodeHighRow, 0), 0x80);
}

}  // namespace
