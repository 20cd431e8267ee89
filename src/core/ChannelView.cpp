#include "ChannelView.h"

#include "BandTable.h"
#include "FreqCodec.h"
#include "Layout.h"
#include "NewDocument.h"
#include "ToneCodec.h"
#include "strings/Strings.h"

namespace {

constexpr std::int64_t kUnitsPerMHz = 100000;

bool InBand(std::int64_t units, const AppState& state)
{
    return units >= state.bandLowerMHz * kUnitsPerMHz && units <= state.bandUpperMHz * kUnitsPerMHz;
}

std::string Word(bool set, int setId, int clearId) { return Text(set ? setId : clearId); }

std::string BclText(const MemoryImage& image, int column)
{
    if (image.bit(layout::kChannelFlagsRow, column, layout::kBclCarrier)) return Text(TextId::Carrier);
    if (image.bit(layout::kChannelFlagsRow, column, layout::kBclQtDqt)) return Text(TextId::QtDqt);
    return Text(TextId::Off);
}

}  // namespace

ChannelCells NormalizeAndDescribeChannel(AppState& state, int column)
{
    MemoryImage& image = state.memoryImage;
    ChannelCells cells;
    if (!InBand(FreqTo10Hz(image, column, layout::kRxFreqRow), state)) {
        image.fillColumn(column, layout::kEmpty);
        return cells;
    }
    cells.present = true;
    cells.text[0] = FreqToText(image, column, layout::kRxFreqRow);
    cells.text[2] = ChannelToneText(image, column, layout::kDecodeToneOffset, state.toneListLast);
    if (InBand(FreqTo10Hz(image, column, layout::kTxFreqRow), state)) {
        cells.text[1] = FreqToText(image, column, layout::kTxFreqRow);
        cells.text[3] = ChannelToneText(image, column, layout::kEncodeToneOffset, state.toneListLast);
    } else {
        for (int i = 0; i < layout::kFreqBytes; ++i)
            image.set(layout::kTxFreqRow + i, column, layout::kEmpty);
        image.set(layout::kEncodeLowRow, column, layout::kEmpty);
        image.set(layout::kEncodeHighRow, column, layout::kEmpty);
    }
    const auto flag = [&](int row, std::uint8_t mask) { return image.bit(row, column, mask); };
    cells.text[4] = Word(flag(layout::kChannelFlagsRow, layout::kWide), TextId::Wide, TextId::Narrow);
    cells.text[5] = Word(flag(layout::kChannelFlagsRow, layout::kScanAdd), TextId::Add, TextId::Del);
    cells.text[6] = Word(flag(layout::kChannelFlagsRow, layout::kHighPower), TextId::High, TextId::Low);
    cells.text[7] =
        Word(flag(layout::kOptSignalRow, layout::kOptSignalDtmf), TextId::Dtmf, TextId::NoneChoice);
    cells.text[8] = Word(flag(layout::kPttIdRow, layout::kPttIdOn), TextId::On, TextId::Off);
    cells.text[9] = BclText(image, column);
    return cells;
}

int NormalizeDocument(AppState& state)
{
    SetBandLimits(state);
    ApplyBandLayout(state);
    int erased = 0;
    for (int column = 0; column < state.channelCount; ++column) {
        bool wasEmpty = true;
        for (int row = 0; row < MemoryImage::kRows; ++row)
            wasEmpty = wasEmpty && state.memoryImage.at(row, column) == layout::kEmpty;
        if (!NormalizeAndDescribeChannel(state, column).present && !wasEmpty) ++erased;
    }
    return erased;
}
