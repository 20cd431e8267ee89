#pragma once

#include <QStatusBar>

class QLabel;
class QTimer;

// The status bar staDateTime: two panels, "Date" and "Time", showing the
// current date and time in the system's short formats, refreshed every
// second. The space left of them shows the window's passing notes.
class StatusClock final : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusClock(QWidget* parent);

private:
    void refresh();

    QLabel* m_date;
    QLabel* m_time;
    QTimer* m_timer;
};
