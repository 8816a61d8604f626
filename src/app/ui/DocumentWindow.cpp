#include "app/ui/DocumentWindow.h"

#include "app/WindowPicks.h"
#include "app/ui/DocumentController.h"
#include "app/ui/MenuBar.h"
#include "app/ui/WindowPanels.h"
#include "editor/EditorController.h"
#include "editor/TextDocumentBuild.h"
#include "editor/ui/EditorHost.h"
#include "files/DocumentFile.h"
#include "platform/NotificationBus.h"
#include "platform/PrefKey.h"
#include "platform/Requests.h"
#include "platform/Settings.h"
#include "platform/TextUtil.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QSplitter>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <limits>
#include <utility>

namespace {
// The document window that was key most recently, to give the keyboard back to after a prompt.
QPointer<DocumentWindow> lastKeyWindow;

// A place where the user types: the editor or a field of the window.
bool takesTyping(const QWidget* w)
{
    return w && w->isVisible()
           && (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w)
               || qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w));
}
} // namespace

DocumentWindow::DocumentWindow(const MarkdownDocument& document, const QString& filePath, QWidget* parent,
                               const QString& autosaveId)
    : DocumentWindow(new DocumentFile(document, filePath, DocumentController::instance().autosaveStore(), autosaveId),
                     {document.text.size(), [document] { return document; }, false},
                     // A document brought back from the autosave folder was never saved: it is edited.
                     filePath.isEmpty() && !autosaveId.isEmpty(), parent)
{}

DocumentWindow::DocumentWindow(const QByteArray& fileBytes, const QString& filePath, QWidget* parent)
    : DocumentWindow(new DocumentFile(fileBytes, filePath, DocumentController::instance().autosaveStore()),
                     {fileBytes.size(), [fileBytes] { return MarkdownDocument::fromValidBytes(fileBytes); }, true},
                     false, parent)
{}

