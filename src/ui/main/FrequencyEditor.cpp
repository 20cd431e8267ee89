#include "FrequencyEditor.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

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
    // The key filter below is the rule; the validator also stops text that
    // arrives by other paths (selection paste, input methods).
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]{0,9}")), this));
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
    // The keypad's decimal key types "," in some locales; here, as on the grid, it is the point.
    const bool keypadDecimal =
        (event->modifiers() & Qt::KeypadModifier) && (key == Qt::Key_Comma || key == Qt::Key_Period);
    const QString typed = keypadDecimal ? QStringLiteral(".") : event->text();
    const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier;
    if (plain && typed.size() == 1 &&
        ((typed[0] >= QLatin1Char('0') && typed[0] <= QLatin1Char('9')) || typed[0] == QLatin1Char('.'))) {
        if (text().size() >= kMaxLength && !hasSelectedText()) return;
        insert(typed);
        return;
    }
    // Caret movement and deleting stay; every other key (letters, clipboard
    // shortcuts, Shift+Insert) is dropped.
    if (IsEditingKey(key) && !event->matches(QKeySequence::Paste) && !event->matches(QKeySequence::Cut))
        QLineEdit::keyPressEvent(event);
}

void FrequencyEditor::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Switching to another window is not leaving the cell: the typing waits for
    // the user's return instead of being committed half-done.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) Q_EMIT focusLost();
}
