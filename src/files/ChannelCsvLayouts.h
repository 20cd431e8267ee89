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
    std::string problem;  // current language
};

using RowReader = std::function<RowReading(const CsvRow& row)>;

// The reader for the layout of `rows.front()` (the header), for a document of
// `channelCount` channels; nullopt when the header is not recognised.
[[nodiscard]] std::optional<RowReader> ChannelRowReader(const std::vector<CsvRow>& rows, int channelCount);
