#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/MemoryImage.h"

// Channel lists as CSV files for spreadsheets and other programmers.

// Larger files are refused unread beyond this size.
inline constexpr std::size_t kMaxChannelCsvBytes = 1024 * 1024;

// The header and one row per channel the grid shows, ascending, each field the
// English text of its grid cell; UTF-8, CRLF line ends.
[[nodiscard]] std::string ExportChannelsCsv(const MemoryImage& image);

struct SkippedRow {
    int line = 0;
    std::string reason;  // current language
};

struct ChannelImport {
    std::string error;  // set: the file was refused as a whole and `image` is the document unchanged
    MemoryImage image;  // the document with its channel list replaced
    int imported = 0;
    std::vector<SkippedRow> skipped;
};

// Replaces the whole channel list of `document` by the rows of a CSV file in
// the export layout (English or Chinese cell texts) or the generic layout of
// other programming tools. Every row is typed as into an empty grid row of the
// document's band; a row that cannot be (or whose channel an earlier row
// filled) is skipped whole. General settings and optional features stay.
[[nodiscard]] ChannelImport ImportChannelsCsv(std::string_view fileBytes, const MemoryImage& document);

// "N channels imported." and the first 20 skipped rows with their line and
// reason, then how many more; or the error.
[[nodiscard]] std::string ImportReportText(const ChannelImport& import);
