#include "app/ui/DocumentController.h"

#include "app/Mnemonics.h"
#include "app/TemplateStore.h"
#include "app/WindowPicks.h"
#include "app/ui/AppShell.h"
#include "app/ui/DocumentWindow.h"
#include "files/MarkdownDocument.h"
#include "files/SessionStore.h"
#include "files/VersionSnapshots.h"
#include "platform/Logging.h"
#include "platform/RecentDocuments.h"
#include "platform/SafeWrite.h"
#include "platform/Settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <optional>
#include <utility>

namespace {
QString canonical(const QString& path)
{
    const QFileInfo info(path);
    const QString c = info.canonicalFilePath();
    return c.isEmpty() ? info.absoluteFilePath() : c;
}
} // namespace

DocumentController& DocumentController::instance()
{
    static DocumentController* controller = new DocumentController;
    return *controller;
}

DocumentController::DocumentController()
    : m_prompts(defaultPrompts())
{}

namespace {
const char kPrompt[] = "bwPrompt";

// The prompt open over `window`, or shown on no window when it is null; null for none.
QDialog* openPrompt(const QWidget* window)
{
    const QList<QWidget*> candidates =
        window ? window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly) : QApplication::topLevelWidgets();
    for (QWidget* candidate : candidates) {
        auto* open = qobject_cast<QDialog*>(candidate);
        if (open && open->parentWidget() == window && open->isVisible() && open->property(kPrompt).toBool())
            return open;
    }
    return nullptr;
}

// Shows `box` window-modally (application-modally without a parent); it deletes itself.
// Prompts over one window (or over none) come one at a time: a prompt still open there is
// answered first, so that a question (save the changes?) never covers the alert that says
// why the save before it failed, and alerts left by closed windows do not pile up.
void present(QDialog* box)
{
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setProperty(kPrompt, true);
    if (QDialog* open = openPrompt(box->parentWidget()); open && open != box) {
        QObject::connect(open, &QDialog::finished, box, [box] { present(box); });
        return;
    }
    box->open();
}
} // namespace

