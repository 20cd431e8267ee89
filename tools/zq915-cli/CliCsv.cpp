#include "CliCsv.h"

#include <iostream>

#include <QFile>
#include <QFileInfo>
#include <QString>

#include "core/Layout.h"
#include "files/ChannelCsv.h"
#include "platform/ChannelCsvStore.h"

int RunExport(const CliArgs& args)
{
    const ParsedArgs parsed = ParseCliArgs(args, {});
    if (!parsed.error.empty()) return CliFail(parsed.error);
    if (parsed.positional.size() != 2) return CliFail("export needs FILE.dat and OUT.csv");
    const std::optional<MemoryImage> image = LoadDataFile(parsed.positional[0]);
    if (!image) return kCliFailed;

    const std::string& out = parsed.positional[1];
    if (out == "-") {
        std::cout << ExportChannelsCsv(*image) << std::flush;
        return std::cout ? kCliOk : CliFail("cannot write to standard output");
    }
    const std::optional<QString> file = FileArgument(out);
    if (!file) return kCliFailed;
    const QString error = ExportChannelsCsvTo(*file, *image);
    return error.isEmpty() ? kCliOk : CliFail("cannot write " + out + ": " + error.toStdString());
}

int RunImport(const CliArgs& args)
{
    const ParsedArgs parsed = ParseCliArgs(args, {"--band", "--model"}, {"--strict"});
    if (!parsed.error.empty()) return CliFail(parsed.error);
    if (parsed.positional.size() != 2) return CliFail("import needs IN.csv and FILE.dat");
    const DocumentCodes codes = ParseDocumentCodes(parsed);
    if (!codes.error.empty()) return CliFail(codes.error);

    const std::string& csvPath = parsed.positional[0];
    const std::optional<QString> csvFile = FileArgument(csvPath);
    const std::optional<std::string> datPath = OutputFile(parsed.positional[1]);
    if (!csvFile || !datPath) return kCliFailed;
    std::optional<MemoryImage> document;
    if (QFileInfo::exists(QFile::decodeName(QByteArray::fromStdString(*datPath)))) {
        document = LoadDataFile(*datPath);
        if (!document) return kCliFailed;
        // An existing document keeps its band and model: its channels would not fit another.
        const bool otherBand =
            codes.bandGiven && codes.band != document->at(layout::kBandRow, layout::kRadioColumn);
        const bool otherModel =
            codes.modelGiven && codes.model != document->at(layout::kModelRow, layout::kRadioColumn);
        if (otherBand || otherModel)
            return CliFail(*datPath + " exists with another " + (otherBand ? "band" : "model") +
                           "; --band and --model only apply to a new file");
    } else {
        document = NewDocumentImage(codes.band, codes.model);
    }

    const ChannelImport result = ImportChannelsCsvFrom(*csvFile, *document);
    if (!result.error.empty()) return CliFail(csvPath + ": " + result.error);
    const std::string details = ImportDetails(result);
    if (!result.changesDocument()) {
        CliFail(ImportHeadline(result));
        if (!details.empty()) std::cerr << details << '\n';
        return kCliFailed;
    }
    if (parsed.hasFlag("--strict") && !result.skipped.empty()) {
        std::cerr << details << '\n';
        const std::size_t skipped = result.skipped.size();
        return CliFail("Nothing written: " + std::to_string(skipped) + (skipped == 1 ? " row" : " rows") +
                       " skipped (--strict).");
    }
    std::cerr << ImportReportText(result) << '\n';
    return SaveDataFile(*datPath, result.image) ? kCliOk : kCliFailed;
}
