#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "radio/CloneSession.h"

class SerialPort;

// Drives a CloneSession over a serial port: what arrives goes to the session
// at once, and the next message goes out as soon as a reply is evaluated. One
// deadline timer (500 ms per message) stands for a missing reply; a port that
// fails mid-transfer counts as a missing reply too. However the session ends
// (End sent), the port closes 5 ms later.
//
// Notices reach the owner as queued signals, never from inside the port's own
// signal handling: checkConnection() asks for answerPrompt(); finished()
// arrives once, after the port has been closed. Once over, the runner no
// longer listens to the port, so the next runner on it gets every byte.
class CloneRunner final : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Completed, Refused, Cancelled };

    // `portName` is what SerialPort::open() takes. The image is copied.
    CloneRunner(SerialPort& port, QString portName, CloneSession::Direction direction,
                const MemoryImage& image, QObject* parent = nullptr);
    // Mid-transfer, sends End; closes the port unless finished() has done so.
    ~CloneRunner() override;

    // Opens the port unless it is already open. False if it cannot be opened.
    [[nodiscard]] bool openPort();
    // Starts the dialogue on the open port.
    void start();
    // The user's answer to checkConnection(). A port that has gone is reopened
    // before checkConnection() is raised, and again on Retry; if that fails,
    // checkConnection() comes again.
    void answerPrompt(bool retry);
    // Ends a transfer that is still going (the window was closed): End is sent.
    void cancel();
    // The process is asked to stop: a transfer under way is cancelled (End
    // sent, the port closed 5 ms later) before this returns. False when none
    // was under way.
    bool interrupt();

    // The per-message deadline; tests shorten it.
    void setDeadlineMs(int ms) { m_deadlineMs = ms; }

    [[nodiscard]] const CloneSession& session() const { return m_session; }
    // Why the last checkConnection() was raised, for logs and the command line.
    [[nodiscard]] QString failureDetail() const;

Q_SIGNALS:
    void progressChanged(int value, const QString& label);
    void checkConnection();
    void finished(CloneRunner::Outcome outcome);

private:
    void onDataReceived();
    void onPortFailed();
    void apply(const CloneSession::Actions& actions);
    [[nodiscard]] QString portFailure() const;
    void raisePrompt();
    // Once the session is over: stop the deadline, close the port, queue finished().
    void closeIfOver();
    // Closes the port 5 ms after the End just sent.
    void closeAfterEnd();

    SerialPort& m_port;
    QString m_portName;
    CloneSession m_session;
    QTimer m_deadline;
    int m_deadlineMs = CloneSession::kDeadlineMs;
    QString m_cause;  // why the reply is missing, until the prompt it causes
    QString m_failureDetail;
    bool m_started = false;
    bool m_finished = false;
};
