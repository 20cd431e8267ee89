#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWidget>

// Synthetic keyboard input for widget tests: press and release through the
// application, so event filters see them as they see real keys.
namespace keyinput {

inline void press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                  const QString& text = {})
{
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &up);
}

// The text a plain (unmodified) key produces for `key`.
inline QString keyText(int key)
{
    switch (key) {
        case Qt::Key_Return:
            return QStringLiteral("\r");
        case Qt::Key_Enter:
            return QStringLiteral("\r");
        case Qt::Key_Escape:
            return QStringLiteral("\x1b");
        case Qt::Key_Backspace:
            return QStringLiteral("\b");
        case Qt::Key_Tab:
            return QStringLiteral("\t");
        default:
            return {};
    }
}

// A named key (Enter, Esc, Backspace, F-keys, ...) to the focused widget.
inline void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    if (target) press(target, key, modifiers, modifiers == Qt::NoModifier ? keyText(key) : QString());
}

// Each character as its own key press to the focused widget.
inline void type(const QString& text)
{
    for (const QChar c : text) {
        QWidget* target = QApplication::focusWidget();
        if (!target) return;
        const QChar upper = c.toUpper();
        const int code =
            upper.unicode() >= 0x20 && upper.unicode() < 0x7F ? int(upper.unicode()) : int(Qt::Key_unknown);
        press(target, code, c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(c));
    }
}

// Shows `window` and waits (briefly) until it is the active window.
inline bool showActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    QElapsedTimer clock;
    clock.start();
    while (QApplication::activeWindow() != window && clock.elapsed() < 2000) QApplication::processEvents();
    return QApplication::activeWindow() == window;
}

}  // namespace keyinput
