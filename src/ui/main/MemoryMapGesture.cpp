#include "MemoryMapGesture.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTableView>

MemoryMapGesture::MemoryMapGesture(QTableView& grid, std::function<void()> open)
    : QObject(&grid), m_grid(grid), m_open(std::move(open))
{
    m_grid.horizontalHeader()->viewport()->installEventFilter(this);
}

bool MemoryMapGesture::eventFilter(QObject* watched, QEvent* event)
{
    QHeaderView* header = m_grid.horizontalHeader();
    if (watched != header->viewport() || event->type() != QEvent::MouseButtonRelease) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const Qt::KeyboardModifiers held = mouse->modifiers() & ~Qt::KeypadModifier;
    if (mouse->button() != Qt::RightButton || held != (Qt::ControlModifier | Qt::ShiftModifier) ||
        header->logicalIndexAt(mouse->position().toPoint()) != 0)
        return false;
    m_open();
    return true;
}