DocumentWindow::DocumentWindow(DocumentFile* file, Contents contents, bool editedWhenLoaded, QWidget* parent)
    : QMainWindow(parent),
      m_controller(new EditorController(this)),
      m_splitter(new QSplitter(Qt::Horizontal, this)),
      m_events(new DocumentEvents(this)),
      m_autosaveTimer(new QTimer(this)),
      m_countsTimer(new QTimer(this)),
      m_copyTimer(new QTimer(this)),
      m_waitersCopyTimer(new QTimer(this)),
      m_file(file)
{
    // A long text is built while the rest of the window is made.
    m_readFromFile = contents.fromFile;
    if (contents.size > showFirstUnits) {
        m_read = std::make_shared<Read>();
        m_build = std::make_unique<TextDocumentBuild>(
            [read = std::move(contents.read), into = m_read, fromFile = contents.fromFile] {
                into->document = read();
                if (fromFile) into->note = DocumentFile::LineEndingsNote::of(into->document.text);
                return LineEndings::toLineFeeds(into->document.text);
            },
            this, [this] { finishLoading(); });
    }
    m_file->setParent(this);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(WindowPicks::fitted(screen()->availableGeometry(), QSize(960, 820)));
    setMinimumSize(640, 400);

    m_editor = createEditorHost(m_splitter);
    m_splitter->addWidget(m_editor);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setChildrenCollapsible(false);
    setCentralWidget(m_splitter);
    m_panels = new WindowPanels(this, m_splitter, m_editor);

    if (m_build) {
        m_editor->loadText(QString()); // an empty page, not edited
        m_editor->setReadOnly(true);
    } else {
        const MarkdownDocument document = contents.read();
        if (m_readFromFile) m_file->takeRead(document);
        m_editor->loadText(LineEndings::toLineFeeds(document.text));
    }
    m_controller->setTextView(m_editor->textView(), m_editor);
    m_controller->setScrollView(m_editor->scrollView(), m_editor);
    m_controller->updateCounts();
    // Zooming with the wheel happens in the view; the controller must step on from there.
    connect(m_editor, &EditorHost::magnificationChanged, m_controller, [this](double z) {
        if (m_controller->zoom() != z) m_controller->setZoomFromView(z);
    });

    if (isUntitled()) m_untitledNumber = DocumentController::instance().nextUntitledNumber();
    m_editedWhenLoaded = editedWhenLoaded;
    if (m_editedWhenLoaded) m_editor->setModified(true);

    // Typing restarts two short timers instead of doing whole-text work per keystroke.
    m_autosaveTimer->setSingleShot(true);
    m_autosaveTimer->setInterval(autosaveDelayMs);
    connect(m_autosaveTimer, &QTimer::timeout, this, &DocumentWindow::autosaveAfterPause);
    // The copy an autosave writes is made a step at a time, between events.
    m_copyTimer->setInterval(0);
    connect(m_copyTimer, &QTimer::timeout, this, &DocumentWindow::copyForAutosave);
    m_waitersCopyTimer->setInterval(0);
    connect(m_waitersCopyTimer, &QTimer::timeout, this, [this] { copyForWaiters(kCopyStepUnits); });
    m_countsTimer->setSingleShot(true);
    m_countsTimer->setInterval(150);
    connect(m_countsTimer, &QTimer::timeout, m_controller, &EditorController::updateCounts);
    connect(m_file, &DocumentFile::changedOnDisk, this, &DocumentWindow::checkFileOnDisk);

    connect(m_editor, &EditorHost::textEdited, this, [this] {
        m_countsTimer->start();
        // An autosave still copying waits for the next pause (the copy made so far is kept);
        // a save copies on, taking in what was typed.
        if (m_saveWaiters.isEmpty()) m_copyTimer->stop();
        // Not only when edited already: an undo past the last save marks the text edited
        // only after this signal, and it must be written too. The timer checks again.
        m_autosaveTimer->start();
        Q_EMIT m_events->textChanged();
    });
    // The selection is counted after a pause too: select-all in a long text must not stall.
    auto* selectionTimer = new QTimer(this);
    selectionTimer->setSingleShot(true);
    selectionTimer->setInterval(150);
    connect(selectionTimer, &QTimer::timeout, m_controller, &EditorController::updateSelectionStats);
    connect(m_editor, &EditorHost::selectionMoved, selectionTimer, qOverload<>(&QTimer::start));
    connect(m_editor, &EditorHost::modificationChanged, this, [this](bool) { updateTitle(); });

    observeWhenKey(Requests::toggleDistractionFree, [](const QVariant&) {
        Settings& s = Settings::instance();
        s.setValue(PrefKey::distractionFree, !s.boolean(PrefKey::distractionFree, false));
    });

    // A followed wiki link names a file beside the document: it replaces this one like a sidebar click.
    observeWhenKey(Requests::openWikiLink, [this](const QVariant& object) {
        const QString path = object.typeId() == QMetaType::QUrl      ? object.toUrl().toLocalFile()
                             : object.typeId() == QMetaType::QString ? object.toString()
                                                                     : QString();
        if (!path.isEmpty()) openInPlace(path);
    });

    new MenuBar(this);
    DocumentHost::attachFeatures(*this);
    updateTitle();
    m_editor->setFocus();
}

DocumentWindow::~DocumentWindow() = default;

void DocumentWindow::finishLoading()
{
    if (!m_build || !m_editor) return; // nothing to wait for, or the window still being made
    TextDocumentBuild::Built built = std::exchange(m_build, nullptr)->take();
    if (m_readFromFile) m_file->takeRead(m_read->document, m_read->note);
    m_read.reset();
    m_editor->loadBuiltText(std::move(built));
    m_editor->setReadOnly(false);
    if (m_editedWhenLoaded) m_editor->setModified(true);
    // The counts follow after the pause that every change of the text starts.
}

QString DocumentWindow::documentText() const
{
    const_cast<DocumentWindow*>(this)->finishLoading(); // the text whole, not the empty page
    return m_file->fileText(m_editor->textView()->text());
}

void DocumentWindow::copyText(Copy how, std::function<void(const TextCopy&)> ready)
{
    finishLoading();
    copyThen([this, ready = std::move(ready)](const TextMirror::Snapshot& copy) {
        ready({copy.pieces, m_file->fileTextMaker(), copy.revision});
    });
    if (how == Copy::AtOnce) copyForWaiters(std::numeric_limits<qsizetype>::max());
}

