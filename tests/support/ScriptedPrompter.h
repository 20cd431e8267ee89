#pragma once

#include <deque>
#include <functional>
#include <vector>

#include <QStringList>

#include "platform/Prompter.h"

// Answers prompts from scripts and records what was asked. A question
// (anything but a plain OK box) or a dialog without a script fails the test.
class ScriptedPrompter final : public Prompter {
public:
    struct Asked {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
        Button defaultButton;
        QStringList choices;  // the buttons of a choice; empty for a message
        QString details;     // detailedMessage only
        QString acceptText;  // detailedMessage only; set: Buttons::OkCancel with this text for Ok
    };
    struct FileAsked {
        QString filter;
        QString proposedName;  // empty for open
        bool save;
        QString startFolder;  // open only
        QString title;
    };

    std::vector<Asked> asked;
    std::deque<Button> answers;
    std::deque<int> choiceAnswers;  // button indexes for choose()

    std::vector<FileAsked> fileDialogs;
    std::deque<QString> fileNames;  // "" answers Cancel

    std::vector<QString> dialogsShown;  // objectName of each dialog run
    std::deque<std::function<int(QDialog&)>> dialogScripts;

    Button message(QWidget* parent, const QString& text, const QString& title, Icon icon, Buttons buttons,
                   Button defaultButton) override;
    int choose(QWidget* parent, const QString& text, const QString& title, Icon icon,
               const QStringList& buttons, int defaultIndex, int escapeIndex) override;
    // Recorded in `asked` like a message; a question takes the next answer.
    Button detailedMessage(QWidget* parent, const QString& text, const QString& details, const QString& title,
                           Icon icon, const QString& acceptText) override;
    QString openFileName(QWidget* parent, const QString& filter, const QString& startFolder,
                         const QString& title) override;
    QString saveFileName(QWidget* parent, const QString& filter, const QString& proposedName,
                         const QString& title) override;
    int exec(QDialog& dialog) override;

    // Texts of every message asked so far.
    [[nodiscard]] QStringList texts() const;
};
