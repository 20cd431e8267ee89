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

// What a key types, or "" for editing, moving and shortcut keys. A key may
// type several characters at once (an emoji); that is typing too.
QString TypedText(const QKeyEvent& key)
{
    if (IsKeypadDecimal(key)) return QStringLiteral(".");
    const QString text = key.text();
    const bool typing = !text.isEmpty() && IsPrintable(text.front()) && !IsShortcutChord(key.modifiers());
    return typing ? text : QString();
}

}  // namespace

std::optional<QChar> TypedCharacter(const QKeyEvent& key)
{
    const QString text = TypedText(key);
    return text.size() == 1 ? std::optional<QChar>(text.front()) : std::nullopt;
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
    const QString typed = TypedText(key);
    if (typed.isEmpty()) return false;
    const auto accepted = typed.size() == 1 ? m_accept(typed.front()) : std::nullopt;
    const bool roomForIt =
        m_box.text().size() < m_maxLength || (m_full == Full::UnlessSelected && m_box.hasSelectedText());
    if (accepted && roomForIt) m_box.insert(QString(*accepted));
    return true;
}
