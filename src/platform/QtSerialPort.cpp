#include "QtSerialPort.h"

#include <QFileInfo>

#include "LowLatency.h"
#include "QtText.h"
#include "SerialPorts.h"

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 kReceiveBufferBytes = 1024;
constexpr int kDrainMs = 250;  // 240 bytes at 9600 baud; the program never queues more

// True when this user may read and write the device, so that a refusal can
// only mean another program holds it.
bool MayOpen(const QString& device)
{
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0;
#else
    Q_UNUSED(device);
    return true;
#endif
}

// The group whose members may open the device, as a line telling the user to
// join it; empty where joining would not help.
QString JoinGroupHint(const QString& device)
{
#ifdef Q_OS_LINUX
    struct stat info {};
    if (::stat(QFile::encodeName(device).constData(), &info) != 0) return {};
    if ((info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP)) return {};
    const group* owner = ::getgrgid(info.st_gid);
    if (!owner) return {};
    return QStringLiteral("\n") + QText(TextId::JoinDeviceGroup).arg(QString::fromLocal8Bit(owner->gr_name));
#else
    Q_UNUSED(device);
    return {};
#endif
}

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
    m_device = SystemPortName(name);
    if (m_device.isEmpty()) {
        m_error = name + QStringLiteral(": ") + QText(TextId::NoSuchPort);
        return false;
    }
    m_port.setPortName(m_device);
    m_port.setReadBufferSize(kReceiveBufferBytes);
    m_opening = true;
    const bool opened = m_port.open(QIODevice::ReadWrite);
    const bool configured =
        opened && m_port.setBaudRate(QSerialPort::Baud9600) && m_port.setDataBits(QSerialPort::Data8) &&
        m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop) &&
        m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (configured) {
        // Many cables power their level converter from DTR and RTS, and the
        // systems disagree on how these come up. A line without them (a
        // pseudo-terminal) works regardless.
        static_cast<void>(m_port.setDataTerminalReady(true));
        static_cast<void>(m_port.setRequestToSend(true));
        m_port.clearError();
        m_savedFlags = RequestLowLatency(static_cast<int>(m_port.handle()));
    }
    m_opening = false;
    if (configured) return true;
    m_error = opened ? m_device + QStringLiteral(": ") + m_port.errorString() : openFailure();
    m_port.close();
    return false;
}

QString QtSerialPort::openFailure() const
{
    const QString prefix = m_device + QStringLiteral(": ");
    // Qt reports a device held by another program (its lock, or an exclusive
    // open) as a permission error too.
    if (m_port.error() != QSerialPort::PermissionError) return prefix + m_port.errorString();
    if (MayOpen(m_device)) return prefix + QText(TextId::PortInUse);
    return prefix + m_port.errorString() + JoinGroupHint(m_device);
}

void QtSerialPort::close()
{
    if (!m_port.isOpen()) return;
    if (m_port.bytesToWrite() > 0) m_port.waitForBytesWritten(kDrainMs);
    if (m_savedFlags) RestoreSerialFlags(static_cast<int>(m_port.handle()), *m_savedFlags);
    m_savedFlags.reset();
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
    // open() reports its own failures, and a line without modem controls is no failure.
    if (m_opening || !m_port.isOpen() || error == QSerialPort::OpenError) return;
    // Qt's reason for a vanished device is whatever the next system call said.
    const bool disappeared = error == QSerialPort::ResourceError || !QFileInfo::exists(m_device);
    m_error = m_device + QStringLiteral(": ") +
              (disappeared ? QText(TextId::PortDisappeared) : m_port.errorString());
    m_savedFlags.reset();
    m_port.close();
    Q_EMIT failed();
}
