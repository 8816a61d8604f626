#pragma once

#include "files/AutosaveStore.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class DocumentWindow;
class QMenu;
class QWidget;

// Opens, creates and closes the document windows: one window per document, the
// recent-documents list, autosaved untitled documents brought back at launch, and the
// quit sequence that writes every document before the windows go.
class DocumentController : public QObject {
    Q_OBJECT
public:
    static DocumentController& instance();

    // The dialogs the controller and its windows show. Tests replace them.
    enum class SaveChoice { Save, DontSave, Cancel };
    // What to do with edited text whose file another program changed, moved or deleted:
    // write it over the file, replace it with the file's text (undoably), save it under
    // another name, or decide later (nothing is written in place meanwhile).
    enum class ExternalChangeChoice { KeepMine, Reload, SaveAs, Cancel };
    // Every prompt is window-modal over `parent` (application-modal without one): it returns
    // at once and calls `answer` once the user has answered; tests answer at once. `answer` is
    // never called after `parent` is gone (the prompt goes with its window). Over one window
    // the prompts come one at a time, in the order asked.
    struct Prompts {
        std::function<void(QWidget* parent, const QString& message, const QString& detail)> alert;
        std::function<void(QWidget* parent, const QString& documentName, std::function<void(SaveChoice)> answer)>
            askSaveChanges;
        std::function<void(QWidget* parent, std::function<void(const QStringList&)> answer)> chooseFilesToOpen;
        // An empty path when the user cancelled.
        std::function<void(QWidget* parent, const QString& suggestedPath, std::function<void(const QString&)> answer)>
            chooseSavePath;
        // `deleted`: the file is gone; Reload then means "Don't Save" (leave it removed).
        std::function<void(QWidget* parent, const QString& documentName, bool deleted,
                           std::function<void(ExternalChangeChoice)> answer)>
            resolveExternalChange;
        // A text kept aside for `filePath` came back at launch: true to write it over the file
        // (whose own write did not finish), false to keep it in its window for now.
        std::function<void(QWidget* parent, const QString& filePath, std::function<void(bool)> answer)> offerWriteBack;
    };
    Prompts& prompts() { return m_prompts; }
    static Prompts defaultPrompts();

    const AutosaveStore& autosaveStore() const { return m_autosave; }
    void setAutosaveStore(const AutosaveStore& store) { m_autosave = store; }

    // A new untitled document; its text is the pending template text, if any.
    DocumentWindow* newDocument();
    // Opens `path` in a new window, or fronts the window that already shows it. A file
    // that cannot be read (or is not UTF-8) opens nothing: an alert names the file and
    // the reason, and the file is left as it is.
    DocumentWindow* openDocument(const QString& path);
    // Like openDocument, for a path named on the command line: a file that does not exist
    // yet, in a folder that does, opens as an empty window for that path whose first save
    // creates the file.
    DocumentWindow* openOrCreateDocument(const QString& path);
    void openWithDialog(QWidget* parent);
    // Brings back the untitled documents autosaved by an earlier run (edited, unsaved), and
    // the texts kept aside for files, each in a window that names its file and offers to
    // write it back there. Such a window, with its question, stays in front of what the
    // launch opens after it.
    int restoreAutosaved();
    // Whether a window holds a text kept aside for `path` (the last session leaves that file
    // to it), or for any file when `path` is empty.
    bool isRecovering(const QString& path = QString()) const;
    // Runs `action` once no such window asks any more whether to write its text back (at once
    // when none asks): what the launch shows later must not cover that question.
    void afterRecoveryQuestions(std::function<void()> action);
    // At launch: when reopening is on and documents of the last session still exist, reopens
    // them 0.2 s later and then closes the untitled, unedited windows. True when scheduled (the
    // welcome window is then not shown).
    bool scheduleSessionReopen();
    // The window of what the user named (on the command line, or in a later launch's hand-off):
    // it ends in front with the keyboard, also when the session reopens behind it afterwards.
    void keepInFront(DocumentWindow* window);

    QList<DocumentWindow*> windows() const;
    DocumentWindow* windowForPath(const QString& path) const;
    // The active document window, if a document window is active.
    DocumentWindow* activeWindow() const;
    // The lowest "Untitled" number not shown by another window (1 shows no number).
    int nextUntitledNumber() const;

    void noteRecent(const QString& path);
    // Fills an Open Recent menu (existing files, newest first, then "Clear Menu").
    void populateRecentMenu(QMenu* menu);

    // Closes every window for quitting: saved documents are written in place and untitled
    // ones kept in the autosave folder, without asking. A window whose text cannot be written
    // asks; the windows ask one at a time, each after the one before has its answer. Cancel
    // stops there and leaves that window and the rest open; a window closed meanwhile is
    // skipped. `done` gets whether every window closed. A second call while one runs does
    // nothing (`done` is not called).
    void closeAllForQuit(std::function<void(bool allClosed)> done);
    // As above; true when every window closed before this returns (no answer outstanding).
    bool closeAllForQuit();
    bool isQuitting() const { return m_quitting; }
    // File > Quit: quits the program once every window has closed; stays when cancelled.
    void quit();
    // Every document is written where it belongs (a text that may not be written in place is
    // kept in the autosave folder) and every window closes; nothing is asked.
    void closeAllWithoutAsking();
    // A request to end from outside (SIGTERM): closeAllWithoutAsking(), then the program quits.
    void terminate();

    void alert(QWidget* parent, const QString& message, const QString& detail) const;
    // A failure met while a window closed (the message names its document), shown on no
    // window: at once, or after the last window when a quit closes them, which the quit then
    // waits to end for. Closing without asking only logs it.
    void alertAfterClose(const QString& message, const QString& detail);

Q_SIGNALS:
    void windowOpened(DocumentWindow* window);
    // A quit began (the program is about to end: what a later launch asks of it would be
    // lost), and one that ended with windows left open, the program running on.
    void quitBegan();
    void quitCancelled();

private:
    DocumentController();
    DocumentWindow* show(DocumentWindow* window);
    // While the launch opens the rest behind the window it keeps in front.
    bool opensBehind(const DocumentWindow* window) const;
    // The launch has opened everything: the window kept in front is raised and takes the keyboard.
    void releaseFront();
    // `window`'s question about writing its recovered text back was answered, or it is gone.
    void recoveryQuestionEnded(const QObject* window);

    void closeNextForQuit();
    void finishQuit(bool allClosed);
    // Ends the program once the alerts shown on no window are read.
    static void quitOnceAlertsAreRead();

    Prompts m_prompts;
    AutosaveStore m_autosave;
    // The quit in progress: the windows still to close, and what to do at the end.
    bool m_quitting = false;
    QList<QPointer<QObject>> m_quitQueue;
    std::function<void(bool)> m_quitDone;
    bool m_closingWithoutAsking = false;
    QList<std::pair<QString, QString>> m_closeFailures;
    // Held as QObject: a window's entry goes when its destruction starts, and looking at
    // a guard of the derived type then would cast an object that is no longer one.
    QList<QPointer<QObject>> m_windows;
    bool m_reopenPending = false;
    // The window the launch keeps in front: the file the user named, or a recovered text's.
    QPointer<QObject> m_inFront;
    bool m_recoveryInFront = false;
    // The windows whose recovered text asks to be written back, and what waits for their answers.
    QList<QPointer<QObject>> m_askingToWriteBack;
    QList<std::function<void()>> m_afterRecoveryQuestions;
};
