#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

// Every message box, file dialog and modal dialog launch goes through this, so
// tests can answer them without blocking.
class Prompter {
public:
    enum class Icon { None, Question, Information, Exclamation, Critical };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
    enum class Button { Ok, Cancel, Yes, No, Retry };

    virtual ~Prompter() = default;

    // Shows a message box; `defaultButton` is the one Enter presses.
    virtual Button message(QWidget* parent, const QString& text, const QString& title, Icon icon,
                           Buttons buttons, Button defaultButton) = 0;

    // A message box whose buttons carry `buttons` (access keys allowed), left
    // to right; returns the index of the one pressed, `escapeIndex` for Esc
    // or the close box.
    virtual int choose(QWidget* parent, const QString& text, const QString& title, Icon icon,
                       const QStringList& buttons, int defaultIndex, int escapeIndex) = 0;

    // A message with `details` (any length) in a scrollable area the box can
    // show. With `acceptText` it asks: the buttons `acceptText` (pressed by
    // Enter, answering Ok) and Cancel; without, it has OK alone and answers Ok.
    virtual Button detailedMessage(QWidget* parent, const QString& text, const QString& details,
                                   const QString& title, Icon icon, const QString& acceptText) = 0;

    // `filter` is in the program's "Description|*.ext" form. The dialog starts
    // in `startFolder`, or where the toolkit chooses when it is empty; an
    // empty `title` leaves the toolkit's. Empty result = cancelled.
    virtual QString openFileName(QWidget* parent, const QString& filter, const QString& startFolder,
                                 const QString& title) = 0;
    // `proposedName` may carry the folder to start in. Asks for overwrite
    // confirmation itself. Empty result = cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& filter, const QString& proposedName,
                                 const QString& title) = 0;

    // Runs a modal dialog; returns QDialog::exec()'s result.
    virtual int exec(QDialog& dialog) = 0;
};

// Convenience for the common case: OK only, OK pressed by Enter.
inline void ShowNotice(Prompter& prompter, QWidget* parent, const QString& text, const QString& title,
                       Prompter::Icon icon)
{
    prompter.message(parent, text, title, icon, Prompter::Buttons::Ok, Prompter::Button::Ok);
}
