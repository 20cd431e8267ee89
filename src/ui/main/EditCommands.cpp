#include "EditCommands.h"

#include <QAction>

#include "DocumentController.h"
#include "document/DocumentSession.h"

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
    const DocumentSession& session = m_document.session();
    m_undo.setEnabled(session.history().canUndo());
    m_undo.setText(QString::fromStdString(session.UndoCaption()));
    m_redo.setEnabled(session.history().canRedo());
    m_redo.setText(QString::fromStdString(session.RedoCaption()));
}
