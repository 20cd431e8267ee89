#include "core/DocumentDiff.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/ChannelView.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "core/OptionalFeatures.h"
#include "core/ToneCodec.h"
#include "support/NewDocumentFor.h"

using testing::ElementsAre;

namespace {

// A 136 - 174 MHz document with two channels as the grid would store them.
MemoryImage TwoChannels()
{
    AppState state = NewDocumentFor(239, 58);
    for (const auto& [column, rx] : {std::pair{0, "145.50000"}, std::pair{4, "146.00000"}}) {
        StoreFreq(state.memoryImage, column, layout::kRxFreqRow, rx);
        StoreFreq(state.memoryImage, column, layout::kTxFreqRow, rx);
        StoreTone(state.memoryImage, column, "88.5", layout::kDecodeToneOffset);
        StoreTone(state.memoryImage, column, "88.5", layout::kEncodeToneOffset);
        state.memoryImage.set(layout::kEntryFlagsRow, column, 0xFC);
        state.memoryImage.setBit(layout::kChannelFlagsRow, column, layout::kBclCarrier | layout::kBclQtDqt,
                                 false);
    }
    return state.memoryImage;
}

TEST(DocumentDiff, SameDocumentAndOnlyNormalisedDifferencesGiveNoLines)
{
    const MemoryImage a = TwoChannels();
    EXPECT_TRUE(DescribeDifferences(a, a).empty());
    MemoryImage b = a;
    StoreFreq(b, 9, layout::kRxFreqRow, "440.00000");  // out of band: opening erases it
    EXPECT_TRUE(DescribeDifferences(a, b).empty());
}

TEST(DocumentDiff, ChannelCellsToneAndFeatureChangesReadAsTheEditorsShowThem)
{
    const MemoryImage a = TwoChannels();
    MemoryImage b = a;
    StoreFreq(b, 0, layout::kRxFreqRow, "145.52500");
    StoreTone(b, 4, "D023N", layout::kEncodeToneOffset);
    b.setBit(layout::kChannelFlagsRow, 4, layout::kHighPower, false);
    OptionalFeatures features = ReadOptionalFeatures(b);
    features.squelchLevel = 5;
    features.name = "BASE1";
    WriteOptionalFeatures(b, features);
    EXPECT_THAT(DescribeDifferences(a, b),
                ElementsAre("CH 1 RX Freq: 145.50000 -> 145.52500", "CH 5 Encode: 88.5 -> D023N",
                            "CH 5 TX Power: High -> Low", "Squelch Level: 4 -> 5", "Name: (empty) -> BASE1"));
}

TEST(DocumentDiff, MovedChannelIsOneLineForEachEnd)
{
    const MemoryImage a = TwoChannels();
    MemoryImage b = a;
    for (int row = 0; row < MemoryImage::kRows; ++row) {
        b.set(row, 1, a.at(row, 4));
        b.set(row, 4, layout::kEmpty);
    }
    const std::string channel = "146.00000, 146.00000, 88.5, 88.5, Wide, Add, High, DTMF, On, Off";
    EXPECT_THAT(DescribeDifferences(a, b),
                ElementsAre("CH 2: (empty) -> " + channel, "CH 5: " + channel + " -> (empty)"));
}

TEST(DocumentDiff, UnshownBytesAndBitsAreReportedByAddress)
{
    const MemoryImage a = TwoChannels();
    MemoryImage b = a;
    b.set(layout::kEntryFlagsRow, 0, 0xFE);                     // 0x00F, no editor shows it
    b.setBit(layout::kChannelFlagsRow, 4, 0x80, false);         // 0x04D, unshown bit of a shown byte
    b.set(layout::kIdentFirstRow, layout::kRadioColumn, 0x00);  // 0x800
    b.set(3, 200, 0x12);                                        // beyond the radio's memory
    EXPECT_THAT(DescribeDifferences(a, b), ElementsAre("Address 0x00F: FC -> FE", "Address 0x04D: F9 -> 79",
                                                       "Address 0x800: FF -> 00", "Address 0xC83: FF -> 12"));
}

TEST(DocumentDiff, ShownByteWhoseTextStaysTheSameIsReportedByAddress)
{
    const MemoryImage a = TwoChannels();
    MemoryImage b = a;
    b.set(layout::kModelRow, layout::kRadioColumn, 0x20);  // reads as 7105A, as 56 would
    MemoryImage c = b;
    c.set(layout::kModelRow, layout::kRadioColumn, 56);
    EXPECT_THAT(DescribeDifferences(a, b), ElementsAre("Model: 7105C -> 7105A"));
    EXPECT_THAT(DescribeDifferences(b, c), ElementsAre("Address 0x80B: 20 -> 38"));
}

TEST(DocumentDiff, FirstRadioDifferenceIsNamedByChannelOrColumn)
{
    const MemoryImage a = TwoChannels();
    MemoryImage b = a;
    EXPECT_EQ(FirstRadioDifference(a, b), std::nullopt);
    b.set(3, 200, 0);  // not in the radio
    EXPECT_EQ(FirstRadioDifference(a, b), std::nullopt);
    b.set(layout::kSquelchRow, layout::kSettingsColumn, 0);
    b.set(layout::kChannelFlagsRow, 4, 0);
    EXPECT_EQ(FirstRadioDifference(a, b), 0x4D);
    EXPECT_EQ(AddressOwnerText(0x4D), "CH 5");
    EXPECT_EQ(AddressOwnerText(0x813), "Column 129");
    EXPECT_EQ(AddressText(0x813), "0x813");
}

TEST(DocumentDiff, NormalizeDocumentCountsTheChannelsItErases)
{
    AppState state;
    state.memoryImage = TwoChannels();
    StoreFreq(state.memoryImage, 9, layout::kRxFreqRow, "440.00000");
    StoreFreq(state.memoryImage, 10, layout::kRxFreqRow, "450.00000");
    StoreFreq(state.memoryImage, 0, layout::kTxFreqRow, "450.00000");  // removed, not erased
    EXPECT_EQ(NormalizeDocument(state), 2);
    EXPECT_EQ(state.memoryImage.at(layout::kTxFreqRow, 0), layout::kEmpty);
    EXPECT_NE(state.memoryImage.at(layout::kRxFreqRow, 0), layout::kEmpty);
    EXPECT_EQ(NormalizeDocument(state), 0);
}

}  // namespace
