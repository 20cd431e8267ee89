#include "ChannelCsvStore.h"

#include <QFileInfo>
#include <QStringDecoder>

#include "FileStore.h"
#include "files/CsvTable.h"
#include "strings/Strings.h"

namespace {

// Spreadsheets on Chinese systems save CSV in this encoding (it covers GBK).
constexpr char kLegacyEncoding[] = "GB18030";

// `bytes` as UTF-8 when they decode as the legacy encoding without a fault
// (and hold no NUL, which no text file has); nullopt otherwise.
std::optional<QByteArray> FromLegacyEncoding(const QByteArray& bytes)
{
    QStringDecoder decoder(kLegacyEncoding, QStringConverter::Flag::Stateless);
    if (!decoder.isValid() || bytes.contains('\0')) return std::nullopt;
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text.toUtf8();
}

}  // namespace

QString ExportChannelsCsvTo(const QString& path, const MemoryImage& image)
{
    const std::string csv = ExportChannelsCsv(image);
    return filestore::writeAtomically(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())));
}

ChannelImport ImportChannelsCsvFrom(const QString& path, const MemoryImage& document)
{
    const filestore::ReadResult read = filestore::read(path, static_cast<qint64>(kMaxChannelCsvBytes));
    if (read.ok()) {
        const std::string_view bytes(read.bytes.data(), static_cast<std::size_t>(read.bytes.size()));
        if (IsUtf8Text(bytes)) return ImportChannelsCsv(bytes, document);
        const std::optional<QByteArray> utf8 = FromLegacyEncoding(read.bytes);
        if (!utf8) return ImportChannelsCsv(bytes, document);  // refused as not UTF-8 text
        ChannelImport result = ImportChannelsCsv(
            std::string_view(utf8->data(), static_cast<std::size_t>(utf8->size())), document);
        result.notes.insert(result.notes.begin(), TextWith(TextId::ReadAsEncoding, {kLegacyEncoding}));
        return result;
    }
    ChannelImport refused;
    refused.image = document;
    refused.error = read.unsuitable ? Text(QFileInfo(path).isFile() ? TextId::FileLargerThan1MiB
                                                                    : TextId::NotOrdinaryFile)
                                    : read.error.toStdString();
    return refused;
}
