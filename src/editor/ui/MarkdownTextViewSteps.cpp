// The edits a view makes in parts (Replace All's), and undo and redo, which take such parts
// as one step and put the selection and the view back where the step left them (the parts of
// a step LongPaste made a few at a time, as they were made).
#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/GhostText.h"
#include "editor/ui/LongPaste.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/SelectionMark.h"
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

bool MarkdownTextView::replaceRanges(const QList<TextFind::Edit>& edits)
{
    if (isReadOnly() || edits.isEmpty()) return false;
    int end = textLength();
    for (qsizetype i = edits.size() - 1; i >= 0; --i) {
        const TextRange r = edits[i].range;
        if (r.isNotFound() || r.location < 0 || r.end() > end) return false;
        end = r.location;
    }
    m_ghost->dismiss();
    QTextDocument* doc = document();
    m_coordinator->beginEditsApart();
    // From the last, so that the ranges before each stay where they were; each in an edit
    // block of its own, so that it is heard as a change of its own, when made and when undone
    // or redone (one block, or blocks joined, are heard as one change from the first range to
    // the end of the last, all of it restyled and laid out again); the marks have undo and
    // redo take all of them as one step.
    const qsizetype last = edits.size() - 1;
    const bool apart = last > 0;
    for (qsizetype i = last; i >= 0; --i) {
        QTextCursor c(doc);
        c.beginEditBlock();
        doc->appendUndoItem(i == last ? static_cast<QAbstractUndoItem*>(new SelectionMark(this, selectedRange(), apart))
                                      : new PartMark(this, PartMark::Start));
        c.setPosition(edits[i].range.location);
        c.setPosition(edits[i].range.end(), QTextCursor::KeepAnchor);
        c.insertText(edits[i].replacement);
        doc->appendUndoItem(i == 0 ? static_cast<QAbstractUndoItem*>(new SelectionMark(this, std::nullopt, apart))
                                   : new PartMark(this, PartMark::End));
        c.endEditBlock();
    }
    m_coordinator->endEditsApart();
    return true;
}

bool MarkdownTextView::replaceMatches(const QList<TextRange>& matches, const QString& with,
                                      std::optional<TextRange> select)
{
    // A few matches that are little work go in at once, each a change of its own. Others
    // would hold the window for as long as it takes to restyle and lay out the lines around
    // each and to move the storage's gap from one to the next: they go in a few at a time,
    // the window going on between them (LongPaste::putEach), and are undone and redone so.
    if (isReadOnly() || matches.isEmpty()) return false;
    if (matches.size() <= LongPaste::kFewMatches && fewMatchesAtOnce(matches))
        return EditorTextView::replaceMatches(matches, with, select);
    m_paste->putEach(matches, with, select);
    return true;
}

bool MarkdownTextView::fewMatchesAtOnce(const QList<TextRange>& matches)
{
    // Little work: the gap crosses a short stretch from the last match to the first, and the
    // lines laid out again are short together (a line of a megabyte takes Qt a tenth of a
    // second each time). The gap is brought toward the last match meanwhile; if it is still
    // far, the turns bring it the rest of the way.
    constexpr int stretchUnits = 1024 * 1024;
    constexpr int lineUnits = 64 * 1024;
    if (matches.last().end() - matches.first().location > stretchUnits) return false;
    int lines = 0;
    int lastBlock = -1;
    for (const TextRange& m : matches) {
        const QTextBlock block = document()->findBlock(m.location);
        if (block.blockNumber() == lastBlock) continue;
        lastBlock = block.blockNumber();
        lines += block.length();
        if (lines > lineUnits) return false;
    }
    return m_coordinator->readyToEditAt(matches.last().location);
}

void MarkdownTextView::undo()
{
    // Undo during a paste takes the paste back: one still being made is given up (nothing of
    // it is in the text yet); one going in is put in whole first and then undone.
    if (m_paste->isActive() && !m_paste->putRest()) return;
    const int viewTop = verticalScrollBar()->value();
    m_partFollows = false;
    QTextEdit::undo();
    stepParts(true);
    m_coordinator->endEditsApart(); // begun by the step's first part (SelectionMark)
    applyRestoredSelection();
    revealStepsCaret(viewTop);
    holdCaretLine();
}

void MarkdownTextView::redo()
{
    if (m_paste->isActive()) return;
    const int viewTop = verticalScrollBar()->value();
    m_partFollows = false;
    QTextEdit::redo();
    stepParts(false);
    m_coordinator->endEditsApart();
    applyRestoredSelection();
    revealStepsCaret(viewTop);
    holdCaretLine();
}

void MarkdownTextView::notePartStep(bool undoing, int slicedFrom, bool heldStyling, int firstEdit)
{
    m_partFollows = true;
    m_slicedFrom = slicedFrom;
    m_slicedHeld = heldStyling;
    m_slicedFirstEdit = firstEdit;
    // A part undone from elsewhere (the context menu): the rest follows once control returns.
    if (!m_steppingParts)
        QMetaObject::invokeMethod(
            this,
            [this, undoing] {
                if (m_partFollows)
                    undoing ? undo() : redo();
                else
                    m_coordinator->endEditsApart();
            },
            Qt::QueuedConnection);
}

bool MarkdownTextView::stepPart(bool undoing)
{
    m_partFollows = false;
    m_steppingParts = true;
    // No cursor follows the part: one placed where it is would have Qt lay out the text up
    // to there.
    undoing ? document()->undo() : document()->redo();
    m_steppingParts = false;
    return std::exchange(m_partFollows, false);
}

void MarkdownTextView::stepParts(bool undoing)
{
    if (!m_partFollows) return;
    if (m_slicedFrom >= 0) {
        // Many parts: undone (redone) a few at a time, the window going on meanwhile.
        m_partFollows = false;
        m_paste->stepParts(undoing, m_slicedFrom, m_slicedHeld, m_slicedFirstEdit);
        return;
    }
    // The parts after the first: each heard as a change of its own, far from one another and
    // from the caret, which goes once the step is complete (its selection mark says where).
    m_steppingParts = true;
    m_coordinator->beginEditsApart();
    QTextCursor c(document());
    while (m_partFollows) {
        m_partFollows = false;
        undoing ? document()->undo(&c) : document()->redo(&c);
    }
    m_coordinator->endEditsApart();
    m_steppingParts = false;
}

void MarkdownTextView::revealStepsCaret(int viewTop)
{
    // The text edit scrolls only as far as the caret. A step away from the view (a long paste
    // taken back shortens the document far under it) would leave the caret on the view's edge
    // and the text before it out of sight, the rest of the view a blank sheet: such a step
    // brings the caret's line to the middle of the view, as a match found is shown. A step
    // within the view leaves it where it is.
    verticalScrollBar()->setValue(viewTop);
    scrollRangeToVisible({textCursor().position(), 0});
}

void MarkdownTextView::restoreSelectionAfterStep(TextRange range)
{
    const bool queued = m_restoreSelection.has_value();
    m_restoreSelection = range;
    // Steps undone from elsewhere (the context menu) get theirs once control returns.
    if (!queued) QMetaObject::invokeMethod(this, &MarkdownTextView::applyRestoredSelection, Qt::QueuedConnection);
}

void MarkdownTextView::applyRestoredSelection()
{
    // A step still going in parts gives it once it is complete.
    if (!m_restoreSelection || m_paste->isActive()) return;
    const TextRange r = *m_restoreSelection;
    m_restoreSelection.reset();
    setSelectedRange(r);
}
