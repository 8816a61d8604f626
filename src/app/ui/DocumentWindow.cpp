#include "app/ui/DocumentWindow.h"

#include "app/ui/DocumentController.h"
#include "editor/ui/EditorHost.h"
#include "app/ui/MenuBar.h"
#include "editor/EditorController.h"
#include "files/DocumentFile.h"
#include "platform/NotificationBus.h"
#include "platform/PrefKey.h"
#include "platform/Requests.h"
#include "platform/Settings.h"
#include "platform/TextUtil.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <optional>
#include <utility>

#include <numeric>

namespace {
// The document window that was key most recently, to give the keyboard back to after a prompt.
QPointer<DocumentWindow> lastKeyWindow;
} // namespace

DocumentWindow::DocumentWindow(const MarkdownDocument& document, const QString& filePath, QWidget* parent,
                               const QString& autosaveId)
    : QMainWindow(parent),
      m_controller(new EditorController(this)),
      m_splitter(new QSplitter(Qt::Horizontal, this)),
      m_events(new DocumentEvents(this)),
      m_autosaveTimer(new QTimer(this)),
      m_countsTimer(new QTimer(this)),
      m_file(new DocumentFile(document, filePath, DocumentController::instance().autosaveStore(), autosaveId, this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    resize(960, 820);
    setMinimumSize(640, 400);

    m_editor = createEditorHost(m_splitter);
    m_splitter->addWidget(m_editor);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setChildrenCollapsible(false);
    setCentralWidget(m_splitter);

    m_editor->loadText(LineEndings::toLineFeeds(document.text));
    m_controller->setTextView(m_editor->textView(), m_editor);
    m_controller->setScrollView(m_editor->scrollView(), m_editor);
    m_controller->updateCounts();
    // Zooming with the wheel happens in the view; the controller must step on from there.
    connect(m_editor, &EditorHost::magnificationChanged, m_controller, [this](double z) {
        if (m_controller->zoom() != z) m_controller->setZoomFromView(z);
    });

    if (isUntitled()) {
        m_untitledNumber = DocumentController::instance().nextUntitledNumber();
        // A document brought back from the autosave folder was never saved: it is edited.
        if (!autosaveId.isEmpty()) m_editor->setModified(true);
    }

    // Typing restarts two short timers instead of doing whole-text work per keystroke.
    m_autosaveTimer->setSingleShot(true);
    m_autosaveTimer->setInterval(autosaveDelayMs);
    connect(m_autosaveTimer, &QTimer::timeout, this, [this] {
        autosaveAsking(Ask::UnlessPutOff, [this](SaveOutcome outcome, const QString& error) {
            // Say so once, not after every pause in typing; the edited mark stays until a write works.
            if (outcome == SaveOutcome::Failed && !isUntitled() && !m_autosaveFailed)
                alert(tr("The document “%1” could not be autosaved.").arg(displayName()), error);
            m_autosaveFailed = outcome != SaveOutcome::Saved;
        });
    });
    m_countsTimer->setSingleShot(true);
    m_countsTimer->setInterval(150);
    connect(m_countsTimer, &QTimer::timeout, m_controller, &EditorController::updateCounts);
    connect(m_file, &DocumentFile::changedOnDisk, this, &DocumentWindow::checkFileOnDisk);

    connect(m_editor, &EditorHost::textEdited, this, [this] {
        m_countsTimer->start();
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

    // Distraction-free mode leaves only the editor, in every window at once.
    Settings::instance().onChange(PrefKey::distractionFree, this, [this](const QVariant&) {
        for (auto it = m_panels.cbegin(); it != m_panels.cend(); ++it) applyPanelVisibility(it.key());
    });
    observeWhenKey(Requests::toggleDistractionFree, [](const QVariant&) {
        Settings& s = Settings::instance();
        s.setValue(PrefKey::distractionFree, !s.boolean(PrefKey::distractionFree, false));
    });

    // A followed wiki link names a file beside the document: it replaces this one like a sidebar click.
    observeWhenKey(Requests::openWikiLink, [this](const QVariant& object) {
        const QString path = object.typeId() == QMetaType::QUrl       ? object.toUrl().toLocalFile()
                             : object.typeId() == QMetaType::QString ? object.toString()
                                                                     : QString();
        if (!path.isEmpty()) openInPlace(path);
    });

    m_menuBar = new MenuBar(this);
    DocumentHost::attachFeatures(*this);
    updateTitle();
    m_editor->setFocus();
}

DocumentWindow::~DocumentWindow() = default;

QString DocumentWindow::documentText() const { return m_file->fileText(m_editor->textView()->text()); }

QString DocumentWindow::filePath() const { return m_file->path(); }

void DocumentWindow::setDocumentText(const QString& text)
{
    EditorTextView* view = m_editor->textView();
    m_controller->replace(TextRange(0, view->textLength()), LineEndings::toLineFeeds(text));
}

QString DocumentWindow::displayName() const
{
    if (!isUntitled()) return QFileInfo(filePath()).fileName();
    return m_untitledNumber <= 1 ? tr("Untitled") : tr("Untitled %1").arg(m_untitledNumber);
}

QString DocumentWindow::suggestedName() const
{
    return isUntitled() ? tr("Untitled") : QFileInfo(filePath()).completeBaseName();
}

bool DocumentWindow::isDocumentEdited() const { return m_editor->isModified(); }

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

QMenu* DocumentWindow::menu(const QString& title) { return m_menuBar->menu(title); }

QAction* DocumentWindow::menuAnchor(const QString& name) const { return m_menuBar->anchor(name); }

void DocumentWindow::setPanel(Panel panel, QWidget* widget)
{
    QPointer<QWidget>& held = m_panels[panel];
    if (held == widget) return;
    if (held) held->deleteLater();
    held = widget;
    if (!widget) return;
    switch (panel) {
    case Panel::Toolbar: {
        auto* bar = qobject_cast<QToolBar*>(widget);
        if (!bar) {
            bar = new QToolBar(this);
            bar->setMovable(false);
            bar->setFloatable(false);
            bar->addWidget(widget);
            connect(widget, &QObject::destroyed, bar, &QObject::deleteLater);
        }
        addToolBar(Qt::TopToolBarArea, bar);
        applyPanelVisibility(panel);
        return;
    }
    case Panel::StatusBar:
        if (auto* bar = qobject_cast<QStatusBar*>(widget)) setStatusBar(bar);
        else statusBar()->addWidget(widget, 1);
        applyPanelVisibility(panel);
        return;
    case Panel::LeftSidebar:
    case Panel::Outline:
    case Panel::RightSidebar: {
        // Side panels sit in the splitter in a fixed order around the editor.
        int index = 0;
        for (Panel before : {Panel::LeftSidebar, Panel::Outline})
            if (before != panel && m_panels.value(before) && m_splitter->indexOf(m_panels.value(before)) >= 0) ++index;
        if (panel == Panel::RightSidebar) index = m_splitter->count();
        m_splitter->insertWidget(index, widget);
        for (int i = 0; i < m_splitter->count(); ++i)
            m_splitter->setStretchFactor(i, m_splitter->widget(i) == m_editor ? 1 : 0);
        applyPanelVisibility(panel);
        return;
    }
    }
}

void DocumentWindow::showPanel(Panel panel, bool shown)
{
    m_panelWanted[panel] = shown;
    applyPanelVisibility(panel);
}

QWidget* DocumentWindow::panelFrame(Panel panel) const
{
    QWidget* widget = m_panels.value(panel);
    if (!widget) return nullptr;
    switch (panel) {
    case Panel::Toolbar:
        for (QWidget* w = widget; w; w = w->parentWidget())
            if (auto* bar = qobject_cast<QToolBar*>(w)) return bar;
        return widget;
    case Panel::StatusBar: return statusBar();
    default: return widget;
    }
}

void DocumentWindow::applyPanelVisibility(Panel panel)
{
    QWidget* widget = m_panels.value(panel);
    QWidget* frame = panelFrame(panel);
    if (!widget || !frame) return;
    const bool shown = m_panelWanted.value(panel, true) &&
                       !Settings::instance().boolean(PrefKey::distractionFree, false);
    if (frame != widget) widget->setVisible(true);
    frame->setVisible(shown);
    // A side panel that appears gets its own width, the editor the rest.
    const int index = m_splitter->indexOf(widget);
    const int editor = m_splitter->indexOf(m_editor);
    if (!shown || index < 0 || editor < 0 || m_splitter->count() < 2) return;
    QList<int> sizes = m_splitter->sizes();
    const int total = std::accumulate(sizes.begin(), sizes.end(), 0);
    sizes[index] = widget->maximumWidth() < QWIDGETSIZE_MAX ? widget->maximumWidth() : widget->sizeHint().width();
    sizes[editor] += total - std::accumulate(sizes.begin(), sizes.end(), 0);
    m_splitter->setSizes(sizes);
}

void DocumentWindow::alert(const QString& message, const QString& detail)
{
    DocumentController::instance().alert(this, message, detail);
}

bool DocumentWindow::isKeyWindow() const { return isActiveWindow(); }

void DocumentWindow::observeWhenKey(const QString& request, std::function<void(const QVariant&)> handler)
{
    NotificationBus::instance().observe(NotificationBus::name(request), this,
                                        [this, handler = std::move(handler)](const QVariant& object) {
                                            if (isKeyWindow()) handler(object);
                                        });
}

void DocumentWindow::openInPlace(const QString& path)
{
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

void DocumentWindow::saveThen(Done done)
{
    if (isUntitled()) {
        saveAsThen(std::move(done));
        return;
    }
    // Saving writes even an unedited document: it creates the file of a new one.
    writeInPlace(Ask::Always, [this, done = std::move(done)](SaveOutcome outcome, const QString& error) {
        if (outcome == SaveOutcome::Saved) DocumentController::instance().noteRecent(filePath());
        if (outcome == SaveOutcome::Failed) alert(tr("The document “%1” could not be saved.").arg(displayName()), error);
        if (done) done(outcome == SaveOutcome::Saved);
    });
}

void DocumentWindow::saveAsThen(Done done)
{
    auto& prompts = DocumentController::instance().prompts();
    if (!prompts.chooseSavePath) {
        if (done) done(false);
        return;
    }
    const QString folder = isUntitled() ? QDir::homePath() : QFileInfo(filePath()).absolutePath();
    const QString suggested = QDir(folder).filePath(suggestedName() + u'.' + MarkdownDocument::defaultSuffix());
    prompts.chooseSavePath(this, suggested, whileAlive([this, done](const QString& path) {
        if (path.isEmpty()) {
            if (done) done(false);
            return;
        }
        QString error;
        const bool ok = saveTo(path, &error);
        if (!ok) alert(tr("The document “%1” could not be saved.").arg(displayName()), error);
        if (done) done(ok);
    }));
}

namespace {
// Runs `start` with a continuation and tells whether it finished, successfully, before returning.
bool finishedAtOnce(const std::function<void(DocumentWindow::Done)>& start)
{
    auto result = std::make_shared<bool>(false);
    start([result](bool ok) { *result = ok; });
    return *result;
}
} // namespace

bool DocumentWindow::save()
{
    return finishedAtOnce([this](Done done) { saveThen(std::move(done)); });
}

bool DocumentWindow::saveAs()
{
    return finishedAtOnce([this](Done done) { saveAsThen(std::move(done)); });
}

bool DocumentWindow::saveTo(const QString& path, QString* error)
{
    // Two windows on one file would overwrite each other's text with every autosave.
    const DocumentWindow* other = DocumentController::instance().windowForPath(path);
    if (other && other != this) {
        if (error)
            *error = tr("“%1” is open in another window. Close that window first, or choose another name.")
                         .arg(QFileInfo(path).fileName());
        return false;
    }
    if (!writeFile(path, error)) return false;
    setFilePath(path);
    DocumentController::instance().noteRecent(filePath());
    updateTitle();
    Q_EMIT m_events->saved(filePath());
    return true;
}

bool DocumentWindow::writeFile(const QString& path, QString* error)
{
    if (!m_file->write(path, m_editor->textView()->text(), error)) return false;
    settle();
    return true;
}

void DocumentWindow::settle()
{
    m_autosaveTimer->stop();
    m_editor->setModified(false);
}

bool DocumentWindow::autosave(QString* error)
{
    // Never asks, so the outcome is known at once.
    SaveOutcome result = SaveOutcome::Failed;
    autosaveAsking(Ask::Never, [&result, error](SaveOutcome outcome, const QString& message) {
        result = outcome;
        if (error) *error = message;
    });
    return result == SaveOutcome::Saved;
}

void DocumentWindow::autosaveAsking(Ask ask, Outcome done)
{
    m_autosaveTimer->stop();
    if (!isDocumentEdited()) {
        done(SaveOutcome::Saved, {});
        return;
    }
    if (isUntitled()) {
        QString error;
        const bool ok = m_file->saveDraft(m_editor->textView()->text(), &error);
        done(ok ? SaveOutcome::Saved : SaveOutcome::Failed, error);
        return;
    }
    writeInPlace(ask, std::move(done));
}

void DocumentWindow::writeInPlace(Ask ask, Outcome done)
{
    m_autosaveTimer->stop();
    const DiskStamp::State disk = m_file->diskState();
    if (disk != DiskStamp::State::Unchanged) {
        const bool deleted = disk == DiskStamp::State::Missing;
        if (ask == Ask::UnlessPutOff && m_file->isExternalChangePutOff()) {
            done(SaveOutcome::Cancelled, {});
            return;
        }
        auto& prompts = DocumentController::instance().prompts();
        if (ask == Ask::Never || !prompts.resolveExternalChange) {
            if (ask == Ask::Never) m_file->keepAside(m_editor->textView()->text());
            done(SaveOutcome::Failed,
                 deleted ? tr("The file “%1” was moved or deleted by another program; it was not written again.")
                               .arg(displayName())
                         : tr("“%1” was changed by another program; it was not overwritten.").arg(displayName()));
            return;
        }
        using Choice = DocumentController::ExternalChangeChoice;
        prompts.resolveExternalChange(this, displayName(), deleted, whileAlive([this, ask, deleted, done](Choice choice) {
            QString error;
            switch (choice) {
            case Choice::KeepMine:
                if (!writeFile(filePath(), &error)) {
                    done(SaveOutcome::Failed, error);
                    return;
                }
                Q_EMIT m_events->saved(filePath());
                done(SaveOutcome::Saved, {});
                return;
            case Choice::Reload:
                if (!deleted) {
                    const bool ok = reloadFromDisk(&error);
                    done(ok ? SaveOutcome::Saved : SaveOutcome::Failed, error);
                    return;
                }
                // Let the removal stand: closing gives the text up, otherwise it stays unwritten.
                if (ask == Ask::Closing) {
                    done(SaveOutcome::Saved, {});
                    return;
                }
                [[fallthrough]];
            case Choice::Cancel:
                m_file->putOffExternalChange();
                done(SaveOutcome::Cancelled, {});
                return;
            case Choice::SaveAs:
                // The save panel reports its own failures.
                saveAsThen([done](bool ok) { done(ok ? SaveOutcome::Saved : SaveOutcome::Cancelled, {}); });
                return;
            }
        }));
        return;
    }
    QString error;
    if (!writeFile(filePath(), &error)) {
        done(SaveOutcome::Failed, error);
        return;
    }
    Q_EMIT m_events->saved(filePath());
    done(SaveOutcome::Saved, {});
}

bool DocumentWindow::reloadFromDisk(QString* error)
{
    const auto doc = m_file->reload(error);
    if (!doc) return false;
    EditorTextView* view = m_editor->textView();
    const QString text = LineEndings::toLineFeeds(doc->text);
    if (text != view->text()) {
        const int caret = std::min(view->selectedRange().location, int(text.size()));
        m_controller->replace(TextRange(0, view->textLength()), text, TextRange(caret, 0));
        // A view that refuses the edit still gets the file's text, without undo.
        if (view->text() != text) m_editor->loadText(text);
    }
    settle();
    return true;
}

void DocumentWindow::checkFileOnDisk()
{
    const DiskStamp::State disk = m_file->checkDisk();
    if (disk == DiskStamp::State::Unchanged || isDocumentEdited()) return;
    QString error;
    if (disk == DiskStamp::State::Changed && reloadFromDisk(&error)) return;
    // Gone, or no longer readable: the text in the window is now the only copy.
    m_editor->setModified(true);
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
    return QMainWindow::event(event);
}

void DocumentWindow::decideClose(Done done)
{
    const QString couldNotSave = tr("The document “%1” could not be saved.").arg(displayName());
    if (m_closingForQuit) {
        // Quitting keeps an untitled document's text for the next launch instead of asking.
        if (isUntitled() && !isDocumentEdited()) {
            m_file->dropDraft();
            done(true);
            return;
        }
        autosaveAsking(Ask::Closing, [this, done, couldNotSave](SaveOutcome outcome, const QString& error) {
            switch (outcome) {
            case SaveOutcome::Saved:
                if (!isUntitled()) m_file->dropDraft(); // settled: a copy kept aside is not needed
                done(true);
                return;
            case SaveOutcome::Cancelled: done(false); return;
            case SaveOutcome::Failed:
                alert(couldNotSave, error);
                askToSave(done);
                return;
            }
        });
        return;
    }
    const auto settled = [this, done](bool ok) {
        if (ok) m_file->dropDraft(); // an untitled draft, or a copy kept aside
        done(ok);
    };
    if (!isDocumentEdited()) {
        settled(true);
        return;
    }
    if (isUntitled()) {
        askToSave(settled);
        return;
    }
    // A saved document is written in place; ask only when that fails.
    autosaveAsking(Ask::Closing, [this, settled, couldNotSave](SaveOutcome outcome, const QString& error) {
        switch (outcome) {
        case SaveOutcome::Saved: settled(true); return;
        case SaveOutcome::Cancelled: settled(false); return;
        case SaveOutcome::Failed:
            alert(couldNotSave, error);
            askToSave(settled);
            return;
        }
    });
}

void DocumentWindow::askToSave(Done done)
{
    auto& prompts = DocumentController::instance().prompts();
    if (!prompts.askSaveChanges) {
        done(false);
        return;
    }
    prompts.askSaveChanges(this, displayName(), whileAlive([this, done](DocumentController::SaveChoice choice) {
        switch (choice) {
        case DocumentController::SaveChoice::Save: saveAsThen(done); return;
        case DocumentController::SaveChoice::DontSave:
            // An older autosaved copy must not come back after the user discarded the changes.
            m_file->dropDraft();
            done(true);
            return;
        case DocumentController::SaveChoice::Cancel: done(false); return;
        }
    }));
}

void DocumentWindow::closeThen(Done done)
{
    if (done) m_closeWaiters.append(std::move(done));
    // A close whose question is already out: its answer serves this request too.
    if (m_closeAsking) return;
    m_closeAsking = true;
    decideClose(whileAlive([this](bool ok) { finishClose(ok); }));
}

void DocumentWindow::finishClose(bool ok)
{
    m_closeAsking = false;
    if (ok && !m_closeInEvent) {
        m_closeDecided = true;
        ok = close();
        m_closeDecided = false;
    }
    m_closeApproved = ok;
    for (const Done& waiter : std::exchange(m_closeWaiters, {})) waiter(ok);
}

void DocumentWindow::closeWithoutAsking()
{
    m_autosaveTimer->stop();
    // Never asks: a text that may not be written in place is kept in the autosave folder.
    if (isUntitled() && !isDocumentEdited()) m_file->dropDraft();
    else autosave();
    m_closingForQuit = true;
    m_closeDecided = true;
    close();
}

void DocumentWindow::closeEvent(QCloseEvent* event)
{
    // Decided already (by closeThen or closeWithoutAsking): the window goes.
    if (m_closeDecided) {
        event->accept();
        return;
    }
    // Not yet decided: decide, and close again once the answers are in. With no question
    // asked (or answered at once) the window closes within this event.
    event->ignore();
    if (m_closeAsking) return; // its question is already out
    m_closeApproved = false;
    m_closeInEvent = true;
    closeThen({});
    m_closeInEvent = false;
    if (!m_closeAsking && m_closeApproved) event->accept();
}
