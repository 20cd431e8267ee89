#include "HelpCommands.h"

#include <QApplication>
#include <QShortcut>
#include <QWidget>

#include "ui/dialogs/HelpTopics.h"
#include "ui/dialogs/HelpWindow.h"

namespace {

constexpr int kGridHelpContextBase = 7006;  // + the current column

}  // namespace

HelpCommands::HelpCommands(const AppState& state, QWidget& grid, QWidget& window)
    : QObject(&window), m_state(state), m_grid(grid), m_window(window)
{
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &HelpCommands::contextHelp);
}

void HelpCommands::Topics() { help().ShowCurrent(); }

void HelpCommands::ApplyLanguage()
{
    if (m_help) m_help->ApplyLanguage();
}

void HelpCommands::contextHelp()
{
    QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == &m_grid || m_grid.isAncestorOf(focus)))
        help().ShowPage(
            QString::fromStdString(HelpPageForContext(kGridHelpContextBase + m_state.currentCol)));
    else
        Topics();
}

HelpWindow& HelpCommands::help()
{
    if (!m_help) m_help = new HelpWindow(&m_window);
    return *m_help;
}
