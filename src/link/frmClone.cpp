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
      m_runner(port, SelectedPortName(state), DirectionOf(state), state.memoryImage, this)
{
    setObjectName(QStringLiteral("frmClone"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    setWindowTitle(QText(DirectionOf(state) == CloneSession::Direction::Read ? 1633 : 1634));

    lblPercent = new QLabel(QString::fromStdString(m_runner.session().progressLabel()), this);
    lblPercent->setObjectName(QStringLiteral("lblPercent"));
    prgPercent = new QProgressBar(this);
    prgPercent->setObjectName(QStringLiteral("prgPercent"));
    prgPercent->setRange(0, CloneSession::kBlockCount);
    prgPercent->setValue(0);
    prgPercent->setTextVisible(false);

    auto* layout = new QVBoxLayout(this);
    if (IsDemoPortName(SelectedPortName(state))) {
        lblDemo = new QLabel(QText(1791), this);
        lblDemo->setObjectName(QStringLiteral("lblDemo"));
        layout->addWidget(lblDemo);
    }
    layout->addWidget(lblPercent);
    layout->addWidget(prgPercent);
    setMinimumWidth(380);
    setFixedHeight(sizeHint().height());

    connect(&m_runner, &CloneRunner::progressChanged, this, [this](int value, const QString& label) {
        prgPercent->setValue(value);
        lblPercent->setText(label);
    });
    connect(&m_runner, &CloneRunner::checkConnection, this, &frmClone::onCheckConnection);
    connect(&m_runner, &CloneRunner::finished, this, &frmClone::onFinished);
}

frmClone::~frmClone() = default;

bool frmClone::openPort() { return m_runner.openPort(); }

void frmClone::reject()
{
    if (m_over || !m_started) {
        QDialog::reject();
        return;
    }
    m_runner.cancel();  // finished() closes the window
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
    QTimer::singleShot(0, this, [this] { m_runner.start(); });
}

void frmClone::onCheckConnection()
{
    const Prompter::Button answer =
        m_prompter.message(this, QText(1607), QText(1113), Prompter::Icon::Critical,
                           Prompter::Buttons::RetryCancel, Prompter::Button::Retry);
    m_runner.answerPrompt(answer == Prompter::Button::Retry);
}

void frmClone::onFinished(CloneRunner::Outcome outcome)
{
    m_over = true;
    switch (outcome) {
        case CloneRunner::Outcome::Completed:
            setResult(QDialog::Accepted);
            hide();
            if (DirectionOf(m_state) == CloneSession::Direction::Read) {
                m_state.memoryImage = m_runner.session().image();
                m_readCompleted = true;
                if (m_readCommitted) m_readCommitted();
                ShowNotice(m_prompter, parentWidget(), QText(1608), ProductTitle(),
                           Prompter::Icon::Information);
            } else {
                ShowNotice(m_prompter, parentWidget(), QText(1609), ProductTitle(),
                           Prompter::Icon::Information);
            }
            accept();
            break;
        case CloneRunner::Outcome::Refused:
            ShowNotice(m_prompter, this, QText(1638), QText(1113), Prompter::Icon::Critical);
            done(QDialog::Rejected);
            break;
        case CloneRunner::Outcome::Cancelled:
            done(QDialog::Rejected);
            break;
    }
}
