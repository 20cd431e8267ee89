#pragma once

#include <functional>
#include <optional>

#include <QObject>

class QKeyEvent;
class QLineEdit;

// The character a key press types: one printable character with neither Ctrl
// nor Alt held alone (Ctrl+Alt is AltGr on some systems) and no Meta; the
// keypad's decimal key types "." whatever the locale. Nothing for editing,
// moving, Enter, Esc and shortcut keys.
[[nodiscard]] std::optional<QChar> TypedCharacter(const QKeyEvent& key);

// The one key filter of the program's filtered one-line boxes; it installs
// itself on `box` and lives as long as the box.
// - A typed character goes in as `accept` turns it (upper case, say); it is
//   dropped when `accept` refuses it or the box already holds `maxLength`
//   characters (with Full::UnlessSelected a selection makes room for it).
// - Keyboard paste (Ctrl+V, Shift+Insert) is dropped; text arriving any other
//   way (middle click, drop, input method) gets in only when every character
//   is one `accept` takes and the result fits `maxLength`.
// - Up, Down, Page Up and Page Down are used up: a one-line box has no use for
//   them, and they must never move a grid under or beside it.
// Every other key (Enter, Esc, Tab, Backspace, Delete, caret keys, shortcuts)
// passes on to the box's owner and the box as before.
class TypedTextFilter final : public QObject {
public:
    // The character to put into the box for a typed one, or nothing to refuse it.
    using Accept = std::function<std::optional<QChar>(QChar)>;
    enum class Full { UnlessSelected, Always };

    TypedTextFilter(QLineEdit& box, Accept accept, int maxLength, Full full);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(const QKeyEvent& key);

    QLineEdit& m_box;
    Accept m_accept;
    int m_maxLength;
    Full m_full;
};

// `accept` rules shared by several boxes.
[[nodiscard]] std::optional<QChar> AcceptDigit(QChar typed);
[[nodiscard]] std::optional<QChar> AcceptDigitOrPoint(QChar typed);
