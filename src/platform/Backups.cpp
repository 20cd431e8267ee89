#include "Backups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include "DataFileStore.h"
#include "core/BandTable.h"

namespace backups {

namespace {

// Only our own names are ever removed; the date first makes name order age order.
const QRegularExpression& BackupName()
{
    static const QRegularExpression name(QStringLiteral(R"(^\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d_.*\.dat$)"));
    return name;
}

QString BandPart(const MemoryImage& image)
{
    return QString::fromStdString(BandText(image)).remove(QStringLiteral(" ")).remove(QStringLiteral("MHz"));
}

void Prune(QDir dir)
{
    QStringList names =
        dir.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name).filter(BackupName());
    for (qsizetype i = 0; i + kKept < names.size(); ++i) dir.remove(names.at(i));
}

}  // namespace

void SetApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("ULVO"));
    QCoreApplication::setApplicationName(QStringLiteral("ZQ-915"));
}

QString folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/backups");
}

QString save(const MemoryImage& image, const QDateTime& when)
{
    QDir dir(folder());
    if (!dir.mkpath(QStringLiteral("."))) return QStringLiteral("cannot create ") + dir.path();
    const QString stem = when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss_")) + BandPart(image);
    QString path = dir.filePath(stem + QStringLiteral(".dat"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(stem + QStringLiteral("_%1.dat").arg(n));
    const QString error = SaveDataFileTo(path, image);
    if (error.isEmpty()) Prune(dir);
    return error;
}

}  // namespace backups
