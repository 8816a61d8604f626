#include "editor/ui/SelectionMark.h"

#include "editor/ui/MarkdownTextView.h"

SelectionMark::SelectionMark(MarkdownTextView* view, std::optional<TextRange> before)
    : m_view(view),
      m_before(before)
{}

void SelectionMark::undo()
{
    if (!m_view) return;
    if (m_before)
        m_view->restoreSelectionAfterStep(*m_before);
    else
        m_after = m_view->selectedRange();
}

PartMark::PartMark(MarkdownTextView* view, Side side, int slicedFrom, bool heldStyling, int firstEdit)
    : m_view(view),
      m_side(side),
      m_slicedFrom(slicedFrom),
      m_heldStyling(heldStyling),
      m_firstEdit(firstEdit)
{}

void PartMark::undo()
{
    if (m_view && m_side == Start) m_view->notePartStep(true, m_slicedFrom, m_heldStyling, m_firstEdit);
}

void PartMark::redo()
{
    if (m_view && m_side == End) m_view->notePartStep(false, m_slicedFrom, m_heldStyling, m_firstEdit);
}

void SelectionMark::redo()
{
    if (m_view && !m_before && m_after) m_view->restoreSelectionAfterStep(*m_after);
}
