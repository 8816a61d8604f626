#include "editor/ui/LazyPlacement.h"

#include <QTimer>

#include <algorithm>

LazyPlacement::LazyPlacement(QObject* parent, std::function<void()> slice)
    : m_idle(new QTimer(parent))
{
    m_idle->setInterval(0);
    m_idle->setSingleShot(true);
    QObject::connect(m_idle, &QTimer::timeout, parent, std::move(slice));
}

void LazyPlacement::breakFrom(int position)
{
    m_state = State::Breaking;
    m_position = position;
    m_tail = -1;
}

void LazyPlacement::moveFrom(int position, double shift)
{
    m_state = State::Moving;
    m_position = position;
    m_tail = -1;
    m_shift = shift;
}

void LazyPlacement::laidOutUpTo(int position)
{
    m_position = position;
    if (position < 0 || (m_tail >= 0 && position >= m_tail)) {
        m_state = State::Placed;
        m_position = -1;
        m_tail = -1;
    }
}

void LazyPlacement::followEdit(int from, int removed, int added)
{
    if (!isPending()) return;
    if (m_tail >= 0 && from < m_tail && (removed == 0 || from + removed < m_tail)) m_tail += added - removed;
    if (from >= m_position) return;
    m_position = std::max(from, m_position + added - removed);
}

void LazyPlacement::scheduleSlice()
{
    m_idle->start();
}
