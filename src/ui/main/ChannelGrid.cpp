#include "ChannelGrid.h"

#include <algorithm>

#include <QHeaderView>
#include <QResizeEvent>
#include <QScrollBar>

#include "core/ChannelView.h"
#include "platform/QtText.h"
#include "strings/Strings.h"

namespace {

// The header words a fresh layout shows until the language is applied.
const QStringList kLayoutHeaders{"CH",   "RX Freq",  "TX Freq",    "Decode", "Encode", "W/N",
                                 "Scan", "TX Power", "Opt Signal", "PTT ID", "BCL"};
static_assert(kGridHeaderIds.size() == ChannelGrid::kColumns);

// One unit for the number column, two for each data column.
constexpr int kWidthUnits = 21;

// The widest texts a column shows besides its heading: samples, and the ids
// of its words in the current language.
struct ColumnContents {
    const char* sample;
    int wordIds[3];
};
constexpr ColumnContents kContents[ChannelGrid::kColumns] = {
    {"000", {}},
    {"000.00000", {}},
    {"000.00000", {}},
    {"D000N", {TextId::NoneChoice}},
    {"D000N", {TextId::NoneChoice}},
    {"", {TextId::Wide, TextId::Narrow}},
    {"", {TextId::Add, TextId::Del}},
    {"", {TextId::Low, TextId::High}},
    {"", {TextId::NoneChoice, TextId::Dtmf}},
    {"", {TextId::Off, TextId::On}},
    {"", {TextId::Off, TextId::Carrier, TextId::QtDqt}}};

}  // namespace

ChannelGrid::ChannelGrid(AppState& state, QWidget* parent) : QTableWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("msgMemChannel"));
    setColumnCount(kColumns);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 12);

    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col, int, int) {
        if (row < 0 || col < 1) return;
        m_state.currentRow = row + 1;
        m_state.currentCol = col;
        m_state.currentChannel = row;
    });
}

void ChannelGrid::LayOut()
{
    const int rows = m_state.channelCount;
    if (rowCount() != rows) {
        setRowCount(rows);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < kColumns; ++c) {
                if (item(r, c)) continue;
                auto* cell = new QTableWidgetItem;
                cell->setTextAlignment(Qt::AlignCenter);
                if (c == 0) {
                    // The number column looks and behaves like a header.
                    cell->setFlags(Qt::NoItemFlags);
                    cell->setBackground(palette().button());
                    cell->setForeground(palette().buttonText());
                }
                setItem(r, c, cell);
            }
        }
    }
    // The 128-channel layout always keeps room for the vertical scroll bar.
    setVerticalScrollBarPolicy(rows > 8 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    applyColumnWidths();
    for (int n = 1; n <= rows; ++n) item(n - 1, 0)->setText(QString::number(n));
    makeCurrent(1, kRxFreqCol);
}

void ChannelGrid::SetLayoutHeaders() { setHorizontalHeaderLabels(kLayoutHeaders); }

void ChannelGrid::ClearGrid()
{
    for (int n = 1; n <= rowCount(); ++n)
        for (int c = 1; c < kColumns; ++c) item(n - 1, c)->setText(QString());
    makeCurrent(1, kRxFreqCol);
}

void ChannelGrid::RenderChannelRow(int n)
{
    if (n < 1 || n > rowCount()) return;
    const ChannelCells cells = NormalizeAndDescribeChannel(m_state, n - 1);
    for (int c = 1; c < kColumns; ++c)
        item(n - 1, c)->setText(cells.present ? QString::fromStdString(cells.text[c - 1]) : QString());
}

int ChannelGrid::headerTextId(int col) { return kGridHeaderIds[col]; }

void ChannelGrid::ApplyLanguage()
{
    QStringList texts;
    for (int id : kGridHeaderIds) texts << QText(id);
    setHorizontalHeaderLabels(texts);
    applyColumnWidths();
}

QString ChannelGrid::cellText(int n, int col) const
{
    const QTableWidgetItem* cell = item(n - 1, col);
    return cell ? cell->text() : QString();
}

void ChannelGrid::setCellText(int n, int col, const QString& text)
{
    if (QTableWidgetItem* cell = item(n - 1, col)) cell->setText(text);
}

void ChannelGrid::makeCurrent(int n, int col)
{
    if (n < 1 || n > rowCount() || col < 1 || col >= kColumns) return;
    setCurrentCell(n - 1, col);
}

QRect ChannelGrid::cellRect(int n, int col) const { return visualRect(model()->index(n - 1, col)); }

void ChannelGrid::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
    applyColumnWidths();
    Q_EMIT resized();
}

std::array<int, ChannelGrid::kColumns> ChannelGrid::columnNeeds() const
{
    const QFontMetrics cells = fontMetrics();
    const QFontMetrics headings = horizontalHeader()->fontMetrics();
    const int padding = 2 * cells.horizontalAdvance(QLatin1Char('0'));
    std::array<int, kColumns> need{};
    for (int c = 0; c < kColumns; ++c) {
        const QTableWidgetItem* heading = horizontalHeaderItem(c);
        int widest = std::max(cells.horizontalAdvance(QLatin1String(kContents[c].sample)),
                              headings.horizontalAdvance(heading ? heading->text() : QString()));
        for (int id : kContents[c].wordIds)
            if (id) widest = std::max(widest, cells.horizontalAdvance(QText(id)));
        need[std::size_t(c)] = widest + padding;
    }
    return need;
}

void ChannelGrid::applyColumnWidths()
{
    // Frequencies must never be cut short: when the usual 1:2 shares are too
    // narrow for them, they take their width first and the other columns
    // share the rest. The minimum width lets every column's text fit.
    const std::array<int, kColumns> need = columnNeeds();
    int unitAtMinimum = need[0];
    for (int c = kDecodeCol; c < kColumns; ++c)
        unitAtMinimum = std::max(unitAtMinimum, (need[std::size_t(c)] + 1) / 2);
    const int frequency = need[kRxFreqCol];
    setMinimumWidth(2 * frequency + (kWidthUnits - 4) * unitAtMinimum + 2 * frameWidth() +
                    verticalScrollBar()->sizeHint().width());

    // The viewport already excludes the vertical scroll bar when it is shown.
    const int width = viewport()->width();
    int unit = width / kWidthUnits;
    int frequencyWidth = 2 * unit;
    if (frequencyWidth < frequency) {
        frequencyWidth = frequency;
        unit = std::max(0, width - 2 * frequency) / (kWidthUnits - 4);
    }
    int used = 0;
    for (int c = 0; c < kColumns; ++c) {
        int w = c == 0 ? unit : 2 * unit;
        if (c == kRxFreqCol || c == kTxFreqCol) w = frequencyWidth;
        // The last column takes the rounding remainder so the row ends flush.
        if (c == kColumns - 1) w = width - used;
        setColumnWidth(c, w);
        used += w;
    }
}
