#include "DataFileStore.h"

#include "FileStore.h"
#include "files/DataFile.h"

LoadedDataFile LoadDataFileFrom(const QString& path)
{
    const filestore::ReadResult read = filestore::read(path, qint64(kMaxDataFileBytes));
    if (!read.error.isEmpty()) return {std::nullopt, read.error};
    if (read.unsuitable) return {};
    return {DecodeDataFile(ByteBuffer(read.bytes.begin(), read.bytes.end())), QString()};
}

QString SaveDataFileTo(const QString& path, const MemoryImage& image)
{
    const ByteBuffer encoded = EncodeDataFile(image);
    return filestore::writeAtomically(path, QByteArray(reinterpret_cast<const char*>(encoded.data()),
                                                       static_cast<qsizetype>(encoded.size())));
}
