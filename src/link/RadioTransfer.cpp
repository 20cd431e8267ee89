#include "RadioTransfer.h"

#include "core/DocumentDiff.h"
#include "platform/QtText.h"
#include "platform/SerialPort.h"

namespace {

QString WrittenNotVerified(const QString& reason)
{
    return QString::fromStdString(TextWith(TextId::WrittenNotVerified, {reason.toStdString()}));
}

}  // namespace

RadioTransfer::RadioTransfer(SerialPort& port, QString portName, Job job, const MemoryImage& image,
                             QObject* parent)
    : QObject(parent), m_port(port), m_portName(std::move(portName)), m_job(job), m_image(image)
{
    makeRunner(job == Job::Read ? CloneSession::Direction::Read : CloneSession::Direction::Write);
}

RadioTransfer::~RadioTransfer() = default;

bool RadioTransfer::openPort() { return m_runner->openPort(); }

void RadioTransfer::start()
{
    m_started = true;
    m_runner->start();
}

void RadioTransfer::answerPrompt(bool retry)
{
    if (retry) m_promptReason.clear();
    m_runner->answerPrompt(retry);
}

void RadioTransfer::cancel()
{
    if (!m_started || m_done) return;
    m_stopped = true;
    m_runner->cancel();
}

bool RadioTransfer::interrupt()
{
    if (!m_started || m_done) return false;
    m_stopped = true;
    m_interrupted = true;
    // Between the phases there is no session to end: the read-back just never starts.
    static_cast<void>(m_runner->interrupt());
    return true;
}

QString RadioTransfer::interruptedNote() const
{
    if (verifying() ||
        (m_job == Job::VerifiedWrite && m_runner->session().state() == CloneSession::State::Completed))
        return WrittenNotVerified(QText(TextId::Interrupted));
    if (m_job == Job::Read) return QText(TextId::Interrupted);
    return QText(m_runner->session().blockSent() ? TextId::InterruptedPartlyWritten
                                                 : TextId::InterruptedRadioNotChanged);
}

void RadioTransfer::setDeadlineMs(int ms)
{
    m_deadlineMs = ms;
    m_runner->setDeadlineMs(ms);
}

bool RadioTransfer::verifying() const
{
    return m_job == Job::VerifiedWrite && m_runner->session().direction() == CloneSession::Direction::Read;
}

QString RadioTransfer::progressLabel() const
{
    const QString label = QString::fromStdString(m_runner->session().progressLabel());
    if (m_job != Job::VerifiedWrite) return label;
    return QText(verifying() ? TextId::Verifying : TextId::Writing) + QStringLiteral(" - ") + label;
}

void RadioTransfer::makeRunner(CloneSession::Direction direction)
{
    // The runner of the write is still delivering its finished() signal; it
    // no longer listens to the port.
    if (m_runner) m_runner.release()->deleteLater();
    m_runner = std::make_unique<CloneRunner>(m_port, m_portName, direction, m_image);
    m_runner->setDeadlineMs(m_deadlineMs);
    CloneRunner* runner = m_runner.get();
    connect(runner, &CloneRunner::progressChanged, this,
            [this](int value, const QString&) { Q_EMIT progressChanged(value, progressLabel()); });
    connect(runner, &CloneRunner::checkConnection, this, [this, runner] {
        m_promptReason = QText(TextId::CheckConnectionShort) + QLatin1Char(' ') + runner->failureDetail();
        Q_EMIT checkConnection();
    });
    connect(runner, &CloneRunner::finished, this, &RadioTransfer::onPhaseFinished);
}

void RadioTransfer::onPhaseFinished(CloneRunner::Outcome outcome)
{
    const bool readBack = verifying();
    switch (outcome) {
        case CloneRunner::Outcome::Completed:
            if (readBack) {
                const MemoryImage stored = m_runner->session().image();
                finish(FirstRadioDifference(m_image, stored) ? Outcome::Mismatch : Outcome::Completed,
                       QString::fromStdString(VerificationText(m_image, stored)));
            } else if (m_job == Job::VerifiedWrite) {
                startReadBack();
            } else if (m_job == Job::Read) {
                m_image = m_runner->session().image();
                finish(Outcome::Completed, QText(TextId::ReadingCompleted));
            } else {
                finish(Outcome::Completed, QText(TextId::WritingCompleted));
            }
            break;
        case CloneRunner::Outcome::Refused:
            // Another radio on the line by the read-back says nothing about the one written.
            finish(readBack ? Outcome::NotVerified : Outcome::Refused,
                   readBack ? WrittenNotVerified(QText(TextId::WrongModel)) : QText(TextId::WrongModel));
            break;
        case CloneRunner::Outcome::Cancelled:
            finish(readBack ? Outcome::NotVerified : Outcome::Failed, m_interrupted ? interruptedNote()
                                                                      : readBack
                                                                          ? WrittenNotVerified(stopReason())
                                                                          : stopReason());
            break;
    }
}

void RadioTransfer::startReadBack()
{
    if (m_stopped) {
        finish(Outcome::NotVerified,
               m_interrupted ? interruptedNote() : WrittenNotVerified(QText(TextId::TransferCancelled)));
        return;
    }
    m_promptReason.clear();
    makeRunner(CloneSession::Direction::Read);
    if (!m_runner->openPort()) {
        finish(Outcome::NotVerified,
               WrittenNotVerified(QText(TextId::CannotOpenPort) + QLatin1Char(' ') + m_port.errorText()));
        return;
    }
    m_runner->start();
}

QString RadioTransfer::stopReason() const
{
    return m_promptReason.isEmpty() ? QText(TextId::TransferCancelled) : m_promptReason;
}

void RadioTransfer::finish(Outcome outcome, const QString& text)
{
    m_done = true;
    m_resultText = text;
    Q_EMIT finished(outcome);
}
