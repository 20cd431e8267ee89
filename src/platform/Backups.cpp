#include "Backups.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include "FileStore.h"
#include "QtText.h"
#include "core/BandTable.h"
#include "files/DataFile.h"

namespace backups {

namespace {

// More tries than backups kept: only so many can share one second.
constexpr int kMaxNameTries = 1000;

// Only our own names are ever removed.
const QRegularExpression& BackupName()
{
    static const QRegularExpression name(QStringLiteral(R"(^\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d_.*\.dat$)"));
    return name;
}

QString BandPart(const MemoryImage& image)
{
    return QString::fromStdString(BandText(image)).remove(QStringLiteral(" ")).remove(QStringLiteral("MHz"));
}

// Not even a dangling link counts as free: the new file would land where it points.
bool Taken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Creates the first free name of `stem` exclusively and writes the bytes;
// a file that cannot be written whole is removed again.
QString WriteNew(const QDir& dir, const QString& stem, const QByteArray& bytes, QString& written)
{
    for (int n = 1; n <= kMaxNameTries; ++n) {
        const QString path =
            dir.filePath(n == 1 ? stem + QStringLiteral(".dat") : stem + QStringLiteral("_%1.dat").arg(n));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (Taken(path)) continue;
            return file.errorString();
        }
        if (QString error = filestore::writeThrough(file, bytes); !error.isEmpty()) {
            file.remove();
            return error;
        }
        written = path;
        return {};
    }
    return QStringLiteral("no free name for ") + stem;
}

void Prune(const QDir& dir, const QString& written)
{
    QFileInfoList files;
    for (const QFileInfo& info : dir.entryInfoList({QStringLiteral("*.dat")}, QDir::Files | QDir::NoSymLinks))
        if (BackupName().match(info.fileName()).hasMatch() && info.absoluteFilePath() != written)
            files << info;
    // A clock set back or files from another machine give names that do not sort by age.
    std::sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const QDateTime ta = a.lastModified();
        const QDateTime tb = b.lastModified();
        return ta != tb ? ta < tb : a.fileName() < b.fileName();
    });
    for (qsizetype i = 0; i + kKept - 1 < files.size(); ++i) QFile::remove(files.at(i).absoluteFilePath());
}

}  // namespace

void SetApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("ULVO"));
    QCoreApplication::setApplicationName(QStringLiteral("ZQ-915"));
}

QString folder()
{
#ifndef Q_OS_WIN
    // Without a home Qt falls back to the root folder, which is nobody's to fill.
    if (qEnvironmentVariableIsEmpty("HOME") && !QDir::isAbsolutePath(qEnvironmentVariable("XDG_DATA_HOME")))
        return {};
#endif
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/backups");
}

QString save(const MemoryImage& image, const QDateTime& when)
{
    const QString path = folder();
    if (path.isEmpty()) return QText(TextId::NoHomeForBackups);
    QDir dir(path);
    if (!dir.mkpath(QStringLiteral("."))) return QStringLiteral("cannot create ") + dir.path();
    const ByteBuffer encoded = EncodeDataFile(image);
    const QByteArray bytes(reinterpret_cast<const char*>(encoded.data()),
                           static_cast<qsizetype>(encoded.size()));
    QString written;
    const QString error = WriteNew(
        dir, when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss_")) + BandPart(image), bytes, written);
    if (error.isEmpty()) Prune(dir, QFileInfo(written).absoluteFilePath());
    return error;
}

}  // namespace backups
