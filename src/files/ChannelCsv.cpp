#include "ChannelCsv.h"

#include <algorithm>
#include <array>

#include "ChannelCsvLayouts.h"
#include "CsvNumbers.h"
#include "CsvTable.h"
#include "core/BandTable.h"
#include "core/ChannelView.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "core/NewDocument.h"
#include "core/TextMatch.h"
#include "strings/Strings.h"

namespace {

constexpr std::uint8_t kEnglish = 0;
constexpr std::size_t kReportedRows = 20;

AppState StateFor(const MemoryImage& image)
{
    AppState state;
    state.memoryImage = image;
    SetBandLimits(state);
    ApplyBandLayout(state);
    return state;
}

std::string FaultText(TypingFault fault, const TypedChannel& shown)
{
    switch (fault) {
        case TypingFault::kRxNotFrequency:
            return TextWith(TextId::NotAFrequency, {shown.rxFreq});
        case TypingFault::kRxOutOfBand:
            return TextWith(TextId::FrequencyOutsideBand, {shown.rxFreq});
        case TypingFault::kTxNotFrequency:
            return TextWith(TextId::NotAFrequency, {shown.txFreq});
        case TypingFault::kTxOutOfBand:
            return TextWith(TextId::FrequencyOutsideBand, {shown.txFreq});
        case TypingFault::kUnknownDecode:
            return TextWith(TextId::UnknownQtDqt, {shown.decode});
        case TypingFault::kUnknownEncode:
            return TextWith(TextId::UnknownQtDqt, {shown.encode});
        case TypingFault::kEncodeWithoutTx:
            return Text(TextId::EncodeNeedsTxFreq);
        case TypingFault::kNone:
            break;
    }
    return {};
}

bool AllFieldsEmpty(const CsvRow& row)
{
    return std::all_of(row.fields.begin(), row.fields.end(),
                       [](const std::string& field) { return TrimBlanks(field).empty(); });
}

// The first line with anything but blanks and separators on it.
std::string_view HeaderLine(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        if (line.find_first_not_of(" \t,;") != std::string_view::npos) return line;
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return {};
}

// The rows of `text` divided by the separator that makes its header line a
// recognised header (',', ';' or tab), without the rows of nothing but empty
// fields that spreadsheets pad with, and their layout; nullopt with `error`
// set when there is none.
std::optional<ChannelLayout> FindLayout(std::string_view text, int channelCount,
                                        std::optional<std::vector<CsvRow>>& rows, std::string& error)
{
    const std::string_view header = HeaderLine(text);
    for (const char separator : {',', ';', '\t'}) {
        const bool decimalComma = separator != ',';
        const std::optional<std::vector<CsvRow>> headerRow = ParseCsv(header, separator);
        if (!headerRow || !RecogniseChannelLayout(*headerRow, channelCount, decimalComma)) continue;
        rows = ParseCsv(text, separator);
        if (!rows) {
            error = Text(TextId::NotACsvFile);
            return std::nullopt;
        }
        rows->erase(std::remove_if(rows->begin(), rows->end(), AllFieldsEmpty), rows->end());
        return RecogniseChannelLayout(*rows, channelCount, decimalComma);
    }
    error = Text(TextId::NoRecognisedHeader);
    return std::nullopt;
}

// Types a usable row into its channel; the reason when it cannot be used.
// A channel that `filledByLine` already filled is tried on its own first, so
// that the row's own fault (a frequency outside the band) is what the report names.
std::string TypeRow(AppState& state, const RowReading& reading, int filledByLine,
                    const ChannelLayout& fileLayout)
{
    const int column = reading.channel - 1;
    MemoryImage& image = state.memoryImage;
    std::array<std::uint8_t, MemoryImage::kRows> kept{};
    if (filledByLine != 0) {
        for (int row = 0; row < MemoryImage::kRows; ++row) kept[row] = image.at(row, column);
        image.fillColumn(column, layout::kEmpty);
    }
    const TypingFault fault = TypeChannel(state, column, reading.typed);
    if (filledByLine != 0) {
        for (int row = 0; row < MemoryImage::kRows; ++row) image.set(row, column, kept[row]);
        if (fault == TypingFault::kNone) {
            return TextWith(TextId::ChannelAlreadyFilled,
                            {std::to_string(reading.channel), std::to_string(filledByLine)});
        }
    }
    if (fault != TypingFault::kNone) return FaultText(fault, reading.shown);
    if (fileLayout.exactFrequencies) {
        const TypedChannel& typed = reading.typed;
        if (const auto rx = ExactFreqText(typed.rxFreq, state.bandLowerMHz, state.bandUpperMHz))
            StoreFreq(image, column, layout::kRxFreqRow, *rx);
        if (const auto tx = ExactFreqText(typed.txFreq, state.bandLowerMHz, state.bandUpperMHz))
            StoreFreq(image, column, layout::kTxFreqRow, *tx);
    }
    return {};
}

}  // namespace

