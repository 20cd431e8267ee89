#pragma once

#include <QList>
#include <QRect>
#include <optional>
#include <string>

class QWidget;
class SettingsStore;

// The main window's place between sessions: "WindowGeometry" holds the
// normal (not maximised) geometry as "x,y,width,height" in pixels and
// "WindowMaximized" "1" or "0".

// `saved` moved, and shrunk where it is larger, to lie within the available
// area of the screen it overlaps most (the first screen when none); unchanged
// without screens.
[[nodiscard]] QRect FitOnScreens(const QRect& saved, const QList<QRect>& screens);

// "x,y,width,height" with a positive size, or nullopt.
[[nodiscard]] std::optional<QRect> ParseGeometry(const std::string& text);

// Puts `window` where it was, within today's screens; nothing remembered
// leaves it as it is.
void RestorePlacement(QWidget& window, SettingsStore& settings);
void SavePlacement(const QWidget& window, SettingsStore& settings);
