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
    // COM2, ... open off Windows); also offered in the device path list.
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
    QStringList m_detectedDevices;
};
