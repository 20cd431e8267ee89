#pragma once

#include <QDialog>
#include <QHash>
#include <QStringList>
#include <array>

#include "CommPortChoice.h"

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The serial port choice for radio transfers: COM1..COM4, any other device
// path, or the built-in demo radio. OK stores the choice in the AppState (until exit, never on disk);
// Cancel or the close box changes nothing. The port itself is not tried here.
class frmCommPort final : public QDialog {
    Q_OBJECT

public:
    // `detectedDevices`: the serial devices present, in COMn order (what COM1,
    // COM2, ... open off Windows, except the COMn in force, which keeps the
    // device it was chosen with); also offered in the device path list. Opens
    // showing the choice in force; OK without a change leaves it untouched.
    frmCommPort(AppState& state, const QStringList& detectedDevices, QWidget* parent = nullptr);

    // What the system says of each device (description and maker), keyed by
    // device, shown beside it so the cable can be told from a modem.
    void showDeviceDetails(const QHash<QString, QString>& detailsByDevice);

    QGroupBox* fraPort;
    std::array<QRadioButton*, CommPortChoice::kPortOptions> optCOM{};
    QRadioButton* optDevice;
    QComboBox* cboDevice;  // editable device path
    QRadioButton* optDemo;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

private:
    [[nodiscard]] CommPortChoice selectedChoice() const;
    void updateOkButton();
    void acceptChoice();

    AppState& m_state;
    QStringList m_comDevices;     // what COM1..COM4 stand for, see ComDevices
    CommPortChoice m_openedWith;  // the choice in force when the dialog opened
};
