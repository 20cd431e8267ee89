#include "RecentFilesMenu.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>

#include "RememberedFiles.h"
#include "platform/QtText.h"

namespace {

// Long paths keep both ends: the folder's start and the file's name.
constexpr int kShownWidthEm = 40;

}  // namespace

RecentFilesMenu::RecentFilesMenu(QMenu& menu, RememberedFiles& remembered,
                                 std::function<void(const QString&)> open)
    : QObject(&menu), m_menu(menu), m_remembered(remembered), m_open(std::move(open))
{
    connect(&menu, &QMenu::aboutToShow, this, &RecentFilesMenu::refresh);
    refresh();
}

void RecentFilesMenu::refresh()
{
    m_menu.clear();
    const QFontMetrics metrics(m_menu.font());
    const int width = metrics.horizontalAdvance(QLatin1Char('M')) * kShownWidthEm;
    int number = 0;
    for (const QString& path : m_remembered.recentFiles()) {
        const QString native = QDir::toNativeSeparators(path);
        QString shown = metrics.elidedText(native, Qt::ElideMiddle, width);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = m_menu.addAction(QStringLiteral("&%1 %2").arg(++number).arg(shown));
        entry->setObjectName(QStringLiteral("mnuFile_Recent_%1").arg(number));
        entry->setToolTip(native);
        entry->setStatusTip(native);
        entry->setEnabled(QFileInfo(path).isFile());
        connect(entry, &QAction::triggered, this, [this, path] { m_open(path); });
    }
    m_menu.addSeparator();
    QAction* clear = m_menu.addAction(QText(TextId::ClearRecentFiles));
    clear->setObjectName(QStringLiteral("mnuFile_RecentClear"));
    clear->setEnabled(number > 0);
    connect(clear, &QAction::triggered, this, [this] {
        m_remembered.clearRecentFiles();
        refresh();
    });
}
