#pragma once

#include <functional>

#include <QDialog>
#include <QString>

#include "core/AppState.h"

class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The copy dialog in the mode state.copyMode names, for the channel
// state.currentRow:
// - channel copy: Enter copies the whole channel to the typed channel number
//   (through the image, then `renderChannelRow` of the destination) and stays
//   open for further destinations; OK copies once more and closes.
// - frequency copy: Enter/OK closes with destinationText() = the normalised TX text, or
//   "" for "no TX frequency".
// - QT/DQT copy: Enter/OK closes with destinationText() = an entry of the tone list in
//   force.
// Cancel closes with no change; the caller stores destinationText() only after Accepted.
class frmCopy final : public QDialog {
    Q_OBJECT
public:
    // Texts of the current grid row the dialog starts from.
    struct Source {
        QString rxFreq;
        QString decode;
    };

    frmCopy(AppState& state, Prompter& prompter, const Source& source,
            std::function<void(int channel)> renderChannelRow, QWidget* parent = nullptr);

    [[nodiscard]] const QString& destinationText() const { return m_result; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls(const Source& source);
    void copyChannel();
    void enterAction();
    void okClicked();

    AppState& m_state;
    Prompter& m_prompter;
    std::function<void(int)> m_renderChannelRow;
    std::uint8_t m_mode;
    QString m_result;

    QLabel* lbl1 = nullptr;
    QLabel* lblSource = nullptr;
    QLabel* lbl2 = nullptr;
    QLabel* lbl3 = nullptr;
    QLineEdit* txtDest = nullptr;
    QComboBox* cboCode = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};