QString DocumentWindow::filePath() const
{
    return m_file->path();
}

void DocumentWindow::setDocumentText(const QString& text)
{
    finishLoading();
    EditorTextView* view = m_editor->textView();
    m_controller->replace(TextRange(0, view->textLength()), LineEndings::toLineFeeds(text));
}

bool DocumentWindow::pasteIntoDocumentText(TextRange range, const QString& lineFeedText, std::uint64_t revision)
{
    finishLoading();
    if (m_editor->textView()->textRevision() != revision) return false;
    return m_editor->pasteOver(range, lineFeedText);
}

QString DocumentWindow::displayName() const
{
    if (!isUntitled()) return QFileInfo(filePath()).fileName();
    if (!m_file->keptFor().isEmpty()) return tr("%1 (recovered)").arg(QFileInfo(m_file->keptFor()).fileName());
    return m_untitledNumber <= 1 ? tr("Untitled") : tr("Untitled %1").arg(m_untitledNumber);
}

QString DocumentWindow::suggestedName() const
{
    if (isUntitled() && !m_file->keptFor().isEmpty()) return QFileInfo(m_file->keptFor()).completeBaseName();
    return isUntitled() ? tr("Untitled") : QFileInfo(filePath()).completeBaseName();
}

bool DocumentWindow::isDocumentEdited() const
{
    return m_editor->isModified();
}

void DocumentWindow::updateTitle()
{
    setWindowTitle(displayName() + QStringLiteral("[*]"));
    setWindowFilePath(filePath());
    setWindowModified(isDocumentEdited());
}

void DocumentWindow::setFilePath(const QString& path)
{
    if (!m_file->setPath(path)) return;
    updateTitle();
    Q_EMIT m_events->filePathChanged(filePath());
}

void DocumentWindow::setPanel(Panel panel, QWidget* widget)
{
    m_panels->set(panel, widget);
}

QWidget* DocumentWindow::panel(Panel panel) const
{
    return m_panels->get(panel);
}

void DocumentWindow::showPanel(Panel panel, bool shown)
{
    m_panels->show(panel, shown);
}

void DocumentWindow::alert(const QString& message, const QString& detail)
{
    DocumentController::instance().alert(this, message, detail);
}

DocumentHost::Alert DocumentWindow::closeFailureAlert()
{
    return [window = QPointer<DocumentWindow>(this)](const QString& message, const QString& detail) {
        using S = CloseState;
        if (window && window->m_close == S::Open) {
            window->alert(message, detail);
        } else if (window && (window->m_close == S::Deciding || window->isAskingToClose())) {
            // Told when the close is decided. A close that asks first meets its window's close
            // handlers again when it is answered.
            auto& failures = window->m_closeFailures;
            if (!failures.contains(std::pair(message, detail))) failures.append({message, detail});
        } else {
            DocumentController::instance().alertAfterClose(message, detail);
        }
    };
}

bool DocumentWindow::isKeyWindow() const
{
    return isActiveWindow();
}

void DocumentWindow::observeWhenKey(const QString& request, std::function<void(const QVariant&)> handler, Reads reads)
{
    NotificationBus::instance().observe(NotificationBus::name(request), this,
                                        [this, handler = std::move(handler), reads](const QVariant& object) {
                                            if (!isKeyWindow()) return;
                                            // A feature reads the text through the editor: the
                                            // empty page of a long text still being built would
                                            // be what a sheet shows and later writes back.
                                            if (reads == Reads::text) finishLoading();
                                            handler(object);
                                        });
}

void DocumentWindow::openInPlace(const QString& path)
{
    finishLoading();
    DocumentController& dc = DocumentController::instance();
    if (!isUntitled() && dc.windowForPath(path) == this) return;
    const QRect frame = geometry();
    DocumentWindow* opened = dc.openDocument(path);
    if (!opened || opened == this) return;
    opened->setGeometry(frame);
    opened->raise();
    opened->activateWindow();
    if (!isDocumentEdited()) close();
}

void DocumentWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        lastKeyWindow = this;
        // Coming back from another program is when its changes are most likely.
        checkFileOnDisk();
    }
}

