#include "PortForName.h"

#include "platform/QtSerialPort.h"

std::unique_ptr<SerialPort> PortForName(const QString& name, RadioModel& demoRadio,
                                        DemoSerialPort::Pacing pacing)
{
    if (IsDemoPortName(name)) return std::make_unique<DemoSerialPort>(demoRadio, pacing);
    return std::make_unique<QtSerialPort>();
}
