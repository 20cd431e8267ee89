#pragma once

#include <QString>
#include <QStringList>

class SettingsStore;

// Where the user works, kept in the settings store so the next start knows
// it: the last kRecentKept data files opened or saved ("RecentFile1" newest
// ... "RecentFile8"), the folder of the last one ("DataFolder") and the last
// folders of channel-list export and import ("ExportFolder", "ImportFolder").
// Every change is written at once.
class RememberedFiles final {
public:
    static constexpr int kRecentKept = 8;

    explicit RememberedFiles(SettingsStore& settings);

    // Newest first, without repeats.
    [[nodiscard]] const QStringList& recentFiles() const { return m_recent; }
    // A data file was opened or saved: first in the list, its folder the data folder.
    void dataFileUsed(const QString& path);
    void clearRecentFiles();

    // The data folder while it exists, else the backups folder while that
    // exists, else empty (the toolkit's choice).
    [[nodiscard]] QString dataFolder() const;
    // The last folder exported to (or imported from) while it exists, else the data folder.
    [[nodiscard]] QString exportFolder() const;
    [[nodiscard]] QString importFolder() const;
    void exportedTo(const QString& path);
    void importedFrom(const QString& path);

private:
    [[nodiscard]] QString folderOr(const char* name, const QString& fallback) const;
    void rememberFolderOf(const char* name, const QString& path);
    void writeRecent();

    SettingsStore& m_settings;
    QStringList m_recent;
};
