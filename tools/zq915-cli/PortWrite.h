#pragma once

#include <QElapsedTimer>
#include <functional>
#include <memory>
#include <string>

#include "core/MemoryImage.h"
#include "link/CloneRunner.h"
#include "platform/SerialPort.h"

// Writes one radio and, with verification, reads it back at once and compares
// the radio's addresses with what was sent. Everything runs on the event loop,
// so any number of them can run side by side. `onChange` is called whenever
// the phase, the percentage or the result changes; done() is true once the
// result is there. A port that cannot be opened is a result, not an error.
class PortWrite final {
public:
    PortWrite(std::unique_ptr<SerialPort> serial, std::string port, const MemoryImage& image, bool verify,
              std::function<void()> onChange);
    ~PortWrite();

    void start();
    // The process is asked to stop: a transfer under way ends properly and
    // the result says it was interrupted.
    void interrupt();
    // Gives a result without touching the port (the port was named twice).
    void refuse(std::string message);

    [[nodiscard]] const std::string& port() const { return m_port; }
    [[nodiscard]] bool done() const { return m_done; }
    [[nodiscard]] bool ok() const { return m_ok; }
    // While running: "Writing - Completion percentage: 45%"; once done: the completion text or what went
    // wrong.
    [[nodiscard]] std::string status() const;
    // From start() to the result.
    [[nodiscard]] double seconds() const { return m_seconds; }

private:
    void startPhase(CloneSession::Direction direction);
    void onFinished(CloneRunner::Outcome outcome);
    void finish(bool ok, std::string message);

    std::unique_ptr<SerialPort> m_serial;
    std::string m_port;
    MemoryImage m_image;
    bool m_verify;
    std::function<void()> m_onChange;
    std::unique_ptr<CloneRunner> m_runner;
    QElapsedTimer m_elapsed;
    double m_seconds = 0;
    std::string m_label;  // the session's "Completion percentage: NN%"
    bool m_done = false;
    bool m_ok = false;
    std::string m_message;
};