DocumentController::Prompts DocumentController::defaultPrompts()
{
    Prompts p;
    p.alert = [](QWidget* parent, const QString& message, const QString& detail) {
        auto* box =
            new QMessageBox(QMessageBox::Warning, QApplication::applicationName(), message, QMessageBox::Ok, parent);
        box->setInformativeText(detail);
        present(box);
    };
    p.askSaveChanges = [](QWidget* parent, const QString& name, std::function<void(SaveChoice)> answer) {
        auto* box = new QMessageBox(
            QMessageBox::Warning, QApplication::applicationName(),
            DocumentController::tr("Do you want to save the changes made to the document “%1”?").arg(name),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box->setInformativeText(DocumentController::tr("Your changes will be lost if you don’t save them."));
        box->button(QMessageBox::Discard)->setText(DocumentController::tr("Don’t Save"));
        box->setDefaultButton(QMessageBox::Save);
        QObject::connect(box, &QMessageBox::finished, box, [box, answer](int) {
            const auto clicked = box->standardButton(box->clickedButton());
            answer(clicked == QMessageBox::Save      ? SaveChoice::Save
                   : clicked == QMessageBox::Discard ? SaveChoice::DontSave
                                                     : SaveChoice::Cancel);
        });
        present(box);
    };
    p.chooseFilesToOpen = [](QWidget* parent, std::function<void(const QStringList&)> answer) {
        auto* dialog = new QFileDialog(parent, DocumentController::tr("Open"));
        dialog->setFileMode(QFileDialog::ExistingFiles);
        dialog->setNameFilters(MarkdownDocument::nameFilters());
        QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, answer](int result) {
            answer(result == QDialog::Accepted ? dialog->selectedFiles() : QStringList());
        });
        present(dialog);
    };
    p.chooseSavePath = [](QWidget* parent, const QString& suggested, std::function<void(const QString&)> answer) {
        auto* dialog = new QFileDialog(parent, DocumentController::tr("Save As"));
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setNameFilters(MarkdownDocument::nameFilters());
        dialog->setDefaultSuffix(MarkdownDocument::defaultSuffix());
        dialog->selectFile(suggested);
        QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, answer](int result) {
            const QStringList files = dialog->selectedFiles();
            answer(result == QDialog::Accepted && !files.isEmpty() ? files.first() : QString());
        });
        present(dialog);
    };
    p.resolveExternalChange = [](QWidget* parent, const QString& name, bool deleted,
                                 std::function<void(ExternalChangeChoice)> answer) {
        auto* box = new QMessageBox(
            QMessageBox::Warning, QApplication::applicationName(),
            deleted ? DocumentController::tr("The file of the document “%1” was moved or deleted by another program.")
                          .arg(name)
                    : DocumentController::tr("The document “%1” was changed by another program.").arg(name),
            QMessageBox::Cancel, parent);
        box->setInformativeText(
            deleted ? DocumentController::tr(
                "Save your version to write the file again, save it under another name, or leave "
                "the file removed.")
                    : DocumentController::tr(
                        "Keep your version to overwrite the file, reload the version on disk (your changes "
                        "can be undone), or save your version under another name."));
        QAbstractButton* keep = box->addButton(
            deleted ? DocumentController::tr("Save") : DocumentController::tr("Keep Mine"), QMessageBox::AcceptRole);
        // For a gone file, "Don't Save" lets the removal stand (it closes a closing window).
        QAbstractButton* reload =
            box->addButton(deleted ? DocumentController::tr("Don’t Save") : DocumentController::tr("Reload"),
                           QMessageBox::DestructiveRole);
        QAbstractButton* saveAs = box->addButton(DocumentController::tr("Save As…"), QMessageBox::ActionRole);
        box->setDefaultButton(QMessageBox::Cancel);
        QObject::connect(box, &QMessageBox::finished, box, [box, keep, reload, saveAs, answer](int) {
            const QAbstractButton* clicked = box->clickedButton();
            answer(clicked == keep     ? ExternalChangeChoice::KeepMine
                   : clicked == reload ? ExternalChangeChoice::Reload
                   : clicked == saveAs ? ExternalChangeChoice::SaveAs
                                       : ExternalChangeChoice::Cancel);
        });
        present(box);
    };
    p.offerWriteBack = [](QWidget* parent, const QString& path, std::function<void(bool)> answer) {
        auto* box = new QMessageBox(
            QMessageBox::Warning, QApplication::applicationName(),
            DocumentController::tr("The last save of “%1” did not finish.").arg(QFileInfo(path).fileName()),
            QMessageBox::Cancel, parent);
        box->setInformativeText(DocumentController::tr("The file “%1” may be incomplete. This window holds the text "
                                                       "that was being saved: write it back to the file, or keep it "
                                                       "here for now.")
                                    .arg(QDir::toNativeSeparators(path)));
        QAbstractButton* writeBack = box->addButton(DocumentController::tr("Write Back"), QMessageBox::AcceptRole);
        box->setDefaultButton(qobject_cast<QPushButton*>(writeBack));
        QObject::connect(box, &QMessageBox::finished, box,
                         [box, writeBack, answer](int) { answer(box->clickedButton() == writeBack); });
        present(box);
    };
    return p;
}

void DocumentController::alert(QWidget* parent, const QString& message, const QString& detail) const
{
    if (m_prompts.alert) m_prompts.alert(parent, message, detail);
}

void DocumentController::alertAfterClose(const QString& message, const QString& detail)
{
    qCWarning(lcApp) << "a window closed with a failure:" << detail;
    if (m_closingWithoutAsking) return; // ending without asking: there is no one to tell
    if (m_quitting)
        m_closeFailures.append({message, detail});
    else
        alert(nullptr, message, detail);
}

