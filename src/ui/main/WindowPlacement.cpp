#include "WindowPlacement.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

#include "platform/SettingsStore.h"

namespace {

constexpr std::string_view kGeometry = "WindowGeometry";
constexpr std::string_view kMaximized = "WindowMaximized";

}  // namespace

QRect FitOnScreens(const QRect& saved, const QList<QRect>& screens)
{
    if (screens.isEmpty()) return saved;
    QRect area = screens.first();
    qint64 best = -1;
    for (const QRect& screen : screens) {
        const QRect overlap = screen.intersected(saved);
        const qint64 size = overlap.isEmpty() ? 0 : qint64(overlap.width()) * overlap.height();
        if (size > best) {
            best = size;
            area = screen;
        }
    }
    QRect fitted(saved.topLeft(), saved.size().boundedTo(area.size()));
    fitted.moveLeft(std::clamp(fitted.left(), area.left(), area.right() + 1 - fitted.width()));
    fitted.moveTop(std::clamp(fitted.top(), area.top(), area.bottom() + 1 - fitted.height()));
    return fitted;
}

std::optional<QRect> ParseGeometry(const std::string& text)
{
    const QStringList parts = QString::fromStdString(text).split(QLatin1Char(','));
    if (parts.size() != 4) return std::nullopt;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts.at(i).trimmed().toInt(&ok);
        if (!ok) return std::nullopt;
    }
    if (values[2] <= 0 || values[3] <= 0) return std::nullopt;
    return QRect(values[0], values[1], values[2], values[3]);
}

void RestorePlacement(QWidget& window, SettingsStore& settings)
{
    const std::optional<QRect> saved = ParseGeometry(settings.readString(kGeometry));
    if (!saved) return;
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
    const QRect fitted = FitOnScreens(*saved, screens);
    window.resize(fitted.size().expandedTo(window.minimumSize()));
    window.move(fitted.topLeft());
    if (settings.readString(kMaximized) == "1")
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void SavePlacement(const QWidget& window, SettingsStore& settings)
{
    // The frame's corner with the inside's size: what move() and resize() take back.
    const QRect normal = window.isMaximized() ? window.normalGeometry() : QRect(window.pos(), window.size());
    if (normal.isValid()) {
        settings.writeString(kGeometry, QStringLiteral("%1,%2,%3,%4")
                                            .arg(normal.x())
                                            .arg(normal.y())
                                            .arg(normal.width())
                                            .arg(normal.height())
                                            .toStdString());
    }
    settings.writeString(kMaximized, window.isMaximized() ? "1" : "0");
}
