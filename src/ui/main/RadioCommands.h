#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "core/AppState.h"
#include "radio/RadioModel.h"

class DocumentCommands;
class DocumentController;
class frmClone;
class Prompter;
class QWidget;
class SerialPort;

// The Program menu's radio commands and the port choice of the Setup menu.
// Each radio command commits the cell edit, checks that the chosen port opens
// ("Cannot Open Communication Port." otherwise, before any question), asks for
// confirmation where there is one, sets state.transferMode and runs its window
// modally through the Prompter.
class RadioCommands final : public QObject {
    Q_OBJECT
public:
    // Makes the serial port for each probe and each transfer.
    using PortFactory = std::function<std::unique_ptr<SerialPort>()>;

    // Uses the system's serial ports, or the demo radio for the port "demo".
    // `documentCommands` asks about unsaved changes before a read; `window`
    // owns the messages and windows.
    RadioCommands(DocumentController& document, DocumentCommands& documentCommands, Prompter& prompter,
                  QWidget& window);

    void setPortFactory(PortFactory makePort) { m_makePort = std::move(makePort); }

    // Unsaved changes get Open's save-first question before the read's own.
    // A completed read is kept as a backup first (a failed backup is only
    // announced by statusMessage), then replaces the document: the window is refreshed from
    // the new image before "Reading completed!", then the grid gets the focus
    // and the document is an untitled one without unsaved changes. A read that does not complete leaves
    // the document, and whether it has unsaved changes, as it was.
    void Read();
    void Write();
    // The display-only tuning window; asks nothing.
    void Test();
    // The port dialog, offering the serial devices present now.
    void CommPort();
    // The built-in demo radio becomes the port, as if chosen in the dialog.
    void UseDemoRadio();

    // The process is asked to stop: a transfer under way tells the radio End
    // at once. Returns "<port>: <what it left>", or empty when none was under way.
    QString interruptTransfer();

Q_SIGNALS:
    // A note for the window's status bar.
    void statusMessage(const QString& text);
    // The port dialog was confirmed or the demo radio chosen.
    void portChoiceChanged();

private:
    // Opens, waits 5 ms, closes. False (reported) when the port does not open.
    bool probePort();
    bool confirm(int firstLineId);
    // "Cannot Open Communication Port." and, below it, the port's reason.
    void reportPortFailure(const SerialPort& port);
    // Runs the transfer window for state.transferMode; true when a read completed.
    bool transfer();

    DocumentController& m_document;
    DocumentCommands& m_documentCommands;
    AppState& m_state;
    Prompter& m_prompter;
    QWidget& m_window;
    // The demo radio keeps what was written to it until the program ends.
    RadioModel m_demoRadio;
    PortFactory m_makePort;
    frmClone* m_transferWindow = nullptr;  // while one runs
};
