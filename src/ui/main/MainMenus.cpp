#include "MainMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include "platform/QtText.h"
#include "strings/Strings.h"

namespace {

using Command = MainMenus::Command;

struct ToolButton {
    const char* key;
    Command runs;
    int tooltipId;
    const char* themeIcon;
    QStyle::StandardPixmap fallback;
    bool separatorBefore;  // positions 5 and 8 carry no command
};

constexpr ToolButton kToolButtons[] = {
    {"New", Command::New, TextId::NewTool, "document-new", QStyle::SP_FileIcon, false},
    {"Open", Command::Open, TextId::OpenTool, "document-open", QStyle::SP_DialogOpenButton, false},
    {"Save", Command::Save, TextId::SaveTool, "document-save", QStyle::SP_DialogSaveButton, false},
    {"Print", Command::Print, TextId::PrintTool, "document-print", QStyle::SP_FileDialogContentsView, false},
    {"Read", Command::Read, TextId::ReadTool, "document-import", QStyle::SP_ArrowDown, true},
    {"Write", Command::Write, TextId::WriteTool, "document-export", QStyle::SP_ArrowUp, false},
    {"About", Command::About, TextId::AboutMenu, "help-about", QStyle::SP_MessageBoxInformation, true},
};

// The theme's icon, else the style's. The style's is built only when needed:
// it decodes every size of its image, a large part of the window's start-up.
QIcon ToolIcon(const ToolButton& button, const QStyle& style)
{
    QIcon icon = QIcon::fromTheme(QString::fromLatin1(button.themeIcon));
    if (icon.isNull() || icon.availableSizes().isEmpty()) icon = style.standardIcon(button.fallback);
    return icon;
}

// Toolbar tooltips carry no access keys.
QString WithoutAccessKey(QString text) { return text.remove(QLatin1Char('&')); }

}  // namespace

MainMenus::MainMenus(QMainWindow& window) : QObject(&window), tlbActions(new QToolBar(&window))
{
    QMenuBar* bar = window.menuBar();
    auto addMenu = [&](const char* name, int textId) {
        QMenu* menu = bar->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        m_labelled.push_back({menu, textId, false});
        return menu;
    };

    QMenu* file = addMenu("mnuFile", TextId::File);
    addEntry(file, "mnuFile_New", TextId::New, Command::New, QKeySequence::New);
    addEntry(file, "mnuFile_Open", TextId::Open, Command::Open, QKeySequence::Open);
    addEntry(file, "mnuFile_Save", TextId::Save, Command::Save, QKeySequence::Save);
    QAction* saveAs = addEntry(file, "mnuFile_SaveAs", TextId::SaveAs, Command::SaveAs, QKeySequence::SaveAs);
    // Some desktops bind no Save As key: then the one most others use.
    if (saveAs->shortcuts().isEmpty()) saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    addEntry(file, "mnuFile_ExportChannels", TextId::ExportChannels, Command::ExportChannels);
    addEntry(file, "mnuFile_ImportChannels", TextId::ImportChannels, Command::ImportChannels);
    mnuFile_Recent = file->addMenu(QString());
    mnuFile_Recent->setObjectName(QStringLiteral("mnuFile_Recent"));
    mnuFile_Recent->menuAction()->setObjectName(QStringLiteral("mnuFile_Recent"));
    m_labelled.push_back({mnuFile_Recent, TextId::RecentFiles, false});
    addSeparator(file, "mnuFile_Bar1");
    addEntry(file, "mnuFile_Print", TextId::Print, Command::Print, QKeySequence::Print);
    addSeparator(file, "mnuFile_Bar2");
    addEntry(file, "mnuFile_Exit", TextId::Exit, Command::Exit);

    QMenu* edit = addMenu("mnuEdit", TextId::Edit);
    addEntry(edit, "mnuEdit_Undo", 0, Command::Undo)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    addEntry(edit, "mnuEdit_Redo", 0, Command::Redo)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    QMenu* program = addMenu("mnuProgram", TextId::Program);
    addEntry(program, "mnuProgram_Read", TextId::ReadFromRadio, Command::Read);
    addSeparator(program, "mnuProgram_Bar1");
    addEntry(program, "mnuProgram_Write", TextId::WriteToRadio, Command::Write);
    addEntry(program, "mnuProgram_Verify", TextId::VerifyAfterWrite, Command::VerifyAfterWrite)
        ->setCheckable(true);
    addSeparator(program, "mnuProgram_Bar2");
    addEntry(program, "mnuProgram_Test", TextId::Tuning, Command::Test);
    addSeparator(program, "mnuProgram_Bar3");
    addEntry(program, "mnuProgram_OptFeatures", TextId::OptionalFeaturesMenu, Command::OptionalFeatures);

    QMenu* setup = addMenu("mnuSetup", TextId::Setup);
    addEntry(setup, "mnuSetup_CommPort", TextId::CommunicationPortMenu, Command::CommPort);
    addEntry(setup, "mnuSetup_Lang", TextId::LanguageSetupMenu, Command::Language);

    QMenu* help = addMenu("mnuHelp", TextId::Help);
    addEntry(help, "mnuHelp_Topics", TextId::HelpTopics, Command::HelpTopics);
    addSeparator(help, "mnuHelp_Bar1");
    addEntry(help, "mnuHelp_About", TextId::AboutMenu, Command::About);

    tlbActions->setObjectName(QStringLiteral("tlbActions"));
    tlbActions->setMovable(false);
    tlbActions->setFloatable(false);
    tlbActions->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tlbActions->toggleViewAction()->setVisible(false);
    window.addToolBar(Qt::TopToolBarArea, tlbActions);
    QStyle* style = window.style();
    for (const ToolButton& button : kToolButtons) {
        if (button.separatorBefore) tlbActions->addSeparator();
        QAction* tool = tlbActions->addAction(ToolIcon(button, *style), QString());
        tool->setObjectName(QStringLiteral("tlbActions_") + QString::fromLatin1(button.key));
        m_labelled.push_back({tool, button.tooltipId, true});
        QAction* runs = action(button.runs);
        connect(tool, &QAction::triggered, runs, [runs] { runs->trigger(); });
    }
}

void MainMenus::ApplyLanguage()
{
    for (const Labelled& item : m_labelled) {
        const QString text = QText(item.textId);
        if (auto* menu = qobject_cast<QMenu*>(item.target))
            menu->setTitle(text);
        else if (auto* act = qobject_cast<QAction*>(item.target); act && item.tooltip)
            act->setToolTip(WithoutAccessKey(text));
        else if (act)
            act->setText(text);
    }
}

QAction* MainMenus::addEntry(QMenu* menu, const char* name, int textId, Command command,
                             QKeySequence::StandardKey shortcut)
{
    QAction* entry = menu->addAction(QString());
    entry->setObjectName(QString::fromLatin1(name));
    entry->setShortcuts(shortcut);
    if (textId != 0) m_labelled.push_back({entry, textId, false});
    m_actions[static_cast<std::size_t>(command)] = entry;
    return entry;
}

void MainMenus::addSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}
