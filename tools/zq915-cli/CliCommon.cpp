#include "CliCommon.h"

#include <algorithm>
#include <charconv>
#include <iostream>

#include <QFile>
#include <QFileInfo>
#include <QString>

#include "core/AppState.h"
#include "core/BandTable.h"
#include "core/Layout.h"
#include "core/NewDocument.h"
#include "platform/DataFileStore.h"
#include "platform/FileStore.h"

int CliFail(std::string_view message)
{
    std::cerr << "zq915-cli: " << message << '\n';
    return kCliFailed;
}

bool ParsedArgs::hasFlag(std::string_view flag) const
{
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

ParsedArgs ParseCliArgs(const CliArgs& args, const std::vector<std::string_view>& known,
                        const std::vector<std::string_view>& knownFlags)
{
    ParsedArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            parsed.positional.push_back(arg);
            continue;
        }
        if (std::find(knownFlags.begin(), knownFlags.end(), arg) != knownFlags.end()) {
            parsed.flags.push_back(arg);
            continue;
        }
        if (std::find(known.begin(), known.end(), arg) == known.end()) {
            parsed.error = "unknown option " + arg;
            return parsed;
        }
        if (i + 1 >= args.size()) {
            parsed.error = "option " + arg + " needs a value";
            return parsed;
        }
        parsed.options.emplace_back(arg, args[++i]);
    }
    return parsed;
}

std::optional<int> ParseCode(std::string_view text, int low, int high)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

DocumentCodes ParseDocumentCodes(const ParsedArgs& parsed)
{
    DocumentCodes codes;
    codes.band = kDefaultBandCode;
    codes.model = kDefaultModelCode;
    for (const auto& [name, value] : parsed.options) {
        if (name == "--band") {
            const std::optional<int> code = ParseCode(value, kFirstBandCode, kLastBandCode);
            if (!code) codes.error = "unknown band code " + value + " (use 238..248)";
            codes.band = code.value_or(codes.band);
            codes.bandGiven = true;
        } else if (name == "--model") {
            const std::optional<int> code = ParseCode(value, kFirstModelCode, kFirstModelCode + 2);
            if (!code) codes.error = "unknown model code " + value + " (use 56..58)";
            codes.model = code.value_or(codes.model);
            codes.modelGiven = true;
        }
    }
    return codes;
}

MemoryImage NewDocumentImage(int band, int model)
{
    AppState state;
    state.memoryImage.set(layout::kBandRow, layout::kRadioColumn, static_cast<std::uint8_t>(band));
    state.memoryImage.set(layout::kModelRow, layout::kRadioColumn, static_cast<std::uint8_t>(model));
    ResetImage(state);
    return state.memoryImage;
}

std::optional<QString> FileArgument(const std::string& arg)
{
    // Qt holds file names as Unicode; a name that does not survive the trip
    // would open, create or report some other file.
    const QByteArray native = QByteArray::fromStdString(arg);
    QString name = QFile::decodeName(native);
    if (QFile::encodeName(name) == native) return name;
    CliFail(arg + ": file name is not valid in this system's encoding");
    return std::nullopt;
}

std::optional<MemoryImage> LoadDataFile(const std::string& path)
{
    const std::optional<QString> file = FileArgument(path);
    if (!file) return std::nullopt;
    const LoadedDataFile loaded = LoadDataFileFrom(*file);
    if (loaded.image) return loaded.image;
    const QString refused = filestore::refusedTarget(*file);
    if (!refused.isEmpty()) {
        CliFail("cannot read " + path + ": " + refused.toStdString());
    } else if (loaded.error.isEmpty()) {
        CliFail(path + ": not a ZQ-915 data file");
    } else {
        CliFail(QFileInfo::exists(*file) ? "cannot read " + path + ": " + loaded.error.toStdString()
                                         : path + ": no such file");
    }
    return std::nullopt;
}

std::optional<std::string> OutputFile(const std::string& path)
{
    const std::optional<QString> file = FileArgument(path);
    if (!file) return std::nullopt;
    if (QFileInfo(*file).fileName().isEmpty()) {
        CliFail("cannot write " + path + ": it names a folder, not a file");
        return std::nullopt;
    }
    // "/dev/null" must not become "/dev/null.dat" beside the device.
    for (const QString& name : {*file, filestore::withSuffix(*file, QStringLiteral("dat"))}) {
        const QString refused = filestore::refusedTarget(name);
        if (refused.isEmpty()) continue;
        CliFail("cannot write " + QFile::encodeName(name).toStdString() + ": " + refused.toStdString());
        return std::nullopt;
    }
    return QFile::encodeName(filestore::withSuffix(*file, QStringLiteral("dat"))).toStdString();
}

bool SaveDataFile(const std::string& path, const MemoryImage& image)
{
    const std::optional<QString> file = FileArgument(path);
    if (!file) return false;
    const QString error = SaveDataFileTo(*file, image);
    if (error.isEmpty()) return true;
    CliFail("cannot write " + path + ": " + error.toStdString());
    return false;
}
