#pragma once

#include <functional>

#include <QStatusBar>

class QLabel;
class QTimer;

// The status bar staDateTime: the panels "Port", "Date" and "Time". Port shows
// the port a transfer will talk to, Date and Time the current date and time in
// the system's short formats; all refreshed every second. The space left of
// them shows the window's passing notes.
class StatusClock final : public QStatusBar {
    Q_OBJECT
public:
    // `portText` gives the Port panel's text.
    StatusClock(QWidget* parent, std::function<QString()> portText);

    // The Port panel at once rather than on the next tick: after a new port choice or language.
    void refreshPort();

private:
    void refresh();

    QLabel* m_port;
    QLabel* m_date;
    QLabel* m_time;
    QTimer* m_timer;
    std::function<QString()> m_portText;
};
