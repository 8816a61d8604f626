#include "files/ui/DocumentFiles.h"

#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "files/FileBrowserModel.h"
#include "files/SessionStore.h"
#include "files/VersionStore.h"
#include "files/ui/FileBrowserSidebar.h"
#include "files/ui/FolderAccessPanel.h"
#include "files/ui/VersionHistoryView.h"
#include "platform/NotificationBus.h"
#include "platform/Settings.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QSplitter>
#include <QTimer>

#include <numeric>

namespace {

const QString kShowFileBrowser = QStringLiteral("showFileBrowser");
const QString kDistractionFree = QStringLiteral("distractionFree");

// Per-window state, owned by the window.
class WindowFiles : public QObject {
public:
    static constexpr auto kName = "bwWindowFiles";

    explicit WindowFiles(DocumentWindow* window) : QObject(window), m_window(window)
    {
        setObjectName(QLatin1String(kName));
        m_model = new FileBrowserModel(this);
        m_sidebar = new FileBrowserSidebar(
            m_model, [w = QPointer<DocumentWindow>(window)]() -> QWidget* { return w; },
            [this](const QString& path) { openInPlace(path); });
        m_sidebar->setCurrentPath(window->filePath());
        window->setLeftSidebar(m_sidebar);
        updateSidebar();
        Settings::instance().onChange(kShowFileBrowser, this, [this](const QVariant&) { updateSidebar(); });
        Settings::instance().onChange(kDistractionFree, this, [this](const QVariant&) { updateSidebar(); });

        m_path = window->filePath();
        SessionStore::markOpen(m_path);
        connect(window, &DocumentWindow::filePathChanged, this, [this](const QString& path) {
            // A document saved under a new name is the one to reopen from now on.
            SessionStore::markClosed(m_path);
            m_path = path;
            SessionStore::markOpen(m_path);
            m_sidebar->setCurrentPath(path);
        });

        auto* timer = new QTimer(this);
        timer->setInterval(DocumentFiles::kAutoSnapshotSeconds * 1000);
        connect(timer, &QTimer::timeout, this, [this] { snapshot(Report::OnceUntilFixed); });
        timer->start();

        window->observeWhenKey(QStringLiteral("showVersionHistory"), [this](const QVariant&) { showHistory(); });
        window->observeWhenKey(QStringLiteral("snapshotNow"), [this](const QVariant&) { snapshot(Report::Always); });
        window->observeWhenKey(QStringLiteral("openFileBrowserFolder"), [this](const QVariant&) {
            FileBrowserSidebar::chooseFolder(m_model, m_window);
        });
        addMenuItems();
        window->installEventFilter(this);
    }

    ~WindowFiles() override
    {
        // The window is going away: a window closed by hand leaves the session, one closed
        // because the program quits stays in it for the next launch.
        if (!m_quitting) SessionStore::markClosed(m_path);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Close) {
            m_quitting = m_window->isClosingForQuit();
            snapshot(Report::Always);
        }
        return false;
    }

private:
    enum class Report { Always, OnceUntilFixed };

    void updateSidebar()
    {
        const Settings& s = Settings::instance();
        const bool show = s.boolean(kShowFileBrowser, false) && !s.boolean(kDistractionFree, false);
        m_sidebar->setVisible(show);
        // The sidebar has a fixed width: give it exactly that, the editor the rest.
        QSplitter* split = m_window->splitter();
        const int index = split->indexOf(m_sidebar);
        if (!show || index < 0 || split->count() < 2) return;
        QList<int> sizes = split->sizes();
        const int total = std::accumulate(sizes.begin(), sizes.end(), 0);
        sizes[index] = FileBrowserSidebar::kWidth;
        sizes[index + 1 < sizes.size() ? index + 1 : index - 1] += total - std::accumulate(sizes.begin(), sizes.end(), 0);
        split->setSizes(sizes);
    }

