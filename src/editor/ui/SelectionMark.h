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
    // closing mark.
    SelectionMark(MarkdownTextView* view, std::optional<TextRange> before);
    void undo() override;
    void redo() override;

private:
    QPointer<MarkdownTextView> m_view;
    std::optional<TextRange> m_before; // set on the opening mark only
    std::optional<TextRange> m_after;
};
