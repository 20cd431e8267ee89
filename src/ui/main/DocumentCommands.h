#pragma once

#include <QObject>
#include <QString>

#include "core/AppState.h"

class Prompter;
class frmMain;

// The File menu's document commands and opening a file handed to the program
// (its argument, a file dropped on the main window). Every message box and
// file dialog goes through the Prompter. A file that is not a data file, or a
// failed save, leaves the document exactly as it was.
class DocumentCommands final : public QObject {
    Q_OBJECT
public:
    // Accepts files dropped on `window` and opens them like Open does.
    DocumentCommands(AppState& state, Prompter& prompter, frmMain& window);

    // "All data will be cleared." (OK/Cancel, Cancel default); OK starts a new
    // untitled document for the current model and band.
    void New();
    // Asks about unsaved changes, then the file dialog, then loads.
    void Open();
    // Save As for an untitled document; otherwise writes at once, leaving an
    // open cell edit alone. True when the file was written.
    bool Save();
    // File dialog proposing "Untitled.dat" or the current path; true when written.
    bool SaveAs();
    // Open without its dialog: the unsaved-changes question, then loading `path`.
    void OpenPath(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // False when the user cancelled at the unsaved-changes question.
    bool settleUnsavedChanges();
    void load(const QString& path);
    bool saveTo(const QString& path);

    AppState& m_state;
    Prompter& m_prompter;
    frmMain& m_window;
};
