#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "CsvTable.h"
#include "core/ChannelEntry.h"
#include "core/ChannelView.h"

// The two channel-list layouts an import recognises by their header line.

// A data row as the channel it fills and what to type there, or why it cannot be used.
struct RowReading {
    int channel = 0;  // 1..channelCount when `problem` is empty
    TypedChannel typed;
    // The same values as a report quotes them: what the file holds (ReportValue),
    // or a TX frequency computed from an offset with five decimals.
    TypedChannel shown;
    std::string problem;  // current language
};

using RowReader = std::function<RowReading(const CsvRow& row)>;

struct ChannelLayout {
    RowReader read;
    // The program's own export: a frequency in the band that the stored form
    // holds exactly is kept as written instead of snapped to the raster, so
    // channels read from a radio come back unchanged.
    bool exactFrequencies = false;
    std::vector<std::string> notes;  // about the whole file, current language
};

// The layout of `rows.front()` (the header) for a document of `channelCount`
// channels; nullopt when the header is not recognised. `decimalComma`: the
// file's numbers may have a decimal comma (files divided by ';' or tab).
[[nodiscard]] std::optional<ChannelLayout> RecogniseChannelLayout(const std::vector<CsvRow>& rows,
                                                                  int channelCount, bool decimalComma);
