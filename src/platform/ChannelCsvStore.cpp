#include "ChannelCsvStore.h"

#include <QFileInfo>

#include "FileStore.h"
#include "strings/Strings.h"

namespace {

}  // namespace

QString ExportChannelsCsvTo(const QString& path, const MemoryImage& image)
{
    const std::string csv = ExportChannelsCsv(image);
    return filestore::writeAtomically(path, QByteArray(csv.data(), static_cast<qsizetype>(csv.size())));
}

ChannelImport ImportChannelsCsvFrom(const QString& path, const MemoryImage& document)
{
    const filestore::ReadResult read = filestore::read(path, static_cast<qint64>(kMaxChannelCsvBytes));
    if (read.ok()) return ImportChannelsCsv(std::string_view(read.bytes.data(), read.bytes.size()), document);
    ChannelImport refused;
    refused.image = document;
    refused.error = read.unsuitable ? Text(QFileInfo(path).isFile() ? TextId::FileLargerThan1MiB
                                                                    : TextId::NotOrdinaryFile)
                                    : read.error.toStdString();
    return refused;
}
