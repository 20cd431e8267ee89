#include "frmClone.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "CommPortChoice.h"
#include "DemoSerialPort.h"
#include "core/AppState.h"
#include "core/DocumentDiff.h"
#include "platform/Prompter.h"
#include "platform/QtText.h"
#include "platform/SerialPort.h"

namespace {

CloneSession::Direction DirectionOf(const AppState& state)
{
    return state.transferMode == 1 ? CloneSession::Direction::Write : CloneSession::Direction::Read;
}

}  // namespace

frmClone::frmClone(AppState& state, Prompter& prompter, SerialPort& port, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      m_prompter(prompter),
      m_port(port),
      m_verify(DirectionOf(state) == CloneSession::Direction::Write && state.verifyAfterWrite)
{
    setObjectName(QStringLiteral("frmClone"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    setWindowTitle(QText(DirectionOf(state) == CloneSession::Direction::Read ? TextId::ReadFromRadioTitle
                                                                             : TextId::WriteToRadioTitle));

    lblPercent = new QLabel(this);
    lblPercent->setObjectName(QStringLiteral("lblPercent"));
    prgPercent = new QProgressBar(this);
    prgPercent->setObjectName(QStringLiteral("prgPercent"));
    prgPercent->setRange(0, CloneSession::kBlockCount);
    prgPercent->setTextVisible(false);
    makeRunner(DirectionOf(state), state.memoryImage);

    auto* layout = new QVBoxLayout(this);
    if (IsDemoPortName(SelectedPortName(state))) {
        lblDemo = new QLabel(QText(TextId::DemoRadioNotice), this);
        lblDemo->setObjectName(QStringLiteral("lblDemo"));
        layout->addWidget(lblDemo);
    }
    layout->addWidget(lblPercent);
    layout->addWidget(prgPercent);
    setMinimumWidth(380);
    setFixedHeight(sizeHint().height());
}

frmClone::~frmClone() = default;

bool frmClone::openPort() { return m_runner->openPort(); }

void frmClone::makeRunner(CloneSession::Direction direction, const MemoryImage& image)
{
    // The finished runner is still delivering its finished() signal.
    if (m_runner) m_runner.release()->deleteLater();
    m_runner = std::make_unique<CloneRunner>(m_port, SelectedPortName(m_state), direction, image, this);
    prgPercent->setValue(0);
    lblPercent->setText(phaseLabel(QString::fromStdString(m_runner->session().progressLabel())));
    connect(m_runner.get(), &CloneRunner::progressChanged, this, [this](int value, const QString& label) {
        prgPercent->setValue(value);
        lblPercent->setText(phaseLabel(label));
    });
    connect(m_runner.get(), &CloneRunner::checkConnection, this, &frmClone::onCheckConnection);
    connect(m_runner.get(), &CloneRunner::finished, this, &frmClone::onFinished);
}

QString frmClone::phaseLabel(const QString& progress) const
{
    if (!m_verify) return progress;
    const bool writing = m_runner->session().direction() == CloneSession::Direction::Write;
    return QText(writing ? TextId::Writing : TextId::Verifying) + QStringLiteral(" - ") + progress;
}

void frmClone::reject()
{
    if (m_over || !m_started) {
        QDialog::reject();
        return;
    }
    m_runner->cancel();  // finished() closes the window
}

void frmClone::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmClone::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_started) return;
    m_started = true;
    QTimer::singleShot(0, this, [this] { m_runner->start(); });
}

void frmClone::onCheckConnection()
{
    const Prompter::Button answer =
        m_prompter.message(this, QText(TextId::CheckConnection), QText(TextId::Error),
                           Prompter::Icon::Critical, Prompter::Buttons::RetryCancel, Prompter::Button::Retry);
    m_runner->answerPrompt(answer == Prompter::Button::Retry);
}

void frmClone::onFinished(CloneRunner::Outcome outcome)
{
    const bool reading = m_runner->session().direction() == CloneSession::Direction::Read;
    if (outcome == CloneRunner::Outcome::Completed && m_verify && !reading) {
        startReadBack();
        return;
    }
    m_over = true;
    switch (outcome) {
        case CloneRunner::Outcome::Completed:
            if (m_verify) {
                showVerification();
                break;
            }
            setResult(QDialog::Accepted);
            hide();
            if (reading) {
                m_state.memoryImage = m_runner->session().image();
                m_readCompleted = true;
                if (m_readCommitted) m_readCommitted();
                ShowNotice(m_prompter, parentWidget(), QText(TextId::ReadingCompleted), ProductTitle(),
                           Prompter::Icon::Information);
            } else {
                ShowNotice(m_prompter, parentWidget(), QText(TextId::WritingCompleted), ProductTitle(),
                           Prompter::Icon::Information);
            }
            accept();
            break;
        case CloneRunner::Outcome::Refused:
            ShowNotice(m_prompter, this, QText(TextId::WrongModel), QText(TextId::Error),
                       Prompter::Icon::Critical);
            done(QDialog::Rejected);
            break;
        case CloneRunner::Outcome::Cancelled:
            done(QDialog::Rejected);
            break;
    }
}

void frmClone::startReadBack()
{
    // The read-back starts from what was sent, so the radio identifies as it did for the write.
    m_sent = m_runner->session().image();
    makeRunner(CloneSession::Direction::Read, m_sent);
    if (m_runner->openPort()) {
        m_runner->start();
        return;
    }
    m_over = true;
    hide();
    ShowNotice(m_prompter, parentWidget(),
               QText(TextId::CannotOpenPort) + QLatin1Char('\n') + m_port.errorText(), ProductTitle(),
               Prompter::Icon::Critical);
    done(QDialog::Rejected);
}

void frmClone::showVerification()
{
    const MemoryImage stored = m_runner->session().image();
    const bool verified = !FirstRadioDifference(m_sent, stored);
    hide();
    ShowNotice(m_prompter, parentWidget(), QString::fromStdString(VerificationText(m_sent, stored)),
               ProductTitle(), verified ? Prompter::Icon::Information : Prompter::Icon::Critical);
    done(verified ? QDialog::Accepted : QDialog::Rejected);
}
