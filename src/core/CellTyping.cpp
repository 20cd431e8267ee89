#include "CellTyping.h"

#include <algorithm>
#include <vector>

#include "ChannelEdit.h"
#include "ChannelView.h"
#include "FreqCodec.h"
#include "Layout.h"
#include "OptionColumns.h"
#include "ToneCodec.h"
#include "strings/Strings.h"

namespace {

constexpr int kRxFreqCol = 1;
constexpr int kTxFreqCol = 2;
constexpr int kDecodeCol = 3;
constexpr int kEncodeCol = 4;

bool ValidChannel(const AppState& state, int n) { return n >= 1 && n <= state.channelCount; }

}  // namespace

std::optional<CellNotice> OutOfRangeNotice(const AppState& state, const NormalizedFreq& normal)
{
    if (!normal.outOfRange) return std::nullopt;
    return CellNotice{TextId::FrequencyOutOfRange,
                      Text(TextId::FrequencyOutOfRange) + '\n' +
                          OutOfRangeDetail(state.bandLowerMHz, state.bandUpperMHz, normal.text)};
}

int EditCell(AppState& state, int n, int col)
{
    if (!ValidChannel(state, n)) return col;
    const ChannelCells cells = NormalizeAndDescribeChannel(state, n - 1);
    if (!cells.present) return kRxFreqCol;
    if (col == kEncodeCol && cells.text[kTxFreqCol - 1].empty()) return kTxFreqCol;
    return col;
}

std::optional<CellNotice> CommitFrequencyCell(AppState& state, int n, int col, std::string_view typed)
{
    if (!ValidChannel(state, n) || (col != kRxFreqCol && col != kTxFreqCol)) return std::nullopt;
    const int column = n - 1;
    const ChannelCells cells = NormalizeAndDescribeChannel(state, column);
    if (typed == cells.text[col - 1]) return std::nullopt;
    MemoryImage& image = state.memoryImage;
    if (col == kTxFreqCol && !cells.present) return std::nullopt;
    if (typed.empty()) {
        if (col == kTxFreqCol)
            ClearTxFrequency(image, column);
        else
            image.fillColumn(column, layout::kEmpty);
        return std::nullopt;
    }
    const NormalizedFreq normal = NormalizeFreq(typed, state.bandLowerMHz, state.bandUpperMHz);
    if (col == kTxFreqCol)
        StoreTxFrequency(image, column, normal.text);
    else if (cells.present)
        StoreRxFrequency(image, column, normal.text);
    else
        StartChannel(image, column, normal.text);
    return OutOfRangeNotice(state, normal);
}

std::optional<CellNotice> ChooseCellEntry(AppState& state, int n, int col, std::string_view entry)
{
    if (!ValidChannel(state, n) || col < kDecodeCol || col > kLastOptionColumn) return std::nullopt;
    const int column = n - 1;
    const ChannelCells cells = NormalizeAndDescribeChannel(state, column);
    if (!cells.present || entry == cells.text[col - 1]) return std::nullopt;
    if (col == kEncodeCol && cells.text[kTxFreqCol - 1].empty())
        return CellNotice{TextId::EncodeNeedsTxFreq, Text(TextId::EncodeNeedsTxFreq)};
    const std::vector<std::string> entries = CellEntries(state, col);
    if (std::find(entries.begin(), entries.end(), entry) == entries.end()) return std::nullopt;
    if (col == kDecodeCol || col == kEncodeCol)
        StoreTone(state.memoryImage, column, entry,
                  col == kDecodeCol ? layout::kDecodeToneOffset : layout::kEncodeToneOffset);
    else
        WriteOption(state.memoryImage, column, col, std::string(entry));
    return std::nullopt;
}

std::vector<std::string> CellEntries(const AppState& state, int col)
{
    if (col == kDecodeCol || col == kEncodeCol) return ToneList(state.toneListLast);
    return OptionEntries(col);
}
