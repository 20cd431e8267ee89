#pragma once

#include <QString>
#include <memory>

#include "DemoSerialPort.h"

// The port a port name opens: the demo radio for "demo" (see IsDemoPortName),
// else the system's serial port. `demoRadio` must outlive the port.
[[nodiscard]] std::unique_ptr<SerialPort> PortForName(
    const QString& name, RadioModel& demoRadio,
    DemoSerialPort::Pacing pacing = DemoSerialPort::Pacing::Wire9600);

// What a port name stands for, so that two names of one port compare equal:
// the demo radio whatever the case, COM1..COM4 as the device each opens, a
// device by its canonical path (links, "//" and ".." resolved). A name that
// leads nowhere stands for itself.
[[nodiscard]] QString PortIdentity(const QString& name);