DocumentWindow* DocumentController::show(DocumentWindow* window)
{
    // Cascade each new window from the active one, starting again at the top of the screen
    // before a window would leave it.
    if (DocumentWindow* from = activeWindow()) {
        const QSize frame = from->frameGeometry().size() - from->size();
        window->move(
            WindowPicks::cascade(from->screen()->availableGeometry(), from->frameGeometry(), window->size() + frame));
    }
    m_windows.append(window);
    connect(window, &QObject::destroyed, this, [this](QObject* gone) {
        m_windows.removeIf([gone](const QPointer<QObject>& w) { return w.isNull() || w.data() == gone; });
        recoveryQuestionEnded(gone);
    });
    if (opensBehind(window)) {
        // Not even for a moment in front: a window manager would hand it the keyboard when it
        // maps, after the window that keeps it was activated.
        window->setAttribute(Qt::WA_ShowWithoutActivating);
        window->show();
        window->setAttribute(Qt::WA_ShowWithoutActivating, false);
    } else {
        window->show();
        window->raise();
        window->activateWindow();
    }
    Q_EMIT windowOpened(window);
    return window;
}

DocumentWindow* DocumentController::newDocument()
{
    return show(new DocumentWindow(MarkdownDocument{TemplateStore::takePending()}, QString()));
}

DocumentWindow* DocumentController::openDocument(const QString& path)
{
    if (DocumentWindow* existing = windowForPath(path)) {
        if (!opensBehind(existing)) {
            existing->raise();
            existing->activateWindow();
        }
        return existing;
    }
    QString error;
    const auto bytes = MarkdownDocument::readBytes(path, &error);
    if (!bytes) {
        alert(activeWindow(), tr("The document “%1” could not be opened.").arg(QFileInfo(path).fileName()), error);
        return nullptr;
    }
    noteRecent(path);
    return show(new DocumentWindow(*bytes, QFileInfo(path).absoluteFilePath()));
}

DocumentWindow* DocumentController::openOrCreateDocument(const QString& path)
{
    const QFileInfo info(path);
    // A dangling symlink "does not exist" but is not a free name: reading it reports why.
    if (windowForPath(path) || info.exists() || info.isSymLink() || !info.absoluteDir().exists())
        return openDocument(path);
    return show(new DocumentWindow(MarkdownDocument{}, info.absoluteFilePath()));
}

void DocumentController::openWithDialog(QWidget* parent)
{
    if (!m_prompts.chooseFilesToOpen) return;
    m_prompts.chooseFilesToOpen(parent, [this](const QStringList& paths) {
        for (const QString& path : paths) openDocument(path);
    });
}

int DocumentController::restoreAutosaved()
{
    int restored = 0;
    for (const AutosaveStore::Entry& e : m_autosave.entries()) {
        // Another running instance holds it: that window is still open.
        auto lock = m_autosave.claim(e.id);
        if (!lock) continue;
        // A draft whose text was all deleted again holds nothing worth an "edited" window.
        if (e.text.isEmpty()) {
            m_autosave.remove(e.id);
            continue;
        }
        lock.reset();
        auto* w = new DocumentWindow(MarkdownDocument{e.text}, QString(), nullptr, e.id);
        // A text kept aside for a file: its window and question come before everything else the
        // launch opens (the files named, the last session, which leaves that file to it).
        if (!e.forPath.isEmpty()) {
            m_inFront = w;
            m_recoveryInFront = true;
        }
        show(w);
        ++restored;
        if (e.forPath.isEmpty()) continue;
        // A save of that file ended by a crash may have left its own temporary file beside it.
        SafeWrite::removeLeftovers(e.forPath);
        m_askingToWriteBack.append(w);
        w->offerWriteBack(e.forPath, e.baseline, [this, w] { recoveryQuestionEnded(w); });
    }
    // Without a session to reopen, the launch has opened everything once control returns.
    if (m_recoveryInFront && !m_reopenPending) QTimer::singleShot(0, this, [this] { releaseFront(); });
    return restored;
}

bool DocumentController::isRecovering(const QString& path) const
{
    const QString target = path.isEmpty() ? QString() : canonical(path);
    for (DocumentWindow* w : windows())
        if (w->isUntitled() && !w->keptFor().isEmpty() && (target.isEmpty() || canonical(w->keptFor()) == target))
            return true;
    return false;
}

