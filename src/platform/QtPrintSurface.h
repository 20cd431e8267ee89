#pragma once

#include <QFont>
#include <QPainter>

#include "PrintSurface.h"

class QPrinter;

// PrintSurface over a QPainter on a QPrinter: a real printer, a PDF file, or
// the printer a QPrintPreviewDialog hands to its paint request. The face is the
// printer's default, or in Chinese an installed Simplified Chinese face.
class QtPrintSurface final : public PrintSurface {
public:
    // Opens the document on `printer`; check started() before drawing.
    explicit QtPrintSurface(QPrinter& printer);
    // A document neither ended nor failed is aborted, so a printer never
    // receives half a job.
    ~QtPrintSurface() override;

    QtPrintSurface(const QtPrintSurface&) = delete;
    QtPrintSurface& operator=(const QtPrintSurface&) = delete;

    [[nodiscard]] bool started() const { return m_painter.isActive(); }

    [[nodiscard]] int width() const override;
    [[nodiscard]] int height() const override;
    void setFontSize(double points) override;
    void setBold(bool bold) override;
    [[nodiscard]] int textWidth(const QString& text) const override;
    [[nodiscard]] int textHeight() const override;
    void printText(int x, int y, const QString& text) override;
    [[nodiscard]] int pageNumber() const override { return m_pageNumber; }
    [[nodiscard]] bool newPage() override;
    [[nodiscard]] bool end() override;

private:
    [[nodiscard]] bool failed() const;

    QPrinter& m_printer;
    QPainter m_painter;
    QFont m_font;
    int m_pageNumber = 1;
};
