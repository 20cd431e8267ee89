#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// A serial line as the radio link uses it: 9600 baud, 8 data bits, no parity,
// 1 stop bit, receive buffer 1024 bytes, no handshaking, DTR and RTS on.
// Everything happens on the thread that owns the object.
class SerialPort : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SerialPort() override = default;

    // `name` is "COM1".."COM4" or a device path (see SystemPortName). False,
    // with errorText() ("<device>: <reason>", possibly with a line of advice),
    // if the port cannot be opened. Opening an open port closes it first.
    virtual bool open(const QString& name) = 0;
    // Sends what is still queued, then closes. Harmless when closed.
    virtual void close() = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
    // Discards everything received and not yet read, and everything not yet sent.
    virtual void clear() = 0;
    // Queues bytes for sending; false if the port is closed or failed.
    virtual bool write(const QByteArray& bytes) = 0;
    // Everything received so far (possibly nothing).
    virtual QByteArray readAll() = 0;
    [[nodiscard]] virtual QString errorText() const = 0;

Q_SIGNALS:
    // Bytes arrived; readAll() returns them.
    void dataReceived();
    // The line failed while open (device unplugged, I/O error). The port is
    // closed by the time this arrives.
    void failed();
};
