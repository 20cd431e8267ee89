#include "ChannelView.h"

#include "BandTable.h"
#include "FreqCodec.h"
#include "Layout.h"
#include "NewDocument.h"
#include "ToneCodec.h"
#include "strings/Strings.h"

namespace {

// Word cells: the text id shown when the bit is set, and when it is clear.
constexpr int kWide = 1217, kNarrow = 1218;
constexpr int kAdd = 1221, kDel = 1220;
constexpr int kHigh = 1215, kLow = 1214;
constexpr int kDtmf = 1500, kNone = 1104;
constexpr int kOn = 1100, kOff = 1101;
constexpr int kCarrier = 1226, kQtDqt = 1225;

constexpr std::int64_t kUnitsPerMHz = 100000;

bool InBand(std::int64_t units, const AppState& state)
{
    return units >= state.bandLowerMHz * kUnitsPerMHz && units <= state.bandUpperMHz * kUnitsPerMHz;
}

std::string Word(bool set, int setId, int clearId) { return Text(set ? setId : clearId); }

std::string BclText(const MemoryImage& image, int column)
{
    if (image.bit(layout::kChannelFlagsRow, column, layout::kBclCarrier)) return Text(kCarrier);
    if (image.bit(layout::kChannelFlagsRow, column, layout::kBclQtDqt)) return Text(kQtDqt);
    return Text(kOff);
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
    cells.text[4] = Word(flag(layout::kChannelFlagsRow, layout::kWide), kWide, kNarrow);
    cells.text[5] = Word(flag(layout::kChannelFlagsRow, layout::kScanAdd), kAdd, kDel);
    cells.text[6] = Word(flag(layout::kChannelFlagsRow, layout::kHighPower), kHigh, kLow);
    cells.text[7] = Word(flag(layout::kOptSignalRow, layout::kOptSignalDtmf), kDtmf, kNone);
    cells.text[8] = Word(flag(layout::kPttIdRow, layout::kPttIdOn), kOn, kOff);
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
