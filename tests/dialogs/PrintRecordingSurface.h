#pragma once

#include <vector>

#include <QString>

#include "platform/PrintSurface.h"

// Records everything a print job draws. Text width is 2 units per character
// and point, line height 3 units per point, so sizes follow the font as on paper.
class PrintRecordingSurface final : public PrintSurface {
public:
    struct Drawn {
        int page;
        int x;
        int y;
        QString text;
        double points;
        bool bold;
        int width;
        int height;
    };

    PrintRecordingSurface(int width, int height) : m_width(width), m_height(height) {}

    std::vector<Drawn> drawn;
    int newPages = 0;
    int ends = 0;
    int failNewPageAt = 0;  // the n-th newPage() call fails (0 = never)

    [[nodiscard]] int width() const override { return m_width; }
    [[nodiscard]] int height() const override { return m_height; }
    void setFontSize(double points) override { m_points = points; }
    void setBold(bool bold) override { m_bold = bold; }
    [[nodiscard]] int textWidth(const QString& text) const override
    {
        return int(text.size() * m_points * 2);
    }
    [[nodiscard]] int textHeight() const override { return int(m_points * 3); }
    void printText(int x, int y, const QString& text) override
    {
        drawn.push_back({m_page, x, y, text, m_points, m_bold, textWidth(text), textHeight()});
    }
    [[nodiscard]] int pageNumber() const override { return m_page; }
    [[nodiscard]] bool newPage() override
    {
        if (++newPages == failNewPageAt) return false;
        ++m_page;
        return true;
    }
    [[nodiscard]] bool end() override
    {
        ++ends;
        return true;
    }

    // Texts drawn on `page`, in drawing order.
    [[nodiscard]] std::vector<Drawn> onPage(int page) const
    {
        std::vector<Drawn> out;
        for (const Drawn& d : drawn)
            if (d.page == page) out.push_back(d);
        return out;
    }
    [[nodiscard]] const Drawn* find(int page, const QString& text) const
    {
        for (const Drawn& d : drawn)
            if (d.page == page && d.text == text) return &d;
        return nullptr;
    }

private:
    int m_width;
    int m_height;
    int m_page = 1;
    double m_points = 0;
    bool m_bold = false;
};
