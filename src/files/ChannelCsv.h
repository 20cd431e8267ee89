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
    // The document with its channel list replaced; unchanged when no row
    // could be used (`imported` 0), so that a wrong file never empties it.
    MemoryImage image;
    int imported = 0;
    std::vector<SkippedRow> skipped;
    std::vector<std::string>
        notes;  // about the whole file ("Locations counted from 0 ..."), current language

    [[nodiscard]] bool changesDocument() const { return error.empty() && imported > 0; }
};

// Replaces the whole channel list of `document` by the rows of a CSV file in
// the export layout (English or Chinese cell texts) or the generic layout of
// other programming tools. `text` is UTF-8 (a byte-order mark is skipped;
// anything else is refused as not UTF-8 text); the separator is ',', ';' or
// tab, whichever makes the first line a recognised header, and with ';' or
// tab a number may have a decimal comma. Every row is typed as into an empty
// grid row of the document's band, except that the export layout keeps an
// exactly storable in-band frequency as written; a row that cannot be (or
// whose channel an earlier usable row filled) is skipped whole, and rows of
// nothing but empty fields are ignored. General settings and optional features stay.
[[nodiscard]] ChannelImport ImportChannelsCsv(std::string_view text, const MemoryImage& document);

// The first line of the report: "N channels imported.", why nothing was
// imported (naming the document's band), or the error.
[[nodiscard]] std::string ImportHeadline(const ChannelImport& import);
// The rest of the report: the notes, then the first 20 skipped rows with
// their line and reason and how many more; empty when there is nothing to say.
[[nodiscard]] std::string ImportDetails(const ChannelImport& import);
// The headline, then the details on the following lines.
[[nodiscard]] std::string ImportReportText(const ChannelImport& import);
