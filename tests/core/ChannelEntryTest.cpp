#include "core/ChannelEntry.h"

#include <gtest/gtest.h>

#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "support/NewDocumentFor.h"
#include "support/TypedChannelOf.h"

namespace {

// Typing into an empty row writes exactly what the grid's editors write.
TEST(ChannelEntry, TypedChannelHasTheBytesOfTheWorkedExample)
{
    AppState state = NewDocumentFor(239);
    TypedChannel typed = Typed("145");
    ASSERT_EQ(TypeChannel(state, 0, typed), TypingFault::kNone);
    const MemoryImage& image = state.memoryImage;
    const std::uint8_t expected[16] = {0x00, 0x00, 0x50, 0x14, 0xFF, 0xFF, 0xFF, 0xFF,
                                       0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xF9, 0xFF, 0xFE};
    for (int row = 0; row < 16; ++row) EXPECT_EQ(image.at(row, 0), expected[row]) << row;

    typed = Typed("146.5187", "146.52", "D023I", "88.5", {1, 1, 0, 0, 0, 1});
    ASSERT_EQ(TypeChannel(state, 1, typed), TypingFault::kNone);
    const std::uint8_t second[16] = {0x75, 0x18, 0x65, 0x14, 0x00, 0x20, 0x65, 0x14,
                                     0x23, 0xC0, 0x85, 0x08, 0xFD, 0xC3, 0xFE, 0xFC};
    for (int row = 0; row < 16; ++row) EXPECT_EQ(image.at(row, 1), second[row]) << row;
}

TEST(ChannelEntry, FaultsWriteNothing)
{
    AppState state = NewDocumentFor(248);
    const MemoryImage before = state.memoryImage;
    const std::pair<TypedChannel, TypingFault> cases[] = {
        {Typed("446.1x"), TypingFault::kRxNotFrequency},
        {Typed("447.001"), TypingFault::kRxOutOfBand},
        {Typed("445.99"), TypingFault::kRxOutOfBand},
        {Typed("446.1", "448"), TypingFault::kTxOutOfBand},
        {Typed("446.1", "", "D023N"), TypingFault::kUnknownDecode},  // no DCS on this band
        {Typed("446.1", "", "None", "88.5"), TypingFault::kEncodeWithoutTx},
    };
    for (const auto& [typed, fault] : cases) {
        EXPECT_EQ(TypeChannel(state, 0, typed), fault) << typed.rxFreq;
        EXPECT_EQ(state.memoryImage, before);
    }
    // The band's own top is a channel the grid shows, so it is kept as it is.
    ASSERT_EQ(TypeChannel(state, 0, Typed("447.000")), TypingFault::kNone);
    EXPECT_EQ(FreqToText(state.memoryImage, 0, layout::kRxFreqRow), "447.00000");
}

}  // namespace
