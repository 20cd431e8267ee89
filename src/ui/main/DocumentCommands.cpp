#include "DocumentCommands.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "ChannelGrid.h"
#include "DocumentRefresh.h"
#include "DocumentState.h"
#include "files/DataFile.h"
#include "frmMain.h"
#include "platform/FileStore.h"
#include "platform/Prompter.h"
#include "platform/QtText.h"

namespace {

const QString kProposedName = QStringLiteral("Untitled.dat");
// A data file is a few kilobytes; anything far larger is not one, and is not
// read into memory just to find that out.
constexpr qint64 kMaxDataFileBytes = 1 << 20;

// The one local file of a drag, or empty for anything else.
QString DroppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().constFirst();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

DocumentCommands::DocumentCommands(AppState& state, Prompter& prompter, frmMain& window)
    : QObject(&window), m_state(state), m_prompter(prompter), m_window(window)
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

void DocumentCommands::New()
{
    m_window.EndCellEdit();
    const Prompter::Button answer =
        m_prompter.message(&m_window, QText(1107), QText(1108), Prompter::Icon::Exclamation,
                           Prompter::Buttons::OkCancel, Prompter::Button::Cancel);
    if (answer != Prompter::Button::Ok) return;
    StartUntitledDocument(m_window, m_state);
}

void DocumentCommands::Open()
{
    m_window.EndCellEdit();
    if (!settleUnsavedChanges()) return;
    const QString path = m_prompter.openFileName(&m_window, QText(1109));
    if (path.isEmpty()) return;
    load(path);
}

void DocumentCommands::OpenPath(const QString& path)
{
    m_window.EndCellEdit();
    if (!settleUnsavedChanges()) return;
    load(path);
}

bool DocumentCommands::Save()
{
    if (m_state.documentPath == kUntitled) return SaveAs();
    return saveTo(QString::fromStdString(m_state.documentPath));
}

bool DocumentCommands::SaveAs()
{
    m_window.EndCellEdit();
    const QString proposed =
        m_state.documentPath == kUntitled ? kProposedName : QString::fromStdString(m_state.documentPath);
    const QString path = m_prompter.saveFileName(&m_window, QText(1109), proposed);
    if (path.isEmpty()) return false;
    return saveTo(path);
}

bool DocumentCommands::settleUnsavedChanges()
{
    if (!IsModified(m_state)) return true;
    const Prompter::Button answer =
        m_prompter.message(&m_window, QText(1110), ProductTitle(), Prompter::Icon::Exclamation,
                           Prompter::Buttons::YesNoCancel, Prompter::Button::Yes);
    if (answer == Prompter::Button::Cancel) return false;
    // Whether or not the save happens (its dialog may be cancelled), the user
    // goes on to choose the file to open and can still cancel there.
    if (answer == Prompter::Button::Yes) Save();
    return true;
}

void DocumentCommands::load(const QString& path)
{
    std::optional<MemoryImage> image;
    if (QFileInfo(path).size() <= kMaxDataFileBytes) {
        const std::optional<QByteArray> bytes = filestore::readAll(path);
        if (!bytes || bytes->isEmpty()) return;
        image = DecodeDataFile(ByteBuffer(bytes->begin(), bytes->end()));
    }
    if (!image) {
        ShowNotice(m_prompter, &m_window, QText(1112), QText(1113), Prompter::Icon::Critical);
        return;
    }
    m_state.memoryImage = *image;
    RefreshFromImage(m_window, m_state);
    m_window.grid().makeCurrent(1, ChannelGrid::kRxFreqCol);
    m_window.grid().setFocus();
    // Taken after drawing, so channels erased as out of band count as saved.
    TakeSnapshot(m_state);
    m_state.documentPath = path.toStdString();
    m_window.RefreshTitle();
}

bool DocumentCommands::saveTo(const QString& path)
{
    const ByteBuffer encoded = EncodeDataFile(m_state.memoryImage);
    const QString error = filestore::writeAtomically(
        path,
        QByteArray(reinterpret_cast<const char*>(encoded.data()), static_cast<qsizetype>(encoded.size())));
    if (!error.isEmpty()) {
        ShowNotice(m_prompter, &m_window, error, ProductTitle(), Prompter::Icon::Exclamation);
        return false;
    }
    // The path changes only with a file actually written, so the title and a
    // later Save never name a file that does not hold the document.
    m_state.documentPath = path.toStdString();
    m_window.RefreshTitle();
    TakeSnapshot(m_state);
    return true;
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
