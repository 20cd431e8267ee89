#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Whole-file reads and atomic whole-file writes.
namespace filestore {

// nullopt if the file cannot be read.
[[nodiscard]] std::optional<QByteArray> readAll(const QString& path);

// Writes via a temporary file in the target folder and a rename, so a failed
// write never destroys the previous file. Returns the system's error text on
// failure, empty on success.
[[nodiscard]] QString writeAtomically(const QString& path, const QByteArray& bytes);

}  // namespace filestore
