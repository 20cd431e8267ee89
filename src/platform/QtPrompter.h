#pragma once

#include "Prompter.h"

// The real message boxes, file dialogs and modal loops.
class QtPrompter final : public Prompter {
public:
    Button message(QWidget* parent, const QString& text, const QString& title, Icon icon, Buttons buttons,
                   Button defaultButton) override;
    int choose(QWidget* parent, const QString& text, const QString& title, Icon icon,
               const QStringList& buttons, int defaultIndex, int escapeIndex) override;
    Button detailedMessage(QWidget* parent, const QString& text, const QString& details, const QString& title,
                           Icon icon, const QString& acceptText) override;
    QString openFileName(QWidget* parent, const QString& filter, const QString& startFolder,
                         const QString& title) override;
    QString saveFileName(QWidget* parent, const QString& filter, const QString& proposedName,
                         const QString& title) override;
    int exec(QDialog& dialog) override;
};

// "Description|*.ext" -> Qt's "Description (*.ext)" form (the description
// already names the pattern, so it is kept as it stands).
[[nodiscard]] QString QtFileFilter(const QString& programFilter);
