#include "PrintLayout.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <QLocale>

#include "core/ChannelView.h"
#include "core/OptionalFeatures.h"
#include "platform/PrintSurface.h"
#include "platform/QtText.h"
#include "strings/Strings.h"

namespace {

constexpr int kColumns = 130;
constexpr int kLines = 60;
constexpr int kBlocksPerPage = 9;
// Nine blocks from line 11 end on line 60: 5.75 lines apart rather than 6,
// the ninth block's last line stays clear of the page number at the bottom.
constexpr double kBlockPitchLines = 5.75;
constexpr int kFirstBlockLine = 11;
constexpr int kTitleLine = 9;
constexpr double kHeaderPoints = 11;
constexpr double kTitlePoints = 16;
constexpr double kBodyPoints = 10;
const QString kNoValue = QStringLiteral("---------");

// Halves go to the even neighbour (the default floating-point rounding mode).
int Round(double value) { return static_cast<int>(std::nearbyint(value)); }

struct PrintedChannel {
    int number;
    ChannelCells cells;
};

class PrintJob {
public:
    PrintJob(PrintSurface& surface, const AppState& state, const PrintChoices& choices)
        : m_surface(surface),
          m_state(state),
          m_choices(choices),
          m_grid(ComputePrintGrid(surface.width(), surface.height()))
    {
    }

    bool run()
    {
        if (m_choices.memoryChannels && !printChannelPages()) return false;
        if (m_choices.optionalFeatures) {
            if (m_choices.memoryChannels && !m_surface.newPage()) return false;
            printFeaturesPage();
        }
        return m_surface.end();
    }

private:
    [[nodiscard]] int x(int column) const { return m_grid.leftMargin + column * m_grid.columnUnit; }
    [[nodiscard]] int y(int line) const { return m_grid.topMargin + line * m_grid.lineHeight; }
    // y of the first line of channel block k (0..8) of a page.
    [[nodiscard]] int blockTop(int k) const
    {
        return m_grid.topMargin + Round((kFirstBlockLine + kBlockPitchLines * k) * m_grid.lineHeight);
    }
    void at(int column, int line, const QString& text) { m_surface.printText(x(column), y(line), text); }

    // The grid shows nothing for a channel without an in-band receive frequency,
    // nor has it a row above the channel count, so neither is printed.
    std::vector<PrintedChannel> channels() const
    {
        AppState view = m_state;
        const int first = std::max(m_choices.firstChannel, 1);
        const int last = std::min(m_choices.lastChannel, int(view.channelCount));
        std::vector<PrintedChannel> out;
        for (int n = first; n <= last; ++n) {
            ChannelCells cells = NormalizeAndDescribeChannel(view, n - 1);
            if (cells.present) out.push_back({n, std::move(cells)});
        }
        return out;
    }

    bool printChannelPages()
    {
        const std::vector<PrintedChannel> list = channels();
        if (list.empty()) {
            printPageHeader();
            at(0, kTitleLine, QText(TextId::MemoryChannel));
            printFooter();
            return true;
        }
        for (std::size_t first = 0; first < list.size(); first += kBlocksPerPage) {
            if (first > 0 && !m_surface.newPage()) return false;
            printPageHeader();
            at(0, kTitleLine, QText(TextId::MemoryChannel));
            const std::size_t last = std::min(list.size(), first + kBlocksPerPage);
            for (std::size_t i = first; i < last; ++i) printChannelBlock(blockTop(int(i - first)), list[i]);
            printFooter();
        }
        return true;
    }

    // The block's lines from `top` down, one line height apart.
    void printChannelBlock(int top, const PrintedChannel& channel)
    {
        // Cell texts are indexed by grid column - 1.
        const auto cell = [&channel](int gridColumn) {
            return QString::fromStdString(channel.cells.text[std::size_t(gridColumn - 1)]);
        };
        const auto orNoValue = [](const QString& text) { return text.isEmpty() ? kNoValue : text; };

        const int step = m_grid.lineHeight;
        m_surface.printText(x(0), top,
                            QText(TextId::Channel) + QLatin1Char(' ') + QString::number(channel.number));
        printDetailLine(top + step, QText(TextId::RxFreq), cell(1), QText(TextId::TxFreq),
                        orNoValue(cell(2)));
        printDetailLine(top + 2 * step, QText(TextId::Decode), cell(3), QText(TextId::Encode),
                        orNoValue(cell(4)));
        printDetailLine(top + 3 * step, QText(TextId::TxPower), cell(7), QText(TextId::Scan), cell(6));
    }

