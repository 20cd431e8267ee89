#pragma once

#include <QSerialPort>

#include "SerialPort.h"

// SerialPort over QSerialPort.
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

    QSerialPort m_port;
    QString m_error;
};
