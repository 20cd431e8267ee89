#pragma once

#include <functional>

#include <QObject>
#include <QString>

class QMenu;
class RememberedFiles;

// File > Recent Files: the remembered data files, newest first, as "&1 path"
// ... "&8 path" (mnuFile_Recent_1 ...), a file that no longer exists shown
// disabled, then "Clear Recent Files" (mnuFile_RecentClear). Rebuilt each time
// it opens, so it always shows what is on disk.
class RecentFilesMenu final : public QObject {
    Q_OBJECT
public:
    // `open` runs for a chosen file.
    RecentFilesMenu(QMenu& menu, RememberedFiles& remembered, std::function<void(const QString&)> open);

    void refresh();

private:
    QMenu& m_menu;
    RememberedFiles& m_remembered;
    std::function<void(const QString&)> m_open;
};