void DocumentController::afterRecoveryQuestions(std::function<void()> action)
{
    m_afterRecoveryQuestions.append(std::move(action));
    recoveryQuestionEnded(nullptr);
}

void DocumentController::recoveryQuestionEnded(const QObject* window)
{
    m_askingToWriteBack.removeIf([window](const QPointer<QObject>& w) { return w.isNull() || w.data() == window; });
    if (!m_askingToWriteBack.isEmpty()) return;
    for (const auto& action : std::exchange(m_afterRecoveryQuestions, {})) action();
}

void DocumentController::releaseFront()
{
    m_recoveryInFront = false;
    // The window kept in front is raised again (the others were stacked as they mapped) and
    // keeps the keyboard.
    if (auto* front = static_cast<QWidget*>(std::exchange(m_inFront, nullptr).data())) {
        front->raise();
        front->activateWindow();
    }
}

QList<DocumentWindow*> DocumentController::windows() const
{
    QList<DocumentWindow*> out;
    for (const auto& w : m_windows)
        if (w) out.append(static_cast<DocumentWindow*>(w.data()));
    return out;
}

DocumentWindow* DocumentController::windowForPath(const QString& path) const
{
    const QString target = canonical(path);
    for (DocumentWindow* w : windows())
        if (!w->isUntitled() && canonical(w->filePath()) == target) return w;
    return nullptr;
}

DocumentWindow* DocumentController::activeWindow() const
{
    for (DocumentWindow* w : windows())
        if (w->isActiveWindow()) return w;
    return nullptr;
}

int DocumentController::nextUntitledNumber() const
{
    QList<int> used;
    for (DocumentWindow* w : windows())
        if (w->isUntitled()) used.append(w->untitledNumber());
    int n = 1;
    while (used.contains(n)) ++n;
    return n;
}

void DocumentController::noteRecent(const QString& path)
{
    RecentDocuments::add(Settings::instance(), path);
}

void DocumentController::populateRecentMenu(QMenu* menu)
{
    menu->clear();
    QStringList shown;
    for (const QString& path : RecentDocuments::paths(Settings::instance()))
        if (QFileInfo::exists(path)) shown.append(path);
    QStringList names;
    for (const QString& path : shown) names.append(QFileInfo(path).fileName());
    QStringList labels;
    for (const QString& path : shown) {
        const QFileInfo info(path);
        // Files of the same name in different folders are told apart by their folder.
        labels.append(names.count(info.fileName()) > 1
                          ? tr("%1 — %2").arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()))
                          : info.fileName());
    }
    const QString clearTitle = tr("&Clear Menu");
    labels = Mnemonics::assign(labels, Mnemonics::of(clearTitle));
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QString path = shown[i];
        QAction* a = menu->addAction(labels[i]);
        a->setToolTip(QDir::toNativeSeparators(path));
        connect(a, &QAction::triggered, this, [this, path] { openDocument(path); });
    }
    if (!menu->isEmpty()) menu->addSeparator();
    QAction* clear = menu->addAction(clearTitle);
    clear->setEnabled(!RecentDocuments::paths(Settings::instance()).isEmpty());
    connect(clear, &QAction::triggered, this, [] { RecentDocuments::clear(Settings::instance()); });
}

void DocumentController::closeAllForQuit(std::function<void(bool)> done)
{
    if (m_quitting) return; // a second Quit while one asks does nothing
    m_quitting = true;
    Q_EMIT quitBegan();
    m_quitDone = std::move(done);
    m_quitQueue.clear();
    for (DocumentWindow* w : windows()) m_quitQueue.append(w);
    closeNextForQuit();
}

