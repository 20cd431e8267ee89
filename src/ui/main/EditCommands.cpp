#include "EditCommands.h"

#include <QAction>

#include "DocumentController.h"
#include "platform/QtText.h"

EditCommands::EditCommands(DocumentController& document, QAction& undo, QAction& redo)
    : QObject(&document), m_document(document), m_undo(undo), m_redo(redo)
{
    connect(&undo, &QAction::triggered, this, [this] { m_document.Undo(); });
    connect(&redo, &QAction::triggered, this, [this] { m_document.Redo(); });
    connect(&document, &DocumentController::historyChanged, this, &EditCommands::refresh);
    connect(&document, &DocumentController::languageApplied, this, &EditCommands::refresh);
    refresh();
}

void EditCommands::refresh()
{
    const EditHistory& history = m_document.history();
    m_undo.setEnabled(history.canUndo());
    m_undo.setText(history.canUndo() ? QText(TextId::UndoStep).arg(StepText(history.undoName()))
                                     : QText(TextId::Undo));
    m_redo.setEnabled(history.canRedo());
    m_redo.setText(history.canRedo() ? QText(TextId::RedoStep).arg(StepText(history.redoName()))
                                     : QText(TextId::Redo));
}

QString StepText(const StepName& name)
{
    if (name.channel == 0) return QText(name.textId);
    return QText(TextId::ChannelStep).arg(QString::number(name.channel), QText(name.textId));
}
