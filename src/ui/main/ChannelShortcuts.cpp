#include "ChannelShortcuts.h"

#include "ChannelGrid.h"
#include "DocumentController.h"
#include "core/ChannelCopy.h"
#include "core/ChannelEdit.h"
#include "core/Layout.h"
#include "core/ToneCodec.h"
#include "frmCopy.h"
#include "platform/Prompter.h"
#include "strings/TextId.h"

namespace {

constexpr int kRxFreqCol = ChannelGrid::kRxFreqCol;
constexpr int kTxFreqCol = ChannelGrid::kTxFreqCol;
constexpr int kDecodeCol = ChannelGrid::kDecodeCol;

}  // namespace

ChannelShortcuts::ChannelShortcuts(DocumentController& document, Prompter& prompter, QWidget& dialogParent)
    : m_document(document), m_state(document.state()), m_prompter(prompter), m_dialogParent(dialogParent)
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
            return !cellEmpty(row, kRxFreqCol);
        case Command::CopyTone:
            return !cellEmpty(row, kTxFreqCol);
        case Command::Insert:
            return cellEmpty(m_state.channelCount, kRxFreqCol);
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
    m_document.EndCellEdit();
    m_document.FocusGrid();
    if (!conditionHolds(*command)) return true;

    switch (*command) {
        case Command::CopyChannel:
            m_document.RecordStep({TextId::ChannelCopy}, [this] { runCopy(kCopyChannel); });
            break;
        case Command::CopyFrequency:
            m_document.RecordStep({TextId::FrequencyCopy}, [this] { runCopy(kCopyFrequency); });
            break;
        case Command::CopyTone:
            m_document.RecordStep({TextId::QtDqtCopy}, [this] { runCopy(kCopyTone); });
            break;
        case Command::Insert:
            m_document.Apply([this](DocumentSession& session) { session.InsertChannel(m_state.currentRow); });
            renderFromCurrentRow();
            break;
        case Command::Delete:
            m_document.Apply([this](DocumentSession& session) { session.DeleteChannel(m_state.currentRow); });
            renderFromCurrentRow();
            break;
    }
    return true;
}

void ChannelShortcuts::runCopy(std::uint8_t mode)
{
    const int row = m_state.currentRow;
    m_state.copyMode = mode;
    const ChannelGrid& grid = m_document.grid();
    const frmCopy::Source source{grid.cellText(row, kRxFreqCol), grid.cellText(row, kDecodeCol)};
    frmCopy dialog(
        m_state, m_prompter, source, [this](int channel) { m_document.RenderChannelRow(channel); },
        &m_dialogParent);
    // Cancel leaves everything as it was, also in the two modes that store
    // their result afterwards.
    if (m_prompter.exec(dialog) != QDialog::Accepted) return;
    if (mode == kCopyChannel) return;
    if (mode == kCopyFrequency && dialog.destinationText().isEmpty())
        ClearTxFrequency(m_state.memoryImage, row - 1);
    else if (mode == kCopyFrequency)
        StoreTxFrequency(m_state.memoryImage, row - 1, dialog.destinationText().toStdString());
    else
        StoreTone(m_state.memoryImage, row - 1, dialog.destinationText().toStdString(),
                  layout::kEncodeToneOffset);
    // The row shows what was stored.
    m_document.RenderChannelRow(row);
}

void ChannelShortcuts::renderFromCurrentRow()
{
    for (int channel = m_state.currentRow; channel <= m_state.channelCount; ++channel)
        m_document.RenderChannelRow(channel);
}

bool ChannelShortcuts::cellEmpty(int n, int col) const { return m_document.grid().cellEmpty(n, col); }
