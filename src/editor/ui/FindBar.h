#pragma once

#include "editor/FindScan.h"

#include <QWidget>

#include <cstdint>
#include <optional>

class DocumentHost;
class EditorController;
class EditorTextView;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

// The window's text finder: a search field with Next and Previous (wrapping around), the
// number of matches, and a replace row with Replace and Replace All. Matching is literal
// and ignores case. Every replacement is one undoable edit through the editor controller.
// Escape closes the bar and gives the keyboard back to the editor.
//
// Typing in the field, Next and Previous look for the match from the selection a slice at a
// time, the matches are counted a slice at a time after a pause in typing, and Replace All
// gathers its matches a slice at a time, so a long text never holds the window: a match or a
// count arrives when found, and only while the search, the text and (for a match) the
// selection are still those it was looked for in; the matches gathered are replaced only in
// the text they were found in (an edit meanwhile has them gathered again), each by an edit of
// its own, one undo step for them all.
//
// It floats over the top right corner of the editor. The Find menu's items post their
// requests (Requests::showFind and the four after it), which the key window's bar performs.
class FindBar : public QWidget {
    Q_OBJECT
public:
    // The finder actions the Find menu items send, by number.
    enum Action {
        ShowFind = 1,
        Next = 2,
        Previous = 3,
        SetSearchFromSelection = 7,
        ShowReplace = 12,
    };

    FindBar(EditorController* controller, QWidget* editor);

    // Adds a find bar to the host's editor, keeps its count in step with the text and acts
    // on the find requests.
    static void attach(DocumentHost& host);
    // The find bar of a window, if it has one.
    static FindBar* of(QWidget* window);

    void perform(int action);
    void showBar(bool withReplace);
    void findNext();
    void findPrevious();
    void replaceCurrent();
    void replaceAll();
    void useSelectionForFind();
    // The text changed: the count is refreshed after a pause while the bar is shown.
    void noteTextChanged();

    QLineEdit* searchField() const { return m_search; }
    QLineEdit* replaceField() const { return m_replace; }
    QString countText() const;
    bool isReplaceShown() const;
    // A match still being looked for, or matches still being counted.
    bool isSearching() const { return m_looking.has_value(); }
    bool isCounting() const { return m_counting.has_value(); }
    // Replace All still gathering its matches.
    bool isReplacing() const { return m_replacing.has_value(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A match looked for from where the selection stood, and the matches counted; each
    // holds what it was started for.
    struct Looking {
        FindScan scan;
        std::uint64_t revision;
        TextRange selection;
        bool typed; // in the field: the count waits for a pause; else none found beeps
    };
    struct Counting {
        FindScan scan;
        std::uint64_t revision;
        TextRange selection;
        int total = 0;
        int current = 0;
    };
    // Replace All: what was asked (the fields may change meanwhile), and the matches found.
    struct Replacing {
        FindScan scan;
        std::uint64_t revision;
        TextRange selection;
        QString with;
        QList<TextRange> matches;
    };

    void replaceCurrentNow();
    void startReplacingAll();
    void addButtons();
    void searchEdited();
    void place();
    // Counts the matches: what one slice finds at once, the rest in slices.
    void startCount();
    void showCount(int total, int current);
    // Looks for the first match from `from`, round the end of the text (back: the last before
    // it, round the start): at once as far as one slice goes, the rest in slices.
    void lookFrom(int from, bool typed, bool back = false);
    void runSlices();
    // One turn of the event loop's share of the work.
    struct Slice;
    // Each goes on until the slice is used up; true when it is over.
    bool lookOn(EditorTextView& view, Slice& slice);
    bool countOn(EditorTextView& view, Slice& slice);
    bool replaceOn(EditorTextView& view, Slice& slice);
    // Replaces the matches gathered, the caret after the last unless the selection moved.
    void replaceGathered(EditorTextView& view, const Replacing& r);
    // The search in the field and the text are still the ones a result was started for.
    bool stillFor(const FindScan& scan, std::uint64_t revision) const;
    void showMatch(TextRange match);
    void stopWork();
    void step(bool forward);
    void closeBar();

    EditorController* m_controller;
    QLineEdit* m_search;
    QLineEdit* m_replace;
    QLabel* m_count;
    QWidget* m_replaceRow;
    QTimer* m_recount;
    QTimer* m_slices;
    std::optional<Looking> m_looking;
    std::optional<Counting> m_counting;
    std::optional<Replacing> m_replacing;
};
