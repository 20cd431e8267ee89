#include "PortWrite.h"

#include "core/DocumentDiff.h"
#include "strings/Strings.h"

namespace {

// Nobody can answer Retry here: the question's first sentence is the message.
constexpr std::string_view kCheckConnection = "Check Connection.";

}  // namespace

PortWrite::PortWrite(std::unique_ptr<SerialPort> serial, std::string port, const MemoryImage& image,
                     bool verify, std::function<void()> onChange)
    : m_serial(std::move(serial)),
      m_port(std::move(port)),
      m_image(image),
      m_verify(verify),
      m_onChange(std::move(onChange))
{
}

PortWrite::~PortWrite() = default;

void PortWrite::start()
{
    m_elapsed.start();
    startPhase(CloneSession::Direction::Write);
}

void PortWrite::refuse(std::string message)
{
    m_elapsed.start();
    finish(false, std::move(message));
}

void PortWrite::interrupt()
{
    // finished() follows once the port is closed.
    if (m_runner && m_runner->interrupt()) m_message = m_runner->interruptedNote().toStdString();
}

std::string PortWrite::status() const
{
    if (m_done) return m_message;
    const bool writing = !m_runner || m_runner->session().direction() == CloneSession::Direction::Write;
    return Text(writing ? TextId::Writing : TextId::Verifying) + " - " + m_label;
}

void PortWrite::startPhase(CloneSession::Direction direction)
{
    // The write's runner is still delivering its finished() signal.
    if (m_runner) m_runner.release()->deleteLater();
    // The read-back starts from what was sent, so the radio identifies as it did for the write.
    m_runner = std::make_unique<CloneRunner>(*m_serial, QString::fromStdString(m_port), direction, m_image);
    m_label = m_runner->session().progressLabel();
    if (!m_runner->openPort()) {
        finish(false, Text(TextId::CannotOpenPort) + "\n" + m_serial->errorText().toStdString());
        return;
    }
    CloneRunner* runner = m_runner.get();
    QObject::connect(runner, &CloneRunner::progressChanged, runner, [this](int, const QString& label) {
        if (label.toStdString() == m_label) return;
        m_label = label.toStdString();
        m_onChange();
    });
    QObject::connect(runner, &CloneRunner::checkConnection, runner, [this, runner] {
        m_message = std::string(kCheckConnection) + " " + runner->failureDetail().toStdString();
        runner->answerPrompt(false);
    });
    QObject::connect(runner, &CloneRunner::finished, runner,
                     [this](CloneRunner::Outcome how) { onFinished(how); });
    runner->start();
    m_onChange();
}

void PortWrite::onFinished(CloneRunner::Outcome outcome)
{
    const bool writing = m_runner->session().direction() == CloneSession::Direction::Write;
    switch (outcome) {
        case CloneRunner::Outcome::Completed:
            if (!writing) {
                const MemoryImage stored = m_runner->session().image();
                finish(!FirstRadioDifference(m_image, stored), VerificationText(m_image, stored));
            } else if (m_verify) {
                startPhase(CloneSession::Direction::Read);
            } else {
                finish(true, Text(TextId::WritingCompleted));
            }
            break;
        case CloneRunner::Outcome::Refused:
            finish(false, Text(TextId::WrongModel));
            break;
        case CloneRunner::Outcome::Cancelled:
            finish(false, m_message.empty() ? std::string(kCheckConnection) : m_message);
            break;
    }
}

void PortWrite::finish(bool ok, std::string message)
{
    m_done = true;
    m_ok = ok;
    m_seconds = static_cast<double>(m_elapsed.elapsed()) / 1000.0;
    m_message = std::move(message);
    m_onChange();
}
