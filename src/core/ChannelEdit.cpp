#include "ChannelEdit.h"

#include "FreqCodec.h"
#include "Layout.h"

void StoreRxFrequency(MemoryImage& image, int column, std::string_view text)
{
    image.setBit(layout::kEntryFlagsRow, column, layout::kRxEntry, false);
    StoreFreq(image, column, layout::kRxFreqRow, text);
}

void StoreTxFrequency(MemoryImage& image, int column, std::string_view text)
{
    image.setBit(layout::kEntryFlagsRow, column, layout::kTxEntry, false);
    StoreFreq(image, column, layout::kTxFreqRow, text);
}

void ClearTxFrequency(MemoryImage& image, int column)
{
    for (int row = layout::kTxFreqRow; row < layout::kTxFreqRow + layout::kFreqBytes; ++row)
        image.set(row, column, layout::kEmpty);
    image.set(layout::kEncodeLowRow, column, layout::kEmpty);
    image.set(layout::kEncodeHighRow, column, layout::kEmpty);
    image.setBit(layout::kEntryFlagsRow, column, layout::kTxEntry, true);
}

void ApplyNewChannelDefaults(MemoryImage& image, int column)
{
    image.setBit(layout::kChannelFlagsRow, column, layout::kBclCarrier | layout::kBclQtDqt, false);
}

void StartChannel(MemoryImage& image, int column, std::string_view rxText)
{
    StoreRxFrequency(image, column, rxText);
    ApplyNewChannelDefaults(image, column);
}
