#include "SerialPorts.h"

#include <algorithm>

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QStringList>

namespace {

// 0..3 for "COM1".."COM4" on systems without such names, else -1.
int mappedComIndex(const QString& name)
{
#ifdef Q_OS_WIN
    Q_UNUSED(name);
    return -1;
#else
    static const QRegularExpression comN(QStringLiteral("^COM([1-4])$"));
    const QRegularExpressionMatch match = comN.match(name);
    return match.hasMatch() ? match.captured(1).toInt() - 1 : -1;
#endif
}

}  // namespace

QList<DetectedPort> DetectedSerialPorts()
{
    QList<DetectedPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        DetectedPort port;
#ifdef Q_OS_WIN
        port.device = info.portName();
#else
        port.device = info.systemLocation();
#endif
        port.description = info.description();
        port.manufacturer = info.manufacturer();
        port.usb = info.hasVendorIdentifier() || info.portName().contains(QLatin1String("USB")) ||
                   info.portName().contains(QLatin1String("ACM"));
        ports.append(port);
    }
    std::stable_sort(ports.begin(), ports.end(), [](const DetectedPort& a, const DetectedPort& b) {
        if (a.usb != b.usb) return a.usb;
        return a.device < b.device;
    });
    return ports;
}

QString PortDetails(const DetectedPort& port)
{
    QStringList parts;
    for (const QString& part : {port.description.trimmed(), port.manufacturer.trimmed()})
        if (!part.isEmpty() && !parts.contains(part)) parts << part;
    return parts.join(QStringLiteral(" - "));
}

QString SystemPortName(const QString& name)
{
    return mappedComIndex(name) < 0 ? name : SystemPortName(name, DetectedSerialPorts());
}

QString SystemPortName(const QString& name, const QList<DetectedPort>& detected)
{
    const int index = mappedComIndex(name);
    if (index < 0) return name;
    return index < detected.size() ? detected[index].device : QString();
}
