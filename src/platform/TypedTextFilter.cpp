#include "TypedTextFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace {

bool IsPrintable(QChar c) { return c.unicode() >= 0x20 && c.unicode() != 0x7F; }

// Ctrl or Alt alone, or Meta: a shortcut, not typing.
bool IsShortcutChord(Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & Qt::AltModifier;
    return ctrl != alt || (modifiers & Qt::MetaModifier);
}

bool IsKeypadDecimal(const QKeyEvent& key)
{
    return (key.modifiers() & Qt::KeypadModifier) &&
           (key.key() == Qt::Key_Comma || key.key() == Qt::Key_Period);
}

bool IsUnusedMovingKey(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
}

// Text that reaches the box without being typed passes only whole: every
// character one the box takes, and no longer than the box may hold.
class WholeTextValidator final : public QValidator {
public:
    WholeTextValidator(TypedTextFilter::Accept accept, int maxLength, QObject* parent)
        : QValidator(parent), m_accept(std::move(accept)), m_maxLength(maxLength)
    {
    }

    State validate(QString& input, int&) const override
    {
        if (input.size() > m_maxLength) return Invalid;
        QString accepted;
        for (const QChar c : input) {
            const auto turned = m_accept(c);
            if (!turned) return Invalid;
            accepted += *turned;
        }
        input = accepted;
        return Acceptable;
    }

private:
    TypedTextFilter::Accept m_accept;
    int m_maxLength;
};

}  // namespace

std::optional<QChar> TypedCharacter(const QKeyEvent& key)
{
    if (IsKeypadDecimal(key)) return QChar(u'.');
    const QString text = key.text();
    if (text.size() != 1 || !IsPrintable(text.front()) || IsShortcutChord(key.modifiers()))
        return std::nullopt;
    return text.front();
}

std::optional<QChar> AcceptDigit(QChar typed)
{
    return typed >= u'0' && typed <= u'9' ? std::optional<QChar>(typed) : std::nullopt;
}

std::optional<QChar> AcceptDigitOrPoint(QChar typed) { return typed == u'.' ? typed : AcceptDigit(typed); }

TypedTextFilter::TypedTextFilter(QLineEdit& box, Accept accept, int maxLength, Full full)
    : QObject(&box), m_box(box), m_accept(std::move(accept)), m_maxLength(maxLength), m_full(full)
{
    box.setValidator(new WholeTextValidator(m_accept, maxLength, this));
    // Composed text would arrive in pieces the filter cannot judge one by one.
    box.setAttribute(Qt::WA_InputMethodEnabled, false);
    box.installEventFilter(this);
}

bool TypedTextFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_box && event->type() == QEvent::KeyPress)
        return keyPress(*static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

bool TypedTextFilter::keyPress(const QKeyEvent& key)
{
    if (key.matches(QKeySequence::Paste) || IsUnusedMovingKey(key.key())) return true;
    const QString text = key.text();
    // A key that types several characters at once is typing too, just never accepted.
    const bool typing = IsKeypadDecimal(key) ||
                        (!text.isEmpty() && IsPrintable(text.front()) && !IsShortcutChord(key.modifiers()));
    if (!typing) return false;
    const auto typed = TypedCharacter(key);
    const auto accepted = typed ? m_accept(*typed) : std::nullopt;
    const bool roomForIt =
        m_box.text().size() < m_maxLength || (m_full == Full::UnlessSelected && m_box.hasSelectedText());
    if (accepted && roomForIt) m_box.insert(QString(*accepted));
    return true;
}
