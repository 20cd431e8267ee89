#include <gtest/gtest.h>

#include "core/ChannelCopy.h"
#include "core/ChannelShift.h"
#include "core/Layout.h"

namespace {

// Channel n gets every byte = n (a recognisable record); others stay 0xFF.
MemoryImage imageWithChannels(int first, int last)
{
    MemoryImage image;
    image.fill(layout::kEmpty);
    for (int n = first; n <= last; ++n) image.fillColumn(n - 1, static_cast<std::uint8_t>(n));
    return image;
}

// The record marker of channel n: the byte value all its rows hold, or -1
// when the rows disagree.
int marker(const MemoryImage& image, int channel)
{
    const std::uint8_t first = image.at(0, channel - 1);
    for (int row = 1; row < layout::kChannelBytes; ++row)
        if (image.at(row, channel - 1) != first) return -1;
    return first;
}

TEST(ChannelInsert, AtRowOneMovesEveryChannelDownByOne)
{
    MemoryImage image = imageWithChannels(1, 5);
    InsertEmptyChannel(image, 128, 1);
    EXPECT_EQ(marker(image, 1), 0xFF);
    for (int n = 2; n <= 6; ++n) EXPECT_EQ(marker(image, n), n - 1) << "channel " << n;
    EXPECT_EQ(marker(image, 7), 0xFF);
}

TEST(ChannelInsert, InTheMiddleKeepsEarlierChannels)
{
    MemoryImage image = imageWithChannels(1, 5);
    InsertEmptyChannel(image, 128, 3);
    EXPECT_EQ(marker(image, 2), 2);
    EXPECT_EQ(marker(image, 3), 0xFF);
    EXPECT_EQ(marker(image, 4), 3);
    EXPECT_EQ(marker(image, 6), 5);
}

TEST(ChannelDelete, MovesFollowingChannelsUpAndEmptiesTheLast)
{
    MemoryImage image = imageWithChannels(1, 128);
    DeleteChannel(image, 128, 2);
    EXPECT_EQ(marker(image, 1), 1);
    for (int n = 2; n <= 127; ++n) ASSERT_EQ(marker(image, n), n + 1) << "channel " << n;
    EXPECT_EQ(marker(image, 128), 0xFF);
}

TEST(ChannelDelete, OnTheLastRowOnlyEmptiesThatChannel)
{
    MemoryImage image = imageWithChannels(1, 128);
    MemoryImage expected = image;
    expected.fillColumn(127, layout::kEmpty);
    DeleteChannel(image, 128, 128);
    EXPECT_EQ(image, expected);
}

TEST(ChannelDelete, OnAnEmptyRowStillShiftsTheFollowingChannels)
{
    MemoryImage image = imageWithChannels(4, 6);
    DeleteChannel(image, 128, 2);
    EXPECT_EQ(marker(image, 2), 0xFF);  // old channel 3, empty
    EXPECT_EQ(marker(image, 3), 4);
    EXPECT_EQ(marker(image, 5), 6);
    EXPECT_EQ(marker(image, 6), 0xFF);
}

// In the 8-channel layout only columns 0..7 move; the radio-wide columns and
// the hidden channels 9..128 keep every byte.
class EightChannelLayout : public testing::TestWithParam<bool> {};

TEST_P(EightChannelLayout, LeavesColumnsFromEightOnUntouched)
{
    MemoryImage image;
    for (int i = 0; i < MemoryImage::kSize; ++i) image.bytes()[i] = static_cast<std::uint8_t>(i * 7);
    const MemoryImage before = image;
    if (GetParam())
        InsertEmptyChannel(image, 8, 1);
    else
        DeleteChannel(image, 8, 1);
    for (int column = 8; column < MemoryImage::kColumns; ++column)
        for (int row = 0; row < MemoryImage::kRows; ++row)
            ASSERT_EQ(image.at(row, column), before.at(row, column)) << "row " << row << " column " << column;
    EXPECT_EQ(marker(image, GetParam() ? 1 : 8), 0xFF);
}

INSTANTIATE_TEST_SUITE_P(InsertAndDelete, EightChannelLayout, testing::Bool(),
                         [](const auto& info) { return info.param ? "Insert" : "Delete"; });

TEST(ChannelShiftBadInput, ChannelOutsideTheLayoutChangesNothing)
{
    for (int channel : {0, -1, 9, 128}) {
        MemoryImage image = imageWithChannels(1, 8);
        const MemoryImage before = image;
        InsertEmptyChannel(image, 8, channel);
        DeleteChannel(image, 8, channel);
        EXPECT_EQ(image, before) << "channel " << channel;
    }
}

TEST(ChannelCopy, OverwritesAllSixteenBytesOfAUsedChannel)
{
    MemoryImage image = imageWithChannels(1, 10);
    for (int row = 0; row < 16; ++row) image.set(row, 2, static_cast<std::uint8_t>(0x30 + row));
    ASSERT_TRUE(CopyChannel(image, 128, 3, 10));
    for (int row = 0; row < 16; ++row) EXPECT_EQ(image.at(row, 9), 0x30 + row) << "row " << row;
    EXPECT_EQ(marker(image, 9), 9);
}

TEST(ChannelCopy, OntoItselfLeavesTheImageUnchanged)
{
    MemoryImage image = imageWithChannels(1, 10);
    const MemoryImage before = image;
    EXPECT_TRUE(CopyChannel(image, 128, 5, 5));
    EXPECT_EQ(image, before);
}

struct CopyRange {
    const char* name;
    int channelCount;
    int destination;
    bool accepted;
};

class ChannelCopyRange : public testing::TestWithParam<CopyRange> {};

TEST_P(ChannelCopyRange, AcceptsOnlyChannelsOfTheLayout)
{
    const CopyRange& c = GetParam();
    MemoryImage image = imageWithChannels(1, 1);
    const MemoryImage before = image;
    EXPECT_EQ(CopyChannel(image, c.channelCount, 1, c.destination), c.accepted);
    if (c.accepted)
        EXPECT_EQ(marker(image, c.destination), 1);
    else
        EXPECT_EQ(image, before);
}

INSTANTIATE_TEST_SUITE_P(
    Destinations, ChannelCopyRange,
    testing::Values(CopyRange{"Band248To8", 8, 8, true}, CopyRange{"Band248To9", 8, 9, false},
                    CopyRange{"Band248To128", 8, 128, false}, CopyRange{"FullTo128", 128, 128, true},
                    CopyRange{"FullTo129", 128, 129, false}, CopyRange{"To0", 128, 0, false}),
    [](const auto& info) { return info.param.name; });

TEST(ChannelNumberParsing, TakesDigitsOnly)
{
    EXPECT_EQ(ParseChannelNumber("7"), 7);
    EXPECT_EQ(ParseChannelNumber("007"), 7);
    EXPECT_EQ(ParseChannelNumber(" 12 "), 12);
    for (const char* bad : {"", "   ", "-3", "+3", "1x", "x1", "1 2", "99999999999999"})
        EXPECT_EQ(ParseChannelNumber(bad), std::nullopt) << '"' << bad << '"';
}

}  // namespace
