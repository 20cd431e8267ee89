#include "RadioCommands.h"

#include <QThread>

#include "DocumentCommands.h"
#include "DocumentController.h"
#include "core/DocumentState.h"
#include "link/CommPortChoice.h"
#include "link/PortForName.h"
#include "link/frmClone.h"
#include "link/frmCommPort.h"
#include "link/frmTest.h"
#include "platform/Backups.h"
#include "platform/Prompter.h"
#include "platform/QtText.h"
#include "platform/SerialPort.h"
#include "platform/SerialPorts.h"
#include "radio/DemoRadio.h"
#include "strings/Strings.h"

namespace {

enum TransferMode : std::uint8_t { kRead = 0, kWrite = 1, kTest = 2 };

}  // namespace

RadioCommands::RadioCommands(DocumentController& document, DocumentCommands& documentCommands,
                             Prompter& prompter, QWidget& window)
    : QObject(&window),
      m_document(document),
      m_documentCommands(documentCommands),
      m_state(document.state()),
      m_prompter(prompter),
      m_window(window),
      m_demoRadio(DemoRadioMemory()),
      m_makePort([this] { return PortForName(SelectedPortName(m_state), m_demoRadio); })
{
}

void RadioCommands::Read()
{
    m_document.EndCellEdit();
    if (!probePort() || !m_documentCommands.settleUnsavedChanges() || !confirm(TextId::ReadDataFromRadio))
        return;
    m_state.transferMode = kRead;
    const bool completed = transfer();
    m_document.FocusGrid();
    if (completed) {
        TakeSnapshot(m_state);
        m_document.ClearHistory();
        // The radio's memory is not the opened file: Save must not overwrite it unasked.
        m_state.documentPath = kUntitled;
    }
    m_document.RefreshTitle();
}

void RadioCommands::Write()
{
    m_document.EndCellEdit();
    if (!probePort() || !confirm(TextId::WriteDataToRadio)) return;
    m_state.transferMode = kWrite;
    transfer();
}

void RadioCommands::Test()
{
    m_document.EndCellEdit();
    if (!probePort()) return;
    m_state.transferMode = kTest;
    frmTest window(&m_window);
    m_prompter.exec(window);
}

void RadioCommands::CommPort()
{
    m_document.EndCellEdit();
    QStringList devices;
    QHash<QString, QString> details;
    for (const DetectedPort& port : DetectedSerialPorts()) {
        devices << port.device;
        details.insert(port.device, PortDetails(port));
    }
    frmCommPort dialog(m_state, devices, &m_window);
    dialog.showDeviceDetails(details);
    m_prompter.exec(dialog);
}

bool RadioCommands::probePort()
{
    const std::unique_ptr<SerialPort> port = m_makePort();
    if (!port->open(SelectedPortName(m_state))) {
        reportPortFailure(*port);
        return false;
    }
    QThread::msleep(5);
    port->close();
    return true;
}

bool RadioCommands::confirm(int firstLineId)
{
    const QString text = QText(firstLineId) + QStringLiteral("\r\n") + QText(TextId::ContinueQuestion);
    return m_prompter.message(&m_window, text, ProductTitle(), Prompter::Icon::Question,
                              Prompter::Buttons::OkCancel, Prompter::Button::Ok) == Prompter::Button::Ok;
}

void RadioCommands::reportPortFailure(const SerialPort& port)
{
    ShowNotice(m_prompter, &m_window, QText(TextId::CannotOpenPort) + QLatin1Char('\n') + port.errorText(),
               ProductTitle(), Prompter::Icon::Critical);
}

bool RadioCommands::transfer()
{
    const std::unique_ptr<SerialPort> port = m_makePort();
    frmClone window(m_state, m_prompter, *port, &m_window);
    window.setReadCommittedHandler([this] {
        // The copy is of the radio's bytes, before showing them normalises any.
        const QString error = backups::save(m_state.memoryImage);
        if (!error.isEmpty())
            Q_EMIT statusMessage(
                QString::fromStdString(TextWith(TextId::BackupFailed, {error.toStdString()})));
        m_document.RefreshFromImage();
    });
    if (!window.openPort()) {
        reportPortFailure(*port);
        return false;
    }
    m_prompter.exec(window);
    return window.readCompleted();
}
