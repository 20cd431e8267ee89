#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 has them: fields quoted with '"' only
// where needed, '""' for a quote inside a quoted field. Reading also takes the
// ';' and tab separators spreadsheets write in other regions.

struct CsvRow {
    int line = 0;  // 1-based line on which the row starts
    std::vector<std::string> fields;
};

// True when `text` (after a leading byte-order mark) is valid UTF-8 without NUL bytes.
[[nodiscard]] bool IsUtf8Text(std::string_view text);

// Splits UTF-8 text (a leading byte-order mark is dropped) into rows of fields
// divided by `separator`; CRLF, LF and CR all end a row, blank lines give no
// row. nullopt when the text is not CSV: NUL bytes, invalid UTF-8, or a quoted
// field that never ends.
[[nodiscard]] std::optional<std::vector<CsvRow>> ParseCsv(std::string_view text, char separator = ',');

// One row with its CRLF line end, each field quoted only when it holds a comma,
// a quote, a line break or surrounding blanks.
[[nodiscard]] std::string CsvLine(const std::vector<std::string>& fields);
