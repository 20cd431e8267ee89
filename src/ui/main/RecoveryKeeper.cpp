#include "RecoveryKeeper.h"

#include <QCoreApplication>
#include <QDateTime>

#include "DocumentController.h"
#include "core/DocumentState.h"

RecoveryKeeper::RecoveryKeeper(DocumentController& document, const QString& folder, QObject* parent)
    : QObject(parent), m_document(document), m_copy(folder)
{
    // One thread: a write and the removal after it happen in that order.
    m_worker.setMaxThreadCount(1);
    m_check.setSingleShot(true);
    m_check.setInterval(0);
    m_pace.setSingleShot(true);
    m_pace.setInterval(kInterval);
    connect(&m_check, &QTimer::timeout, this, [this] {
        if (IsModified(m_document.state())) {
            if (!m_pace.isActive()) m_pace.start();
        } else {
            m_pace.stop();
            sync();
        }
    });
    connect(&m_pace, &QTimer::timeout, this, &RecoveryKeeper::sync);
    connect(&document, &DocumentController::historyChanged, this, &RecoveryKeeper::changed);
    connect(&document, &DocumentController::titleChanged, this, &RecoveryKeeper::changed);
}

RecoveryKeeper::~RecoveryKeeper() { m_worker.waitForDone(); }

void RecoveryKeeper::changed()
{
    if (!m_closed) m_check.start();
}

void RecoveryKeeper::sync()
{
    if (m_closed) return;
    const AppState& state = m_document.state();
    if (!IsModified(state)) {
        if (m_written) queueRemove();
    } else if (!m_written || state.memoryImage != m_writtenImage || state.documentPath != m_writtenPath) {
        queueWrite();
    }
}

void RecoveryKeeper::queueWrite()
{
    if (!m_copy.lockError().isEmpty()) {
        if (!m_reported) Q_EMIT failed(m_copy.lockError());
        m_reported = true;
        return;
    }
    const AppState& state = m_document.state();
    m_writtenImage = state.memoryImage;
    m_writtenPath = state.documentPath;
    m_written = true;
    recovery::Copy copy{QString::fromStdString(state.documentPath), QDateTime::currentDateTime(),
                        QCoreApplication::applicationPid(), state.memoryImage};
    m_worker.start([this, folder = m_copy.folder(), id = m_copy.id(), copy = std::move(copy)] {
        const QString error = recovery::write(folder, id, copy);
        if (error.isEmpty()) return;
        QMetaObject::invokeMethod(
            this,
            [this, error] {
                if (!m_reported) Q_EMIT failed(error);
                m_reported = true;
            },
            Qt::QueuedConnection);
    });
}

void RecoveryKeeper::queueRemove()
{
    m_written = false;
    m_worker.start([folder = m_copy.folder(), id = m_copy.id()] { recovery::remove(folder, id); });
}

QString RecoveryKeeper::writeNow()
{
    if (!m_copy.lockError().isEmpty()) return m_copy.lockError();
    m_pace.stop();
    m_worker.waitForDone();
    const AppState& state = m_document.state();
    const QString error =
        recovery::write(m_copy.folder(), m_copy.id(),
                        {QString::fromStdString(state.documentPath), QDateTime::currentDateTime(),
                         QCoreApplication::applicationPid(), state.memoryImage});
    if (error.isEmpty()) {
        m_written = true;
        m_writtenImage = state.memoryImage;
        m_writtenPath = state.documentPath;
    }
    return error;
}

void RecoveryKeeper::documentClosed()
{
    m_closed = true;
    m_check.stop();
    m_pace.stop();
    m_worker.waitForDone();
    recovery::remove(m_copy.folder(), m_copy.id());
    m_written = false;
}
