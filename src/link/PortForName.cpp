#include "PortForName.h"

#include <QDir>
#include <QFileInfo>

#include "platform/QtSerialPort.h"
#include "platform/SerialPorts.h"

std::unique_ptr<SerialPort> PortForName(const QString& name, RadioModel& demoRadio,
                                        DemoSerialPort::Pacing pacing)
{
    if (IsDemoPortName(name)) return std::make_unique<DemoSerialPort>(demoRadio, pacing);
    return std::make_unique<QtSerialPort>();
}

QString PortIdentity(const QString& name)
{
    if (IsDemoPortName(name)) return QString::fromLatin1(kDemoPortName);
    const QString device = SystemPortName(name);
    if (device.isEmpty()) return name;
    const QString canonical = QFileInfo(device).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(device) : canonical;
}
