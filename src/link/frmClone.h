#pragma once

#include <QDialog>
#include <functional>

#include "RadioTransfer.h"

class QLabel;
class QProgressBar;
class Prompter;
class SerialPort;
struct AppState;

// The modal transfer window: reads the radio into the document (transferMode
// 0) or writes the document to the radio (transferMode 1), showing progress,
// asking Retry/Cancel when the radio does not answer, and telling the outcome.
//
// Use: openPort() (false: the caller reports that the port cannot be opened),
// then run it modally; the transfer starts when it is shown. A read replaces
// state.memoryImage only when it completes; an interrupted or refused read
// leaves the document untouched. Nothing else in the state is changed; the
// caller takes the snapshot only when readCompleted(), so an interrupted read
// keeps the document's unsaved changes counted as unsaved.
//
// With state.verifyAfterWrite, a completed write is followed at once by a
// read-back in the same window (the label names the phase); the final message
// says the radio holds what was written, names the first difference, or says
// that the radio was written completely but the read-back could not complete
// and why. The read-back never touches the document.
class frmClone final : public QDialog {
    Q_OBJECT
public:
    frmClone(AppState& state, Prompter& prompter, SerialPort& port, QWidget* parent = nullptr);
    ~frmClone() override;

    // Opens SelectedPortName(state).
    [[nodiscard]] bool openPort();
    // Runs after a completed read is in the document and before "Reading
    // completed!" is shown: the main window refreshes itself here.
    void setReadCommittedHandler(std::function<void()> handler) { m_readCommitted = std::move(handler); }
    // True once a read has completed and its image is in the document.
    [[nodiscard]] bool readCompleted() const { return m_readCompleted; }

    [[nodiscard]] RadioTransfer& transfer() { return m_transfer; }

    QProgressBar* prgPercent;
    QLabel* lblPercent;
    // Only with the demo radio: says that no real radio is involved.
    QLabel* lblDemo = nullptr;

public Q_SLOTS:
    // Closing the window stops a running transfer (End is sent) first.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    // A stray Escape must not stop a write half-way; the close box still does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onCheckConnection();
    void onFinished(RadioTransfer::Outcome outcome);

    AppState& m_state;
    Prompter& m_prompter;
    RadioTransfer m_transfer;
    std::function<void()> m_readCommitted;
    bool m_started = false;
    bool m_over = false;
    bool m_readCompleted = false;
};
