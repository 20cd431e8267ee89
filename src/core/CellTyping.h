#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "AppState.h"
#include "FreqCodec.h"

// What an entry into one cell of the channel grid does to the document,
// decided here for every front end. Channel n is 1..state.channelCount; grid
// columns are 1 RX Freq, 2 TX Freq, 3 Decode, 4 Encode, 5 W/N .. 10 BCL. The
// cells are what NormalizeAndDescribeChannel shows for the image.

// A message for the user, shown once the change has been made.
struct CellNotice {
    int textId = 0;    // the main text's id
    std::string text;  // complete (detail line included), current language
};

// "Frequency is out of range." with the band's limits and the value stored
// instead, when NormalizeFreq had to replace the typed value; else none.
[[nodiscard]] std::optional<CellNotice> OutOfRangeNotice(const AppState& state, const NormalizedFreq& normal);

// The cell an edit of (n, col) opens on: a channel without an RX frequency is
// edited in RX Freq only; Encode without a TX frequency sends the user to TX Freq.
[[nodiscard]] int EditCell(AppState& state, int n, int col);

// Commits `typed` into frequency cell (n, col) (col 1 or 2) as the frequency
// editor does. The text the cell shows changes nothing; empty RX empties the
// channel; empty TX removes the TX frequency and the encode tone. Otherwise the
// text is normalised to the band's raster; a value outside the band is replaced
// by the nearest limit and the notice says so. A first RX frequency starts a new
// channel (see StartChannel). TX on a channel without RX changes nothing.
[[nodiscard]] std::optional<CellNotice> CommitFrequencyCell(AppState& state, int n, int col,
                                                            std::string_view typed);

// Chooses `entry` in the drop-down of cell (n, col) (col 3..10): an entry of
// the tone list in force or a word of the option column, current language. The
// text the cell shows, an entry not in the list, an empty channel or a column
// out of range change nothing; Encode without a TX frequency changes nothing
// and gives the notice that it needs one.
[[nodiscard]] std::optional<CellNotice> ChooseCellEntry(AppState& state, int n, int col,
                                                        std::string_view entry);

// The entries the drop-down of grid column `col` offers in the current
// language: the tone list in force (3, 4), the option words (5..10); else none.
[[nodiscard]] std::vector<std::string> CellEntries(const AppState& state, int col);
