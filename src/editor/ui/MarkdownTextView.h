#pragma once

#include "editor/EditorTextView.h"
#include "editor/TextDocumentBuild.h"

#include <QPointer>
#include <QTextEdit>

#include <functional>
#include <optional>
#include <utility>

class CompletionPopup;
class QAction;
class QMenu;
class EditorCoordinator;
class GhostText;
class GridTableInteraction;
class KeptInput;
class LayoutWait;
class LongPaste;
class PagedDocumentLayout;

// The editor text view: QTextEdit for caret, selection, input methods, undo and
// scrolling, over a document that holds only the Markdown. Pages, styling and grids
// come from PagedDocumentLayout; the view adds the typing behaviours, caret movement
// over hidden markers, the header/footer band double-click, wiki-link clicks and zoom.
// Grid tables are drawn and handled by its GridTableInteraction, the completion list by
// its CompletionPopup; suggestions are shown as its GhostText, never in the document.
class MarkdownTextView : public QTextEdit, public EditorTextView, public EditorScrollView {
    Q_OBJECT
public:
    explicit MarkdownTextView(QWidget* parent = nullptr);
    ~MarkdownTextView() override;

    PagedDocumentLayout* pagedLayout() const { return m_layout; }
    EditorCoordinator* coordinator() const { return m_coordinator; }

    // Replaces the whole text (not undoable; the undo history starts afresh).
    void setDocumentText(const QString& text);
    // The same with the document of `built` in place of this view's document (which goes,
    // with its layout): for a long text, built on another thread while the window was made.
    // Those who follow the document's own signals follow the new one on documentReplaced.
    void adoptDocument(TextDocumentBuild::Built built);
    // Calls `attach` with the view's document now and with each document it takes later, for
    // as long as `context` lives: how a follower of the document's own signals stays on it.
    void forEachDocument(QObject* context, const std::function<void(QTextDocument*)>& attach);

    // Undo and redo as the text edit does them; a step made by replaceRange also brings
    // back its selection: undo the one it started from, redo the one it was undone from.
    void undo();
    void redo();
    // Called by those steps while Qt undoes or redoes them (Qt places the caret itself
    // afterwards, so the selection is set once the step is complete).
    void restoreSelectionAfterStep(TextRange range);
    // Called by a step made in parts while Qt undoes (or redoes) one of them: another part
    // of the same step follows (`slicedFrom`, unless -1: of a step LongPaste made, whose text
    // starts there, stepped through it in turns of the event loop, the styling held when
    // `heldStyling`, its first part editing at `firstEdit`).
    void notePartStep(bool undoing, int slicedFrom, bool heldStyling, int firstEdit = -1);
    // Undoes (redoes) the next part of such a step; true when another follows.
    bool stepPart(bool undoing);
    // The selection a step undone or redone gives back, taken (LongPaste sets it once the step
    // is complete).
    std::optional<TextRange> takeRestoredSelection() { return std::exchange(m_restoreSelection, std::nullopt); }

    // EditorTextView
    QString text() const override;
    int textLength() const override;
    QString textInRange(TextRange range) const override;
    QString copyOfRange(TextRange range) const override;
    TextRange lineRangeAt(int index) const override;
    std::uint64_t textRevision() const override;
    std::optional<AttributedText::TextChange> textChangeSince(std::uint64_t revision) const override;
    TextRange selectedRange() const override;
    void setSelectedRange(TextRange range) override;
    bool replaceRange(TextRange range, const QString& replacement) override;
    bool replaceRanges(const QList<TextFind::Edit>& edits) override;
    // Many matches go in through LongPaste, a few at a time.
    bool replaceMatches(const QList<TextRange>& matches, const QString& with, std::optional<TextRange> select) override;
    // Replaces `range` as a paste does (LongPaste), once the view takes edits again; false
    // when the view takes no edit or input waits to go in ahead of it.
    bool pasteOver(TextRange range, const QString& text);
    // Far down a text still being laid out, these show the range once it is: the layout
    // works towards it in slices, the window going on and the keys waiting meanwhile (what a
    // find that goes to a match calls).
    void scrollRangeToVisible(TextRange range) override;
    void scrollRangeToTop(TextRange range) override;
    // How far down from the top of the view an overlay covers the text (the find bar):
    // scrolling a range into view keeps it below that.
    void setTopObstruction(int height);
    void focusEditor() override;
    void beep() override;
    std::optional<DocStats> runningCounts() const override;
    void setController(EditorController* controller) override;
    void inTurn(std::function<void()> command, Turn turn) override;
    void holdTurns(bool held) override;

    // EditorScrollView
    QSizeF viewportSize() const override;
    double verticalScrollerWidth() const override;
    void setMagnification(double factor, bool animated) override;
    double magnification() const;

    // Pastes and drops go in through it: a long text is laid out while the window goes on.
    LongPaste* longPaste() const { return m_paste; }
    // Keys typed and texts pasted that wait until the view can take them.
    KeptInput* keptInput() const { return m_kept; }
    // A place far down that the view waits for the layout to reach.
    LayoutWait* layoutWait() const { return m_wait; }

