// The end of a long text laid out ahead of the slices: Ctrl+End shows the last screens at a
// place estimated from the part laid out, instead of waiting for all the text above them. A
// place far down that the view waits for (a click on a blank sheet, a match) is laid out from
// there when it is nearer the end than the part laid out, else by the part laid out going on.
#include "editor/ui/PagedDocumentLayout.h"

#include <QElapsedTimer>
#include <QTextDocument>

#include <algorithm>

namespace {

// How much text the end laid out ahead takes in (and each step Up takes in above it): some
// screens' worth, broken into lines in a few tens of milliseconds.
constexpr int tailUnits = 16 * 1024;
// A block asked for this close to the part laid out is laid out at once, with all before it.
constexpr int nearUnits = 64 * 1024;
// The part laid out goes on towards a place far down a piece of this size at a time, so that
// the styling each piece waits for stays within a slice too.
constexpr int pieceUnits = 64 * 1024;
// How far above the end laid out ahead a place may lie for the end to take it in from below
// rather than the part laid out from above: the end's blocks are placed again, from an
// estimate, each time the part laid out passes where the end begins.
constexpr int reachUnits = 1024 * 1024;

} // namespace

bool PagedDocumentLayout::placeEnd(bool style)
{
    if (m_placement.state() != LazyPlacement::State::Breaking) return false;
    if (m_placement.tail() >= 0) return true;
    QTextDocument* doc = document();
    const int end = doc->characterCount() - 1;
    // Close to the part laid out, the slices reach the end soon enough.
    if (m_placement.position() <= 0 || end - m_placement.position() < 4 * tailUnits) return false;
    if (style && styleNear) styleNear(end);
    const QTextBlock first = doc->findBlock(end - tailUnits).next();
    if (!first.isValid() || !m_placement.waits(first.position())) return false;
    m_placement.setTail(first.position());
    placeTailAtEstimate(true);
    return true;
}

void PagedDocumentLayout::placeTailAtEstimate(bool rebreak)
{
    placeTail(estimatedTop(m_placement.position(), laidOutBottom()), rebreak);
    updateExtent(0, -1);
}

QTextBlock PagedDocumentLayout::tailBlock() const
{
    if (!m_placement.isPending() || m_placement.tail() < 0) return {};
    return document()->findBlock(m_placement.tail());
}

double PagedDocumentLayout::estimatedTop(int position, double y) const
{
    // The blocks between take as many pixels per character as those laid out.
    return position > 0 ? y * double(m_placement.tail()) / position : y;
}

double PagedDocumentLayout::placeTail(double top, bool rebreak)
{
    for (QTextBlock b = tailBlock(); b.isValid(); b = b.next()) {
        if (rebreak) breakLines(b);
        top = placeBlock(b, top);
    }
    return top;
}

bool PagedDocumentLayout::growTail(const QTextBlock& asked)
{
    // Only for a block just above the end (Up or Page Up from it) far from the part laid out.
    const QTextBlock first = tailBlock();
    const int tail = m_placement.tail();
    if (!first.isValid() || asked.position() < tail - tailUnits) return false;
    QTextDocument* doc = document();
    const QTextBlock from = doc->findBlock(tail - tailUnits);
    if (from.position() - m_placement.position() < 2 * tailUnits) return false;
    if (styleNear) styleNear(from.position() + tailUnits / 2);
    // Broken and measured first, then placed so that they end where the end's blocks begin
    // (those move by what the pages' breaks make of it, a line or so).
    double bottom = 0;
    for (QTextBlock b = from; b != first; b = b.next()) {
        breakLines(b);
        bottom = placeBlock(b, bottom);
    }
    const double top = blockTop(first) - bottom;
    if (top < laidOutBottom()) return false;
    double y = top;
    for (QTextBlock b = from; b != first; b = b.next()) y = placeBlock(b, y);
    // The end's blocks from the first that lies where it lay stay where they are.
    for (QTextBlock b = first; b.isValid() && blockTop(b) != y; b = b.next()) y = placeBlock(b, y);
    m_placement.setTail(from.position());
    updateExtent(top, -1);
    return true;
}

