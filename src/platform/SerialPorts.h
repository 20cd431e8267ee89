#pragma once

#include <QList>
#include <QString>

// The serial devices of this machine, and how the program's port names map to them.

struct DetectedPort {
    QString device;        // what open() takes: "COM3" on Windows, "/dev/ttyUSB0" elsewhere
    QString description;   // for display, may be empty
    bool usb = false;
    QString manufacturer;  // for display, may be empty
};

// "description - maker" as the system reports them, empty when it says nothing.
[[nodiscard]] QString PortDetails(const DetectedPort& port);

// Every detected serial device: USB adapters first, then the others, each
// group ordered by device name.
[[nodiscard]] QList<DetectedPort> DetectedSerialPorts();

// The device a port name opens. On Windows the name itself. Elsewhere
// "COM1".."COM4" is the n-th of DetectedSerialPorts() (empty when there are
// fewer); any other name is taken as a device path and returned unchanged.
[[nodiscard]] QString SystemPortName(const QString& name);
// Same mapping over a given list, for callers that already listed the ports.
[[nodiscard]] QString SystemPortName(const QString& name, const QList<DetectedPort>& detected);
