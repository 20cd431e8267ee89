#pragma once

#include <array>

#include <QString>
#include <QTableWidget>

#include "core/AppState.h"

// The channel grid msgMemChannel: one channel of the image per row. Rows are
// addressed as channel numbers 1..channelCount; column 0 shows the number and
// never becomes current, columns 1..10 are RX Freq, TX Freq, Decode, Encode,
// W/N, Scan, TX Power, Opt Signal, PTT ID and BCL. Keeps state.currentRow,
// currentCol and currentChannel in step with the current cell.
class ChannelGrid final : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 11;
    static constexpr int kRxFreqCol = 1;
    static constexpr int kTxFreqCol = 2;
    static constexpr int kDecodeCol = 3;
    static constexpr int kEncodeCol = 4;
    static constexpr int kWideCol = 5;
    static constexpr int kBclCol = 10;

    ChannelGrid(AppState& state, QWidget* parent);

    // Rows for state.channelCount, channel numbers, column widths, row 1 /
    // column 1 current. Data cells and header texts are left as they are.
    void LayOut();
    // The English header words a fresh document's grid starts with.
    void SetLayoutHeaders();
    // Empties columns 1..10 of every row, then row 1 / column 1 is current.
    void ClearGrid();
    // Draws channel n (1..channelCount) from the image, normalising it first:
    // an out-of-band channel is erased from the image and shown empty.
    void RenderChannelRow(int n);
    // Header texts in the current language.
    void ApplyLanguage();

    // Id of the heading text of column col (0..10).
    [[nodiscard]] static int headerTextId(int col);

    [[nodiscard]] QString cellText(int n, int col) const;
    void setCellText(int n, int col, const QString& text);
    [[nodiscard]] bool cellEmpty(int n, int col) const { return cellText(n, col).isEmpty(); }
    // Makes (n, col) the current cell; col 0 and rows outside 1..channelCount are ignored.
    void makeCurrent(int n, int col);
    // Cell rectangle of (n, col) in the coordinates of viewport().
    [[nodiscard]] QRect cellRect(int n, int col) const;

Q_SIGNALS:
    void resized();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Widths the heading and the widest possible text of each column need.
    [[nodiscard]] std::array<int, kColumns> columnNeeds() const;
    // Column widths for the viewport, and the grid's minimum width.
    void applyColumnWidths();

    AppState& m_state;
};
