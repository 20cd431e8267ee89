#pragma once

#include <string>

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include "core/MemoryImage.h"
#include "platform/RecoveryCopies.h"

class DocumentController;

// Keeps this program's recovery copy in step with the document: while it has
// unsaved changes, a copy is written at most every kInterval after a change;
// once it has none (saved, New, Open, a completed read, changes undone) the
// copy is removed. Files are written and removed on a worker thread, in the
// order asked, so the interface never waits on the disk. A normal exit
// removes the copy (documentClosed); any other end of the program leaves it
// for the next start.
class RecoveryKeeper final : public QObject {
    Q_OBJECT
public:
    static constexpr int kInterval = 2000;  // ms

    RecoveryKeeper(DocumentController& document, const QString& folder, QObject* parent = nullptr);
    // Waits for the worker; the copy stays.
    ~RecoveryKeeper() override;

    [[nodiscard]] const QString& folder() const { return m_copy.folder(); }

    // The document as it is now, written before this returns (a restored
    // document must be safe before the copy it came from goes). Returns the
    // reason on failure, empty on success.
    QString writeNow();
    // The user ended the program normally: the copy goes and no other is written.
    void documentClosed();

Q_SIGNALS:
    // A copy could not be written; said once per session.
    void failed(const QString& reason);

private:
    // Checks the document once the event that announced a change is over
    // (a save announces its title before it takes the snapshot).
    void changed();
    void sync();
    void queueWrite();
    void queueRemove();

    DocumentController& m_document;
    recovery::OwnCopy m_copy;
    QThreadPool m_worker;
    QTimer m_check;
    QTimer m_pace;
    bool m_written = false;
    bool m_closed = false;
    bool m_reported = false;
    MemoryImage m_writtenImage;
    std::string m_writtenPath;
};
