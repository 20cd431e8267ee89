#pragma once

#include <functional>

#include <QObject>

class QTableView;

// The service gesture that opens the memory map: a right-button release with
// exactly Ctrl+Shift held on the top-left corner cell of the channel grid's
// header. It is deliberately absent from menus and tooltips.
class MemoryMapGesture final : public QObject {
    Q_OBJECT
public:
    MemoryMapGesture(QTableView& grid, std::function<void()> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView& m_grid;
    std::function<void()> m_open;
};
