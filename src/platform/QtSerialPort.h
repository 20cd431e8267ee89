#pragma once

#include <optional>

#include <QSerialPort>

#include "SerialPort.h"

// SerialPort over QSerialPort. Sets DTR and RTS on after every open and asks
// the driver for low latency where it has that setting (given back on close).
// errorText() names the device and says why: in use by another program, the
// system's reason (with the group to join when permission is lacking), or, for
// a line that failed while open, that the port disappeared.
class QtSerialPort final : public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(QObject* parent = nullptr);
    ~QtSerialPort() override;

    bool open(const QString& name) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override;
    void clear() override;
    bool write(const QByteArray& bytes) override;
    QByteArray readAll() override;
    [[nodiscard]] QString errorText() const override;

private:
    void onError(QSerialPort::SerialPortError error);
    [[nodiscard]] QString openFailure() const;

    QSerialPort m_port;
    QString m_device;  // the system's name of the device last opened
    QString m_error;
    bool m_opening = false;
    std::optional<int> m_savedFlags;  // driver flags to give back on close
};
