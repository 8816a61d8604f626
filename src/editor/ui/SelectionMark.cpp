#include "editor/ui/SelectionMark.h"

#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/MarkdownTextView.h"

SelectionMark::SelectionMark(MarkdownTextView* view, std::optional<TextRange> before, bool apart)
    : m_view(view),
      m_before(before),
      m_apart(apart)
{}

// A step's first part is undone or redone as the others are, apart from the caret (until
// the view has the rest follow): styled with the caret's line, it would bring the storage's
// gap from the part to the caret, and the next part would move it all the way back.
void SelectionMark::undo()
{
    if (!m_view) return;
    if (m_before)
        m_view->restoreSelectionAfterStep(*m_before);
    else {
        m_after = m_view->selectedRange();
        if (m_apart) m_view->coordinator()->beginEditsApart();
    }
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
    if (!m_view) return;
    if (!m_before && m_after) m_view->restoreSelectionAfterStep(*m_after);
    if (m_before && m_apart) m_view->coordinator()->beginEditsApart();
}
