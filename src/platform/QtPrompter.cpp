#include "QtPrompter.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon ToQt(Prompter::Icon icon)
{
    switch (icon) {
        case Prompter::Icon::Question:
            return QMessageBox::Question;
        case Prompter::Icon::Information:
            return QMessageBox::Information;
        case Prompter::Icon::Exclamation:
            return QMessageBox::Warning;
        case Prompter::Icon::Critical:
            return QMessageBox::Critical;
        case Prompter::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(Prompter::Buttons buttons)
{
    switch (buttons) {
        case Prompter::Buttons::Ok:
            return QMessageBox::Ok;
        case Prompter::Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Prompter::Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Prompter::Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Prompter::Buttons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton ToQt(Prompter::Button button)
{
    switch (button) {
        case Prompter::Button::Ok:
            return QMessageBox::Ok;
        case Prompter::Button::Cancel:
            return QMessageBox::Cancel;
        case Prompter::Button::Yes:
            return QMessageBox::Yes;
        case Prompter::Button::No:
            return QMessageBox::No;
        case Prompter::Button::Retry:
            return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

Prompter::Button FromQt(int button, Prompter::Buttons offered)
{
    switch (button) {
        case QMessageBox::Ok:
            return Prompter::Button::Ok;
        case QMessageBox::Yes:
            return Prompter::Button::Yes;
        case QMessageBox::No:
            return Prompter::Button::No;
        case QMessageBox::Retry:
            return Prompter::Button::Retry;
        default:
            break;
    }
    // Esc or the close box on a box without Cancel counts as its only answer.
    return offered == Prompter::Buttons::Ok ? Prompter::Button::Ok : Prompter::Button::Cancel;
}

}  // namespace

Prompter::Button QtPrompter::message(QWidget* parent, const QString& text, const QString& title, Icon icon,
                                     Buttons buttons, Button defaultButton)
{
    QMessageBox box(ToQt(icon), title, text, ToQt(buttons), parent);
    box.setDefaultButton(ToQt(defaultButton));
    return FromQt(box.exec(), buttons);
}

int QtPrompter::choose(QWidget* parent, const QString& text, const QString& title, Icon icon,
                       const QStringList& buttons, int defaultIndex, int escapeIndex)
{
    QMessageBox box(ToQt(icon), title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> shown;
    for (const QString& caption : buttons) shown << box.addButton(caption, QMessageBox::AcceptRole);
    if (defaultIndex >= 0 && defaultIndex < shown.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(shown.at(defaultIndex)));
    if (escapeIndex >= 0 && escapeIndex < shown.size()) box.setEscapeButton(shown.at(escapeIndex));
    box.exec();
    const qsizetype pressed = shown.indexOf(box.clickedButton());
    return pressed < 0 ? escapeIndex : static_cast<int>(pressed);
}

Prompter::Button QtPrompter::detailedMessage(QWidget* parent, const QString& text, const QString& details,
                                             const QString& title, Icon icon, const QString& acceptText)
{
    QMessageBox box(ToQt(icon), title, text, QMessageBox::NoButton, parent);
    box.setDetailedText(details);
    if (acceptText.isEmpty()) {
        box.setDefaultButton(box.addButton(QMessageBox::Ok));
        box.exec();
        return Button::Ok;
    }
    QPushButton* accept = box.addButton(acceptText, QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(accept);
    box.exec();
    return box.clickedButton() == accept ? Button::Ok : Button::Cancel;
}

QString QtFileFilter(const QString& programFilter)
{
    const qsizetype bar = programFilter.indexOf(QLatin1Char('|'));
    if (bar < 0) return programFilter;
    const QString description = programFilter.left(bar);
    const QString pattern = programFilter.mid(bar + 1);
    return description.contains(pattern) ? description
                                         : description + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

QString QtPrompter::openFileName(QWidget* parent, const QString& filter, const QString& startFolder,
                                 const QString& title)
{
    return QFileDialog::getOpenFileName(parent, title, startFolder, QtFileFilter(filter));
}

QString QtPrompter::saveFileName(QWidget* parent, const QString& filter, const QString& proposedName,
                                 const QString& title)
{
    QFileDialog dialog(parent, title, proposedName, QtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // "*.dat" -> "dat": the dialog adds it to a typed name without a suffix
    // before it asks about replacing a file.
    dialog.setDefaultSuffix(filter.section(QLatin1Char('.'), -1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

int QtPrompter::exec(QDialog& dialog) { return dialog.exec(); }
