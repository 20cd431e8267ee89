#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <utility>

#include "platform/SerialPort.h"
#include "radio/RadioModel.h"

// A serial port wired to an in-process radio model. Replies arrive from the
// event loop; late ones after `lateMs`, and not at all once the buffers were
// cleared in between (the user took longer than that to answer the prompt).
class FakeSerialPort final : public SerialPort {
public:
    explicit FakeSerialPort(RadioModel& radio) : m_radio(radio) { m_clock.start(); }

    int lateMs = 150;
    int allowedOpens = 1000;  // later opens fail ("busy")
    int failAtWrite = -1;     // the line dies on this write (1-based)

    int opens = 0;
    int writes = 0;
    QString openedName;
    QByteArray sent;
    qint64 lastWriteNs = -1;  // on the port's own clock
    qint64 closedNs = -1;

    bool open(const QString& name) override
    {
        ++opens;
        openedName = name;
        if (opens > allowedOpens) {
            m_error = QStringLiteral("busy");
            return false;
        }
        m_open = true;
        m_received.clear();
        return true;
    }
    void close() override
    {
        if (m_open) closedNs = m_clock.nsecsElapsed();
        m_open = false;
    }
    [[nodiscard]] bool isOpen() const override { return m_open; }
    void clear() override
    {
        m_received.clear();
        ++m_generation;
    }
    bool write(const QByteArray& bytes) override
    {
        if (!m_open) return false;
        ++writes;
        sent += bytes;
        lastWriteNs = m_clock.nsecsElapsed();
        if (writes == failAtWrite) {
            m_open = false;
            m_error = QStringLiteral("device removed");
            QTimer::singleShot(0, this, [this] { Q_EMIT failed(); });
            return true;
        }
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        for (RadioModel::Reply& reply : m_radio.receive({data, static_cast<std::size_t>(bytes.size())})) {
            const QByteArray chunk(reinterpret_cast<const char*>(reply.bytes.data()),
                                   static_cast<qsizetype>(reply.bytes.size()));
            QTimer::singleShot(reply.late ? lateMs : 0, this, [this, chunk, generation = m_generation] {
                if (!m_open || generation != m_generation) return;
                m_received += chunk;
                Q_EMIT dataReceived();
            });
        }
        return true;
    }
    QByteArray readAll() override { return std::exchange(m_received, {}); }
    [[nodiscard]] QString errorText() const override { return m_error; }

private:
    RadioModel& m_radio;
    QElapsedTimer m_clock;
    bool m_open = false;
    int m_generation = 0;
    QByteArray m_received;
    QString m_error;
};
