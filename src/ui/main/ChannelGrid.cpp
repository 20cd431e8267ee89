#include "ChannelGrid.h"

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
constexpr int kHeaderIds[ChannelGrid::kColumns] = {1239, 1200, 1202, 1211, 1212, 1216,
                                                   1219, 1213, 1247, 1458, 1227};

// One unit for the number column, two for each data column.
constexpr int kWidthUnits = 21;

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

void ChannelGrid::ApplyLanguage()
{
    QStringList texts;
    for (int id : kHeaderIds) texts << QText(id);
    setHorizontalHeaderLabels(texts);
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

void ChannelGrid::applyColumnWidths()
{
    // The viewport already excludes the vertical scroll bar when it is shown.
    const int width = viewport()->width();
    const int unit = width / kWidthUnits;
    int used = unit;
    setColumnWidth(0, unit);
    for (int c = 1; c < kColumns; ++c) {
        // The last column takes the rounding remainder so the row ends flush.
        const int w = c == kColumns - 1 ? width - used : 2 * unit;
        setColumnWidth(c, w);
        used += w;
    }
}
