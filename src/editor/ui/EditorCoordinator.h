#pragma once

#include "editor/DocStats.h"
#include "editor/EditorConfig.h"
#include "editor/StyleBridge.h"
#include "platform/TextRange.h"
#include "styling/AttributedText.h"
#include "styling/MarkdownStyler.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class MarkdownTextView;

// Every change of the text passes through here: the edit is mirrored into the styler's
// attributed text (so that nothing on the keystroke path copies the document), the widened scope
// is restyled synchronously before Qt lays the blocks out, and the change is reported.
// Caret moves restyle the lines the caret left and entered so markers can be revealed.
class EditorCoordinator : public QObject {
    Q_OBJECT
public:
    explicit EditorCoordinator(MarkdownTextView* view);

    void setConfig(const EditorConfig& config);
    const std::optional<EditorConfig>& appliedConfig() const { return m_config; }
    MarkdownStyler& styler() { return m_styler; }
    const AttributedText& storage() const { return m_storage; }

    // The document's text with "\n" line breaks, kept in step with every change.
    // Whole: it closes the storage's gap, so keystroke paths read through through().
    const QString& text() const { return m_storage.string(); }
    int length() const { return m_storage.length(); }
    // The text (absolute positions) read right up to the end of the line holding `pos`.
    QStringView through(int pos) const { return m_storage.textUpTo(m_storage.lineEndFrom(pos)); }

    // The whole text the view is about to load: the change that puts it in is mirrored from
    // it instead of read back out of the document (a copy of the whole text). Until
    // doneLoading().
    void expectLoad(const QString& text) { m_loading = text; }
    // The same for a text as the document holds it already, counted already (into an empty
    // view: the counts are those of the whole text).
    void expectLoad(const QString& text, const DocStats& lineCounts)
    {
        m_loading = text;
        m_loadingCounts = lineCounts;
    }
    void doneLoading()
    {
        m_loading.reset();
        m_loadingCounts.reset();
    }
    // Follows `doc` from now on in place of the view's document, which is about to be
    // replaced by it (before the change that puts its text in is announced). The view's
    // layout is already the one of `doc`.
    void attachDocument(QTextDocument* doc);

    // Restyles the window around `changed`, or the whole text.
    // Returns the range whose styling was applied; `editScope` gets the one stretch of it
    // styled around `changed` (the caret's line may be styled apart). `bound` as for
    // MarkdownStyler::highlight: what the edit changed beyond it is left to the slices.
    TextRange restyle(std::optional<TextRange> changed, TextRange* editScope = nullptr,
                      TextRange bound = TextRange::notFound());
    // A change of look (the settings) restyles all the text: a short one at once, a long one
    // as a new text is styled, what the view shows now and the rest in slices.
    void restyleAll();
    // A large new text is styled first around the caret (the first screen of an opened
    // file, the end of a long paste), the rest in slices while the event loop is idle;
    // this styles whatever is left now.
    void finishStyling();
    bool isStylingPending() const { return m_unstyledFrom >= 0; }
    // The text before this position is styled; from it on the slices have yet to come.
    int styledUpTo() const { return m_unstyledFrom >= 0 ? m_unstyledFrom : m_storage.length(); }
    // Styles a screen's worth of the text not styled yet on either side of `position` now,
    // ahead of the slices (where a long paste starts, and where its caret arrives).
    void styleAround(int position);
    // While held, edits are mirrored but not styled and the idle slices style nothing: a
    // long paste goes in part by part unstyled. Released, the slices style what it left.
    void holdStyling(bool hold);
    // While held, pairs the fences anew with the edits made since it was last asked. The
    // storage tells only its last few hundred edits apart: many small edits held until the
    // end (Replace All) would have the fences read again from the whole text at once, so
    // the caller asks after each few of them.
    void followFences() { m_styler.refreshFences(m_storage); }
    // Readies the storage for edits at `position`, a few megabytes of its characters and runs
    // moved per call: the first of many edits far from the last one would move all of them
    // between at once (a hundred megabytes take longer than a frame). True once it is ready.
    bool readyToEditAt(int position) { return m_storage.moveGapToward(position, 4 * 1024 * 1024); }
    // The formats the styled text gives `block`: what its layout shows when nothing
    // covers them.
    QList<QTextLayout::FormatRange> formatsOf(const QTextBlock& block);

    // Return with an empty selection; true when it continued or ended a list.
    bool handleNewline();
    // Typing or pasting `s` over the selection; true when it made its own replacement.
    bool replaceSelectionSpecially(const QString& s, bool typed);

    bool isEditing() const { return m_isEditing; }
    // Edits made away from the caret one after another (Replace All), between these two: the
    // caret's line is taken as it stood, followed through the edits, and is neither read nor
    // styled again with each of them; each restyles only what it touched.
    void beginEditsApart();
    void endEditsApart();
    // Words, characters, lines and reading time of the text, kept edit by edit.
    DocStats counts();
    // Keeps the caret's line centred when typewriter scrolling is on.
    void centerCaret();

