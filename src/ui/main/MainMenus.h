#pragma once

#include <vector>

#include <QKeySequence>
#include <QObject>
#include <QString>

class QAction;
class QMainWindow;
class QToolBar;

// The main window's menu bar and toolbar tlbActions. Every menu entry is a
// QAction named after its control (mnuFile_New, mnuProgram_Read, ...; the
// separators mnuFile_Bar1 ...). The seven toolbar buttons (tlbActions_New ...)
// trigger the menu action of the same command, so a command has one handler.
// File New, Open, Save, Save As and Print carry the platform's standard keys.
class MainMenus final : public QObject {
    Q_OBJECT
public:
    explicit MainMenus(QMainWindow& window);

    // The action named `name` (for example "mnuFile_Save"); never null for the names above.
    [[nodiscard]] QAction* action(const QString& name) const;
    // Menu captions and toolbar tooltips in the current language.
    void ApplyLanguage();

    [[nodiscard]] QToolBar* toolBar() const { return tlbActions; }

private:
    struct Labelled {
        QObject* target;  // QMenu (title) or QAction (text or tooltip)
        int textId;
        bool tooltip;
    };

    // `shortcut` is the platform's standard key, shown in the menu.
    QAction* addEntry(class QMenu* menu, const char* name, int textId,
                      QKeySequence::StandardKey shortcut = QKeySequence::UnknownKey);
    void addSeparator(class QMenu* menu, const char* name);

    QMainWindow& m_window;
    QToolBar* tlbActions;
    std::vector<Labelled> m_labelled;
};
