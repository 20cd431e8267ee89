#include "core/CellTyping.h"

#include <gtest/gtest.h>

#include "core/ChannelEntry.h"
#include "core/ChannelView.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "core/ToneCodec.h"
#include "strings/Strings.h"
#include "support/NewDocumentFor.h"
#include "support/TypedChannelOf.h"

namespace {

constexpr int kRx = 1;
constexpr int kTx = 2;
constexpr int kDecode = 3;
constexpr int kEncode = 4;

// The grid and the import make a channel the same way: a frequency typed into
// an empty row leaves the bytes of the same channel imported with nothing else.
TEST(CellTyping, FirstRxInAnEmptyRowMatchesTheImport)
{
    for (const std::uint8_t band : {238, 239, 240, 248}) {
        AppState typedInGrid = NewDocumentFor(band);
        AppState imported = typedInGrid;
        const std::string rx = std::to_string(typedInGrid.bandLowerMHz) + ".0125";
        EXPECT_FALSE(CommitFrequencyCell(typedInGrid, 5, kRx, rx));
        ASSERT_EQ(TypeChannel(imported, 4, Typed(rx)), TypingFault::kNone);
        EXPECT_EQ(typedInGrid.memoryImage, imported.memoryImage) << int(band);
    }
}

TEST(CellTyping, FrequencyCellsCommitAsTheEditorDoes)
{
    AppState state = NewDocumentFor(239);  // 136 - 174 MHz
    const std::optional<CellNotice> high = CommitFrequencyCell(state, 1, kRx, "180");
    ASSERT_TRUE(high);
    EXPECT_EQ(high->textId, TextId::FrequencyOutOfRange);
    EXPECT_EQ(high->text, Text(TextId::FrequencyOutOfRange) + "\n136 - 174 MHz: 173.99500");
    EXPECT_EQ(FreqToText(state.memoryImage, 0, layout::kRxFreqRow), "173.99500");

    // TX needs a channel; the shown text changes nothing; empty TX drops TX and encode.
    const MemoryImage before = state.memoryImage;
    EXPECT_FALSE(CommitFrequencyCell(state, 2, kTx, "145"));
    EXPECT_FALSE(CommitFrequencyCell(state, 1, kRx, "173.99500"));
    EXPECT_EQ(state.memoryImage, before);
    EXPECT_FALSE(CommitFrequencyCell(state, 1, kTx, "145"));
    EXPECT_FALSE(ChooseCellEntry(state, 1, kEncode, "88.5"));
    EXPECT_EQ(NormalizeAndDescribeChannel(state, 0).text[kEncode - 1], "88.5");
    EXPECT_FALSE(CommitFrequencyCell(state, 1, kTx, ""));
    const ChannelCells cells = NormalizeAndDescribeChannel(state, 0);
    EXPECT_TRUE(cells.present);
    EXPECT_EQ(cells.text[kTx - 1], "");
    EXPECT_EQ(ChannelToneText(state.memoryImage, 0, layout::kEncodeToneOffset, state.toneListLast),
              Text(TextId::NoneChoice));

    // Empty RX empties the whole channel.
    EXPECT_FALSE(CommitFrequencyCell(state, 1, kRx, ""));
    for (int row = 0; row < MemoryImage::kRows; ++row)
        EXPECT_EQ(state.memoryImage.at(row, 0), layout::kEmpty);
}

TEST(CellTyping, DropDownsStoreOnlyTheirOwnEntries)
{
    AppState state = NewDocumentFor(248);  // reduced tone list: no DCS
    ASSERT_FALSE(CommitFrequencyCell(state, 3, kRx, "446.1"));
    const MemoryImage before = state.memoryImage;
    const std::optional<CellNotice> needsTx = ChooseCellEntry(state, 3, kEncode, "88.5");
    ASSERT_TRUE(needsTx);
    EXPECT_EQ(needsTx->textId, TextId::EncodeNeedsTxFreq);
    EXPECT_FALSE(ChooseCellEntry(state, 3, kDecode, "D023N"));  // not in this band's list
    EXPECT_FALSE(ChooseCellEntry(state, 3, 5, "Medium"));
    EXPECT_FALSE(ChooseCellEntry(state, 2, kDecode, "88.5"));  // empty channel
    EXPECT_FALSE(ChooseCellEntry(state, 3, 11, "On"));
    EXPECT_EQ(state.memoryImage, before);

    EXPECT_FALSE(ChooseCellEntry(state, 3, kDecode, "88.5"));
    EXPECT_FALSE(ChooseCellEntry(state, 3, 5, Text(TextId::Narrow)));
    const ChannelCells cells = NormalizeAndDescribeChannel(state, 2);
    EXPECT_EQ(cells.text[kDecode - 1], "88.5");
    EXPECT_EQ(cells.text[4], Text(TextId::Narrow));
}

TEST(CellTyping, EditsOpenWhereTheChannelAllows)
{
    AppState state = NewDocumentFor(239);
    EXPECT_EQ(EditCell(state, 1, kDecode), kRx);
    EXPECT_EQ(EditCell(state, 1, kTx), kRx);
    ASSERT_FALSE(CommitFrequencyCell(state, 1, kRx, "145"));
    EXPECT_EQ(EditCell(state, 1, kEncode), kTx);
    EXPECT_EQ(EditCell(state, 1, kDecode), kDecode);
    ASSERT_FALSE(CommitFrequencyCell(state, 1, kTx, "145.6"));
    EXPECT_EQ(EditCell(state, 1, kEncode), kEncode);
}

}  // namespace
