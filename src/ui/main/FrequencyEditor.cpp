#include "FrequencyEditor.h"

#include <QKeyEvent>

#include "platform/TypedTextFilter.h"

namespace {

bool IsEditingKey(int key)
{
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            return true;
        default:
            return false;
    }
}

}  // namespace

FrequencyEditor::FrequencyEditor(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("txtMemChannel"));
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAlignment(Qt::AlignCenter);
    setFrame(false);
    new TypedTextFilter(*this, AcceptDigitOrPoint, kMaxLength, TypedTextFilter::Full::UnlessSelected);
}

bool FrequencyEditor::event(QEvent* event)
{
    // Not claimed as the line's own text undo, so they reach the document's.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) return false;
    }
    return QLineEdit::event(event);
}

void FrequencyEditor::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        Q_EMIT enterPressed();
        return;
    }
    if (key == Qt::Key_Escape) {
        Q_EMIT escapePressed();
        return;
    }
    // Typed characters never get here. Caret movement and deleting stay; every
    // other key (clipboard and undo shortcuts, function keys) is dropped.
    if (IsEditingKey(key) && !event->matches(QKeySequence::Cut)) QLineEdit::keyPressEvent(event);
}

void FrequencyEditor::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Switching to another window is not leaving the cell: the typing waits for
    // the user's return instead of being committed half-done.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) Q_EMIT focusLost();
}
