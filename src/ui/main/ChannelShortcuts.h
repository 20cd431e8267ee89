#pragma once

#include <cstdint>
#include <optional>

#include <Qt>

#include "core/AppState.h"

class DocumentController;
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
    enum class Command { CopyChannel, CopyFrequency, CopyTone, Insert, Delete };

    // `dialogParent` owns the copy dialog.
    ChannelShortcuts(DocumentController& document, Prompter& prompter, QWidget& dialogParent);

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
    [[nodiscard]] bool cellEmpty(int n, int col) const;

    DocumentController& m_document;
    AppState& m_state;
    Prompter& m_prompter;
    QWidget& m_dialogParent;
};
