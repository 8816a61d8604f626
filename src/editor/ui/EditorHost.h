#pragma once

#include "editor/TextDocumentBuild.h"
#include "platform/TextRange.h"

#include <QTextDocument>
#include <QWidget>

class EditorTextView;
class QAction;
class EditorScrollView;
class GhostText;
struct EditorConfig;

// The editor widget of a document window, seen from the window. The window talks to the
// editor only through this seam and through the window's EditorController (which
// reaches the text through `textView()`), so the editor widget can be swapped without
// touching the window: `createEditorHost` is the one place that picks it.
//
// Text crosses this seam with LF line breaks only; the window keeps the file's own line
// ending and restores it when the document is written.
class EditorHost : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual EditorTextView* textView() = 0;
    // Nothing when the editor has no scroll view that zoom can act on.
    virtual EditorScrollView* scrollView() = 0;
    // Where a suggestion is shown at the caret; nothing when the editor cannot show one.
    virtual GhostText* ghostText() { return nullptr; }

    // Replaces the whole text as a fresh load: not undoable, undo history cleared,
    // not modified. Only for loading; later whole-text changes go through the
    // controller's replace primitive so that they can be undone.
    virtual void loadText(const QString& text) = 0;
    // The same, with the text document already built (on another thread, while the window
    // was made); an editor that has no use for it loads the text.
    virtual void loadBuiltText(TextDocumentBuild::Built built)
    {
        built.document.reset();
        loadText(built.text);
    }
    // Replaces `range` of the text as a paste goes in: one undo step, a long text a part at a
    // time between events while the editor takes no edit (what is typed meanwhile waits and
    // follows it). False, and nothing changes, when the editor takes no edit now or keys typed
    // before wait to go in (the range is one of the text without them).
    virtual bool pasteOver(TextRange range, const QString& text) = 0;
    // Refuses every edit, typed or programmatic, while on (the text is not in yet).
    virtual void setReadOnly(bool on) { Q_UNUSED(on); }

    // The edited flag: set by every change, cleared when the document is saved, and
    // cleared again by undoing back to the saved state. Input the editor holds back until it
    // can take it (typed during a long paste) keeps it set: that is not in what was saved.
    virtual bool isModified() const = 0;
    virtual void setModified(bool modified) = 0;

    virtual void applyConfig(const EditorConfig& config) { Q_UNUSED(config); }
    // For configurations that follow settings while they change (a slider being dragged):
    // applied at most once per short interval, the latest winning.
    virtual void applyConfigThrottled(const EditorConfig& config) { applyConfig(config); }

    // Writes back an edit the editor holds apart from the text (an open table cell), so
    // that what is saved is what the user typed.
    virtual void finishPendingEdit() {}
    // Whether a text the user put in is not all in the text yet (a long paste going in, or
    // still being made): a copy of the text made now would lack the rest.
    virtual bool isTakingText() const { return false; }
    // Puts such a text in at once (one still being made is waited for): for a write that
    // cannot wait for it.
    virtual void finishTakingText() {}
    // The same, then the input held back meanwhile (keys typed during a paste), played in the
    // order it came: all that was typed is in the text (the window is about to close).
    virtual void finishInput() {}
    // The table commands a right-click on a table offers (the menu's own items).
    virtual void setTableActions(const QList<QAction*>& actions) { Q_UNUSED(actions); }

    // The standard Edit menu actions.
    virtual void undo() = 0;
    virtual void redo() = 0;
    virtual void cut() = 0;
    virtual void copy() = 0;
    virtual void paste() = 0;
    virtual void selectAll() = 0;

Q_SIGNALS:
    // After every change of the text: typing, undo and redo, programmatic replacement.
    void textEdited();
    void selectionMoved();
    void modificationChanged(bool modified);
    void undoAvailable(bool available);
    void redoAvailable(bool available);
    void copyAvailable(bool available);
    // The editor changed its own magnification (Control with the wheel).
    void magnificationChanged(double factor);
};

// Creates the editor widget for a new document window.
EditorHost* createEditorHost(QWidget* parent);
