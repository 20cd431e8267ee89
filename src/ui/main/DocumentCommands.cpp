#include "DocumentCommands.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "ChannelGrid.h"
#include "DocumentController.h"
#include "core/DocumentState.h"
#include "platform/Backups.h"
#include "platform/DataFileStore.h"
#include "platform/FileStore.h"
#include "platform/Prompter.h"
#include "platform/QtText.h"

namespace {

const QString kProposedName = QStringLiteral("Untitled.dat");
const QString kDataSuffix = QStringLiteral("dat");

// The one local file of a drag, or empty for anything else.
QString DroppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

// Question `textId` about the file at `path`; No is the default.
bool ConfirmOverwrite(Prompter& prompter, QWidget* parent, int textId, const QString& path)
{
    return prompter.message(parent, QText(textId).arg(QDir::toNativeSeparators(path)), ProductTitle(),
                            Prompter::Icon::Exclamation, Prompter::Buttons::YesNo,
                            Prompter::Button::No) == Prompter::Button::Yes;
}

}  // namespace

DocumentCommands::DocumentCommands(DocumentController& document, Prompter& prompter, QWidget& window)
    : QObject(&window),
      m_document(document),
      m_state(document.state()),
      m_prompter(prompter),
      m_window(window)
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

void DocumentCommands::New()
{
    m_document.EndCellEdit();
    const Prompter::Button answer = m_prompter.message(&m_window, QText(TextId::AllDataCleared),
                                                       QText(TextId::Warning), Prompter::Icon::Exclamation,
                                                       Prompter::Buttons::OkCancel, Prompter::Button::Cancel);
    if (answer != Prompter::Button::Ok) return;
    m_document.StartUntitledDocument();
}

void DocumentCommands::Open()
{
    m_document.EndCellEdit();
    if (!settleUnsavedChanges()) return;
    // Until a file has been opened or saved here, the likeliest file to want is a backup of a read.
    const QString backupFolder = backups::folder();
    const bool inBackups = m_seenPath.isEmpty() && QFileInfo(backupFolder).isDir();
    const QString path = m_prompter.openFileName(&m_window, QText(TextId::DataFileFilter),
                                                 inBackups ? backupFolder : QString());
    if (path.isEmpty()) return;
    load(path);
}

void DocumentCommands::OpenPath(const QString& path)
{
    m_document.EndCellEdit();
    if (!settleUnsavedChanges()) return;
    load(path);
}

bool DocumentCommands::Save() { return save() == SaveOutcome::Saved; }

bool DocumentCommands::SaveAs() { return saveAs() == SaveOutcome::Saved; }

bool DocumentCommands::settleUnsavedChanges()
{
    if (!IsModified(m_state)) return true;
    const Prompter::Button answer = m_prompter.message(&m_window, QText(TextId::FileModifiedSaveNow),
                                                       ProductTitle(), Prompter::Icon::Exclamation,
                                                       Prompter::Buttons::YesNoCancel, Prompter::Button::Yes);
    if (answer == Prompter::Button::Cancel) return false;
    // A cancelled Save As dialog goes on: the user can still cancel the next
    // step. A save that failed stops, or the work would be thrown away.
    return answer != Prompter::Button::Yes || save() != SaveOutcome::Failed;
}

DocumentCommands::SaveOutcome DocumentCommands::save()
{
    if (m_state.documentPath == kUntitled) return saveAs();
    return saveTo(QString::fromStdString(m_state.documentPath));
}

DocumentCommands::SaveOutcome DocumentCommands::saveAs()
{
    m_document.EndCellEdit();
    const QString proposed =
        m_state.documentPath == kUntitled ? kProposedName : QString::fromStdString(m_state.documentPath);
    const QString chosen = m_prompter.saveFileName(&m_window, QText(TextId::DataFileFilter), proposed);
    if (chosen.isEmpty()) return SaveOutcome::Cancelled;
    // Without the suffix the Open dialog's filter would never show the file again.
    const QString path = filestore::withSuffix(chosen, kDataSuffix);
    if (path != chosen && QFileInfo::exists(path) &&
        !ConfirmOverwrite(m_prompter, &m_window, TextId::FileExistsReplace, path))
        return SaveOutcome::Failed;
    return saveTo(path);
}

bool DocumentCommands::overwriteAllowed(const QString& path)
{
    if (path != m_seenPath) return true;
    const filestore::Stamp now = filestore::stampOf(path);
    return now.size < 0 || now == m_seenStamp ||
           ConfirmOverwrite(m_prompter, &m_window, TextId::FileChangedElsewhere, path);
}

DocumentCommands::SaveOutcome DocumentCommands::saveTo(const QString& path)
{
    if (!overwriteAllowed(path)) return SaveOutcome::Failed;
    const QString error = SaveDataFileTo(path, m_state.memoryImage);
    if (!error.isEmpty()) {
        ShowNotice(m_prompter, &m_window,
                   QText(TextId::CannotSaveFile).arg(QDir::toNativeSeparators(path)) + '\n' + error,
                   ProductTitle(), Prompter::Icon::Exclamation);
        return SaveOutcome::Failed;
    }
    m_seenPath = path;
    m_seenStamp = filestore::stampOf(path);
    // The path changes only with a file actually written, so the title and a
    // later Save never name a file that does not hold the document.
    m_state.documentPath = path.toStdString();
    m_document.RefreshTitle();
    TakeSnapshot(m_state);
    return SaveOutcome::Saved;
}

void DocumentCommands::load(const QString& path)
{
    // Seen before reading: a change in between makes a later save ask, not overwrite.
    const filestore::Stamp stamp = filestore::stampOf(path);
    const LoadedDataFile loaded = LoadDataFileFrom(path);
    if (!loaded.image) {
        if (loaded.error.isEmpty()) {
            ShowNotice(m_prompter, &m_window, QText(TextId::IncorrectFileType), QText(TextId::Error),
                       Prompter::Icon::Critical);
        } else {
            ShowNotice(
                m_prompter, &m_window,
                QText(TextId::CannotOpenFile).arg(QDir::toNativeSeparators(path)) + '\n' + loaded.error,
                QText(TextId::Error), Prompter::Icon::Critical);
        }
        return;
    }
    m_state.memoryImage = *loaded.image;
    m_document.RefreshFromImage();
    m_document.grid().makeCurrent(1, ChannelGrid::kRxFreqCol);
    m_document.FocusGrid();
    // Taken after drawing, so channels erased as out of band count as saved.
    TakeSnapshot(m_state);
    m_document.ClearHistory();
    m_state.documentPath = path.toStdString();
    m_seenPath = path;
    m_seenStamp = stamp;
    m_document.RefreshTitle();
}

bool DocumentCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_window) return false;
    if (event->type() == QEvent::DragEnter) {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        if (DroppedFile(drag->mimeData()).isEmpty()) return false;
        drag->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = DroppedFile(drop->mimeData());
        if (path.isEmpty()) return false;
        drop->acceptProposedAction();
        // Questions and message boxes must not run inside the drop itself:
        // the dragging application waits for it to finish.
        QTimer::singleShot(0, this, [this, path] { OpenPath(path); });
        return true;
    }
    return false;
}
