#include "FileStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "QtText.h"

namespace filestore {

namespace {

bool ExistsButNotRegular(const QFileInfo& info) { return info.exists() && !info.isFile(); }

}  // namespace

ReadResult read(const QString& path, qint64 limit)
{
    ReadResult result;
    // QFileInfo::size() is 0 for devices and pipes, and opening a pipe blocks.
    if (ExistsButNotRegular(QFileInfo(path))) {
        result.unsuitable = true;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    result.bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
    } else if (result.bytes.size() > limit) {
        result.unsuitable = true;
    }
    if (!result.ok()) result.bytes.clear();
    return result;
}

QString refusedTarget(const QString& path)
{
    return ExistsButNotRegular(QFileInfo(path)) ? QText(TextId::NotOrdinaryFile) : QString();
}

QString writeThrough(QFileDevice& file, const QByteArray& bytes)
{
    if (file.write(bytes) != bytes.size() || !file.flush()) return file.errorString();
    return {};
}

QString writeAtomically(const QString& path, const QByteArray& bytes)
{
    if (QString refused = refusedTarget(path); !refused.isEmpty()) return refused;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    // QSaveFile renames its temporary file over the target even when the
    // buffered bytes failed to reach the disk, so the write is checked first.
    if (QString error = writeThrough(file, bytes); !error.isEmpty()) {
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) return file.errorString();
    if (QFileInfo(path).size() != bytes.size()) return QText(TextId::FileIncomplete);
    return {};
}

Stamp stampOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) return {};
    return {info.size(), info.lastModified()};
}

QString withSuffix(const QString& path, const QString& suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

}  // namespace filestore
