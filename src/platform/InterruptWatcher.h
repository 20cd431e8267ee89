#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a Qt signal delivered by the event loop, so a
// transfer under way can tell the radio End before the process goes. Only the
// first of them is caught: a second one ends the process as usual. One object
// at a time; the previous handlers come back when it is destroyed. Needs a
// QCoreApplication. Does nothing where these signals do not exist.
class InterruptWatcher final : public QObject {
    Q_OBJECT
public:
    explicit InterruptWatcher(QObject* parent = nullptr);
    ~InterruptWatcher() override;
    InterruptWatcher(const InterruptWatcher&) = delete;
    InterruptWatcher& operator=(const InterruptWatcher&) = delete;

    // The signal caught so far, 0 if none.
    [[nodiscard]] int caught() const { return m_caught; }
    // The exit status a shell reports for a process that `signal` ended.
    [[nodiscard]] static int exitStatus(int signal) { return 128 + signal; }

Q_SIGNALS:
    void interrupted(int signal);

private:
    void onPipeReadable();

    QSocketNotifier* m_notifier = nullptr;
    int m_caught = 0;
};