    // The misspelled word holding `pos` (its end included); not-found when there is none
    // or spell checking is off.
    TextRange misspelledWordAt(int pos);

Q_SIGNALS:
    // After every change of the text (typing, paste, undo, programmatic).
    void textEdited();

private:
    // What one change of the view's text does: it is mirrored into the storage and the
    // counts, then styled by one of the strategies below.
    void onContentsChange(int from, int removed, int added);
    struct Edit {
        int from, removed, added; // within the text
    };
    enum class EditStyling {
        Held,                  // a long paste going in part by part: styled once it is in
        FirstScreenThenSlices, // a new text: the screen at the caret now, the rest in slices
        AtTheEdit,             // a key, a short paste: the lines the edit touched
    };
    // Mirrors the change into the storage (a file being taken in whole), the line counts and
    // the ranges that follow edits; returns it clamped to the text.
    Edit mirrorEdit(int from, int removed, int added);
    void replaceInStorage(int from, int removed, int added);
    // The whole lines of the storage that [from, to] touches.
    QStringView touchedLines(int from, int to) const;
    EditStyling stylingOf(const Edit& edit) const;
    void holdStylingFrom(int from);
    void styleFirstScreen(int from, int added);
    void styleAtTheEdit(const Edit& edit);
    // The text a screen of lines on either side of the edit holds, at the smallest text size:
    // whatever part of it the view shows.
    TextRange screenAround(const Edit& edit) const;
    // Lines of the smallest text size the view holds.
    int screenLines() const;
    // Where the line at the view's top starts.
    int shownFrom() const;
    // What a bounded restyle of `styled` left joins the text the slices restyle.
    void leaveForSlices(TextRange left, TextRange styled);
    // Styles [from, to) of the text still waiting for the slices now (whole lines, as far as
    // it waits); false when none of it waits.
    bool styleAhead(int from, int to);
    void onSelectionChanged();
    void afterEdit();
    TextRange clampToText(TextRange r) const;
    // A line range without its line break.
    TextRange withoutBreak(TextRange line) const;
    void prepare();
    // Underlines the misspelled words of `range` (continuous spell checking).
    void addSpellingMarks(StyleResult& result, TextRange range);
    // Marks the lines holding `word` again (it was ignored or added to the dictionary).
    void respell(const QString& word);
    // Styles about `units` of the text not styled yet after a large change.
    void styleSlice(int units);
    // How much of a new text from `from` on fills the view at once: lines enough at the
    // smallest text size, never more than a first slice.
    int firstScreenUnits(int from) const;
    // The slices of an opened text start once its first frame is painted: before it they
    // would hold the text off the screen.
    void slicesAfterFrame();
    void startSlicesAfterFrame();
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Hands the styled attributes of `scope` (and whatever the passes wrote beyond it) to the
    // view's blocks, in whole lines; returns the lines handed over.
    TextRange mirrorToView(TextRange scope);
    // The formats and paragraph attributes of whole `lines`, at the view's zoom.
    StyleResult convert(TextRange lines);
    // Styles `window` (everything when none), bounded by `bound`, and applies the result to
    // the document; `styledScope` gets the scope the styler restyled.
    TextRange styleWindow(std::optional<TextRange> window, TextRange bound, TextRange* styledScope = nullptr);

    MarkdownTextView* m_view;
    QTextDocument* m_doc; // the view's, or the one about to be
    MarkdownStyler m_styler;
    AttributedText m_storage;
    StyleBridge m_bridge;
    std::optional<EditorConfig> m_config;
    bool m_isEditing = false;
    bool m_afterEditQueued = false;
    TextRange m_lastCaretLine;
    std::optional<TextRange> m_apartCaretLine; // edits apart: the caret's line
    // In focus mode: the lines left undimmed by the last restyle (followed through edits).
    // Only they and the new focus lines change their dimming, so a restyle covers both
    // instead of the whole text.
    TextRange m_focusShown;
    // Start of the text that a large change left unstyled (−1: none), styled by slices, and
    // its end (−1: the end of the text); within it, a part already styled ahead of the slices
    // (the screen when they had not reached it).
    int m_unstyledFrom = -1;
    int m_unstyledTo = -1;
    TextRange m_styledAhead;
    bool m_stylingHeld = false;
    bool m_slicesAfterFrame = false;
    // Sums of DocStats::countLines over the text; counted whole only when invalid.
    DocStats m_counts;
    bool m_countsValid = false;
    QTimer* m_sliceTimer = nullptr;
    // The next idle slice's size, learnt apart for text not laid out yet and for text laid
    // out already, which is laid out again as it is restyled and costs several times more.
    int m_sliceUnits = 48 * 1024;
    int m_laidOutSliceUnits = 4 * 1024;
    std::optional<QString> m_loading;
    std::optional<DocStats> m_loadingCounts;
};
