#include "ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QStringList>

Prompter::Button ScriptedPrompter::message(QWidget*, const QString& text, const QString& title, Icon icon,
                                           Buttons buttons, Button defaultButton)
{
    asked.push_back({text, title, icon, buttons, defaultButton, {}});
    if (answers.empty()) {
        if (buttons != Buttons::Ok) ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return defaultButton;
    }
    const Button answer = answers.front();
    answers.pop_front();
    return answer;
}

Prompter::Button ScriptedPrompter::detailedMessage(QWidget* parent, const QString& text,
                                                   const QString& details, const QString& title, Icon icon,
                                                   const QString& acceptText)
{
    const Buttons buttons = acceptText.isEmpty() ? Buttons::Ok : Buttons::OkCancel;
    const Button answer = message(parent, text, title, icon, buttons, Button::Ok);
    asked.back().details = details;
    asked.back().acceptText = acceptText;
    return answer;
}

int ScriptedPrompter::choose(QWidget*, const QString& text, const QString& title, Icon icon,
                             const QStringList& buttons, int, int escapeIndex)
{
    asked.push_back({text, title, icon, Buttons::Ok, Button::Ok, buttons});
    if (choiceAnswers.empty()) {
        ADD_FAILURE() << "unscripted choice: " << text.toStdString();
        return escapeIndex;
    }
    const int answer = choiceAnswers.front();
    choiceAnswers.pop_front();
    return answer;
}

QString ScriptedPrompter::openFileName(QWidget*, const QString& filter, const QString& startFolder,
                                       const QString& title)
{
    fileDialogs.push_back({filter, QString(), false, startFolder, title});
    if (fileNames.empty()) {
        ADD_FAILURE() << "unscripted open dialog";
        return {};
    }
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString ScriptedPrompter::saveFileName(QWidget*, const QString& filter, const QString& proposedName,
                                       const QString& title)
{
    fileDialogs.push_back({filter, proposedName, true, QString(), title});
    if (fileNames.empty()) {
        ADD_FAILURE() << "unscripted save dialog";
        return {};
    }
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

int ScriptedPrompter::exec(QDialog& dialog)
{
    dialogsShown.push_back(dialog.objectName());
    if (dialogScripts.empty()) {
        ADD_FAILURE() << "unscripted dialog: " << dialog.objectName().toStdString();
        return QDialog::Rejected;
    }
    auto script = std::move(dialogScripts.front());
    dialogScripts.pop_front();
    return script(dialog);
}

QStringList ScriptedPrompter::texts() const
{
    QStringList out;
    for (const Asked& a : asked) out << a.text;
    return out;
}
