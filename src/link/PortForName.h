#pragma once

#include <QString>
#include <memory>

#include "DemoSerialPort.h"

// The port a port name opens: the demo radio for "demo" (see IsDemoPortName),
// else the system's serial port. `demoRadio` must outlive the port.
[[nodiscard]] std::unique_ptr<SerialPort> PortForName(
    const QString& name, RadioModel& demoRadio,
    DemoSerialPort::Pacing pacing = DemoSerialPort::Pacing::Wire9600);