    void printDetailLine(int top, const QString& leftLabel, const QString& leftValue,
                         const QString& rightLabel, const QString& rightValue)
    {
        m_surface.printText(x(6), top, leftLabel);
        m_surface.printText(x(35), top, leftValue);
        m_surface.printText(x(70), top, rightLabel);
        m_surface.printText(x(105), top, rightValue);
    }

    void printFeaturesPage()
    {
        printPageHeader();
        const OptionalFeatures features = ReadOptionalFeatures(m_state.memoryImage);
        at(0, kTitleLine, QText(TextId::OptionalFeatures));
        int line = kFirstBlockLine;
        for (const Feature feature : kFeatures) {
            at(6, line, QString::fromStdString(FeatureLabel(feature)));
            at(40, line, QString::fromStdString(FeatureValueText(features, feature)));
            ++line;
        }
        printFooter();
    }

    void printPageHeader()
    {
        const double w = m_surface.width();
        m_surface.setBold(true);
        m_surface.setFontSize(kTitlePoints);
        const QString title = QText(TextId::RadioProgrammingInformation);
        m_surface.printText(Round((w - m_surface.textWidth(title)) / 2), y(0), title);

        m_surface.setFontSize(kHeaderPoints);
        const QLocale locale = QLocale::system();
        const QString stamp = locale.toString(m_choices.printedAt.date(), QLocale::ShortFormat) +
                              QStringLiteral("  ") +
                              locale.toString(m_choices.printedAt.time(), QLocale::ShortFormat);
        m_surface.printText(Round(9 * w / 10 - m_surface.textWidth(stamp)), y(2), stamp);

        at(4, 4, QText(TextId::ModelType));
        at(30, 4, QStringLiteral("ZQ-915"));
        at(4, 5, QText(TextId::Frequency));
        at(30, 5, m_choices.bandLabel);
        at(4, 6, QText(TextId::FileName));
        at(30, 6, fitted(QString::fromStdString(m_state.documentPath), m_surface.width() - x(30)));

        m_surface.setBold(false);
        m_surface.setFontSize(kBodyPoints);
    }

    // A long path would run off the paper: keep its start and its file name.
    [[nodiscard]] QString fitted(const QString& text, int maxWidth) const
    {
        if (m_surface.textWidth(text) <= maxWidth) return text;
        const QString dots = QStringLiteral("...");
        const auto shortened = [&](int keep) {
            return text.left(keep - keep / 2) + dots + text.right(keep / 2);
        };
        int lo = 0;
        int hi = int(text.size()) - 1;
        while (lo < hi) {  // the longest shortening that fits
            const int mid = (lo + hi + 1) / 2;
            if (m_surface.textWidth(shortened(mid)) <= maxWidth)
                lo = mid;
            else
                hi = mid - 1;
        }
        return shortened(lo);
    }

    // On the bottom edge of the printable area, on a line of its own below the
    // ninth block, whose last line starts at 95 % of the height.
    void printFooter()
    {
        const QString text = QStringLiteral("- %1 -").arg(m_surface.pageNumber());
        m_surface.printText(Round((m_surface.width() - m_surface.textWidth(text)) / 2.0),
                            m_surface.height() - m_surface.textHeight(), text);
    }

    PrintSurface& m_surface;
    const AppState& m_state;
    const PrintChoices& m_choices;
    const PrintGrid m_grid;
};

}  // namespace

PrintGrid ComputePrintGrid(int width, int height)
{
    // Written as exact fractions so that true halves stay halves in floating point.
    return {Round(width / 10.0), Round(9.0 * width / (10 * kColumns)), Round(height / 20.0),
            Round(9.0 * height / (10 * kLines))};
}

bool PrintDocument(PrintSurface& surface, const AppState& state, const PrintChoices& choices)
{
    if (!choices.memoryChannels && !choices.optionalFeatures) return true;
    return PrintJob(surface, state, choices).run();
}
