#pragma once

#include <QString>
#include <optional>

#include "core/MemoryImage.h"
#include "files/DataFile.h"

// Loading and saving data files: the one path the window and the command line
// share, so both refuse the same files for the same reasons.

struct LoadedDataFile {
    std::optional<MemoryImage> image;
    // Without an image: the system's reason when the file could not be read;
    // empty when it was read (or refused unread) and is not a data file.
    QString error;
};

// Never opens anything but a regular file, never reads more than
// kMaxDataFileBytes + 1 bytes. An empty file is not a data file.
[[nodiscard]] LoadedDataFile LoadDataFileFrom(const QString& path);

// Encodes and writes atomically; the reason on failure, empty on success.
[[nodiscard]] QString SaveDataFileTo(const QString& path, const MemoryImage& image);