    // The suggestion shown at the caret (the inline continuation drives it).
    GhostText* ghost() const { return m_ghost; }

    // Called by the coordinator before it handles any change of the text.
    void textWillChangeByEdit();

    // Called by the coordinator once an edit is complete (the caret placed).
    void editSettled();

    // The document's file ("" while untitled): the window's file path by default.
    std::function<QString()> documentPath;
    // Offered what is pasted or dropped before the view inserts it as text; true when it
    // took it (the commands turn images, links, HTML and tables into Markdown).
    std::function<bool(const QMimeData* source)> insertHook;
    // Emoji after ":" and file names after "[[".
    CompletionPopup* completion() const { return m_completion; }

    // Grid tables are measured with point-sized fonts: one grid unit is `gridUnit`
    // points and `gridScale` pixels on screen.
    double gridUnit() const;
    double gridScale() const;
    GridTableInteraction* grid() const { return m_grid; }
    // What a right-click on a grid cell offers: the menu's table commands, acting on that
    // cell's row and column.
    void setTableActions(const QList<QAction*>& actions) { m_tableActions = actions; }

Q_SIGNALS:
    void magnificationChanged(double factor);
    void documentReplaced(QTextDocument* document);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    QMimeData* createMimeDataFromSelection() const override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    // After a key that moved the caret (from `caretBefore`): over hidden markers, into or
    // past grids.
    void followCaretKey(QKeyEvent* e, int caretBefore);
    // After a key: at the document's first or last line, the whole first or last sheet.
    void showSheetEdge(QKeyEvent* e);
    // A key that goes to the end of a text still being laid out (Ctrl+End, select all) would
    // hold the window until all of it is: only the end is laid out, ahead of the rest
    // (PagedDocumentLayout::placeEnd). Where it cannot be, the key waits (with the keys after
    // it) while the layout goes on in slices that leave the window free, and is played once
    // the end is placed.
    bool goesToEndNotLaidOut(const QKeyEvent* e) const;
    // Whether the block holding `position` is laid out (now, when it is close to the part
    // laid out or at the end); if not, the view waits for it (LayoutWait), what is typed
    // meanwhile waiting too, and `show` runs once it is.
    bool placedForShowing(int position, std::function<void()> show);
    // The layout's signals and requests this view follows (each document has its own).
    void followLayout();
    // A click at document point `doc` where the text is not laid out yet puts the caret
    // there (or extends the selection there) once it is, and the keys typed after it wait
    // for it; false for a click on text laid out.
    bool placeCaretAhead(QPointF doc, bool extend);
    void placeCaret(QPointF doc, bool extend);
    // Whether `e` waits (see KeptInput) instead of being handled now.
    bool keptForLater(QKeyEvent* e);
    void stepOverConcealed(int from, QTextCursor::MoveOperation step, bool extend);
    bool allConcealed(int from, int to) const;
    bool followWikiLink(QMouseEvent* e);
    void remergeStyling();
    void applyRestoredSelection();
    // After an undo or redo step, with the view's top before it.
    void revealStepsCaret(int viewTop);
    // Puts the spelling items for the misspelled word at `pos` (if any) above the rest of
    // `menu`: the dictionary's suggestions, Ignore Spelling and Add to Dictionary.
    void addSpellingItems(QMenu* menu, int pos);
    // Replaces `word`, if it still holds `was`, with `with` as one undoable edit.
    void correctWord(TextRange word, const QString& was, const QString& with);
    // While the text is still styled or laid out in the background, the lines above the
    // caret change height: its line is held where it shows until the user scrolls or
    // moves it (a line not placed yet is followed once it is: asking for it would lay out
    // all the text above it).
    void holdCaretLine();
    void followHeldCaretLine();

    PagedDocumentLayout* m_layout = nullptr;
    EditorCoordinator* m_coordinator = nullptr;
    GhostText* m_ghost = nullptr;
    CompletionPopup* m_completion = nullptr;
    GridTableInteraction* m_grid = nullptr;
    LongPaste* m_paste = nullptr;
    KeptInput* m_kept = nullptr;
    LayoutWait* m_wait = nullptr; // a place far down the view waits for the layout to reach
    std::optional<TextRange> m_restoreSelection;
    // While Qt puts a drop in, the selection its insertion asks for (set once the drop is in).
    bool m_dropping = false;
    std::optional<TextRange> m_selectionAfterDrop;
    // Undoing or redoing a step made in parts: another part follows; the parts being stepped.
    bool m_partFollows = false;
    bool m_steppingParts = false;
    int m_slicedFrom = -1; // the part that follows is of a step LongPaste made, starting there
    bool m_slicedHeld = false;
    int m_slicedFirstEdit = -1;
    void stepParts(bool undoing);
    // Whether a few matches are little enough work to go in at once (replaceMatches).
    bool fewMatchesAtOnce(const QList<TextRange>& matches);
    struct HeldLine {
        int position;
        int y; // in the viewport
    };
    std::optional<HeldLine> m_heldCaretLine;
    bool m_followingCaretLine = false;
    int m_topObstruction = 0;
    QList<QAction*> m_tableActions;
    QPointer<EditorController> m_controller;
    bool m_turnsHeld = false;
};