std::string ExportChannelsCsv(const MemoryImage& image)
{
    const ScopedLanguage english(kEnglish);  // files travel between computers
    AppState state = StateFor(image);
    std::vector<std::string> fields;
    for (int id : kGridHeaderIds) fields.push_back(Text(id));
    std::string text = CsvLine(fields);
    for (int channel = 1; channel <= state.channelCount; ++channel) {
        const ChannelCells cells = NormalizeAndDescribeChannel(state, channel - 1);
        if (!cells.present) continue;
        fields.assign(1, std::to_string(channel));
        fields.insert(fields.end(), cells.text.begin(), cells.text.end());
        text += CsvLine(fields);
    }
    return text;
}

ChannelImport ImportChannelsCsv(std::string_view text, const MemoryImage& document)
{
    ChannelImport result;
    result.image = document;
    if (text.size() > kMaxChannelCsvBytes) {
        result.error = Text(TextId::FileLargerThan1MiB);
        return result;
    }
    if (!IsUtf8Text(text)) {
        result.error = Text(TextId::NotUtf8Text);
        return result;
    }
    AppState state = StateFor(document);
    std::optional<std::vector<CsvRow>> rows;
    const std::optional<ChannelLayout> fileLayout = FindLayout(text, state.channelCount, rows, result.error);
    if (!fileLayout) return result;
    result.notes = fileLayout->notes;

    for (int column = 0; column < state.channelCount; ++column)
        state.memoryImage.fillColumn(column, layout::kEmpty);
    std::vector<int> filledBy(state.channelCount + 1, 0);  // line that filled each channel
    for (std::size_t i = 1; i < rows->size(); ++i) {
        const CsvRow& row = (*rows)[i];
        const RowReading reading = fileLayout->read(row);
        std::string problem = reading.problem;
        if (problem.empty()) problem = TypeRow(state, reading, filledBy[reading.channel], *fileLayout);
        if (!problem.empty()) {
            result.skipped.push_back({row.line, problem});
            continue;
        }
        filledBy[reading.channel] = row.line;
        ++result.imported;
    }
    if (result.imported > 0) result.image = state.memoryImage;
    return result;
}

std::string ImportHeadline(const ChannelImport& import)
{
    if (!import.error.empty()) return import.error;
    if (import.imported > 0) {
        return TextWith(CountedId(import.imported, TextId::ChannelImported, TextId::ChannelsImported),
                        {std::to_string(import.imported)});
    }
    if (import.skipped.empty()) return Text(TextId::NoChannelRows);
    return TextWith(TextId::NoChannelImported, {BandText(import.image)});
}

std::string ImportDetails(const ChannelImport& import)
{
    if (!import.error.empty()) return {};
    std::vector<std::string> lines = import.notes;
    if (!import.skipped.empty()) lines.push_back(Text(TextId::SkippedRows));
    for (std::size_t i = 0; i < import.skipped.size() && i < kReportedRows; ++i)
        lines.push_back(TextWith(TextId::SkippedRowLine,
                                 {std::to_string(import.skipped[i].line), import.skipped[i].reason}));
    if (import.skipped.size() > kReportedRows)
        lines.push_back(
            TextWith(TextId::MoreSkippedRows, {std::to_string(import.skipped.size() - kReportedRows)}));
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

std::string ImportReportText(const ChannelImport& import)
{
    const std::string details = ImportDetails(import);
    return details.empty() ? ImportHeadline(import) : ImportHeadline(import) + "\n" + details;
}
