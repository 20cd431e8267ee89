#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

// The About window: program name, version, release date (in the system's
// short date form) and the rights notice, in the current language.
class frmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent);

    // The lines of lblAbout, one per line.
    [[nodiscard]] static QString AboutText();

    QLabel* lblAbout;
    QPushButton* cmdOK;
};
