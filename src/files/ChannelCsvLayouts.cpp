#include "ChannelCsvLayouts.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "core/ChannelCopy.h"
#include "core/OptionColumns.h"
#include "core/TextMatch.h"
#include "strings/Strings.h"

namespace {

// Column positions of a header, -1 where a name is missing.
template <std::size_t N>
std::array<int, N> FindColumns(const CsvRow& header,
                               const std::array<std::function<bool(std::string_view)>, N>& is)
{
    std::array<int, N> at;
    at.fill(-1);
    for (int i = static_cast<int>(header.fields.size()) - 1; i >= 0; --i)
        for (std::size_t k = 0; k < N; ++k)
            if (is[k](header.fields[i])) at[k] = i;
    return at;
}

std::string Field(const CsvRow& row, int column)
{
    if (column < 0 || column >= static_cast<int>(row.fields.size())) return {};
    return std::string(TrimBlanks(row.fields[column]));
}

std::string ChannelProblem(std::string_view text, int channelCount)
{
    return TextWith(TextId::ChannelNumberOutOfRange, {text, std::to_string(channelCount)});
}

// ---- The export layout: the grid's own columns and cell texts.

enum GridColumn { kCh, kRx, kTx, kDecode, kEncode, kFirstOption, kGridColumns = 11 };

std::optional<RowReader> GridReader(const CsvRow& header, int channelCount)
{
    std::array<std::function<bool(std::string_view)>, kGridColumns> names;
    for (int i = 0; i < kGridColumns; ++i)
        names[i] = [id = kGridHeaderIds[i]](std::string_view name) { return MatchesTextId(name, id); };
    const auto at = FindColumns(header, names);
    if (at[kCh] < 0 || at[kRx] < 0) return std::nullopt;
    return [at, channelCount](const CsvRow& row) {
        RowReading reading;
        const std::string ch = Field(row, at[kCh]);
        const std::optional<int> channel = ParseChannelNumber(ch);
        if (!channel || *channel < 1 || *channel > channelCount) {
            reading.problem = ChannelProblem(ch, channelCount);
            return reading;
        }
        reading.channel = *channel;
        reading.typed.rxFreq = Field(row, at[kRx]);
        reading.typed.txFreq = Field(row, at[kTx]);
        reading.typed.decode = Field(row, at[kDecode]);
        reading.typed.encode = Field(row, at[kEncode]);
        for (int col = kFirstOption; col < kGridColumns; ++col) {
            const std::string text = Field(row, at[col]);
            if (text.empty()) continue;  // the word a new channel gets
            const std::optional<int> entry = FindOptionEntry(col, text);
            if (!entry) {
                reading.problem = TextWith(TextId::UnknownCellText, {Text(kGridHeaderIds[col]), text});
                return reading;
            }
            reading.typed.options[col - kFirstOption] = *entry;
        }
        return reading;
    };
}

// ---- The generic layout of other programming tools.

enum GenericColumn {
    kLocation,
    kFrequency,
    kDuplex,
    kOffset,
    kToneMode,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kMode,
    kSkip,
    kGenericColumns
};
constexpr std::string_view kGenericNames[kGenericColumns] = {
    "Location",  "Frequency", "Duplex",       "Offset", "Tone", "rToneFreq",
    "cToneFreq", "DtcsCode",  "DtcsPolarity", "Mode",   "Skip"};

constexpr int kScanOption = 1;  // option index of Scan; entry 1 is "Del"
constexpr int kWideOption = 0;  // entry 1 is "Narrow"

// A decimal MHz text in units of 1e-9 MHz; nullopt for anything else.
std::optional<std::int64_t> NanoMHz(std::string_view text)
{
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    if ((whole.empty() && fraction.empty()) || whole.size() > 6 || fraction.size() > 9) return std::nullopt;
    std::int64_t value = 0;
    for (char ch : whole) {
        if (ch < '0' || ch > '9') return std::nullopt;
        value = value * 10 + (ch - '0');
    }
    for (std::size_t i = 0; i < 9; ++i) {
        const char ch = i < fraction.size() ? fraction[i] : '0';
        if (ch < '0' || ch > '9') return std::nullopt;
        value = value * 10 + (ch - '0');
    }
    return value;
}

std::string NanoMHzText(std::int64_t value)
{
    std::string fraction = std::to_string(value % 1000000000);
    fraction.insert(0, 9 - fraction.size(), '0');
    return std::to_string(value / 1000000000) + "." + fraction;
}

// TX frequency text from Duplex and Offset; sets `problem` for what cannot be used.
std::string GenericTx(const std::string& rx, const std::string& duplex, const std::string& offset,
                      std::string& problem)
{
    if (duplex.empty()) return rx;
    if (SameWord(duplex, "split")) return offset;
    if (SameWord(duplex, "off")) return {};
    if (duplex != "+" && duplex != "-") {
        problem = TextWith(TextId::UnsupportedDuplex, {duplex});
        return {};
    }
    const std::optional<std::int64_t> from = NanoMHz(rx);
    const std::optional<std::int64_t> by = NanoMHz(offset);
    if (!from) return rx;  // typing reports the RX frequency
    if (!by) {
        problem = TextWith(TextId::NotAFrequency, {offset});
        return {};
    }
    const std::int64_t tx = duplex == "+" ? *from + *by : *from - *by;
    return NanoMHzText(std::max<std::int64_t>(tx, 0));
}

// Decode and Encode from the tone mode; sets `problem` for what cannot be used.
void GenericTones(const CsvRow& row, const std::array<int, kGenericColumns>& at, TypedChannel& typed,
                  std::string& problem)
{
    const std::string mode = Field(row, at[kToneMode]);
    if (mode.empty()) return;
    if (SameWord(mode, "Tone")) {
        typed.encode = Field(row, at[kRToneFreq]);
    } else if (SameWord(mode, "TSQL")) {
        typed.decode = typed.encode = Field(row, at[kCToneFreq]);
    } else if (SameWord(mode, "DTCS")) {
        std::string code = Field(row, at[kDtcsCode]);
        const std::string polarity = Field(row, at[kDtcsPolarity]);
        const auto letter = [](char ch) {
            return ch == 'N' || ch == 'n' ? "N" : ch == 'R' || ch == 'r' ? "I" : "";
        };
        if (code.size() < 3) code.insert(0, 3 - code.size(), '0');
        const bool polarityOk = polarity.size() == 2 && *letter(polarity[0]) && *letter(polarity[1]);
        if (!polarityOk) {
            problem = TextWith(TextId::UnknownQtDqt, {"D" + code + polarity});
            return;
        }
        typed.encode = "D" + code + letter(polarity[0]);
        typed.decode = "D" + code + letter(polarity[1]);
    } else {
        problem = TextWith(TextId::UnsupportedToneMode, {mode});
    }
}

std::optional<RowReader> GenericReader(const std::vector<CsvRow>& rows, int channelCount)
{
    std::array<std::function<bool(std::string_view)>, kGenericColumns> names;
    for (int i = 0; i < kGenericColumns; ++i)
        names[i] = [name = kGenericNames[i]](std::string_view text) { return SameWord(text, name); };
    const auto at = FindColumns(rows.front(), names);
    if (std::any_of(at.begin(), at.begin() + kSkip, [](int column) { return column < 0; }))
        return std::nullopt;

    // A file whose smallest Location is 0 counts its channels from 0.
    bool fromZero = false;
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (ParseChannelNumber(Field(rows[i], at[kLocation])) == 0) fromZero = true;

    return [at, channelCount, fromZero](const CsvRow& row) {
        RowReading reading;
        const std::string location = Field(row, at[kLocation]);
        const std::optional<int> number = ParseChannelNumber(location);
        const int channel = number ? *number + (fromZero ? 1 : 0) : 0;
        if (channel < 1 || channel > channelCount) {
            reading.problem = ChannelProblem(location, channelCount);
            return reading;
        }
        reading.channel = channel;
        TypedChannel& typed = reading.typed;
        typed.rxFreq = Field(row, at[kFrequency]);
        typed.txFreq =
            GenericTx(typed.rxFreq, Field(row, at[kDuplex]), Field(row, at[kOffset]), reading.problem);
        if (!reading.problem.empty()) return reading;
        GenericTones(row, at, typed, reading.problem);
        if (!reading.problem.empty()) return reading;
        const std::string mode = Field(row, at[kMode]);
        if (SameWord(mode, "NFM")) {
            typed.options[kWideOption] = 1;
        } else if (!SameWord(mode, "FM")) {
            reading.problem = TextWith(TextId::UnsupportedMode, {mode});
            return reading;
        }
        if (SameWord(Field(row, at[kSkip]), "S")) typed.options[kScanOption] = 1;
        return reading;
    };
}

}  // namespace

std::optional<RowReader> ChannelRowReader(const std::vector<CsvRow>& rows, int channelCount)
{
    if (rows.empty()) return std::nullopt;
    if (std::optional<RowReader> reader = GenericReader(rows, channelCount)) return reader;
    return GridReader(rows.front(), channelCount);
}