void DocumentController::closeNextForQuit()
{
    while (!m_quitQueue.isEmpty()) {
        const QPointer<QObject> next = m_quitQueue.takeFirst();
        // Closed (or closing) meanwhile: nothing to ask.
        if (!next || !windows().contains(static_cast<DocumentWindow*>(next.data()))) continue;
        auto* w = static_cast<DocumentWindow*>(next.data());
        // The window answers once, now or after its prompt; a window destroyed while it asks
        // counts as closed, so the quit is never left waiting.
        auto answered = std::make_shared<bool>(false);
        auto* watch = new QObject(this);
        const auto proceed = [this, answered, watch](bool closed) {
            if (*answered) return;
            *answered = true;
            watch->deleteLater();
            if (closed)
                closeNextForQuit();
            else
                finishQuit(false);
        };
        connect(w, &QObject::destroyed, watch, [proceed] { proceed(true); });
        w->closeForQuitThen(proceed);
        return;
    }
    finishQuit(true);
}

void DocumentController::finishQuit(bool allClosed)
{
    // The versions the windows took as they closed are written whole; their failures are told
    // with the others.
    VersionSnapshots::finish();
    m_quitQueue.clear();
    m_quitting = false;
    for (const auto& [message, detail] : std::exchange(m_closeFailures, {})) alert(nullptr, message, detail);
    if (!allClosed) Q_EMIT quitCancelled();
    if (auto done = std::exchange(m_quitDone, nullptr)) done(allClosed);
}

bool DocumentController::closeAllForQuit()
{
    if (m_quitting) return false;
    auto result = std::make_shared<std::optional<bool>>();
    closeAllForQuit([result](bool allClosed) { *result = allClosed; });
    return result->value_or(false);
}

void DocumentController::quit()
{
    closeAllForQuit([](bool allClosed) {
        if (allClosed) quitOnceAlertsAreRead();
    });
}

void DocumentController::quitOnceAlertsAreRead()
{
    // Quitting closes every window, an alert telling what went wrong while the documents
    // closed too.
    if (QDialog* box = openPrompt(nullptr)) {
        QObject::connect(box, &QDialog::finished, qApp, [] { QTimer::singleShot(0, qApp, &quitOnceAlertsAreRead); });
        return;
    }
    QApplication::quit();
}

void DocumentController::closeAllWithoutAsking()
{
    // A quit that waits for an answer is overtaken: its prompts go with their windows.
    m_quitQueue.clear();
    Q_EMIT quitBegan();
    m_closingWithoutAsking = true;
    for (DocumentWindow* w : windows()) w->closeWithoutAsking();
    VersionSnapshots::finish();
    m_closingWithoutAsking = false;
    m_closeFailures.clear(); // logged: the program ends without waiting for anyone
    finishQuit(true);
}

void DocumentController::terminate()
{
    closeAllWithoutAsking();
    QApplication::quit();
}

bool DocumentController::scheduleSessionReopen()
{
    if (!SessionStore::isEnabled()) return false;
    const QStringList paths = SessionStore::savedURLs();
    if (paths.isEmpty()) return false;
    m_reopenPending = true;
    QTimer::singleShot(200, this, [this, paths] {
        m_reopenPending = false;
        QList<QPointer<DocumentWindow>> before;
        for (DocumentWindow* w : windows()) before.append(w);
        // A file whose text kept aside waits for an answer is shown by that window alone.
        QStringList reopened;
        for (const QString& path : paths)
            if (!isRecovering(path)) reopened.append(path);
        SessionStore::reopen(reopened);
        // Close the launch's empty start window only now: closing the last window first would
        // end the program before anything was reopened. Documents opened from a link or a
        // template meanwhile are the user's and stay.
        for (DocumentWindow* w : before)
            if (w && AppShell::closedByLaunchPass(w) && windows().size() > 1) w->close();
        // The session opened behind the window kept in front: a recovered text's, or the file
        // the user named.
        releaseFront();
    });
    return true;
}

bool DocumentController::opensBehind(const DocumentWindow* window) const
{
    // A recovered text's window from the moment it opens; the file the user named once the
    // session reopens.
    return m_inFront && m_inFront != window && (m_recoveryInFront || !m_reopenPending);
}

void DocumentController::keepInFront(DocumentWindow* window)
{
    // Opened after the reopening, the window is in front already; a recovered text's question
    // stays in front of it.
    if (m_reopenPending && !m_recoveryInFront) m_inFront = window;
}
