#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QTimer>
#include <deque>

#include "platform/SerialPort.h"

class RadioModel;

// The port name that selects the built-in demo radio, wherever a port is named.
inline constexpr char kDemoPortName[] = "demo";
// True for "demo" in any letter case, blanks around it ignored.
[[nodiscard]] bool IsDemoPortName(const QString& name);

// A serial line to an in-process radio model instead of a device. It opens
// whatever the name. Paced, each byte takes its 9600-baud time on the wire in
// each direction and a reply is handed over when its last byte has arrived
// (to the nearest millisecond), so a transfer takes as long as with a real
// radio; unpaced, replies arrive on the next event-loop pass. The model outlives the port: the
// radio keeps what was written to it for the next transfer.
class DemoSerialPort final : public SerialPort {
    Q_OBJECT
public:
    enum class Pacing { Wire9600, None };

    explicit DemoSerialPort(RadioModel& radio, Pacing pacing = Pacing::Wire9600, QObject* parent = nullptr);

    bool open(const QString& name) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override { return m_open; }
    void clear() override;
    bool write(const QByteArray& bytes) override;
    QByteArray readAll() override;
    [[nodiscard]] QString errorText() const override { return {}; }

private:
    struct InFlight {
        qint64 dueNs;  // when the reply has fully arrived, on m_clock
        QByteArray bytes;
    };

    // Moves every reply that has arrived into the receive buffer, then waits for the next.
    void deliver();
    void scheduleDelivery();

    RadioModel& m_radio;
    qint64 m_byteNs;
    bool m_open = false;
    QElapsedTimer m_clock;
    qint64 m_sendFreeNs = 0;     // the outgoing line is busy until then
    qint64 m_receiveFreeNs = 0;  // the incoming line is busy until then
    std::deque<InFlight> m_inFlight;
    QByteArray m_received;
    QTimer m_timer;
};
