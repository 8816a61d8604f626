#pragma once

#include "editor/DocStats.h"
#include "editor/EditorTextView.h"
#include "editor/TextFind.h"
#include "platform/TextRange.h"
#include "styling/TableTools.h"

#include <QObject>
#include <QPointer>
#include <QSizeF>

#include <QDate>
#include <QLocale>
#include <QStringList>

#include <functional>
#include <optional>

// The per-window object through which everything outside the text view edits the
// document. It holds no text: it acts on the window's text view, which it references
// weakly (every operation is a no-op once the view is gone). All programmatic edits go
// through `replace`, so undo, restyling and write-back follow the path of typing.
class EditorController : public QObject {
    Q_OBJECT
public:
    explicit EditorController(QObject* parent = nullptr);

    // `lifetime` is the QObject whose destruction ends the view (usually the widget
    // that implements it); without one the caller must clear the view itself.
    void setTextView(EditorTextView* view, QObject* lifetime = nullptr);
    EditorTextView* textView() const;
    void setScrollView(EditorScrollView* view, QObject* lifetime = nullptr);
    EditorScrollView* scrollView() const;

    QSizeF pageFootprint() const { return m_pageFootprint; }
    void setPageFootprint(QSizeF size) { m_pageFootprint = size; }

    // Every figure; sentences and paragraphs are counted over the whole text when asked
    // for after a change, so only a caller that shows them pays for them.
    const DocStats& stats() const;
    // Words, characters, lines and reading time as of the last updateCounts(): what the
    // status bar shows, kept by the view without a whole-text count.
    const DocStats& counts() const { return m_counts; }
    double zoom() const { return m_zoom; }
    int selectionWords() const { return m_selectionWords; }
    int selectionChars() const { return m_selectionChars; }

    // The one undoable replace primitive. Does nothing without a view, when the range
    // ends beyond the text, or when the view refuses the change; `select` is applied
    // only after a change was made.
    void replace(TextRange range, const QString& text, std::optional<TextRange> select = std::nullopt);
    // The same for several ranges at once (Replace All): one undoable edit, each range a
    // change of its own (EditorTextView::replaceRanges); false when nothing changed.
    bool replaceEach(const QList<TextFind::Edit>& edits, std::optional<TextRange> select = std::nullopt);
    // Each of `matches` (in order and apart) replaced by `with`, one undoable edit; the view
    // may take many in parts (EditorTextView::replaceMatches). False when nothing changes.
    bool replaceMatches(const QList<TextRange>& matches, const QString& with,
                        std::optional<TextRange> select = std::nullopt);
    void replaceSelection(const QString& text);

    void updateCounts();
    // A selection of `countApartUnits` or more is counted on another thread: its counts
    // follow a moment later.
    static constexpr int countApartUnits = 4 * 1024 * 1024;
    void updateSelectionStats();

    void zoomIn();
    void zoomOut();
    void setZoom(double factor, bool animated);
    // Live magnification reported by the view (pinch); no clamping, no view update.
    void setZoomFromView(double factor);
    void fitWidth();
    void fitPage();

    static double clampZoom(double z);
    static double stepZoom(double z, double delta);

    // The selection's line block: whole lines covering the selection, with the last
    // line's terminator. Empty selection: the caret's line.
    TextRange selectionLineBlock() const;

    // Every command given to the window (a menu item or its key, a command of the palette,
    // the toolbar or a user shortcut, a sheet's button, a save) comes through here, so that
    // it takes its turn with the keys typed: it runs now, unless the view keeps keys for later
    // (a text still going in), when it waits behind them and runs on the text they made.
    // `Turn::AfterThisEvent`: once the event being handled is done in any case, keys typed
    // before then waiting behind it (a command chosen in a panel that closes first). Without
    // a view it runs now.
    void inTurn(std::function<void()> command, EditorTextView::Turn turn = EditorTextView::Turn::Now);

    // ---- Editing operations are declared below this line, grouped by kind. ----
    // They act at once on the text as it is: a caller that takes a command from the user
    // hands it to inTurn.

