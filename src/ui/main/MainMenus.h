#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include <QKeySequence>
#include <QObject>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

// The main window's menu bar and toolbar tlbActions. Every menu entry is a
// QAction named after its control (mnuFile_New, mnuProgram_Read, ...; the
// separators mnuFile_Bar1 ...). The seven toolbar buttons (tlbActions_New ...)
// trigger the menu action of the same command, so a command has one handler.
// File New, Open, Save, Save As and Print carry the platform's standard keys;
// Edit Undo Ctrl+Z, Redo Ctrl+Y and Ctrl+Shift+Z.
class MainMenus final : public QObject {
    Q_OBJECT
public:
    // Every menu entry that runs a command, in menu order.
    enum class Command : std::size_t {
        New,
        Open,
        Save,
        SaveAs,
        ExportChannels,
        ImportChannels,
        Print,
        Exit,
        Undo,
        Redo,
        Read,
        Write,
        VerifyAfterWrite,  // checkable
        Test,
        OptionalFeatures,
        CommPort,
        Language,
        HelpTopics,
        About,
        Count
    };

    explicit MainMenus(QMainWindow& window);

    [[nodiscard]] QAction* action(Command command) const
    {
        return m_actions[static_cast<std::size_t>(command)];
    }
    // Menu captions and toolbar tooltips in the current language.
    void ApplyLanguage();

    [[nodiscard]] QToolBar* toolBar() const { return tlbActions; }
    // File > Recent Files, filled by its owner.
    [[nodiscard]] QMenu* recentFilesMenu() const { return mnuFile_Recent; }

private:
    struct Labelled {
        QObject* target;  // QMenu (title) or QAction (text or tooltip)
        int textId;
        bool tooltip;
    };

    // `shortcut` is the platform's standard key, shown in the menu. Text id 0:
    // the caption is kept by the entry's command (Undo and Redo name the step).
    QAction* addEntry(QMenu* menu, const char* name, int textId, Command command,
                      QKeySequence::StandardKey shortcut = QKeySequence::UnknownKey);
    void addSeparator(QMenu* menu, const char* name);

    QToolBar* tlbActions;
    QMenu* mnuFile_Recent = nullptr;
    std::array<QAction*, static_cast<std::size_t>(Command::Count)> m_actions{};
    std::vector<Labelled> m_labelled;
};
