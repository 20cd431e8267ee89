#pragma once

#include <functional>
#include <optional>

#include <QString>
#include <Qt>

#include "core/AppState.h"

class Prompter;
class QWidget;

// The five channel commands of the grid and its editors, acting on channel
// state.currentRow:
//   Shift+F3 / Ctrl+E  channel copy      (RX Freq cell not empty)
//   Shift+F4 / Ctrl+F  frequency copy    (RX Freq cell not empty), then TX stored
//   Shift+F5 / Ctrl+Q  QT/DQT copy       (TX Freq cell not empty), then Encode stored
//   Shift+F9 / Ctrl+I  insert empty      (last channel's RX Freq cell empty)
//   Shift+F10 / Ctrl+D delete
// The modifier must be exactly Shift or exactly Ctrl. An unmet condition does
// nothing and shows nothing.
class ChannelShortcuts final {
public:
    // What the commands need of the main window.
    struct Window {
        QWidget* owner = nullptr;                               // owns the copy dialog
        std::function<QString(int channel, int col)> cellText;  // grid cell of a channel row
        std::function<void(int channel)> renderChannelRow;
        std::function<void()> endCellEdit;  // commits any open editor, focuses the grid
        std::function<void(int channel, const QString& text)> storeTxFrequency;
        std::function<void(int channel)> clearTxFrequency;
    };

    enum class Command { CopyChannel, CopyFrequency, CopyTone, Insert, Delete };

    ChannelShortcuts(AppState& state, Prompter& prompter, Window window);

    // The command a key-down names, if any.
    [[nodiscard]] static std::optional<Command> commandFor(int key, Qt::KeyboardModifiers modifiers);

    // Runs the command of the key. True when the key names a command (whether
    // or not its condition held): the caller then drops the key, so it neither
    // types into an editor nor triggers the platform's default (Shift+F10).
    bool handle(int key, Qt::KeyboardModifiers modifiers);

private:
    [[nodiscard]] bool conditionHolds(Command command) const;
    void runCopy(std::uint8_t mode);
    void renderFromCurrentRow();

    AppState& m_state;
    Prompter& m_prompter;
    Window m_window;
};
