#include "CliCommon.h"

#include <algorithm>
#include <charconv>
#include <iostream>

#include <QFileInfo>
#include <QString>

#include "files/DataFile.h"
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

std::optional<MemoryImage> LoadDataFile(const std::string& path)
{
    const QString file = QString::fromLocal8Bit(path);
    const std::optional<QByteArray> bytes = filestore::readAll(file);
    if (!bytes) {
        CliFail(QFileInfo::exists(file) ? "cannot read " + path : path + ": no such file");
        return std::nullopt;
    }
    std::optional<MemoryImage> image = DecodeDataFile(ByteBuffer(bytes->begin(), bytes->end()));
    if (!image) CliFail(path + ": not a ZQ-915 data file");
    return image;
}

bool SaveDataFile(const std::string& path, const MemoryImage& image)
{
    const ByteBuffer bytes = EncodeDataFile(image);
    const QString error = filestore::writeAtomically(
        QString::fromLocal8Bit(path),
        QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    if (error.isEmpty()) return true;
    CliFail("cannot write " + path + ": " + error.toStdString());
    return false;
}
