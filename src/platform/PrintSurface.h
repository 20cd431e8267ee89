#pragma once

#include <QString>

// A page-oriented drawing target for printed documents. Positions and sizes are
// in the device's own units (printer dots); font sizes in points. The layout
// never chooses a font face.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    // Printable area of one page, in device units; (0, 0) is its top-left corner.
    [[nodiscard]] virtual int width() const = 0;
    [[nodiscard]] virtual int height() const = 0;

    // Affect the texts printed afterwards.
    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool bold) = 0;

    // Advance width of `text` in the current font, in device units.
    [[nodiscard]] virtual int textWidth(const QString& text) const = 0;

    // Height of one line of text in the current font, in device units.
    [[nodiscard]] virtual int textHeight() const = 0;

    // Prints `text` with the top-left corner of its line box at (x, y).
    virtual void printText(int x, int y, const QString& text) = 0;

    // Number of the current page: 1 on the first page of the document.
    [[nodiscard]] virtual int pageNumber() const = 0;

    // Starts the next page. False when the device reports a failure; the
    // document must then be abandoned (no further calls but destruction).
    [[nodiscard]] virtual bool newPage() = 0;

    // Hands the finished document to the device. False on failure.
    [[nodiscard]] virtual bool end() = 0;
};
