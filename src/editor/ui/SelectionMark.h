#pragma once

#include "platform/TextRange.h"

#include <QAbstractUndoItem>
#include <QPointer>

#include <optional>

class MarkdownTextView;

// Brackets the commands of one replaceRange step in the undo stack. Undo runs them
// backwards: the closing mark first, while the text still is as the step left it, so it
// notes the selection to give back on redo; the opening mark last, giving back the
// selection the step started from.
class SelectionMark : public QAbstractUndoItem {
public:
    // `before`: the selection the step started from (the opening mark); nothing for the
    // closing mark. `apart`: the step is made of parts apart from one another and from the
    // caret (replaceRanges), and the one that comes first, undone or redone, is too.
    SelectionMark(MarkdownTextView* view, std::optional<TextRange> before, bool apart = false);
    void undo() override;
    void redo() override;

private:
    QPointer<MarkdownTextView> m_view;
    std::optional<TextRange> m_before; // set on the opening mark only
    std::optional<TextRange> m_after;
    bool m_apart = false;
};

// Joins the parts of a step made in parts (replaceRanges), each an undo step of Qt's own, so
// that undoing or redoing one is heard as a small change, not as one from the first part to
// the last: undone, the mark at the start of a part has the part before it undone too; redone,
// the mark at the end of a part has the part after it redone too.
class PartMark : public QAbstractUndoItem {
public:
    enum Side { Start, End };
    // `slicedFrom`: where the text of a step LongPaste made starts (which none of its parts
    // moves); its parts are undone and redone through it in turns of the event loop, with the
    // styling held until all are in when `heldStyling`. `firstEdit`: where the first of the
    // parts that this mark sets going (undone from a Start mark, redone from an End one)
    // edits the text.
    PartMark(MarkdownTextView* view, Side side, int slicedFrom = -1, bool heldStyling = false, int firstEdit = -1);
    void undo() override;
    void redo() override;

private:
    QPointer<MarkdownTextView> m_view;
    Side m_side;
    int m_slicedFrom;
    bool m_heldStyling;
    int m_firstEdit;
};
