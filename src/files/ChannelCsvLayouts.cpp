#include "ChannelCsvLayouts.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "CsvNumbers.h"
#include "ReportValue.h"
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

// A number field: what to type, and the field as the report quotes it.
void ReadNumber(const std::string& written, bool decimalComma, std::string& typed, std::string& shown)
{
    typed = DecimalPointText(written, decimalComma);
    shown = ReportValue(written);
}

void ReadTone(const std::string& written, bool decimalComma, std::string& typed, std::string& shown)
{
    ReadNumber(written, decimalComma, typed, shown);
    typed = ToneListForm(typed);
}

// ---- The export layout: the grid's own columns and cell texts.

enum GridColumn { kCh, kRx, kTx, kDecode, kEncode, kFirstOption, kGridColumns = 11 };

std::optional<ChannelLayout> GridLayout(const CsvRow& header, int channelCount, bool decimalComma)
{
    std::array<std::function<bool(std::string_view)>, kGridColumns> names;
    for (int i = 0; i < kGridColumns; ++i)
        names[i] = [id = kGridHeaderIds[i]](std::string_view name) { return MatchesTextId(name, id); };
    const auto at = FindColumns(header, names);
    if (at[kCh] < 0 || at[kRx] < 0) return std::nullopt;
    ChannelLayout layout;
    layout.exactFrequencies = true;
    layout.read = [at, channelCount, decimalComma](const CsvRow& row) {
        RowReading reading;
        const std::string ch = Field(row, at[kCh]);
        const std::optional<int> channel = ParseChannelNumber(ch);
        if (!channel || *channel < 1 || *channel > channelCount) {
            reading.problem =
                TextWith(TextId::ChannelNumberOutOfRange, {ReportValue(ch), std::to_string(channelCount)});
            return reading;
        }
        reading.channel = *channel;
        TypedChannel& typed = reading.typed;
        TypedChannel& shown = reading.shown;
        ReadNumber(Field(row, at[kRx]), decimalComma, typed.rxFreq, shown.rxFreq);
        ReadNumber(Field(row, at[kTx]), decimalComma, typed.txFreq, shown.txFreq);
        ReadTone(Field(row, at[kDecode]), decimalComma, typed.decode, shown.decode);
        ReadTone(Field(row, at[kEncode]), decimalComma, typed.encode, shown.encode);
        for (int col = kFirstOption; col < kGridColumns; ++col) {
            const std::string text = Field(row, at[col]);
            if (text.empty()) continue;  // the word a new channel gets
            const std::optional<int> entry = FindOptionEntry(col, text);
            if (!entry) {
                reading.problem =
                    TextWith(TextId::UnknownCellText, {Text(kGridHeaderIds[col]), ReportValue(text)});
                return reading;
            }
            typed.options[col - kFirstOption] = *entry;
        }
        return reading;
    };
    return layout;
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
using GenericColumns = std::array<int, kGenericColumns>;

constexpr int kWideOption = 0;  // entry 1 is "Narrow"
constexpr int kScanOption = 1;  // entry 1 is "Del"

// TX Freq from Duplex and Offset; sets `problem` for what cannot be used.
void ReadGenericTx(const CsvRow& row, const GenericColumns& at, bool decimalComma, RowReading& reading)
{
    TypedChannel& typed = reading.typed;
    TypedChannel& shown = reading.shown;
    const std::string duplex = Field(row, at[kDuplex]);
    const std::string offset = Field(row, at[kOffset]);
    if (duplex.empty()) {
        typed.txFreq = typed.rxFreq;
        shown.txFreq = shown.rxFreq;
    } else if (SameWord(duplex, "split")) {
        if (offset.empty()) reading.problem = Text(TextId::DuplexSplitNeedsOffset);
        ReadNumber(offset, decimalComma, typed.txFreq, shown.txFreq);
    } else if (SameWord(duplex, "off")) {
        typed.txFreq.clear();
    } else if (duplex != "+" && duplex != "-") {
        reading.problem = TextWith(TextId::UnsupportedDuplex, {ReportValue(duplex)});
    } else if (offset.empty()) {
        reading.problem = TextWith(TextId::DuplexNeedsOffset, {duplex});
    } else {
        const std::optional<std::int64_t> from = NanoMHz(typed.rxFreq);
        const std::optional<std::int64_t> by = NanoMHz(DecimalPointText(offset, decimalComma));
        if (!from) {
            typed.txFreq = typed.rxFreq;  // typing reports the RX frequency
        } else if (!by) {
            reading.problem = TextWith(TextId::NotAFrequency, {ReportValue(offset)});
        } else if (duplex == "-" && *by > *from) {
            reading.problem = Text(TextId::TxBelowZero);
        } else {
            typed.txFreq = shown.txFreq = NanoMHzText(duplex == "+" ? *from + *by : *from - *by);
        }
    }
}

std::string NeedsValue(std::string_view mode, int column)
{
    return TextWith(TextId::ToneModeNeedsValue, {mode, kGenericNames[column]});
}

// Decode and Encode from the tone mode; sets `problem` for what cannot be used.
void ReadGenericTones(const CsvRow& row, const GenericColumns& at, bool decimalComma, RowReading& reading)
{
    TypedChannel& typed = reading.typed;
    TypedChannel& shown = reading.shown;
    const std::string mode = Field(row, at[kToneMode]);
    if (mode.empty()) return;
    if (SameWord(mode, "Tone")) {
        const std::string tone = Field(row, at[kRToneFreq]);
        if (tone.empty()) reading.problem = NeedsValue("Tone", kRToneFreq);
        ReadTone(tone, decimalComma, typed.encode, shown.encode);
    } else if (SameWord(mode, "TSQL")) {
        const std::string tone = Field(row, at[kCToneFreq]);
        if (tone.empty()) reading.problem = NeedsValue("TSQL", kCToneFreq);
        ReadTone(tone, decimalComma, typed.decode, shown.decode);
        typed.encode = typed.decode;
        shown.encode = shown.decode;
    } else if (SameWord(mode, "DTCS")) {
        std::string code = Field(row, at[kDtcsCode]);
        const std::string polarity = Field(row, at[kDtcsPolarity]);
        if (code.empty() || polarity.empty()) {
            reading.problem = NeedsValue("DTCS", code.empty() ? kDtcsCode : kDtcsPolarity);
            return;
        }
        const auto letter = [](char ch) {
            return ch == 'N' || ch == 'n' ? "N" : ch == 'R' || ch == 'r' ? "I" : "";
        };
        if (code.size() < 3) code.insert(0, 3 - code.size(), '0');
        if (polarity.size() != 2 || !*letter(polarity[0]) || !*letter(polarity[1])) {
            reading.problem = TextWith(TextId::UnknownQtDqt, {ReportValue("D" + code + polarity)});
            return;
        }
        typed.encode = "D" + code + letter(polarity[0]);
        typed.decode = "D" + code + letter(polarity[1]);
        shown.encode = ReportValue(typed.encode);
        shown.decode = ReportValue(typed.decode);
    } else {
        reading.problem = TextWith(TextId::UnsupportedToneMode, {ReportValue(mode)});
    }
}

// W/N and Scan from Mode and Skip; sets `problem` for what cannot be used.
void ReadGenericOptions(const CsvRow& row, const GenericColumns& at, RowReading& reading)
{
    const std::string mode = Field(row, at[kMode]);
    if (SameWord(mode, "NFM")) {
        reading.typed.options[kWideOption] = 1;
    } else if (!SameWord(mode, "FM")) {
        reading.problem = TextWith(TextId::UnsupportedMode, {ReportValue(mode)});
        return;
    }
    // "P" (a priority channel to other tools) is scanned like any other.
    const std::string skip = Field(row, at[kSkip]);
    if (SameWord(skip, "S")) {
        reading.typed.options[kScanOption] = 1;
    } else if (!skip.empty() && !SameWord(skip, "P")) {
        reading.problem = TextWith(TextId::UnknownCellText, {kGenericNames[kSkip], ReportValue(skip)});
    }
}

std::optional<ChannelLayout> GenericLayout(const std::vector<CsvRow>& rows, int channelCount,
                                           bool decimalComma)
{
    std::array<std::function<bool(std::string_view)>, kGenericColumns> names;
    for (int i = 0; i < kGenericColumns; ++i)
        names[i] = [name = kGenericNames[i]](std::string_view text) { return SameWord(text, name); };
    const GenericColumns at = FindColumns(rows.front(), names);
    if (std::any_of(at.begin(), at.begin() + kSkip, [](int column) { return column < 0; }))
        return std::nullopt;

    // A file whose smallest Location is 0 counts its channels from 0.
    bool fromZero = false;
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (ParseChannelNumber(Field(rows[i], at[kLocation])) == 0) fromZero = true;

    ChannelLayout layout;
    if (fromZero) layout.notes.push_back(Text(TextId::LocationsFromZero));
    layout.read = [at, channelCount, fromZero, decimalComma](const CsvRow& row) {
        RowReading reading;
        const std::string location = Field(row, at[kLocation]);
        const std::optional<int> number = ParseChannelNumber(location);
        const int first = fromZero ? 0 : 1;
        if (!number || *number < first || *number >= first + channelCount) {
            reading.problem = TextWith(
                TextId::LocationOutOfRange,
                {ReportValue(location), std::to_string(first), std::to_string(first + channelCount - 1)});
            return reading;
        }
        reading.channel = *number - first + 1;
        ReadNumber(Field(row, at[kFrequency]), decimalComma, reading.typed.rxFreq, reading.shown.rxFreq);
        ReadGenericTx(row, at, decimalComma, reading);
        if (reading.problem.empty()) ReadGenericTones(row, at, decimalComma, reading);
        if (reading.problem.empty()) ReadGenericOptions(row, at, reading);
        return reading;
    };
    return layout;
}

}  // namespace

std::optional<ChannelLayout> RecogniseChannelLayout(const std::vector<CsvRow>& rows, int channelCount,
                                                    bool decimalComma)
{
    if (rows.empty()) return std::nullopt;
    if (std::optional<ChannelLayout> generic = GenericLayout(rows, channelCount, decimalComma))
        return generic;
    return GridLayout(rows.front(), channelCount, decimalComma);
}