bool PagedDocumentLayout::reachesIntoTail(int from, int removed, int added)
{
    const int tail = m_placement.tail();
    if (tail < 0 || from >= tail || removed == 0 || from + removed < tail) return false;
    QTextDocument* doc = document();
    m_placement.followEdit(from, removed, added);
    // The blocks of the part laid out that it changed (a styling slice may restyle text laid
    // out already) are laid out again, up to the first block still waiting.
    if (from < m_placement.position())
        layOutChanged(doc->findBlock(from), doc->findBlock(m_placement.position()).previous());
    QTextBlock last = doc->findBlock(from + added);
    if (!last.isValid()) last = doc->lastBlock();
    if (removed == added && doc->findBlock(tail).position() == tail) {
        layOutChanged(doc->findBlock(tail), last);
        return true;
    }
    const QTextBlock after = last.next();
    m_placement.setTail(after.isValid() ? after.position() : -1);
    updateExtent(0, -1);
    return true;
}

double PagedDocumentLayout::laidOutBottom() const
{
    const QTextBlock lastDone = document()->findBlock(m_placement.position()).previous();
    return lastDone.isValid() ? blockBottom(lastDone) : 0;
}

double PagedDocumentLayout::estimatedY(int position) const
{
    // Between the part laid out and the end laid out ahead, or past the part laid out at its
    // pixels per character.
    const int done = m_placement.position();
    const double bottom = laidOutBottom();
    const QTextBlock tail = tailBlock();
    if (!tail.isValid()) return done > 0 ? bottom * position / done : bottom;
    return bottom + (blockTop(tail) - bottom) * (position - done) / std::max(1, tail.position() - done);
}

int PagedDocumentLayout::estimatedPosition(double y) const
{
    const int done = m_placement.position();
    const QTextBlock tail = tailBlock();
    const int to = tail.isValid() ? tail.position() : document()->characterCount() - 1;
    const double bottom = laidOutBottom();
    const double span = estimatedY(to) - bottom;
    if (span <= 0 || to <= done) return done;
    return std::clamp(done + int((y - bottom) / span * (to - done)), done, to - 1);
}

bool PagedDocumentLayout::waitsAt(double y) const
{
    if (m_placement.state() != LazyPlacement::State::Breaking || y < laidOutBottom()) return false;
    const QTextBlock tail = tailBlock();
    return !tail.isValid() || y < blockTop(tail);
}

bool PagedDocumentLayout::laysOutWhenAsked(const QTextBlock& block)
{
    // Blocks waiting only to be moved keep their lines: moving them all is quick.
    if (m_placement.state() != LazyPlacement::State::Breaking) return true;
    if (block.position() - m_placement.position() <= nearUnits) return true;
    if (block.position() >= document()->characterCount() - 1 - tailUnits) placeEnd();
    return !isPending(block);
}

bool PagedDocumentLayout::stepToward(int position, double budgetMs)
{
    if (!m_placement.isPending()) return false;
    const int done = m_placement.position();
    const int tail = m_placement.tail();
    const int below = (tail >= 0 ? tail : document()->characterCount() - 1) - position;
    // Nearer the end than the part laid out (and not far above it): the end takes it in.
    if (m_placement.state() == LazyPlacement::State::Breaking && below < position - done && below <= reachUnits) {
        if (tail < 0 ? placeEnd() : growTail(tailBlock().previous())) return true;
    }
    continueLayout(budgetMs, document()->findBlock(std::min(position, done + pieceUnits)));
    return true;
}

bool PagedDocumentLayout::layOutToward(int position, double budgetMs)
{
    QElapsedTimer t;
    t.start();
    while (!isPlaced(position) && double(t.elapsed()) < budgetMs
           && stepToward(position, budgetMs - double(t.elapsed()))) {}
    return isPlaced(position);
}

bool PagedDocumentLayout::layOutAt(double y, double budgetMs)
{
    QElapsedTimer t;
    t.start();
    while (waitsAt(y) && double(t.elapsed()) < budgetMs
           && stepToward(estimatedPosition(y), budgetMs - double(t.elapsed()))) {}
    return !waitsAt(y);
}
