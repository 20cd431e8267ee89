#include "CloneRunner.h"

#include <span>

#include <QThread>

#include "platform/SerialPort.h"

namespace {

// The radio needs a moment to take End before the line drops.
constexpr unsigned long kEndToCloseMs = 5;

QByteArray toBytes(const std::vector<std::uint8_t>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

CloneRunner::CloneRunner(SerialPort& port, QString portName, CloneSession::Direction direction,
                         const MemoryImage& image, QObject* parent)
    : QObject(parent), m_port(port), m_portName(std::move(portName)), m_session(direction, image)
{
    m_deadline.setSingleShot(true);
    m_deadline.setTimerType(Qt::PreciseTimer);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        if (m_cause.isEmpty()) m_cause = QStringLiteral("no complete reply within %1 ms").arg(m_deadlineMs);
        apply(m_session.deadlineExpired());
    });
    connect(&m_port, &SerialPort::dataReceived, this, &CloneRunner::onDataReceived);
    connect(&m_port, &SerialPort::failed, this, &CloneRunner::onPortFailed);
}

CloneRunner::~CloneRunner()
{
    if (m_finished) return;
    // Going away mid-transfer: leave neither the radio in its session nor the port open.
    const CloneSession::Actions actions = m_session.cancel();
    if (!actions.send.empty() && m_port.write(toBytes(actions.send)))
        closeAfterEnd();
    else
        m_port.close();
}

bool CloneRunner::openPort() { return m_port.isOpen() || m_port.open(m_portName); }

void CloneRunner::start()
{
    m_started = true;
    apply(m_session.start());
}

void CloneRunner::answerPrompt(bool retry)
{
    if (m_session.state() != CloneSession::State::Prompting) return;
    if (retry && !openPort()) {
        m_cause = portFailure();
        raisePrompt();
        return;
    }
    apply(m_session.answerPrompt(retry));
}

void CloneRunner::cancel() { apply(m_session.cancel()); }

bool CloneRunner::interrupt()
{
    if (!m_started || m_session.isOver()) return false;
    cancel();
    return true;
}

QString CloneRunner::failureDetail() const { return m_failureDetail; }

void CloneRunner::onDataReceived()
{
    const QByteArray bytes = m_port.readAll();
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    apply(m_session.received(std::span<const std::uint8_t>(data, static_cast<std::size_t>(bytes.size()))));
}

void CloneRunner::onPortFailed()
{
    m_cause = portFailure();
    apply(m_session.deadlineExpired());
}

void CloneRunner::apply(const CloneSession::Actions& actions)
{
    if (actions.clearPort) m_port.clear();
    bool sent = true;
    if (!actions.send.empty()) {
        sent = m_port.write(toBytes(actions.send));
    }
    switch (actions.deadline) {
        case CloneSession::Deadline::Arm:
            // A message that could not even be queued is a reply that will never come.
            m_deadline.start(sent ? m_deadlineMs : 0);
            break;
        case CloneSession::Deadline::Stop:
            m_deadline.stop();
            break;
        case CloneSession::Deadline::Keep:
            break;
    }
    if (!sent && m_cause.isEmpty()) m_cause = portFailure();
    if (actions.progressChanged)
        Q_EMIT progressChanged(m_session.progress(), QString::fromStdString(m_session.progressLabel()));
    if (actions.notice == CloneSession::Notice::CheckConnection) raisePrompt();
    closeIfOver();
}

void CloneRunner::closeAfterEnd()
{
    // Every way out of a session sends End; a line that already failed took nothing.
    if (!m_port.isOpen()) return;
    QThread::msleep(kEndToCloseMs);
    m_port.close();
}

QString CloneRunner::portFailure() const { return QStringLiteral("port failed: ") + m_port.errorText(); }

void CloneRunner::raisePrompt()
{
    m_failureDetail = QString::fromStdString(m_session.failureDetail());
    if (!m_cause.isEmpty()) m_failureDetail += QStringLiteral("; ") + m_cause;
    m_cause.clear();
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_session.state() != CloneSession::State::Prompting) return;
            // A line that came back while nobody was looking lets Cancel tell
            // the radio End; if it is still gone, Retry tries again.
            if (!m_port.isOpen()) static_cast<void>(openPort());
            Q_EMIT checkConnection();
        },
        Qt::QueuedConnection);
}

void CloneRunner::closeIfOver()
{
    if (!m_session.isOver() || m_finished) return;
    const CloneSession::State state = m_session.state();
    m_finished = true;
    m_deadline.stop();
    disconnect(&m_port, nullptr, this, nullptr);
    closeAfterEnd();
    QMetaObject::invokeMethod(
        this,
        [this, state] {
            Q_EMIT finished(state == CloneSession::State::Completed ? Outcome::Completed
                            : state == CloneSession::State::Refused ? Outcome::Refused
                                                                    : Outcome::Cancelled);
        },
        Qt::QueuedConnection);
}
