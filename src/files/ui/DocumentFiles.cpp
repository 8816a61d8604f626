#include "files/ui/DocumentFiles.h"

#include "editor/ui/DocumentHost.h"
#include "files/FileBrowserModel.h"
#include "files/SessionStore.h"
#include "files/VersionStore.h"
#include "files/ui/FileBrowserSidebar.h"
#include "files/ui/FolderAccessPanel.h"
#include "files/ui/VersionHistoryView.h"
#include "platform/NotificationBus.h"
#include "platform/PrefKey.h"
#include "platform/Requests.h"
#include "platform/Settings.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(WindowFiles)
};

// Per-window state, owned by the window.
class WindowFiles : public QObject {
public:
    static constexpr auto kName = "bwWindowFiles";

    explicit WindowFiles(DocumentHost& host)
        : QObject(host.window()),
          m_host(host),
          m_window(host.window())
    {
        setObjectName(QLatin1String(kName));
        m_path = host.filePath();
        updateSidebar();
        Settings::instance().onChange(PrefKey::showFileBrowser, this, [this](const QVariant&) { updateSidebar(); });
        Settings::instance().onChange(PrefKey::distractionFree, this, [this](const QVariant&) { updateSidebar(); });

        SessionStore::markOpen(m_path);
        connect(host.events(), &DocumentEvents::filePathChanged, this, [this](const QString& path) {
            // A document saved under a new name is the one to reopen from now on.
            SessionStore::markClosed(m_path);
            m_path = path;
            SessionStore::markOpen(m_path);
            if (m_sidebar) m_sidebar->setCurrentPath(path);
        });

        auto* timer = new QTimer(this);
        timer->setInterval(DocumentFiles::kAutoSnapshotSeconds * 1000);
        connect(timer, &QTimer::timeout, this, [this] { snapshot(Report::OnceUntilFixed); });
        timer->start();

        host.observeWhenKey(Requests::showVersionHistory, [this](const QVariant&) { showHistory(); });
        host.observeWhenKey(Requests::snapshotNow, [this](const QVariant&) { snapshot(Report::Always); });
        host.observeWhenKey(Requests::openFileBrowserFolder,
                            [this](const QVariant&) { FileBrowserSidebar::chooseFolder(model(), m_window); });
        host.observeWhenKey(Requests::allowFolderAccess, [this](const QVariant&) {
            const QString folder = m_host.isUntitled() ? QString() : QFileInfo(m_host.filePath()).absolutePath();
            FolderAccess::requestAccess(folder, m_window, [](bool) {});
        });
        m_window->installEventFilter(this);
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
            m_quitting = m_host.isClosingForQuit();
            snapshot(Report::OnClose);
        }
        return false;
    }

private:
    enum class Report { Always, OnceUntilFixed, OnClose };

    // The folder and its tree are read when the browser is first shown or a folder is chosen,
    // not with every window.
    FileBrowserModel* model()
    {
        if (!m_model) m_model = new FileBrowserModel(this);
        return m_model;
    }

    void updateSidebar()
    {
        const Settings& s = Settings::instance();
        const bool show = s.boolean(PrefKey::showFileBrowser, false) && !s.boolean(PrefKey::distractionFree, false);
        m_host.showPanel(DocumentHost::Panel::LeftSidebar, show);
        if (!show || m_sidebar) return;
        m_sidebar = new FileBrowserSidebar(
            model(), [w = QPointer<QWidget>(m_window)]() -> QWidget* { return w; },
            [this](const QString& path) { openInPlace(path); });
        m_sidebar->setCurrentPath(m_path);
        m_host.setPanel(DocumentHost::Panel::LeftSidebar, m_sidebar);
    }

    void snapshot(Report report)
    {
        if (!m_window || m_host.isUntitled()) return;
        QString error;
        VersionStore::snapshot(m_host.documentText(), m_host.filePath(), QDateTime::currentDateTime(), &error);
        if (error.isEmpty()) {
            m_snapshotFailing = false;
            return;
        }
        if (report == Report::OnceUntilFixed && m_snapshotFailing) return;
        m_snapshotFailing = true;
        if (report == Report::OnClose)
            m_host.alertOnceClosed(
                Tr::tr("A version of the document “%1” could not be saved.").arg(m_host.displayName()), error);
        else
            m_host.alert(Tr::tr("A version of the document could not be saved."), error);
    }

    void showHistory()
    {
        if (m_history) {
            m_history->raise();
            return;
        }
        DocumentHost* host = &m_host;
        const auto restore = [window = QPointer<QWidget>(m_window), host](const QString& text) {
            if (!window) return false;
            const QString before = host->documentText();
            host->setDocumentText(text); // one undoable replace through the editor controller
            return before == text || host->documentText() != before;
        };
        m_history = new VersionHistoryView(m_host.filePath(), m_host.documentText(), restore, nullptr, m_window);
        m_history->setAttribute(Qt::WA_DeleteOnClose);
        m_history->open();
    }

    // The browser stays open, in the window that takes this one's place too: the user is
    // going through the folder's files.
    void openInPlace(const QString& path) { m_host.openInPlace(path); }

    DocumentHost& m_host;
    QPointer<QWidget> m_window;
    FileBrowserModel* m_model = nullptr;
    FileBrowserSidebar* m_sidebar = nullptr;
    QPointer<VersionHistoryView> m_history;
    QString m_path;
    bool m_quitting = false;
    bool m_snapshotFailing = false;
};

} // namespace

namespace DocumentFiles {

void attach(DocumentHost& host)
{
    if (!host.window()->findChild<QObject*>(QLatin1String(WindowFiles::kName), Qt::FindDirectChildrenOnly))
        new WindowFiles(host);
}

} // namespace DocumentFiles
