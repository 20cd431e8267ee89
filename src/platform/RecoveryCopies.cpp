#include "RecoveryCopies.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>

#include "DataFileStore.h"
#include "FileStore.h"

namespace recovery {

namespace {

const QString kData = QStringLiteral(".dat");
const QString kDescription = QStringLiteral(".json");
const QString kLock = QStringLiteral(".lock");
const QString kUnreadable = QStringLiteral("unreadable");
constexpr qint64 kMaxDescriptionBytes = 64 * 1024;

QString FilePath(const QString& folder, const QString& id, const QString& suffix)
{
    return QDir(folder).filePath(id + suffix);
}

// A lock that only a running program keeps: no age makes it stale.
std::unique_ptr<QLockFile> LockOf(const QString& folder, const QString& id)
{
    auto lock = std::make_unique<QLockFile>(FilePath(folder, id, kLock));
    lock->setStaleLockTime(0);
    return lock;
}

QByteArray Description(const Copy& copy)
{
    const QJsonObject object{{QStringLiteral("file"), copy.documentPath},
                             {QStringLiteral("time"), copy.time.toString(Qt::ISODateWithMs)},
                             {QStringLiteral("pid"), copy.processId}};
    return QJsonDocument(object).toJson();
}

std::optional<Copy> ParseDescription(const QByteArray& bytes)
{
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject()) return std::nullopt;
    const QJsonObject object = document.object();
    Copy copy;
    copy.documentPath = object.value(QStringLiteral("file")).toString();
    copy.time = QDateTime::fromString(object.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    copy.processId = object.value(QStringLiteral("pid")).toInteger();
    if (copy.documentPath.isEmpty() || !copy.time.isValid()) return std::nullopt;
    return copy;
}

// `path` moved into `into`, under a free name; the new path, or empty.
QString MoveInto(const QString& path, const QDir& into)
{
    const QFileInfo info(path);
    QString target = into.filePath(info.fileName());
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = into.filePath(info.completeBaseName() + QStringLiteral("_%1.").arg(n) + info.suffix());
    return QFile::rename(path, target) ? target : QString();
}

}  // namespace

QString folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

OwnCopy::OwnCopy(const QString& folder)
    : m_folder(folder),
      m_id(QStringLiteral("%1-%2")
               .arg(QCoreApplication::applicationPid())
               .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmsszzz"))))
{
    if (!QDir().mkpath(folder)) {
        m_lockError = QStringLiteral("cannot create ") + QDir::toNativeSeparators(folder);
        return;
    }
    m_lock = LockOf(folder, m_id);
    if (!m_lock->tryLock(0)) {
        m_lockError = QStringLiteral("cannot lock ") + QDir::toNativeSeparators(m_lock->fileName());
        m_lock.reset();
    }
}

OwnCopy::~OwnCopy() = default;

QString write(const QString& folder, const QString& id, const Copy& copy)
{
    QString error = filestore::writeAtomically(FilePath(folder, id, kDescription), Description(copy));
    if (error.isEmpty()) error = SaveDataFileTo(FilePath(folder, id, kData), copy.image);
    return error;
}

void remove(const QString& folder, const QString& id)
{
    // Data first: a description alone is never offered.
    QFile::remove(FilePath(folder, id, kData));
    QFile::remove(FilePath(folder, id, kDescription));
}

LeftCopy::LeftCopy(QString folder, QString id, std::unique_ptr<QLockFile> lock)
    : m_folder(std::move(folder)), m_id(std::move(id)), m_lock(std::move(lock))
{
}

LeftCopy::~LeftCopy() = default;
LeftCopy::LeftCopy(LeftCopy&&) noexcept = default;
LeftCopy& LeftCopy::operator=(LeftCopy&&) noexcept = default;

QString LeftCopy::dataPath() const { return FilePath(m_folder, m_id, kData); }

bool LeftCopy::hasData() const { return QFileInfo::exists(dataPath()); }

std::optional<Copy> LeftCopy::read() const
{
    const filestore::ReadResult description =
        filestore::read(FilePath(m_folder, m_id, kDescription), kMaxDescriptionBytes);
    if (!description.ok()) return std::nullopt;
    std::optional<Copy> copy = ParseDescription(description.bytes);
    const LoadedDataFile data = LoadDataFileFrom(dataPath());
    if (!copy || !data.image) return std::nullopt;
    copy->image = *data.image;
    return copy;
}

void LeftCopy::discard() { remove(m_folder, m_id); }

QString LeftCopy::setAside()
{
    QDir into(QDir(m_folder).filePath(kUnreadable));
    if (!into.mkpath(QStringLiteral("."))) return dataPath();
    MoveInto(FilePath(m_folder, m_id, kDescription), into);
    const QString moved = MoveInto(dataPath(), into);
    return moved.isEmpty() ? dataPath() : moved;
}

std::vector<LeftCopy> findLeftCopies(const QString& folder)
{
    const QDir dir(folder);
    QStringList ids;
    QFileInfoList files = dir.entryInfoList({QStringLiteral("*") + kData, QStringLiteral("*") + kDescription},
                                            QDir::Files, QDir::Name);
    std::stable_sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.lastModified() < b.lastModified();
    });
    for (const QFileInfo& file : files)
        if (!ids.contains(file.completeBaseName())) ids << file.completeBaseName();
    // The lock of a program that ended without a copy to leave is of no more use.
    for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("*") + kLock}, QDir::Files)) {
        if (ids.contains(file.completeBaseName())) continue;
        std::unique_ptr<QLockFile> lock = LockOf(folder, file.completeBaseName());
        if (lock->tryLock(0)) lock->unlock();
    }
    std::vector<LeftCopy> left;
    for (const QString& id : ids) {
        std::unique_ptr<QLockFile> lock = LockOf(folder, id);
        if (lock->tryLock(0)) left.emplace_back(folder, id, std::move(lock));
    }
    return left;
}

}  // namespace recovery
