#include "CsvTable.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsNulFreeUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80           ? 1
                           : (lead >> 5) == 0x6  ? 2
                           : (lead >> 4) == 0xE  ? 3
                           : (lead >> 3) == 0x1E ? 4
                                                 : 0;
        if (length == 0 || lead == 0 || i + length > text.size()) return false;
        for (int k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

bool NeedsQuotes(std::string_view field)
{
    if (field.find_first_of(",\"\r\n") != std::string_view::npos) return true;
    return !field.empty() && (field.front() == ' ' || field.back() == ' ');
}

std::string_view WithoutByteOrderMark(std::string_view text)
{
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    return text;
}

}  // namespace

bool IsUtf8Text(std::string_view text) { return IsNulFreeUtf8(WithoutByteOrderMark(text)); }

std::optional<std::vector<CsvRow>> ParseCsv(std::string_view text, char separator)
{
    text = WithoutByteOrderMark(text);
    if (!IsNulFreeUtf8(text)) return std::nullopt;

    std::vector<CsvRow> rows;
    CsvRow row;
    std::string field;
    int line = 1;
    bool quoted = false;
    bool rowHasContent = false;
    const auto endField = [&] {
        row.fields.push_back(std::move(field));
        field.clear();
    };
    const auto endRow = [&] {
        endField();
        if (rowHasContent) rows.push_back(std::move(row));
        row = CsvRow{};
        rowHasContent = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (!rowHasContent) row.line = line;
        if (quoted) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (ch == '"') {
                quoted = false;
            } else {
                if (ch == '\n' || (ch == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++line;
                field += ch;
            }
            continue;
        }
        if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            endRow();
            ++line;
            continue;
        }
        rowHasContent = true;
        if (ch == separator) {
            endField();
        } else if (ch == '"' && field.empty()) {
            quoted = true;
        } else {
            field += ch;
        }
    }
    if (quoted) return std::nullopt;
    endRow();
    return rows;
}

std::string CsvLine(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        if (!NeedsQuotes(fields[i])) {
            line += fields[i];
            continue;
        }
        line += '"';
        for (char ch : fields[i]) {
            if (ch == '"') line += '"';
            line += ch;
        }
        line += '"';
    }
    line += "\r\n";
    return line;
}
