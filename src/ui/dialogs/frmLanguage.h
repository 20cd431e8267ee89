#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

// Language Setup: picks English or Chinese. OK sets the process language when
// the choice differs from it; Cancel (or closing) changes nothing. The dialog
// does not relabel anything itself; its opener compares the language before
// and after.
class frmLanguage final : public QDialog {
    Q_OBJECT
public:
    explicit frmLanguage(QWidget* parent);

    QLabel* lblLang;
    QComboBox* cboLang;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    void accept() override;
};
