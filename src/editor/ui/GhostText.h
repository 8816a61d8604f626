#pragma once

#include <QObject>
#include <QString>
#include <QTextCursor>

class EditorTextView;
class QKeyEvent;
class QTextEdit;

// A suggestion shown at the caret as dimmed display text of the caret's line: the rest
// of the line moves aside, and the document never holds it. The text view owns one and
// takes it away on any edit, click, zoom or caret move; whoever asks for suggestions
// (the inline continuation) only shows, dismisses or accepts it.
//
// While shown, Tab (without modifiers) accepts it and Escape dismisses it; any other key
// dismisses it and then does what it does.
class GhostText : public QObject {
    Q_OBJECT
public:
    // `view` is the text view it is shown in; `text` is the same view as the editor sees it.
    GhostText(QTextEdit* view, EditorTextView* text);

    // Shows `suggestion` at the caret (replacing any shown one). Nothing is shown while
    // text is selected, in an empty document or for an empty suggestion.
    void show(const QString& suggestion);
    // Takes the suggestion away; false when none was shown.
    bool dismiss();
    // Inserts the suggestion at its place as one undoable step, caret after it.
    void accept();

    bool isShown() const { return !m_text.isEmpty(); }
    QString text() const { return m_text; }

    // What a suggestion is asked about: the text, the caret and the document's revision
    // (any edit changes it).
    EditorTextView* textView() const { return m_textView; }
    int revision() const;
    // True while the view's window is the active one.
    bool isInActiveWindow() const;

    // The view passes every key press here first; true when the key was used up.
    bool handleKey(QKeyEvent* e);
    // The view calls this after an edit is complete (the caret placed).
    void noteEdited() { Q_EMIT edited(); }

Q_SIGNALS:
    // After each edit of the text, once it is complete.
    void edited();
    // Escape was pressed while no suggestion was shown.
    void escapePressed();

private:
    QTextEdit* m_view;
    EditorTextView* m_textView;
    QString m_text;
    int m_anchor = -1;
    QTextCursor m_cursor; // follows the anchor through edits, to find its block
};
