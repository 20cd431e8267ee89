#include "HelpCommands.h"

#include <QApplication>
#include <QShortcut>
#include <QWidget>

#include "ChannelGrid.h"
#include "DocumentController.h"
#include "strings/HelpTopics.h"
#include "ui/dialogs/HelpWindow.h"

namespace {

constexpr int kGridHelpContextBase = 7006;  // + the current column

}  // namespace

HelpCommands::HelpCommands(DocumentController& document, QWidget& window)
    : QObject(&window), m_document(document), m_window(window)
{
    connect(&document, &DocumentController::languageApplied, this, [this] {
        if (m_help) m_help->ApplyLanguage();
    });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &HelpCommands::contextHelp);
}

void HelpCommands::Topics()
{
    m_document.EndCellEdit();
    help().ShowCurrent();
}

void HelpCommands::contextHelp()
{
    QWidget* focus = QApplication::focusWidget();
    const QWidget& grid = m_document.grid();
    if (focus && (focus == &grid || grid.isAncestorOf(focus)))
        help().ShowPage(
            QString::fromStdString(HelpPageForContext(kGridHelpContextBase + m_document.state().currentCol)));
    else
        Topics();
}

HelpWindow& HelpCommands::help()
{
    if (!m_help) m_help = new HelpWindow(&m_window);
    return *m_help;
}
