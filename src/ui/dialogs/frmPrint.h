#pragma once

#include <QDialog>
#include <QPrinter>
#include <QString>

#include "PrintLayout.h"

struct AppState;
class Prompter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Range-box rules, kept free of widgets so they can be checked directly.
// A box holds at most three digits; a selection can be typed over.
// The text a range box takes when the focus leaves it. Both boxes are read as
// their leading decimal number (empty = 0), rounded half to even.
// Start: 0 (or less), or more than the end -> "1"; else the number ("007" -> "7").
[[nodiscard]] QString ValidatedRangeStart(const QString& start, const QString& end);
// End: above 128, or below the start -> "128"; else the number.
[[nodiscard]] QString ValidatedRangeEnd(const QString& start, const QString& end);

// "Print Out List": which items to print, the channel range, printer set-up,
// preview, and the print job itself. Every modal window it opens (printer
// set-up "dlgPrintSetup", printer choice "dlgPrint", preview
// "dlgPrintPreview") and every message goes through the Prompter.
// OK closes the dialog (accept) only when the job was handed to the printer.
class frmPrint final : public QDialog {
    Q_OBJECT
public:
    frmPrint(const AppState& state, Prompter& prompter, QWidget* parent = nullptr);

    // The printer the job uses; set-up and the printer dialog change it.
    [[nodiscard]] QPrinter& printer() { return m_printer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void enableRange(bool on);
    void setBothItems(bool checked);
    void validateStart();
    void validateEnd();
    // OK and Preview by their Alt keys leave the focus in a range box: it is
    // validated as leaving it would, before the range is read.
    void validateFocusedRangeBox();
    // What the controls hold now; changes nothing.
    [[nodiscard]] PrintChoices choices() const;
    [[nodiscard]] bool anythingSelected();
    void runSetup();
    void runPreview();
    void runPrint();
    void reportFailure();

    const AppState& m_state;
    Prompter& m_prompter;
    QPrinter m_printer{QPrinter::HighResolution};
    QString m_bandLabel;

    QCheckBox* chkPrintItem_1 = nullptr;
    QCheckBox* chkPrintItem_2 = nullptr;
    QLabel* lblFrom = nullptr;
    QLineEdit* txtRange_0 = nullptr;
    QLabel* lblTo = nullptr;
    QLineEdit* txtRange_1 = nullptr;
    QPushButton* cmdSelectAll = nullptr;
    QPushButton* cmdClearAll = nullptr;
    QPushButton* cmdSetup = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdOK = nullptr;
};

// File > Print: opens "Print Out List" modally over `parent` through `prompter`.
void ShowPrintDialog(AppState& state, Prompter& prompter, QWidget* parent);
