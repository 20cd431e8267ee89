#include "StatusClock.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>

#include "platform/QtText.h"

StatusClock::StatusClock(QWidget* parent, std::function<QString()> portText)
    : QStatusBar(parent),
      m_port(new QLabel(this)),
      m_date(new QLabel(this)),
      m_time(new QLabel(this)),
      m_timer(new QTimer(this)),
      m_portText(std::move(portText))
{
    setObjectName(QStringLiteral("staDateTime"));
    setSizeGripEnabled(true);
    m_port->setObjectName(QStringLiteral("Port"));
    m_date->setObjectName(QStringLiteral("Date"));
    m_time->setObjectName(QStringLiteral("Time"));
    for (QLabel* panel : {m_port, m_date, m_time}) {
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

void StatusClock::refreshPort()
{
    // A cable plugged in later changes what the first COM port opens, so the
    // text is asked for again on every tick.
    m_port->setText(m_portText());
    m_port->setToolTip(QText(TextId::CommunicationPort));
    m_port->setAccessibleName(QText(TextId::CommunicationPort));
}

void StatusClock::refresh()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    m_date->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_time->setText(locale.toString(now.time(), QLocale::ShortFormat));
    refreshPort();
}
