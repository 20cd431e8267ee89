#include "StatusClock.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>

StatusClock::StatusClock(QWidget* parent)
    : QStatusBar(parent), m_date(new QLabel(this)), m_time(new QLabel(this)), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("staDateTime"));
    setSizeGripEnabled(true);
    m_date->setObjectName(QStringLiteral("Date"));
    m_time->setObjectName(QStringLiteral("Time"));
    for (QLabel* panel : {m_date, m_time}) {
        panel->setAlignment(Qt::AlignCenter);
        panel->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00  ")));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        addPermanentWidget(panel);
    }
    connect(m_timer, &QTimer::timeout, this, [this] { refresh(); });
    m_timer->start(1000);
    refresh();
}

void StatusClock::refresh()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    m_date->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_time->setText(locale.toString(now.time(), QLocale::ShortFormat));
}
