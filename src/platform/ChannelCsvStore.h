#pragma once

#include <QString>

#include "core/MemoryImage.h"
#include "files/ChannelCsv.h"

// Channel list CSV files on disk: the one path the window and the command
// line share, so both refuse the same files for the same reasons.

// The document's channels written atomically to `path`; the reason on failure,
// empty on success.
[[nodiscard]] QString ExportChannelsCsvTo(const QString& path, const MemoryImage& image);

// ImportChannelsCsv of the file at `path`. A file that is not UTF-8 is read as
// GB18030 when it decodes cleanly as that, and the report's notes say so;
// otherwise it is refused as not UTF-8 text. A file that cannot be read is
// refused with the system's reason; one that is not a regular file, or is
// too large, is refused unread with why.
[[nodiscard]] ChannelImport ImportChannelsCsvFrom(const QString& path, const MemoryImage& document);
