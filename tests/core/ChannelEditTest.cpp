#include <gtest/gtest.h>

#include "core/ChannelEdit.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"

namespace {

using namespace layout;

// Channel 3 with every byte 0x5A; the rest of the image empty.
MemoryImage MarkedImage()
{
    MemoryImage image;
    image.fill(kEmpty);
    image.fillColumn(2, 0x5A);
    return image;
}

TEST(ChannelEdit, TxFrequencyStoredThenClearedTouchesOnlyItsBytes)
{
    MemoryImage image = MarkedImage();
    StoreTxFrequency(image, 2, "146.52500");
    EXPECT_EQ(FreqToText(image, 2, kTxFreqRow), "146.52500");
    EXPECT_EQ(image.at(kEntryFlagsRow, 2), 0x5A & ~kTxEntry);

    ClearTxFrequency(image, 2);
    MemoryImage expected = MarkedImage();
    for (int row :
         {kTxFreqRow, kTxFreqRow + 1, kTxFreqRow + 2, kTxFreqRow + 3, kEncodeLowRow, kEncodeHighRow})
        expected.set(row, 2, kEmpty);
    expected.set(kEntryFlagsRow, 2, 0x5A | kTxEntry);
    EXPECT_EQ(image, expected);
}

TEST(ChannelEdit, RxFrequencyAndNewChannelDefaultsWriteOnlyTheirBits)
{
    MemoryImage image;
    image.fill(kEmpty);
    StoreRxFrequency(image, 0, "145.00000");
    ApplyNewChannelDefaults(image, 0);
    EXPECT_EQ(FreqToText(image, 0, kRxFreqRow), "145.00000");
    EXPECT_EQ(image.at(kEntryFlagsRow, 0), 0xFF & ~kRxEntry);
    EXPECT_EQ(image.at(kChannelFlagsRow, 0), 0xFF & ~(kBclCarrier | kBclQtDqt));
    for (int row : {kTxFreqRow, kEncodeLowRow, kEncodeHighRow}) EXPECT_EQ(image.at(row, 0), kEmpty);
}

}  // namespace
