#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class QFileDevice;

// Whole-file reads and atomic whole-file writes. A path that exists but is not
// a regular file (a folder, device or pipe) is refused before anything opens
// it, so nothing blocks on it or replaces it; a symbolic link to a regular file
// counts as that file.
namespace filestore {

struct ReadResult {
    QByteArray bytes;
    QString error;            // the system's reason when the file could not be read
    bool unsuitable = false;  // not a regular file, or longer than the limit
    [[nodiscard]] bool ok() const { return error.isEmpty() && !unsuitable; }
};

// Reads at most `limit` bytes; a longer file is unsuitable whatever size it claims.
[[nodiscard]] ReadResult read(const QString& path, qint64 limit);

// Why `path` must not be written to (it exists and is not a regular file), or empty.
[[nodiscard]] QString refusedTarget(const QString& path);

// Writes all of `bytes` to the open `file` and flushes, so that a full disk
// or a file size limit shows here instead of hiding in a buffer. Returns the
// reason on failure, empty on success.
[[nodiscard]] QString writeThrough(QFileDevice& file, const QByteArray& bytes);

// Writes via a temporary file in the target folder and a rename, so a failed
// write never touches the previous file. Returns the reason on failure
// (the system's text, or why the target is refused), empty on success.
[[nodiscard]] QString writeAtomically(const QString& path, const QByteArray& bytes);

// What a file looked like when last seen: another program writing it changes this.
struct Stamp {
    qint64 size = -1;  // -1: no such file
    QDateTime modified;
    friend bool operator==(const Stamp&, const Stamp&) = default;
};
[[nodiscard]] Stamp stampOf(const QString& path);

// `path` with "." + `suffix` appended when its file name has no suffix.
[[nodiscard]] QString withSuffix(const QString& path, const QString& suffix);

}  // namespace filestore
