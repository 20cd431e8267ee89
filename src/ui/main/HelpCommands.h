#pragma once

#include <QObject>

#include "core/AppState.h"

class HelpWindow;
class QWidget;

// Help Topics and F1. One help window, made on first use and brought to the
// front again after. F1 with the focus in the channel grid or one of its
// editors opens the topic of the current column, elsewhere in the main window
// the help as it was left.
class HelpCommands final : public QObject {
    Q_OBJECT
public:
    // `grid` decides where F1 is context help; `window` owns the shortcut and the help window.
    HelpCommands(const AppState& state, QWidget& grid, QWidget& window);

    void Topics();
    // The open help window follows a language change.
    void ApplyLanguage();

    // Null until help was first shown.
    [[nodiscard]] HelpWindow* helpWindow() const { return m_help; }

private:
    void contextHelp();
    HelpWindow& help();

    const AppState& m_state;
    QWidget& m_grid;
    QWidget& m_window;
    HelpWindow* m_help = nullptr;
};
