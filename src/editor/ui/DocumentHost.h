#pragma once

#include "platform/TextRange.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <functional>

class EditorController;
class EditorHost;
class QWidget;

// What happens to a document in its window, for features that follow it.
class DocumentEvents : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

Q_SIGNALS:
    // After every change of the text: typing, undo and redo, replacement.
    void textChanged();
    // The document took another file (Save As, a first save of an untitled document).
    void filePathChanged(const QString& path);
    // The document was written to `path` (by the user or after a pause).
    void saved(const QString& path);
};

// What a document window offers the features attached to it: the files subsystem, the
// language-model features, and whatever else adds panels or request observers to every
// document window. A feature sees the window only through this interface, so it never
// depends on the window's class and the window never names a feature. Features add no menu
// items: the menu bar posts requests (platform/Requests.h) that features observe.
//
// A feature is a function registered once at start-up (see `registerFeature`); every
// document window runs each registered feature once, at the end of its construction. The
// feature parents what it creates to `window()`, so it goes with the window.
class DocumentHost {
public:
    using Feature = std::function<void(DocumentHost& host)>;

    // Places beside the editor a feature may fill. Each holds at most one widget.
    enum class Panel {
        Toolbar,     // above the editor, across the window
        LeftSidebar, // left of the editor (the file browser)
        Outline,     // between the left sidebar and the editor
        RightSidebar,
        StatusBar, // below the editor, across the window
    };

    // The window itself: the parent of a feature's sheets, objects and prompts.
    virtual QWidget* window() const = 0;
    // Every editing operation on the document's text.
    virtual EditorController* editorController() const = 0;
    virtual EditorHost* editorHost() const = 0;

    // The document text, with the file's own line endings.
    virtual QString documentText() const = 0;
    // A copy of the text for work on another thread (a version snapshot).
    struct TextCopy {
        QList<QString> lineFeedPieces; // the text with LF breaks, in pieces that never change
        std::function<QString(const QString& lineFeedText)> fileText; // the file's own breaks; any thread
        std::uint64_t revision = 0;                                   // the editor's text revision the copy shows
    };
    enum class Copy {
        Stepwise, // a step at a time between events: a long text never holds up the window
        AtOnce,   // now, for a window about to go
    };
    // `ready` gets the copy on this thread once it is made, never after the window has gone.
    virtual void copyText(Copy how, std::function<void(const TextCopy&)> ready) = 0;
    // Replaces the whole text as one undoable change, like an edit from outside.
    virtual void setDocumentText(const QString& text) = 0;
    // Replaces `range` of the text (LF breaks) with `lineFeedText` as one undoable change, put
    // in as a paste goes in: a long text a part at a time between events, keys typed meanwhile
    // following it. False, and nothing changes, when the editor takes no edit now or its text
    // is no longer the one a copy showed at `revision` (TextCopy::revision).
    virtual bool pasteIntoDocumentText(TextRange range, const QString& lineFeedText, std::uint64_t revision) = 0;

    // Empty while the document has no file.
    virtual QString filePath() const = 0;
    bool isUntitled() const { return filePath().isEmpty(); }
    // The file name, or "Untitled" (numbered when several are open).
    virtual QString displayName() const = 0;
    // The file name without extension, "Untitled" without a file.
    virtual QString suggestedName() const = 0;
    virtual bool isDocumentEdited() const = 0;

    // True when this is the active document window.
    virtual bool isKeyWindow() const = 0;
    // Set while the program quits: the window closes without asking.
    virtual bool isClosingForQuit() const = 0;
    // Observes the request (a name from platform/Requests.h); `handler` runs only while
    // this window is key, and never after the window is gone. It finds the whole text in the
    // editor (a long file still being read is taken in first), unless it reads none of it
    // (`Reads::nothing`: opening the command palette), when it runs at once.
    enum class Reads { text, nothing };
    virtual void observeWhenKey(const QString& request, std::function<void(const QVariant&)> handler,
                                Reads reads = Reads::text) = 0;

    // Puts `widget` in `panel` (replacing and deleting what was there; null empties it).
    // The window takes ownership.
    virtual void setPanel(Panel panel, QWidget* widget) = 0;
    virtual QWidget* panel(Panel panel) const = 0;
    // Shows or hides what the panel holds; a side panel that appears gets its own width
    // and the editor the rest.
    virtual void showPanel(Panel panel, bool shown) = 0;

    // Shows another file in this window's place (a file chosen in a sidebar, a followed
    // link); see DocumentWindow::openInPlace.
    virtual void openInPlace(const QString& path) = 0;
    // Tells the user that something failed, as an alert on this window.
    virtual void alert(const QString& message, const QString& detail) = 0;
    // Tells a failure of what closing the window started, known perhaps only after the window
    // has gone: on the window when it stays open after all, otherwise on no window once it
    // has gone (an alert on the window would go with it; while a quit closes the windows,
    // after the last). The function may be called after the window has gone.
    using Alert = std::function<void(const QString& message, const QString& detail)>;
    virtual Alert closeFailureAlert() = 0;

    // Signals about the document.
    virtual DocumentEvents* events() = 0;

    // Adds a feature for every document window created from now on. Called at start-up
    // only, from one place (installWindowFeatures in app/ui/Features.cpp).
    static void registerFeature(Feature feature);
    // Runs every registered feature on `host`, in the order registered.
    static void attachFeatures(DocumentHost& host);

protected:
    ~DocumentHost() = default;
};
