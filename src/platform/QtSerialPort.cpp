#include "QtSerialPort.h"

#include "SerialPorts.h"

namespace {

constexpr qint64 kReceiveBufferBytes = 1024;
constexpr int kDrainMs = 250;  // 240 bytes at 9600 baud; the program never queues more

}  // namespace

QtSerialPort::QtSerialPort(QObject* parent) : SerialPort(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialPort::dataReceived);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPort::onError);
}

QtSerialPort::~QtSerialPort() { close(); }

bool QtSerialPort::open(const QString& name)
{
    close();
    m_error.clear();
    const QString device = SystemPortName(name);
    if (device.isEmpty()) {
        m_error = QStringLiteral("%1: no such serial port").arg(name);
        return false;
    }
    m_port.setPortName(device);
    m_port.setReadBufferSize(kReceiveBufferBytes);
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_error = QStringLiteral("%1: %2").arg(device, m_port.errorString());
        return false;
    }
    const bool configured =
        m_port.setBaudRate(QSerialPort::Baud9600) && m_port.setDataBits(QSerialPort::Data8) &&
        m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop) &&
        m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        m_error = QStringLiteral("%1: %2").arg(device, m_port.errorString());
        m_port.close();
        return false;
    }
    return true;
}

void QtSerialPort::close()
{
    if (!m_port.isOpen()) return;
    if (m_port.bytesToWrite() > 0) m_port.waitForBytesWritten(kDrainMs);
    m_port.close();
}

bool QtSerialPort::isOpen() const { return m_port.isOpen(); }

void QtSerialPort::clear()
{
    if (m_port.isOpen()) m_port.clear(QSerialPort::AllDirections);
}

bool QtSerialPort::write(const QByteArray& bytes)
{
    if (!m_port.isOpen() || m_port.write(bytes) != bytes.size()) return false;
    // Hand the bytes to the driver now rather than on the next event-loop pass:
    // every reply waits for this message.
    m_port.flush();
    return true;
}

QByteArray QtSerialPort::readAll() { return m_port.isOpen() ? m_port.readAll() : QByteArray(); }

QString QtSerialPort::errorText() const { return m_error; }

void QtSerialPort::onError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError) return;
    m_error = m_port.errorString();
    // Only a failure of an open line matters here; open() reports its own.
    if (!m_port.isOpen() || error == QSerialPort::OpenError) return;
    m_port.close();
    Q_EMIT failed();
}
