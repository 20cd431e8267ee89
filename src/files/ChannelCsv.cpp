#include "ChannelCsv.h"

#include "ChannelCsvLayouts.h"
#include "CsvTable.h"
#include "core/BandTable.h"
#include "core/ChannelView.h"
#include "core/Layout.h"
#include "core/NewDocument.h"
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

std::string FaultText(TypingFault fault, const TypedChannel& typed)
{
    switch (fault) {
        case TypingFault::kRxNotFrequency:
            return TextWith(TextId::NotAFrequency, {typed.rxFreq});
        case TypingFault::kRxOutOfBand:
            return TextWith(TextId::FrequencyOutsideBand, {typed.rxFreq});
        case TypingFault::kTxNotFrequency:
            return TextWith(TextId::NotAFrequency, {typed.txFreq});
        case TypingFault::kTxOutOfBand:
            return TextWith(TextId::FrequencyOutsideBand, {typed.txFreq});
        case TypingFault::kUnknownDecode:
            return TextWith(TextId::UnknownQtDqt, {typed.decode});
        case TypingFault::kUnknownEncode:
            return TextWith(TextId::UnknownQtDqt, {typed.encode});
        case TypingFault::kEncodeWithoutTx:
            return Text(TextId::EncodeNeedsTxFreq);
        case TypingFault::kNone:
            break;
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

ChannelImport ImportChannelsCsv(std::string_view fileBytes, const MemoryImage& document)
{
    ChannelImport result;
    result.image = document;
    if (fileBytes.size() > kMaxChannelCsvBytes) {
        result.error = Text(TextId::FileLargerThan1MiB);
        return result;
    }
    const std::optional<std::vector<CsvRow>> rows = ParseCsv(fileBytes);
    if (!rows) {
        result.error = Text(TextId::NotACsvFile);
        return result;
    }
    AppState state = StateFor(document);
    const std::optional<RowReader> reader = ChannelRowReader(*rows, state.channelCount);
    if (!reader) {
        result.error = Text(TextId::NoRecognisedHeader);
        return result;
    }

    for (int column = 0; column < state.channelCount; ++column)
        state.memoryImage.fillColumn(column, layout::kEmpty);
    std::vector<int> filledBy(state.channelCount + 1, 0);  // line that filled each channel
    for (std::size_t i = 1; i < rows->size(); ++i) {
        const CsvRow& row = (*rows)[i];
        const RowReading reading = (*reader)(row);
        std::string problem = reading.problem;
        if (problem.empty() && filledBy[reading.channel] != 0) {
            problem = TextWith(TextId::ChannelAlreadyFilled,
                               {std::to_string(reading.channel), std::to_string(filledBy[reading.channel])});
        }
        if (problem.empty())
            problem = FaultText(TypeChannel(state, reading.channel - 1, reading.typed), reading.typed);
        if (!problem.empty()) {
            result.skipped.push_back({row.line, problem});
            continue;
        }
        filledBy[reading.channel] = row.line;
        ++result.imported;
    }
    result.image = state.memoryImage;
    return result;
}

std::string ImportReportText(const ChannelImport& import)
{
    if (!import.error.empty()) return import.error;
    std::string text = TextWith(TextId::ChannelsImported, {std::to_string(import.imported)});
    if (import.skipped.empty()) return text;
    text += "\n" + Text(TextId::SkippedRows);
    for (std::size_t i = 0; i < import.skipped.size() && i < kReportedRows; ++i)
        text += "\n" + TextWith(TextId::SkippedRowLine,
                                {std::to_string(import.skipped[i].line), import.skipped[i].reason});
    if (import.skipped.size() > kReportedRows)
        text +=
            "\n" + TextWith(TextId::MoreSkippedRows, {std::to_string(import.skipped.size() - kReportedRows)});
    return text;
}
