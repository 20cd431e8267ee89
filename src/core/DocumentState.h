#pragma once

#include <string>

#include "core/AppState.h"

// The document as a whole: unsaved changes are any byte of the image that
// differs from the snapshot; there is no separate modified flag.

// Copies the image into state.imageSnapshot.
void TakeSnapshot(AppState& state);
// True when any of the 4096 bytes differs from the snapshot.
[[nodiscard]] bool IsModified(const AppState& state);
// Main window title in the current language, e.g.
// "ZQ-915 series radio programming software [File Name: a.dat]". The file name
// is what follows the last "\" or "/" of the path (the whole path without one).
[[nodiscard]] std::string BuildTitle(const std::string& documentPath);

inline constexpr const char* kUntitled = "Untitled";