bool DocumentWindow::event(QEvent* event)
{
    // A sheet or prompt that closed hands the keyboard back to the window that was key before
    // it (and so to the editor), also where no window manager does: otherwise menu keys and
    // key-window requests go nowhere. A prompt that blocked every window unblocks them all; only
    // that one window takes the keyboard.
    if (event->type() == QEvent::WindowUnblocked && isVisible() && lastKeyWindow == this) {
        const QWidget* active = QApplication::activeWindow();
        if (!active || !active->isVisible()) activateWindow();
    }
    // However a sheet was opened (menu, toolbar, palette), typing goes on in the editor
    // after it closes, unless the keyboard was in a field of the window (the find bar).
    if (event->type() == QEvent::WindowUnblocked && isVisible() && !takesTyping(focusWidget()))
        m_editor->setFocus(Qt::OtherFocusReason);
    return QMainWindow::event(event);
}

void DocumentWindow::closeStep(CloseStep step)
{
    using S = CloseState;
    switch (step) {
    case CloseStep::EventArrives: m_close = S::Deciding; return;
    case CloseStep::Request:
        if (m_close != S::Deciding && !isAskingToClose()) m_close = S::Asking;
        return;
    case CloseStep::QuitRequest:
        if (m_close != S::Deciding) m_close = S::AskingForQuit;
        return;
    case CloseStep::QuestionOut:
        if (m_close == S::Deciding) m_close = S::Asking;
        return;
    case CloseStep::Yes:
        m_close = m_close == S::Deciding ? S::Approved : m_close == S::AskingForQuit ? S::ClosingForQuit : S::Closing;
        return;
    case CloseStep::No: m_close = S::Open; return;
    case CloseStep::WithoutAsking: m_close = S::ClosingForQuit; return;
    }
}

void DocumentWindow::closeThen(Done done)
{
    startClose(std::move(done), CloseStep::Request);
}

void DocumentWindow::closeForQuitThen(Done done)
{
    startClose(std::move(done), CloseStep::QuitRequest);
}

void DocumentWindow::startClose(Done done, CloseStep request)
{
    finishLoading();
    if (done) m_closeWaiters.append(std::move(done));
    // A close whose question is already out: its answer serves this request too.
    const bool joining = isAskingToClose();
    closeStep(request);
    if (joining) return;
    decideClose(whileAlive([this](bool ok) { finishClose(ok); }));
}

void DocumentWindow::finishClose(bool ok)
{
    closeStep(ok ? CloseStep::Yes : CloseStep::No);
    // Answered after the close event that asked (or without one): close again, now decided.
    if (isCloseDecided() && !close()) closeStep(CloseStep::No);
    ok = m_close != CloseState::Open;
    // Still open: the failures of the attempt belong on the window.
    if (!ok)
        for (const auto& [message, detail] : std::exchange(m_closeFailures, {})) alert(message, detail);
    for (const Done& waiter : std::exchange(m_closeWaiters, {})) waiter(ok);
}

void DocumentWindow::reportCloseFailures()
{
    for (const auto& [message, detail] : std::exchange(m_closeFailures, {}))
        DocumentController::instance().alertAfterClose(message, detail);
}

void DocumentWindow::closeWithoutAsking()
{
    finishLoading();
    m_autosaveTimer->stop();
    m_editor->finishInput();
    m_editor->finishPendingEdit();
    // Never asks: a text that may not be written in place is kept in the autosave folder.
    if (isUntitled() && !isDocumentEdited())
        m_file->dropDraft();
    else
        autosave();
    closeStep(CloseStep::WithoutAsking);
    close();
}

void DocumentWindow::closeEvent(QCloseEvent* event)
{
    // Decided already (by closeThen or closeWithoutAsking): the window goes.
    if (isCloseDecided()) {
        event->accept();
        reportCloseFailures();
        return;
    }
    // Not yet decided: decide, and close again once the answers are in. With no question
    // asked (or answered at once) the window closes within this event.
    event->ignore();
    if (isAskingToClose()) return; // its question is already out
    closeStep(CloseStep::EventArrives);
    closeThen({});
    if (m_close == CloseState::Approved) {
        event->accept();
        reportCloseFailures();
    } else
        closeStep(CloseStep::QuestionOut);
}
