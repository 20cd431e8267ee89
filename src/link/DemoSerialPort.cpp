#include "DemoSerialPort.h"

#include <algorithm>
#include <utility>

#include "radio/RadioModel.h"

namespace {

constexpr qint64 kNsPerMs = 1'000'000;
constexpr qint64 kHalfMsNs = kNsPerMs / 2;
// Ten bits a byte (start, eight data, stop) at 9600 baud: about 1.04 ms.
constexpr qint64 kWireByteNs = 10 * 1'000'000'000LL / 9600;

}  // namespace

bool IsDemoPortName(const QString& name)
{
    return name.trimmed().compare(QLatin1String(kDemoPortName), Qt::CaseInsensitive) == 0;
}

DemoSerialPort::DemoSerialPort(RadioModel& radio, Pacing pacing, QObject* parent)
    : SerialPort(parent), m_radio(radio), m_byteNs(pacing == Pacing::Wire9600 ? kWireByteNs : 0)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &DemoSerialPort::deliver);
    m_clock.start();
}

bool DemoSerialPort::open(const QString&)
{
    close();
    m_open = true;
    return true;
}

void DemoSerialPort::close()
{
    m_open = false;
    clear();
}

void DemoSerialPort::clear()
{
    m_inFlight.clear();
    m_received.clear();
    m_timer.stop();
}

bool DemoSerialPort::write(const QByteArray& bytes)
{
    if (!m_open) return false;
    const qint64 now = m_clock.nsecsElapsed();
    m_sendFreeNs = std::max(now, m_sendFreeNs) + bytes.size() * m_byteNs;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    // The radio answers once the whole message is in, after any earlier reply.
    for (const RadioModel::Reply& reply : m_radio.receive({data, static_cast<std::size_t>(bytes.size())})) {
        const auto size = static_cast<qsizetype>(reply.bytes.size());
        m_receiveFreeNs = std::max(m_sendFreeNs, m_receiveFreeNs) + size * m_byteNs;
        m_inFlight.push_back(
            {m_receiveFreeNs, QByteArray(reinterpret_cast<const char*>(reply.bytes.data()), size)});
    }
    scheduleDelivery();
    return true;
}

QByteArray DemoSerialPort::readAll() { return std::exchange(m_received, {}); }

void DemoSerialPort::deliver()
{
    const qint64 now = m_clock.nsecsElapsed();
    const qsizetype before = m_received.size();
    while (!m_inFlight.empty() && m_inFlight.front().dueNs <= now + kHalfMsNs) {
        m_received.append(m_inFlight.front().bytes);
        m_inFlight.pop_front();
    }
    scheduleDelivery();
    if (m_received.size() > before) Q_EMIT dataReceived();
}

void DemoSerialPort::scheduleDelivery()
{
    if (m_inFlight.empty() || m_timer.isActive()) return;
    const qint64 waitNs = m_inFlight.front().dueNs - m_clock.nsecsElapsed();
    // To the nearest millisecond: rounding up every time would add half a
    // millisecond to each of the five hundred exchanges of a transfer.
    m_timer.start(static_cast<int>(std::max<qint64>(0, (waitNs + kHalfMsNs) / kNsPerMs)));
}
