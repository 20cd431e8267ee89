#include "frmClone.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "CommPortChoice.h"
#include "DemoSerialPort.h"
#include "core/AppState.h"
#include "platform/Prompter.h"
#include "platform/QtText.h"

namespace {

RadioTransfer::Job JobOf(const AppState& state)
{
    if (state.transferMode != 1) return RadioTransfer::Job::Read;
    return state.verifyAfterWrite ? RadioTransfer::Job::VerifiedWrite : RadioTransfer::Job::Write;
}

}  // namespace

frmClone::frmClone(AppState& state, Prompter& prompter, SerialPort& port, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      m_prompter(prompter),
      m_transfer(port, SelectedPortName(state), JobOf(state), state.memoryImage)
{
    setObjectName(QStringLiteral("frmClone"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    setWindowTitle(QText(m_transfer.job() == RadioTransfer::Job::Read ? TextId::ReadFromRadioTitle
                                                                      : TextId::WriteToRadioTitle));

    lblPercent = new QLabel(m_transfer.progressLabel(), this);
    lblPercent->setObjectName(QStringLiteral("lblPercent"));
    prgPercent = new QProgressBar(this);
    prgPercent->setObjectName(QStringLiteral("prgPercent"));
    prgPercent->setRange(0, CloneSession::kBlockCount);
    prgPercent->setValue(0);
    prgPercent->setTextVisible(false);
    connect(&m_transfer, &RadioTransfer::progressChanged, this, [this](int value, const QString& label) {
        prgPercent->setValue(value);
        lblPercent->setText(label);
    });
    connect(&m_transfer, &RadioTransfer::checkConnection, this, &frmClone::onCheckConnection);
    connect(&m_transfer, &RadioTransfer::finished, this, &frmClone::onFinished);

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

bool frmClone::openPort() { return m_transfer.openPort(); }

void frmClone::reject()
{
    if (m_over || !m_started) {
        QDialog::reject();
        return;
    }
    m_transfer.cancel();  // finished() closes the window
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
    QTimer::singleShot(0, this, [this] { m_transfer.start(); });
}

void frmClone::onCheckConnection()
{
    const Prompter::Button answer =
        m_prompter.message(this, QText(TextId::CheckConnection), QText(TextId::Error),
                           Prompter::Icon::Critical, Prompter::Buttons::RetryCancel, Prompter::Button::Retry);
    m_transfer.answerPrompt(answer == Prompter::Button::Retry);
}

void frmClone::onFinished(RadioTransfer::Outcome outcome)
{
    m_over = true;
    switch (outcome) {
        case RadioTransfer::Outcome::Completed:
            setResult(QDialog::Accepted);
            hide();
            if (m_transfer.job() == RadioTransfer::Job::Read) {
                m_state.memoryImage = m_transfer.image();
                m_readCompleted = true;
                if (m_readCommitted) m_readCommitted();
            }
            ShowNotice(m_prompter, parentWidget(), m_transfer.resultText(), ProductTitle(),
                       Prompter::Icon::Information);
            accept();
            break;
        case RadioTransfer::Outcome::Mismatch:
        case RadioTransfer::Outcome::NotVerified:
            hide();
            ShowNotice(m_prompter, parentWidget(), m_transfer.resultText(), ProductTitle(),
                       outcome == RadioTransfer::Outcome::Mismatch ? Prompter::Icon::Critical
                                                                   : Prompter::Icon::Exclamation);
            done(QDialog::Rejected);
            break;
        case RadioTransfer::Outcome::Refused:
            ShowNotice(m_prompter, this, QText(TextId::WrongModel), QText(TextId::Error),
                       Prompter::Icon::Critical);
            done(QDialog::Rejected);
            break;
        case RadioTransfer::Outcome::Failed:
            done(QDialog::Rejected);
            break;
    }
}
