#include "PortJob.h"

#include "strings/Strings.h"

PortJob::PortJob(std::unique_ptr<SerialPort> serial, std::string port, RadioTransfer::Job job,
                 const MemoryImage& image, std::function<void()> onChange)
    : m_serial(std::move(serial)),
      m_port(std::move(port)),
      m_transfer(*m_serial, QString::fromStdString(m_port), job, image),
      m_onChange(std::move(onChange)),
      m_label(m_transfer.progressLabel().toStdString())
{
    QObject::connect(&m_transfer, &RadioTransfer::progressChanged, &m_transfer,
                     [this](int, const QString& label) {
                         if (label.toStdString() == m_label) return;
                         m_label = label.toStdString();
                         m_onChange();
                     });
    QObject::connect(&m_transfer, &RadioTransfer::checkConnection, &m_transfer,
                     [this] { m_transfer.answerPrompt(false); });
    QObject::connect(&m_transfer, &RadioTransfer::finished, &m_transfer, [this](RadioTransfer::Outcome how) {
        finish(how == RadioTransfer::Outcome::Completed, m_transfer.resultText().toStdString());
    });
}

PortJob::~PortJob() = default;

void PortJob::start()
{
    m_elapsed.start();
    if (!m_transfer.openPort()) {
        finish(false, Text(TextId::CannotOpenPort) + "\n" + m_serial->errorText().toStdString());
        return;
    }
    m_transfer.start();
    m_onChange();
}

void PortJob::refuse(std::string message)
{
    m_elapsed.start();
    finish(false, std::move(message));
}

void PortJob::interrupt()
{
    // finished() follows once the port is closed.
    if (m_transfer.interrupt()) m_interrupted = true;
}

std::string PortJob::status() const { return m_done ? m_message : m_label; }

void PortJob::finish(bool ok, std::string message)
{
    m_done = true;
    m_ok = ok;
    m_seconds = static_cast<double>(m_elapsed.elapsed()) / 1000.0;
    m_message = std::move(message);
    m_onChange();
}
