#include "app/ui/DocumentController.h"

#include "app/TemplateStore.h"
#include "app/ui/AppShell.h"
#include "app/ui/DocumentWindow.h"
#include "files/MarkdownDocument.h"
#include "files/SessionStore.h"
#include "platform/RecentDocuments.h"
#include "platform/Settings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

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

DocumentController::DocumentController() : m_prompts(defaultPrompts()) {}

DocumentController::Prompts DocumentController::defaultPrompts()
{
    Prompts p;
    p.alert = [](QWidget* parent, const QString& message, const QString& detail) {
        QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), message, QMessageBox::Ok, parent);
        box.setInformativeText(detail);
        box.exec();
    };
    p.askSaveChanges = [](QWidget* parent, const QString& name) {
        QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
                        QObject::tr("Do you want to save the changes made to the document “%1”?").arg(name),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setInformativeText(QObject::tr("Your changes will be lost if you don’t save them."));
        box.button(QMessageBox::Discard)->setText(QObject::tr("Don’t Save"));
        box.setDefaultButton(QMessageBox::Save);
        switch (box.exec()) {
        case QMessageBox::Save: return SaveChoice::Save;
        case QMessageBox::Discard: return SaveChoice::DontSave;
        default: return SaveChoice::Cancel;
        }
    };
    p.chooseFilesToOpen = [](QWidget* parent) {
        QFileDialog dialog(parent, QObject::tr("Open"));
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setNameFilters(MarkdownDocument::nameFilters());
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
    };
    p.chooseSavePath = [](QWidget* parent, const QString& suggested) {
        QFileDialog dialog(parent, QObject::tr("Save As"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(MarkdownDocument::nameFilters());
        dialog.setDefaultSuffix(MarkdownDocument::defaultSuffix());
        dialog.selectFile(suggested);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().first()
                   : QString();
    };
    p.resolveExternalChange = [](QWidget* parent, const QString& name, bool deleted) {
        QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
                        deleted ? QObject::tr("The file of the document “%1” was moved or deleted by another program.").arg(name)
                                : QObject::tr("The document “%1” was changed by another program.").arg(name),
                        QMessageBox::Cancel, parent);
        box.setInformativeText(
            deleted ? QObject::tr("Save your version to write the file again, save it under another name, or leave "
                                  "the file removed.")
                    : QObject::tr("Keep your version to overwrite the file, reload the version on disk (your changes "
                                  "can be undone), or save your version under another name."));
        QAbstractButton* keep = box.addButton(deleted ? QObject::tr("Save") : QObject::tr("Keep Mine"),
                                              QMessageBox::AcceptRole);
        // For a gone file, "Don't Save" lets the removal stand (it closes a closing window).
        QAbstractButton* reload = box.addButton(deleted ? QObject::tr("Don’t Save") : QObject::tr("Reload"),
                                                QMessageBox::DestructiveRole);
        QAbstractButton* saveAs = box.addButton(QObject::tr("Save As…"), QMessageBox::ActionRole);
        box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        const QAbstractButton* clicked = box.clickedButton();
        if (clicked == keep) return ExternalChangeChoice::KeepMine;
        if (clicked == reload) return ExternalChangeChoice::Reload;
        if (clicked == saveAs) return ExternalChangeChoice::SaveAs;
        return ExternalChangeChoice::Cancel;
    };
    return p;
}

void DocumentController::alert(QWidget* parent, const QString& message, const QString& detail) const
{
    if (m_prompts.alert) m_prompts.alert(parent, message, detail);
}

DocumentWindow* DocumentController::show(DocumentWindow* window)
{
    // Cascade each new window from the active one.
    if (DocumentWindow* from = activeWindow()) window->move(from->pos() + QPoint(28, 28));
    m_windows.append(window);
    connect(window, &QObject::destroyed, this, [this](QObject* gone) {
        m_windows.removeIf([gone](const QPointer<QObject>& w) { return w.isNull() || w.data() == gone; });
    });
    window->show();
    window->raise();
    window->activateWindow();
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
        existing->raise();
        existing->activateWindow();
        return existing;
    }
    QString error;
    const auto doc = MarkdownDocument::read(path, &error);
    if (!doc) {
        alert(activeWindow(), tr("The document “%1” could not be opened.").arg(QFileInfo(path).fileName()), error);
        return nullptr;
    }
    noteRecent(path);
    return show(new DocumentWindow(*doc, QFileInfo(path).absoluteFilePath()));
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
    for (const QString& path : m_prompts.chooseFilesToOpen(parent)) openDocument(path);
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
        show(new DocumentWindow(MarkdownDocument{e.text}, QString(), nullptr, e.id));
        ++restored;
    }
    return restored;
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

void DocumentController::noteRecent(const QString& path) { RecentDocuments::add(Settings::instance(), path); }

void DocumentController::populateRecentMenu(QMenu* menu)
{
    menu->clear();
    QStringList shown;
    for (const QString& path : RecentDocuments::paths(Settings::instance()))
        if (QFileInfo::exists(path)) shown.append(path);
    QStringList names;
    for (const QString& path : shown) names.append(QFileInfo(path).fileName());
    for (const QString& path : shown) {
        const QFileInfo info(path);
        // Files of the same name in different folders are told apart by their folder.
        const QString label = names.count(info.fileName()) > 1
                                  ? tr("%1 — %2").arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()))
                                  : info.fileName();
        QAction* a = menu->addAction(QString(label).replace(u'&', QStringLiteral("&&"))); // no mnemonics
        a->setToolTip(QDir::toNativeSeparators(path));
        connect(a, &QAction::triggered, this, [this, path] { openDocument(path); });
    }
    if (!menu->isEmpty()) menu->addSeparator();
    QAction* clear = menu->addAction(tr("Clear Menu"));
    clear->setEnabled(!RecentDocuments::paths(Settings::instance()).isEmpty());
    connect(clear, &QAction::triggered, this, [] { RecentDocuments::clear(Settings::instance()); });
}

bool DocumentController::closeAllForQuit()
{
    for (DocumentWindow* w : windows()) {
        w->setClosingForQuit(true);
        if (!w->close()) {
            w->setClosingForQuit(false);
            return false;
        }
    }
    return true;
}

void DocumentController::quit()
{
    if (closeAllForQuit()) QApplication::quit();
}

bool DocumentController::scheduleSessionReopen()
{
    if (!SessionStore::isEnabled()) return false;
    const QStringList paths = SessionStore::savedURLs();
    if (paths.isEmpty()) return false;
    QTimer::singleShot(200, this, [this, paths] {
        QList<QPointer<DocumentWindow>> before;
        for (DocumentWindow* w : windows()) before.append(w);
        SessionStore::reopen(paths);
        // Close the launch's empty start window only now: closing the last window first would
        // end the program before anything was reopened. Documents opened from a link or a
        // template meanwhile are the user's and stay.
        for (DocumentWindow* w : before)
            if (w && AppShell::closedByLaunchPass(w) && windows().size() > 1) w->close();
    });
    return true;
}
