#include "RememberedFiles.h"

#include <QDir>
#include <QFileInfo>

#include "platform/Backups.h"
#include "platform/SettingsStore.h"

namespace {

constexpr const char* kDataFolder = "DataFolder";
constexpr const char* kExportFolder = "ExportFolder";
constexpr const char* kImportFolder = "ImportFolder";

std::string RecentName(int index) { return "RecentFile" + std::to_string(index + 1); }

// The store writes an empty text as a blank: both mean nothing remembered.
QString Remembered(SettingsStore& settings, std::string_view name)
{
    const QString text = QString::fromStdString(settings.readString(name));
    return text.trimmed().isEmpty() ? QString() : text;
}

QString ExistingFolder(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

}  // namespace

RememberedFiles::RememberedFiles(SettingsStore& settings) : m_settings(settings)
{
    for (int i = 0; i < kRecentKept; ++i) {
        const QString path = Remembered(m_settings, RecentName(i));
        if (!path.isEmpty() && !m_recent.contains(path)) m_recent << path;
    }
}

void RememberedFiles::dataFileUsed(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_recent.removeAll(absolute);
    m_recent.prepend(absolute);
    while (m_recent.size() > kRecentKept) m_recent.removeLast();
    writeRecent();
    rememberFolderOf(kDataFolder, absolute);
}

void RememberedFiles::clearRecentFiles()
{
    m_recent.clear();
    writeRecent();
}

QString RememberedFiles::dataFolder() const
{
    const QString remembered = ExistingFolder(Remembered(m_settings, kDataFolder));
    return remembered.isEmpty() ? ExistingFolder(backups::folder()) : remembered;
}

QString RememberedFiles::exportFolder() const { return folderOr(kExportFolder, dataFolder()); }

QString RememberedFiles::importFolder() const { return folderOr(kImportFolder, dataFolder()); }

void RememberedFiles::exportedTo(const QString& path) { rememberFolderOf(kExportFolder, path); }

void RememberedFiles::importedFrom(const QString& path) { rememberFolderOf(kImportFolder, path); }

QString RememberedFiles::folderOr(const char* name, const QString& fallback) const
{
    const QString remembered = ExistingFolder(Remembered(m_settings, name));
    return remembered.isEmpty() ? fallback : remembered;
}

void RememberedFiles::rememberFolderOf(const char* name, const QString& path)
{
    m_settings.writeString(name, QFileInfo(path).absolutePath().toStdString());
}

void RememberedFiles::writeRecent()
{
    for (int i = 0; i < kRecentKept; ++i)
        m_settings.writeString(RecentName(i), i < m_recent.size() ? m_recent.at(i).toStdString() : "");
}
