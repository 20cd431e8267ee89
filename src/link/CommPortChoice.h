#pragma once

#include <QString>
#include <QStringList>

#include "core/AppState.h"

// The port dialog's choice: one of COM1..COM4, an explicit device path (a
// USB adapter beyond the fourth, a pseudo-terminal), or the built-in demo
// radio. Lasts until exit.
struct CommPortChoice {
    static constexpr int kPortOptions = 4;
    static constexpr int kDeviceOption = kPortOptions;  // after COM1..COM4
    static constexpr int kDemoOption = kDeviceOption + 1;

    int option = 0;  // 0..3 for COM1..COM4, kDeviceOption for `device`, kDemoOption
    QString device;
};

// What the dialog selects when it opens: the demo radio when the device is
// "demo" (chosen or typed). A port number outside 1..4 (never produced by the
// program) selects COM1.
[[nodiscard]] CommPortChoice CurrentCommPortChoice(const AppState& state);

// What COM1..COM4 stand for (off Windows): the detected devices in order,
// except that the COMn in force stands for the device it was chosen with.
// Shorter than four when fewer devices are known.
[[nodiscard]] QStringList ComDevices(const AppState& state, const QStringList& detectedDevices);

// Whether OK can take the choice: a device choice needs a non-blank path.
[[nodiscard]] bool IsCommPortChoiceValid(const CommPortChoice& choice);

// Stores a valid choice in state.commPortNumber / commPortDevice (a COMn
// choice clears the device, a device choice keeps the port number, the demo
// radio is the device "demo"). Off Windows a COMn choice also keeps the device
// it showed, the n-th of `comDevices` (see ComDevices). An invalid choice
// changes nothing and returns false.
bool ApplyCommPortChoice(AppState& state, const CommPortChoice& choice, const QStringList& comDevices = {});

// What the serial port is opened with: the chosen device path, the device
// COMn showed when it was chosen, or "COM<n>" (never chosen, or a dash).
[[nodiscard]] QString SelectedPortName(const AppState& state);

// The port a transfer talks to, for the status bar: "Demo radio", a chosen
// device path as it stands, or "COMn" with the device it opens where COMn
// stands for a detected device ("COM1 (/dev/ttyUSB0)", a dash when none is
// present). The devices are looked up only for a COMn that never showed one.
[[nodiscard]] QString PortInForceText(const AppState& state);

// Caption of option button i (0..3): "COM" text and i + 1; where COMn is a
// detected device rather than a system name, the device it opens follows
// ("COM1  (/dev/ttyUSB0)", or a dash when there is none).
[[nodiscard]] QString CommPortCaption(int index, const QStringList& comDevices);
