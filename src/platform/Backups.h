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

// Empty when the user has no home folder to keep backups in.
[[nodiscard]] QString folder();

// Writes `image` as a new data file named by `when` (local time) and the
// image's band, "2026-12-08_14-03-27_136-174.dat". The file is created only if
// no file or link of that name exists (then "_2", "_3", ... is appended), so
// another program's backup of the same second is never replaced and no link
// is followed out of the folder. Then removes the backups beyond kKept whose
// modification times are oldest, never the one just written and never a file
// without a backup's name. Returns why the backup could not be written, or empty.
[[nodiscard]] QString save(const MemoryImage& image, const QDateTime& when = QDateTime::currentDateTime());

}  // namespace backups
