#pragma once

#include <QDateTime>
#include <QString>

#include "core/MemoryImage.h"

// A copy of every read from a radio, kept as data files in the user's data
// folder (QStandardPaths::AppDataLocation)/backups.
namespace backups {

inline constexpr int kKept = 100;

// The organisation and application names the data folder is found by; the
// window and the command-line tool set the same ones.
void SetApplicationNames();

[[nodiscard]] QString folder();

// Writes `image` as a new data file named by `when` (local time) and the
// image's band, "2026-12-08_14-03-27_136-174.dat" (a number appended rather
// than overwriting one), then removes the oldest backups beyond kKept.
// Returns the system's error text when the backup could not be written.
[[nodiscard]] QString save(const MemoryImage& image, const QDateTime& when = QDateTime::currentDateTime());

}  // namespace backups
