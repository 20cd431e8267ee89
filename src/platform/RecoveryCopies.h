#pragma once

#include <QDateTime>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "core/MemoryImage.h"

class QLockFile;

// Recovery copies of unsaved documents in the user's data folder
// (QStandardPaths::AppDataLocation)/recovery, beside the backups. Each running
// program owns one copy, named by its process id and start time:
//   <id>.dat   the data file exactly as Save would write it
//   <id>.json  the document's path, the time of the copy and the process id
//   <id>.lock  held while the program runs (QLockFile), so a copy whose lock
//              can be taken belongs to a program that has ended
// Copies that cannot be read are moved into recovery/unreadable, never deleted.
namespace recovery {

[[nodiscard]] QString folder();

struct Copy {
    QString documentPath;  // "Untitled" for a document never opened or saved
    QDateTime time;
    qint64 processId = 0;
    MemoryImage image;
};

// This program's copy. Claims its lock on construction; without the lock
// (the folder cannot be written) nothing is ever written.
class OwnCopy final {
public:
    explicit OwnCopy(const QString& folder);
    ~OwnCopy();
    OwnCopy(const OwnCopy&) = delete;
    OwnCopy& operator=(const OwnCopy&) = delete;

    // Empty when the lock is held; otherwise why no copy can be kept.
    [[nodiscard]] const QString& lockError() const { return m_lockError; }
    [[nodiscard]] const QString& folder() const { return m_folder; }
    [[nodiscard]] const QString& id() const { return m_id; }

private:
    QString m_folder;
    QString m_id;
    QString m_lockError;
    std::unique_ptr<QLockFile> m_lock;
};

// Writes the copy `id` in `folder`, each file atomically, the description
// first: a copy is never data without its description. Safe on any thread.
// Returns the reason on failure, empty on success.
[[nodiscard]] QString write(const QString& folder, const QString& id, const Copy& copy);
// Removes the copy `id` (not its lock). Safe on any thread.
void remove(const QString& folder, const QString& id);

// A copy left by a program that no longer runs. Holds that copy's lock while
// it lives, so a second program starting at the same time leaves it alone.
class LeftCopy final {
public:
    LeftCopy(QString folder, QString id, std::unique_ptr<QLockFile> lock);
    ~LeftCopy();
    LeftCopy(LeftCopy&&) noexcept;
    LeftCopy& operator=(LeftCopy&&) noexcept;

    // The data file, for messages.
    [[nodiscard]] QString dataPath() const;
    // The copy, or nullopt when its data or description cannot be read. A
    // description without data (a program ended between the two writes) is
    // nothing to recover and reads as a copy without data: see hasData().
    [[nodiscard]] std::optional<Copy> read() const;
    [[nodiscard]] bool hasData() const;
    // Deletes the copy's files.
    void discard();
    // Moves the copy's files into recovery/unreadable (a number added rather
    // than replacing anything there); returns the data file's new path, or
    // the old one when it could not be moved.
    QString setAside();

private:
    QString m_folder;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
};

// The copies in `folder` whose program has ended, oldest first. Locks left
// without a copy by programs that have ended are removed on the way.
[[nodiscard]] std::vector<LeftCopy> findLeftCopies(const QString& folder);

}  // namespace recovery
