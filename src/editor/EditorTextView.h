#pragma once

#include "editor/DocStats.h"
#include "editor/TextFind.h"
#include "platform/TextRange.h"
#include "platform/TextUtil.h"
#include "styling/AttributedText.h"

#include <QCoreApplication>
#include <QSizeF>
#include <QString>

#include <functional>
#include <optional>

class EditorController;

// What the editor controller and every editing operation need of the window's text
// view. The real editor view implements it; tests use a fake with its own undo stack.
class EditorTextView {
public:
    virtual ~EditorTextView() = default;

    virtual QString text() const = 0;
    virtual int textLength() const { return int(text().size()); }
    // The text of a range (clamped); views override it to avoid copying the whole text.
    virtual QString textInRange(TextRange range) const { return text().mid(range.location, range.length); }
    // The text of a range (clamped) for work that copies the whole text piece by piece: it
    // leaves the view's storage as it is, so the next keystroke costs what it did before.
    virtual QString copyOfRange(TextRange range) const { return textInRange(range); }
    // The line holding `index`, with its terminator; views override it likewise.
    virtual TextRange lineRangeAt(int index) const { return TextUtil::lineRange(text(), index); }
    // The text's edits since `revision` (of textRevision()) merged into one replaced range,
    // none when nothing changed; views that keep no history answer "all of it".
    virtual std::uint64_t textRevision() const { return 0; }
    virtual std::optional<AttributedText::TextChange> textChangeSince(std::uint64_t revision) const
    {
        Q_UNUSED(revision);
        return AttributedText::TextChange{0, 0, textLength(), true};
    }
    virtual TextRange selectedRange() const = 0;
    virtual void setSelectedRange(TextRange range) = 0;

    // One undoable change, made the way typing makes it: the view may refuse it (false,
    // nothing changed); otherwise the text is replaced, one undo step is recorded and the
    // text-changed path (restyling, write-back, statistics) runs.
    virtual bool replaceRange(TextRange range, const QString& replacement) = 0;
    // Several replacements as one undo step (`edits` in order and apart, their ranges in the
    // text before any of them), the view may refuse them (false, nothing changed). Views make
    // each a change of its own, so that only the lines each touches are restyled and laid
    // out again; by default the span from the first to the last is replaced as one.
    virtual bool replaceRanges(const QList<TextFind::Edit>& edits)
    {
        if (edits.isEmpty()) return false;
        const TextRange span(edits.first().range.location, edits.last().range.end() - edits.first().range.location);
        const QString old = textInRange(span);
        QString with;
        int at = span.location;
        for (const TextFind::Edit& e : edits) {
            with += QStringView(old).mid(at - span.location, e.range.location - at);
            with += e.replacement;
            at = e.range.end();
        }
        return replaceRange(span, with);
    }

    // Replaces each of `matches` (in order and apart) by `with` as one undo step, then selects
    // `select`; false, nothing changed, when the view takes no edit. A view may take many in
    // parts, the window going on meanwhile; by default they go in at once, as replaceRanges.
    virtual bool replaceMatches(const QList<TextRange>& matches, const QString& with, std::optional<TextRange> select)
    {
        const auto read = [this](TextRange range) { return copyOfRange(range); };
        if (!replaceRanges(TextFind::replacements(matches, with, read))) return false;
        if (select) setSelectedRange(*select);
        return true;
    }

    virtual void scrollRangeToVisible(TextRange range) = 0;
    // Scrolls the range's line near the top of the view (a heading chosen in the outline).
    virtual void scrollRangeToTop(TextRange range) { scrollRangeToVisible(range); }
    virtual void focusEditor() {}
    // Audible "nothing to do" signal.
    virtual void beep() {}
    // Words, characters, lines and reading time kept up to date edit by edit (sentences
    // and paragraphs left at 0), when the view keeps them: no whole-text count then.
    virtual std::optional<DocStats> runningCounts() const { return std::nullopt; }
    // Runs a command given to the window in its turn with the keys typed (see
    // EditorController::inTurn); a view that keeps no keys for later runs it now, or once
    // control returns.
    enum class Turn { Now, AfterThisEvent };
    virtual void inTurn(std::function<void()> command, Turn turn)
    {
        if (turn == Turn::AfterThisEvent && QCoreApplication::instance())
            QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(command), Qt::QueuedConnection);
        else
            command();
    }
    // While held, what is typed or given to the view (inTurn) waits, as while a text goes in:
    // work that edits in steps of its own (Replace All gathering its matches) has it follow.
    virtual void holdTurns(bool held) { Q_UNUSED(held); }
    // The controller that now edits through this view: edits the view offers itself (a
    // spelling correction from its menu) go through the controller's replace primitive.
    virtual void setController(EditorController* controller) { Q_UNUSED(controller); }
};

// What zoom needs of the scroll view that carries the page view.
class EditorScrollView {
public:
    virtual ~EditorScrollView() = default;
    virtual QSizeF viewportSize() const = 0;          // bounds width and height, points
    virtual double verticalScrollerWidth() const = 0; // 0 when there is none
    virtual void setMagnification(double factor, bool animated) = 0;
};
