#pragma once

#include <QObject>
#include <QString>

#include "core/AppState.h"
#include "platform/FileStore.h"

class DocumentController;
class Prompter;
class RememberedFiles;
class QWidget;

// The File menu's document commands and opening a file handed to the program
// (its argument, a file dropped on the main window). Every message box and
// file dialog goes through the Prompter. A file that is not a data file, or a
// failed save, leaves the document exactly as it was; a failed save leaves the
// file as it was too. Saving over a file that another program has changed
// since it was opened or saved here asks first.
class DocumentCommands final : public QObject {
    Q_OBJECT
public:
    // Accepts files dropped on `window` and opens them like Open does; the
    // window also owns the message boxes and file dialogs. Every file opened
    // or saved goes into `remembered`.
    DocumentCommands(DocumentController& document, Prompter& prompter, RememberedFiles& remembered,
                     QWidget& window);

    // "All data will be cleared." (OK/Cancel, Cancel default); OK starts a new
    // untitled document for the current model and band.
    void New();
    // Asks about unsaved changes, then the file dialog, then loads. The dialog
    // starts in the folder of the last data file opened or saved (the
    // backups folder before any).
    void Open();
    // Save As for an untitled document; otherwise writes at once, leaving an
    // open cell edit alone. True when the file was written.
    bool Save();
    // File dialog proposing "Untitled.dat" in the data folder of Open, or the
    // current path; ".dat" is added to a name without a suffix. True when written.
    bool SaveAs();
    // Open without its dialog: the unsaved-changes question, then loading `path`.
    void OpenPath(const QString& path);
    // A recovered document, shown as if opened from `path` ("Untitled" for
    // none) but with unsaved changes: the file at `path`, when it can be
    // read, counts as what is saved. Asks nothing.
    void RestoreUnsaved(const MemoryImage& image, const QString& path);

    // With unsaved changes, "File has been modified, save it now?": Yes saves
    // (a cancelled Save As dialog goes on), No goes on. False when the user
    // cancelled or the save failed: the caller stops.
    bool settleUnsavedChanges();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class SaveOutcome { Saved, Cancelled, Failed };

    SaveOutcome save();
    SaveOutcome saveAs();
    SaveOutcome saveTo(const QString& path);
    // False when the user declined to overwrite a file changed by another program.
    bool overwriteAllowed(const QString& path);
    void load(const QString& path);
    // `image` becomes the document of `path`, drawn, without history.
    void show(const MemoryImage& image, const QString& path);

    DocumentController& m_document;
    AppState& m_state;
    Prompter& m_prompter;
    RememberedFiles& m_remembered;
    QWidget& m_window;
    // The file as it was when this program last opened or wrote it.
    QString m_seenPath;
    filestore::Stamp m_seenStamp;
};
