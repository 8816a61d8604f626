// The end of a long text laid out ahead of the slices: Ctrl+End shows the last screens at a
// place estimated from the part laid out, instead of waiting for all the text above them.
#include "editor/ui/PagedDocumentLayout.h"

#include <QTextDocument>

#include <algorithm>

namespace {

// How much text the end laid out ahead takes in (and each step Up takes in above it): some
// screens' worth, broken into lines in a few tens of milliseconds.
constexpr int tailUnits = 16 * 1024;

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
    const int done = m_placement.position();
    const QTextBlock lastDone = document()->findBlock(done).previous();
    placeTail(estimatedTop(done, lastDone.isValid() ? blockBottom(lastDone) : 0), rebreak);
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
    const QTextBlock lastDone = doc->findBlock(m_placement.position()).previous();
    if (top < (lastDone.isValid() ? blockBottom(lastDone) : 0)) return false;
    double y = top;
    for (QTextBlock b = from; b != first; b = b.next()) y = placeBlock(b, y);
    placeTail(y, false);
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
