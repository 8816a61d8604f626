#pragma once

#include <QObject>

#include <functional>

class QTimer;

// The part of a text the page layout has not laid out yet: the blocks from position() on.
// After a large change (a new text, a relayout of everything) they wait to be broken into
// lines and placed; after an edit far above the end of a long text they keep their lines
// and only wait to be moved by the distance the edit moved the block before them. Either
// way the idle slices lay them out a part at a time, or a reader that needs one at once.
class LazyPlacement {
public:
    enum class State {
        Placed,   // every block has its lines and its place
        Breaking, // the blocks from position() on wait to be broken into lines and placed
        Moving,   // they keep their lines and wait to be moved by shift()
    };
    // `slice` lays out the next part; scheduleSlice has it run once the event loop is idle.
    LazyPlacement(QObject* parent, std::function<void()> slice);

    State state() const { return m_state; }
    bool isPending() const { return m_state != State::Placed; }
    bool movesOnly() const { return m_state == State::Moving; }
    // Position of the first block that waits; −1 when none does.
    int position() const { return m_position; }
    bool waits(int blockPosition) const
    {
        return isPending() && blockPosition >= m_position && (m_tail < 0 || blockPosition < m_tail);
    }
    // While Breaking, the blocks from tail() on (−1: none) may already have their lines and a
    // place estimated from the part laid out, so that the end of a long text shows before the
    // slices reach it; they take their true place when the slices do.
    int tail() const { return m_tail; }
    void setTail(int position) { m_tail = position; }
    // How far the waiting blocks move once placed (while Moving, as far as is known).
    double shift() const { return m_shift; }
    void setShift(double shift) { m_shift = shift; }

    // The blocks from `position` on wait to be broken into lines and placed.
    void breakFrom(int position);
    // The blocks from `position` on keep their lines and wait to be moved by `shift`.
    void moveFrom(int position, double shift);
    // The blocks before `position` are laid out (−1: every block is).
    void laidOutUpTo(int position);
    // An edit before the waiting blocks moves where they start; one that reaches into them
    // leaves them starting where it starts. One before the tail moves it too (the layout
    // sees to one that reaches into it from before).
    void followEdit(int from, int removed, int added);
    // The next slice runs once the event loop is idle (once, however often this is asked).
    void scheduleSlice();

private:
    State m_state = State::Placed;
    int m_position = -1;
    int m_tail = -1;
    double m_shift = 0;
    QTimer* m_idle;
};
