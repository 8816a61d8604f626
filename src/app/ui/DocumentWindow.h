#pragma once

#include "editor/TextMirror.h"
#include "editor/ui/DocumentHost.h"
#include "files/DocumentFile.h"
#include "files/MarkdownDocument.h"
#include "files/WriteDecision.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <functional>
#include <memory>

class TextDocumentBuild;
class WindowPanels;
class QSplitter;
class QTimer;
struct MarkdownDocument;

// One window per document: the editor, the panels beside it and the menu bar. The file
// behind the document is a DocumentFile; the window decides what to do with it: when to
// write, when to ask the user, and whether it may close.
//
// Features extend the window only through DocumentHost: each registered feature runs on
// every window at the end of its construction.
class DocumentWindow : public QMainWindow, public DocumentHost {
    Q_OBJECT
public:
    // `autosaveId` names the autosaved copy of an untitled document (a new one when empty).
    DocumentWindow(const MarkdownDocument& document, const QString& filePath, QWidget* parent = nullptr,
                   const QString& autosaveId = QString());
    // A file's window from its bytes as MarkdownDocument::readBytes() read them: a long
    // file's are decoded, and its text document built, on another thread while the window
    // is made.
    DocumentWindow(const QByteArray& fileBytes, const QString& filePath, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    // DocumentHost
    QWidget* window() const override { return const_cast<DocumentWindow*>(this); }
    EditorController* editorController() const override { return m_controller; }
    EditorHost* editorHost() const override { return m_editor; }
    QString documentText() const override;
    void copyText(Copy how, std::function<void(const TextCopy&)> ready) override;
    void setDocumentText(const QString& text) override;
    bool pasteIntoDocumentText(TextRange range, const QString& lineFeedText, std::uint64_t revision) override;
    QString filePath() const override;
    QString displayName() const override;
    QString suggestedName() const override;
    bool isDocumentEdited() const override;
    bool isKeyWindow() const override;
    bool isClosingForQuit() const override
    {
        return m_close == CloseState::AskingForQuit || m_close == CloseState::ClosingForQuit;
    }
    // Observes "Brindlewick." + request.
    void observeWhenKey(const QString& request, std::function<void(const QVariant&)> handler,
                        Reads reads = Reads::text) override;
    void setPanel(Panel panel, QWidget* widget) override;
    QWidget* panel(Panel panel) const override;
    void showPanel(Panel panel, bool shown) override;
    // Nothing when `path` is this window's file; otherwise the file opens in this
    // window's frame and this window closes, unless its document is edited, in which
    // case it stays open beside the new one. A file that fails to open changes nothing.
    void openInPlace(const QString& path) override;
    void alert(const QString& message, const QString& detail) override;
    Alert closeFailureAlert() override;
    DocumentEvents* events() override { return m_events; }

    int untitledNumber() const { return m_untitledNumber; }

    // Called once with the outcome, after any prompt was answered (possibly before the call
    // that started the work returns); never after the window is gone.
    using Done = std::function<void(bool ok)>;

    // Saving. Failures are shown in an alert built from the error. Prompts (the save panel,
    // the question about a file another program changed) are window-modal: `done` follows
    // their answer; false on failure or when the user cancels.
    void saveThen(Done done);
    void saveAsThen(Done done);
    // As above; true when saved before this returns (false while a prompt is still open).
    bool save();
    bool saveAs();
    bool saveTo(const QString& path, QString* error = nullptr);
    // Writes the document where it belongs without asking: saved documents in place,
    // untitled ones into the autosave folder. Does nothing when not edited. A file that
    // another program changed, moved or deleted since it was read or last written is not
    // overwritten: false with `error` saying so.
    bool autosave(QString* error = nullptr);

    // An untitled window holding a text kept aside for `path` by an earlier run, whose write
    // there did not finish (`baseline`: how that file stood, as the copy's note tells): the
    // title names the file, and the user is offered to write the text back over it (closing
    // the file's own window unless it was edited). `answered` follows the answer, and the
    // answers to what writing back asked in turn (at once when there is no one to ask).
    void offerWriteBack(const QString& path, const AutosaveStore::Baseline& baseline,
                        std::function<void()> answered = {});
    // The file whose text kept aside this window holds, until it is written there or elsewhere.
    QString keptFor() const { return m_file->keptFor(); }

    // Compares the file on disk with the one last read or written (one stat; runs when the
    // file watcher reports a change and when the window becomes active). A file changed by
    // another program replaces an unedited document's text (undoably); a file gone, or one
    // that can no longer be read, leaves the text as it is and marks it edited. An edited
    // document is left alone: its next write in place asks what to do.
    void checkFileOnDisk();

    // Closes the window once what it asks (if anything) is answered; `done` says whether it
    // closed. A close already waiting for an answer is not started again: `done` follows
    // that answer.
    void closeThen(Done done);
    // The same while the program quits: closing autosaves instead of asking, and the window
    // stays in the session. A close by hand waiting for its answer becomes one for the quit.
    void closeForQuitThen(Done done);
    // Writes the text where it belongs without asking (kept in the autosave folder when it may
    // not be written in place) and closes the window.
    void closeWithoutAsking();

    static constexpr int autosaveDelayMs = 2000;

    // A long text is decoded and its text document built on another thread while the window
    // is made: the window shows at once, with an empty page that takes no typing, and the
    // text goes in when it is built. Whatever reads or writes the document before then
    // (saving, autosave, a snapshot, an export, closing, a request to the key window) waits
    // for it and puts it in first, so that none of it sees a text that is not whole.
    bool isLoading() const { return bool(m_build); }
    void finishLoading();
    // Texts longer than this (UTF-16 units, or bytes of a file) are built that way.
    static constexpr qsizetype showFirstUnits = 256 * 1024;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The text a window starts with. `read` makes it, with the file's own line breaks, on
    // whatever thread (plain code over what it captured); a file's byte-order mark and
    // breaks are then taken from it.
    struct Contents {
        qsizetype size = 0;
        std::function<MarkdownDocument()> read;
        bool fromFile = false;
    };
    struct Read {
        MarkdownDocument document;
        DocumentFile::LineEndingsNote note;
    };
    DocumentWindow(DocumentFile* file, Contents contents, bool editedWhenLoaded, QWidget* parent);
    // Whether a write in place may ask about a file changed by another program: never
    // (writes without a person watching), unless the user put the question off (autosave
    // after a pause), always (Save), or always, with the window about to close (Close, Quit).
    using Ask = WriteDecision::Asker;
    // What WriteDecision's table decides from, for this window's document now.
    WriteDecision::Facts writeFacts(Ask asker) const;
    using Outcome = std::function<void(SaveOutcome outcome, const QString& error)>;
    void autosaveAsking(Ask ask, Outcome done);
    // The autosave after a pause in typing. The text is copied a step at a time (about what
    // changed since the last autosave) and written on another thread, so a long document
    // never holds up typing; where the file changed on disk, it asks as autosaveAsking does.
    void autosaveAfterPause();
    void copyForAutosave();
    void writeCopyInBackground();
    // What an autosave after a pause ended with: told once, not after every pause.
    void noteAutosaveOutcome(SaveOutcome outcome, const QString& error);
    // Carries out the step the table gives for `facts`: nothing, the save panel, the draft, a
    // write over the file, the text kept aside, a refusal, or the question about a file another
    // program changed. Saved when the text is safe: written, replaced by the file's text, or
    // saved under another name; Failed with the error when a write failed or was not allowed.
    void carryOut(const WriteDecision::Facts& facts, Outcome done);
    // Keep Mine, Reload, Save As or decide later, for a file another program changed.
    void askAboutChange(const WriteDecision::Facts& facts, Outcome done);
    // Writes the text over its file on the writing thread once it is copied, as `step` says
    // (kept aside first or not), keeping it aside when that fails; `done` follows the write.
    // Writes that nobody waits for (`ask` Nobody or Closing) are finished before this returns.
    void writeInPlaceNow(Ask ask, WriteDecision::Step step, const Outcome& done);
    void writeSaveInBackground();
    // Copies and writes at once what saves and copies wait for, and lands a write under way.
    void finishSaving();
    // Brings the copy up to date a step at a time between events (the autosave's copy) and
    // hands it to `ready`, then or at the latest when finishSaving() runs.
    using CopyReady = std::function<void(const TextMirror::Snapshot& copy)>;
    // A millisecond's copying or less: a whole copy of a long text takes many steps, catching
    // up after some typing usually one.
    static constexpr qsizetype kCopyStepUnits = qsizetype(1) << 18;
    void copyThen(CopyReady ready);
    // One step of that copy; hands it out once it is whole.
    void copyForWaiters(qsizetype budget);
    // Save As: the text copied and written to `path` as a save's is; the window takes the
    // name once the write has landed. A refusal or failure comes back as `error`.
    void saveToThen(const QString& path, std::function<void(bool ok, const QString& error)> done);
    // The name and the title after the text was written to `path`; not edited any more
    // unless typed into since the copy at `revision`.
    void tookName(const QString& path, std::uint64_t revision);
    // Why the text may not be saved as `path` (another window holds it), or empty.
    QString refusalToSaveAs(const QString& path) const;
    // Wraps a continuation so that it runs only while this window exists.
    template <typename F> auto whileAlive(F f) const
    {
        return [alive = std::weak_ptr<bool>(m_alive), f = std::move(f)](auto&&... args) {
            if (alive.lock()) f(std::forward<decltype(args)>(args)...);
        };
    }
    void writeBackKeptText(const std::function<void()>& ended);
    void writeBackNow(const QString& path);
    // Replaces the text with the file's, as one undoable change; the result is not edited.
    // Also drops a copy kept aside.
    bool reloadFromDisk(QString* error);
    // After the text was written or read: not edited, nothing left to autosave.
    void settle();
    // A write in place failed: keeps the text in the autosave folder for the next launch.
    void keepAsideAfterFailedWrite();
    // The same for an edited text before a question about it, and while a changed file's
    // decision is put off: a kill before the answer loses nothing.
    void keepAsideWhileUndecided();
    // Whether a copy could be written to the autosave folder; a failure is told once.
    void noteAutosaveFolder(bool written, const QString& error);
    void updateTitle();
    void setFilePath(const QString& path);
    // Before closing: writes an edited saved document in place, and asks what to do when that
    // fails or the document is untitled (when quitting, an untitled one is kept for the next
    // launch instead). `done(true)` when the window may close.
    void decideClose(Done done);
    // Save / Don't Save / Cancel; "Don't Save" also drops the autosaved copy.
    void askToSave(Done done);
    // The answer of a close: closes the window when allowed and tells everyone waiting.
    void finishClose(bool ok);
    // The window goes: its close failures are handed to the controller.
    void reportCloseFailures();

    // Where a close of this window stands; only closeStep changes it.
    enum class CloseState {
        Open,           // no close under way
        Deciding,       // a close event is deciding: an answer given at once closes through it
        Asking,         // a question is out; other closes wait for its answer
        AskingForQuit,  // the same while the program quits
        Approved,       // answered yes within the close event, which lets the window go
        Closing,        // answered yes: the next close event lets the window go
        ClosingForQuit, // the same while the program quits (also a close without asking)
    };
    enum class CloseStep {
        EventArrives,  // a close event that nothing decided yet
        Request,       // closeThen
        QuitRequest,   // closeForQuitThen
        QuestionOut,   // the close event ends without an answer
        Yes,           // the window may close
        No,            // it stays
        WithoutAsking, // closeWithoutAsking
    };
    void closeStep(CloseStep step);
    bool isAskingToClose() const { return m_close == CloseState::Asking || m_close == CloseState::AskingForQuit; }
    bool isCloseDecided() const { return m_close == CloseState::Closing || m_close == CloseState::ClosingForQuit; }
    void startClose(Done done, CloseStep request);

    EditorController* m_controller;
    EditorHost* m_editor = nullptr;
    QSplitter* m_splitter;
    DocumentEvents* m_events;
    WindowPanels* m_panels;
    QTimer* m_autosaveTimer;
    QTimer* m_countsTimer;
    QTimer* m_copyTimer;
    TextMirror m_mirror;
    // Saves waiting for the copy and its write, and how it goes over the file.
    QList<Outcome> m_saveWaiters;
    WriteDecision::Step m_saveStep = WriteDecision::Step::InPlace;
    // Others waiting for the copy (a Save As, a version), and the timer that makes it.
    QList<CopyReady> m_copyWaiters;
    QTimer* m_waitersCopyTimer;

    DocumentFile* m_file;
    int m_untitledNumber = 0;
    CloseState m_close = CloseState::Open;
    QList<Done> m_closeWaiters;
    // Failures of the close under way (message, detail), for after it.
    QList<std::pair<QString, QString>> m_closeFailures;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    bool m_autosaveFailed = false;
    // Until a long text goes in: what was read (filled on the building thread), then the build.
    std::shared_ptr<Read> m_read;
    bool m_readFromFile = false;
    std::unique_ptr<TextDocumentBuild> m_build;
    bool m_editedWhenLoaded = false;
};
