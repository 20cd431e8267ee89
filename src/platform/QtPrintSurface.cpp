#include "QtPrintSurface.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPrinter>

#include "strings/Strings.h"

namespace {

// Han characters are drawn differently for Chinese and Japanese, and the
// system's fallback for them does not follow the text's language: name the
// Simplified Chinese faces (" SC") outright.
QStringList SimplifiedChineseFaces()
{
    QStringList faces;
    for (const QString& family : QFontDatabase::families(QFontDatabase::SimplifiedChinese))
        if (family.endsWith(QLatin1String(" SC"))) faces << family;
    return faces;
}

}  // namespace

QtPrintSurface::QtPrintSurface(QPrinter& printer) : m_printer(printer)
{
    if (const QStringList faces = SimplifiedChineseFaces(); LanguageIndex() == 1 && !faces.isEmpty())
        m_font.setFamilies(faces);
    if (m_painter.begin(&m_printer)) m_painter.setFont(m_font);
}

QtPrintSurface::~QtPrintSurface()
{
    if (!m_painter.isActive()) return;
    m_printer.abort();
    m_painter.end();
}

int QtPrintSurface::width() const { return m_printer.width(); }

int QtPrintSurface::height() const { return m_printer.height(); }

void QtPrintSurface::setFontSize(double points)
{
    m_font.setPointSizeF(points);
    m_painter.setFont(m_font);
}

void QtPrintSurface::setBold(bool bold)
{
    m_font.setBold(bold);
    m_painter.setFont(m_font);
}

int QtPrintSurface::textWidth(const QString& text) const
{
    return QFontMetrics(m_font, &m_printer).horizontalAdvance(text);
}

int QtPrintSurface::textHeight() const { return QFontMetrics(m_font, &m_printer).height(); }

void QtPrintSurface::printText(int x, int y, const QString& text)
{
    // QPainter places text on its baseline; the layout gives the top of the line.
    m_painter.drawText(x, y + QFontMetrics(m_font, &m_printer).ascent(), text);
}

bool QtPrintSurface::newPage()
{
    if (failed() || !m_printer.newPage()) return false;
    ++m_pageNumber;
    return true;
}

bool QtPrintSurface::end()
{
    if (failed()) return false;  // the destructor aborts what is left
    return m_painter.end() && m_printer.printerState() != QPrinter::Error;
}

bool QtPrintSurface::failed() const
{
    return !m_painter.isActive() || m_printer.printerState() == QPrinter::Error;
}