    void snapshot(Report report)
    {
        if (!m_window || m_window->isUntitled()) return;
        QString error;
        VersionStore::snapshot(m_window->documentText(), m_window->filePath(), QDateTime::currentDateTime(), &error);
        if (error.isEmpty()) {
            m_snapshotFailing = false;
            return;
        }
        if (report == Report::OnceUntilFixed && m_snapshotFailing) return;
        m_snapshotFailing = true;
        DocumentController::instance().alert(m_window, tr("A version of the document could not be saved."), error);
    }

    void showHistory()
    {
        if (m_history) {
            m_history->raise();
            return;
        }
        QPointer<DocumentWindow> window(m_window);
        const auto restore = [window](const QString& text) {
            if (!window) return false;
            const QString before = window->documentText();
            window->setDocumentText(text); // one undoable replace through the editor controller
            return before == text || window->documentText() != before;
        };
        m_history = new VersionHistoryView(m_window->filePath(), m_window->documentText(), restore, nullptr, m_window);
        m_history->setAttribute(Qt::WA_DeleteOnClose);
        m_history->open();
    }

    void openInPlace(const QString& path)
    {
        m_window->openInPlace(path);
        Settings::instance().setValue(kShowFileBrowser, false);
    }

    void addMenuItems()
    {
        QMenu* file = m_window->menu(tr("&File"));
        QAction* before = m_window->menuAnchor(QStringLiteral("file.new"));
        const auto add = [&](const QString& title, const QKeySequence& keys, auto action) {
            auto* a = new QAction(title, file);
            a->setShortcut(keys);
            connect(a, &QAction::triggered, this, action);
            file->insertAction(before, a);
        };
        const auto post = [](const char* request) {
            NotificationBus::instance().post(NotificationBus::name(QLatin1String(request)));
        };
        add(tr("Open Folder…"), {}, [post] {
            Settings::instance().setValue(kShowFileBrowser, true);
            post("openFileBrowserFolder");
        });
        add(tr("Allow Access to Folder…"), {}, [this] {
            const QString folder = m_window->isUntitled() ? QString() : QFileInfo(m_window->filePath()).absolutePath();
            FolderAccess::requestAccess(folder, m_window, nullptr);
        });
        before = m_window->menuAnchor(QStringLiteral("file.importExport"));
        add(tr("Version History…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H), [post] { post("showVersionHistory"); });
        add(tr("Snapshot Now"), QKeySequence(Qt::CTRL | Qt::META | Qt::Key_S), [post] { post("snapshotNow"); });
    }

    DocumentWindow* m_window;
    FileBrowserModel* m_model = nullptr;
    FileBrowserSidebar* m_sidebar = nullptr;
    QPointer<VersionHistoryView> m_history;
    QString m_path;
    bool m_quitting = false;
    bool m_snapshotFailing = false;
};

} // namespace

namespace DocumentFiles {

QMetaObject::Connection install()
{
    SessionStore::setOpener([](const QString& path) { DocumentController::instance().openDocument(path); });
    DocumentController& documents = DocumentController::instance();
    return QObject::connect(&documents, &DocumentController::windowOpened, &documents,
                            [](DocumentWindow* window) { attach(window); });
}

void attach(DocumentWindow* window)
{
    if (window && !window->findChild<QObject*>(QLatin1String(WindowFiles::kName), Qt::FindDirectChildrenOnly))
        new WindowFiles(window);
}

bool scheduleSessionReopen()
{
    if (!SessionStore::isEnabled()) return false;
    const QStringList paths = SessionStore::savedURLs();
    if (paths.isEmpty()) return false;
    QTimer::singleShot(200, &DocumentController::instance(), [paths] {
        const QList<DocumentWindow*> before = DocumentController::instance().windows();
        SessionStore::reopen(paths);
        // Close the empty start-up windows only now: closing the last window first would
        // end the program before anything was reopened.
        for (DocumentWindow* w : before)
            if (w->isUntitled() && !w->isDocumentEdited() && DocumentController::instance().windows().size() > 1)
                w->close();
    });
    return true;
}

} // namespace DocumentFiles
