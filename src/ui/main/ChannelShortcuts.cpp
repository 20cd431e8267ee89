#include "ChannelShortcuts.h"

#include "core/ChannelCopy.h"
#include "core/ChannelShift.h"
#include "core/Layout.h"
#include "core/ToneCodec.h"
#include "frmCopy.h"
#include "platform/Prompter.h"

namespace {

constexpr int kRxFreqCol = 1;
constexpr int kTxFreqCol = 2;
constexpr int kDecodeCol = 3;

}  // namespace

ChannelShortcuts::ChannelShortcuts(AppState& state, Prompter& prompter, Window window)
    : m_state(state), m_prompter(prompter), m_window(std::move(window))
{
}

std::optional<ChannelShortcuts::Command> ChannelShortcuts::commandFor(int key,
                                                                      Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~Qt::KeypadModifier;
    struct Binding {
        int shiftKey;
        int ctrlKey;
        Command command;
    };
    static constexpr Binding kBindings[] = {{Qt::Key_F3, Qt::Key_E, Command::CopyChannel},
                                            {Qt::Key_F4, Qt::Key_F, Command::CopyFrequency},
                                            {Qt::Key_F5, Qt::Key_Q, Command::CopyTone},
                                            {Qt::Key_F9, Qt::Key_I, Command::Insert},
                                            {Qt::Key_F10, Qt::Key_D, Command::Delete}};
    for (const Binding& binding : kBindings) {
        if ((modifiers == Qt::ShiftModifier && key == binding.shiftKey) ||
            (modifiers == Qt::ControlModifier && key == binding.ctrlKey))
            return binding.command;
    }
    return std::nullopt;
}

bool ChannelShortcuts::conditionHolds(Command command) const
{
    const int row = m_state.currentRow;
    if (row < 1 || row > m_state.channelCount) return false;
    switch (command) {
        case Command::CopyChannel:
        case Command::CopyFrequency:
            return !m_window.cellText(row, kRxFreqCol).isEmpty();
        case Command::CopyTone:
            return !m_window.cellText(row, kTxFreqCol).isEmpty();
        case Command::Insert:
            return m_window.cellText(m_state.channelCount, kRxFreqCol).isEmpty();
        case Command::Delete:
            return true;
    }
    return false;
}

bool ChannelShortcuts::handle(int key, Qt::KeyboardModifiers modifiers)
{
    const auto command = commandFor(key, modifiers);
    if (!command) return false;
    if (!conditionHolds(*command)) return true;
    // An open editor is committed first, so the command sees the cells as the
    // user left them; that commit can change the condition.
    m_window.endCellEdit();
    if (!conditionHolds(*command)) return true;

    switch (*command) {
        case Command::CopyChannel:
            runCopy(kCopyChannel);
            break;
        case Command::CopyFrequency:
            runCopy(kCopyFrequency);
            break;
        case Command::CopyTone:
            runCopy(kCopyTone);
            break;
        case Command::Insert:
            InsertEmptyChannel(m_state.memoryImage, m_state.channelCount, m_state.currentRow);
            renderFromCurrentRow();
            break;
        case Command::Delete:
            DeleteChannel(m_state.memoryImage, m_state.channelCount, m_state.currentRow);
            renderFromCurrentRow();
            break;
    }
    return true;
}

void ChannelShortcuts::runCopy(std::uint8_t mode)
{
    const int row = m_state.currentRow;
    m_state.copyMode = mode;
    const frmCopy::Source source{m_window.cellText(row, kRxFreqCol), m_window.cellText(row, kDecodeCol)};
    frmCopy dialog(m_state, m_prompter, source, m_window.renderChannelRow, m_window.owner);
    // Cancel leaves everything as it was, also in the two modes that store
    // their result afterwards.
    if (m_prompter.exec(dialog) != QDialog::Accepted) return;
    if (mode == kCopyChannel) return;
    if (mode == kCopyFrequency && dialog.destinationText().isEmpty())
        m_window.clearTxFrequency(row);
    else if (mode == kCopyFrequency)
        m_window.storeTxFrequency(row, dialog.destinationText());
    else
        StoreTone(m_state.memoryImage, row - 1, dialog.destinationText().toStdString(),
                  layout::kEncodeToneOffset);
    // The row shows what was stored.
    m_window.renderChannelRow(row);
}

void ChannelShortcuts::renderFromCurrentRow()
{
    for (int channel = m_state.currentRow; channel <= m_state.channelCount; ++channel)
        m_window.renderChannelRow(channel);
}
