#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "CloneRunner.h"

class SerialPort;

// One job with the radio on one port, the same for the window, the command
// line and the benchmarks: a read, a write, or a write followed at once by a
// read-back that compares the radio's addresses with what was sent. Each phase
// is a CloneRunner on the same port; the read-back starts from the written
// image, so the radio identifies as it did for the write.
//
// The owner answers checkConnection() with answerPrompt() and learns the end
// from finished(), queued, once the port is closed; resultText() then says it
// in the current language. While verifying, the progress label names the phase
// ("Writing - Completion percentage: 45%").
class RadioTransfer final : public QObject {
    Q_OBJECT
public:
    enum class Job { Read, Write, VerifiedWrite };
    enum class Outcome {
        Completed,    // read, written, or written and found in the radio
        Refused,      // another model answered; nothing was written
        Failed,       // Cancel at the prompt, closed or interrupted before the end
        Mismatch,     // written, and the radio reads back something else
        NotVerified,  // written completely; the read-back could not complete
    };

    // `portName` is what SerialPort::open() takes. The image is copied.
    RadioTransfer(SerialPort& port, QString portName, Job job, const MemoryImage& image,
                  QObject* parent = nullptr);
    ~RadioTransfer() override;

    // Opens the port unless it is already open. False if it cannot be opened.
    [[nodiscard]] bool openPort();
    // Starts the first phase on the open port.
    void start();
    // The answer to checkConnection(): Retry starts the phase again.
    void answerPrompt(bool retry);
    // Stops a job under way (the window was closed): End is sent.
    void cancel();
    // The process is asked to stop: as cancel(), but the End is on the line
    // before this returns, and interruptedNote() says what it left. False when
    // no job was under way.
    bool interrupt();
    // "interrupted" for a read; for a write "... radio not changed" before the
    // first block went out, else "... radio partly written"; while verifying,
    // that the radio was written completely and the verification not.
    [[nodiscard]] QString interruptedNote() const;

    // The per-message deadline; tests shorten it.
    void setDeadlineMs(int ms);

    [[nodiscard]] Job job() const { return m_job; }
    [[nodiscard]] const QString& portName() const { return m_portName; }
    [[nodiscard]] bool verifying() const;
    // The label of the phase under way, as progressChanged() gives it.
    [[nodiscard]] QString progressLabel() const;
    // Why the last checkConnection() was raised, for logs and the command line.
    [[nodiscard]] QString failureDetail() const { return m_runner->failureDetail(); }
    // Once done: the completion text, the verification's result, or what went
    // wrong ("Check Connection. step 7 ...", "interrupted", ...).
    [[nodiscard]] const QString& resultText() const { return m_resultText; }
    // After a completed read: the radio's memory over the starting image.
    // Otherwise the image given.
    [[nodiscard]] const MemoryImage& image() const { return m_image; }

Q_SIGNALS:
    void progressChanged(int value, const QString& label);
    void checkConnection();
    void finished(RadioTransfer::Outcome outcome);

private:
    void makeRunner(CloneSession::Direction direction);
    void onPhaseFinished(CloneRunner::Outcome outcome);
    void startReadBack();
    // Why the phase just over did not complete.
    [[nodiscard]] QString stopReason() const;
    void finish(Outcome outcome, const QString& text);

    SerialPort& m_port;
    QString m_portName;
    Job m_job;
    MemoryImage m_image;
    std::unique_ptr<CloneRunner> m_runner;
    int m_deadlineMs = CloneSession::kDeadlineMs;
    QString m_promptReason;  // the last checkConnection(), until Retry
    bool m_started = false;
    bool m_stopped = false;  // cancel() or interrupt() came
    bool m_interrupted = false;
    bool m_done = false;
    QString m_resultText;
};