    // Line and block operations. Each is one undoable edit through `replace` on the
    // selection's line block; lines are cut at line feeds, and a CR before a line feed
    // stays part of the line break, so CR LF text behaves like LF text.
    void heading(int level); // 0 removes the marker; the level the lines carry toggles it off
    int currentHeadingLevel() const;
    void toggleNumbered();
    void toggleTaskList();
    void toggleTaskDone();
    void indent();
    void outdent();
    // Bulleted list: ("- ", {"* ", "+ "}); quote: ("> ", {}).
    void toggleLinePrefix(const QString& prefix, const QStringList& alternates = {});
    void moveLineUp();
    void moveLineDown();
    void duplicateLine();
    void deleteLine();
    void selectLine();
    void sortLines(bool ascending);
    void removeDuplicateLines();
    // Paragraph alignment as a directive line ("{.center}") above the caret's line;
    // left removes the directive.
    void alignLeft();
    void alignCenter();
    void alignRight();
    void alignJustify();
    // Applies a case transform to the selection, or to the word at the caret.
    void transformSelection(const std::function<QString(const QString&)>& transform);
    // Asks for an inline continuation at the caret, as the user asking for one: through
    // whoever offers continuations for this editor; nothing when no one does or when the
    // view is gone.
    void requestContinuation();
    void setContinuationRequester(std::function<void()> requester) { m_continuationRequester = std::move(requester); }

    // The run of letters and digits around `index` (the word just before it when it
    // stands right after one); empty at `index` when there is none. Characters outside
    // the Basic Multilingual Plane never belong to a word.
    static TextRange rangeOfWord(QStringView text, int index);

    // The edit that writes the alignment directive `kind` ("left", "center", "right",
    // "justify") for the paragraph holding `selectionStart`: the range to replace, its
    // replacement and the caret afterwards. Shared with the text view's own alignment
    // actions.
    struct TextEdit {
        TextRange range;
        QString replacement;
        int caret = 0;
    };
    static TextEdit alignmentDirectiveEdit(QStringView text, int selectionStart, QStringView kind);

    // Insertions and wrapping. Each replaces the selection (which may be empty) as one
    // undoable edit, unless said otherwise.
    void wrap(const QString& opening, const std::optional<QString>& closing = std::nullopt);
    void insertLinkTemplate();
    void insertLink(const QString& text, const QString& url);
    void insertImageMarkdown(const QString& alt, const QString& path);
    void insertCodeBlock(const QString& language);
    void insertTable(int rows, int cols);
    void insertHorizontalRule();
    // A reference "[^n]" at the selection and its definition at the end of the text;
    // the definition is only appended when the reference went in.
    void insertFootnote();
    // A list of links to every heading, indented by level; the anchors are the heading
    // ids the HTML renderer writes, so the links reach their headings in exports.
    void insertTableOfContents();
    void insertDate();
    // The table commands act on the pipe table holding the caret; outside a table they
    // only beep.
    void tableOp(TableTools::Op op);
    // Rewrites the whole document through the Markdown clean-up as one undoable edit;
    // beeps and changes nothing when the text is already clean.
    void cleanUpMarkdown();
    // Replaces the whole text with `text` as one undoable edit that spans only the part
    // that differs, so undo history and the caret's surroundings survive. Used where a
    // whole new document text is handed back (the Document Info form).
    void replaceDocumentText(const QString& text);

    // The line break the text uses: CR LF when its first line break is one, else LF.
    // Inserted line structure follows it, so a CR LF document stays CR LF.
    static QString lineBreakOf(QStringView text);

Q_SIGNALS:
    void statsChanged(const DocStats& stats);
    void zoomChanged(double zoom);
    void selectionStatsChanged(int words, int chars);

private:
    EditorTextView* m_textView = nullptr;
    QPointer<QObject> m_textViewLifetime;
    bool m_textViewTracked = false;
    EditorScrollView* m_scrollView = nullptr;
    QPointer<QObject> m_scrollViewLifetime;
    bool m_scrollViewTracked = false;

    std::function<void()> m_continuationRequester;

    QSizeF m_pageFootprint{872, 1112};
    mutable DocStats m_stats;
    mutable bool m_statsStale = false;
    DocStats m_counts;
    double m_zoom = 1.0;
    int m_selectionWords = 0;
    int m_selectionChars = 0;
    int m_selectionTicket = 0; // the selection last counted
    void setSelectionStats(int words, int chars);
    void countSelectionApart(const QString& text);
};
