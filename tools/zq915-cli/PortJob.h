#pragma once

#include <QElapsedTimer>
#include <functional>
#include <memory>
#include <string>

#include "link/RadioTransfer.h"
#include "platform/SerialPort.h"

// One radio job of the command line on one port. Nobody can answer Retry
// here, so the cause of a Check Connection prompt becomes the result. Runs on
// the event loop, so any number can run side by side. `onChange` is called
// whenever the progress label or the result changes; done() is true once the
// result is there. A port that cannot be opened is a result, not an error.
class PortJob final {
public:
    PortJob(std::unique_ptr<SerialPort> serial, std::string port, RadioTransfer::Job job,
            const MemoryImage& image, std::function<void()> onChange);
    ~PortJob();

    void start();
    // The process is asked to stop: a job under way ends properly and the
    // result says what it left.
    void interrupt();
    // Gives a result without touching the port.
    void refuse(std::string message);

    [[nodiscard]] const std::string& port() const { return m_port; }
    [[nodiscard]] bool done() const { return m_done; }
    [[nodiscard]] bool ok() const { return m_ok; }
    // interrupt() stopped a job under way.
    [[nodiscard]] bool interrupted() const { return m_interrupted; }
    // While running: the progress label; once done: the result text.
    [[nodiscard]] std::string status() const;
    // From start() to the result.
    [[nodiscard]] double seconds() const { return m_seconds; }
    // After a completed read: the radio's memory over the starting image.
    [[nodiscard]] const MemoryImage& image() const { return m_transfer.image(); }

private:
    void finish(bool ok, std::string message);

    std::unique_ptr<SerialPort> m_serial;
    std::string m_port;
    RadioTransfer m_transfer;
    std::function<void()> m_onChange;
    QElapsedTimer m_elapsed;
    double m_seconds = 0;
    std::string m_label;
    bool m_done = false;
    bool m_ok = false;
    bool m_interrupted = false;
    std::string m_message;
};
