#include "files/ui/DocumentFiles.h"

#include "editor/ui/DocumentHost.h"
#include "files/FileBrowserModel.h"
#include "files/SessionStore.h"
#include "files/VersionSnapshots.h"
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

#include <memory>

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
    using Failed = std::function<void(const QString& error)>;

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

    // The text is copied between events (at once when the window closes) and the version
    // read, compared and written on the snapshots' thread; the outcome comes back here, or,
    // for a window that has gone meanwhile, to the close's alert.
    void snapshot(Report report)
    {
        if (!m_window || m_host.isUntitled()) return;
        // The timer's snapshot does not pile up behind one still under way.
        if (report == Report::OnceUntilFixed && m_underWay > 0) return;
        ++m_underWay;
        const double date = double(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
        Failed closeAlert;
        if (report == Report::OnClose) {
            closeAlert = [alert = m_host.closeFailureAlert(), name = m_host.displayName()](const QString& error) {
                alert(Tr::tr("A version of the document “%1” could not be saved.").arg(name), error);
            };
        }
        const auto landed = [self = QPointer<WindowFiles>(this), report, closeAlert](const std::optional<Snapshot>&,
                                                                                     const QString& error) {
            if (self)
                self->landed(report, error, closeAlert);
            else if (!error.isEmpty() && closeAlert)
                closeAlert(error);
        };
        m_host.copyText(report == Report::OnClose ? DocumentHost::Copy::AtOnce : DocumentHost::Copy::Stepwise,
                        [path = m_host.filePath(), date, landed](const DocumentHost::TextCopy& copy) {
                            VersionSnapshots::take({copy.lineFeedPieces, copy.fileText, path, date}, landed);
                        });
    }

    void landed(Report report, const QString& error, const Failed& closeAlert)
    {
        --m_underWay;
        if (error.isEmpty()) {
            m_snapshotFailing = false;
            return;
        }
        if (report == Report::OnceUntilFixed && m_snapshotFailing) return;
        m_snapshotFailing = true;
        if (report == Report::OnClose)
            closeAlert(error);
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
        // One undoable replace of the stretch that differs, put in as a paste is (a long text
        // a part at a time), into the text the sheet compared (a reload from disk may have
        // changed it since, its length kept).
        auto copied = std::make_shared<std::uint64_t>(0);
        const auto restore = [window = QPointer<QWidget>(m_window), host,
                              copied](const VersionHistoryModel::Restore& r) {
            return window && host->pasteIntoDocumentText(r.changed, r.changedText, *copied);
        };
        m_history = new VersionHistoryView(m_host.filePath(), restore, nullptr, m_window);
        m_history->setAttribute(Qt::WA_DeleteOnClose);
        m_history->open();
        // The text is copied between events and measured off this thread; the sheet shows its
        // rows meanwhile.
        m_host.copyText(DocumentHost::Copy::Stepwise,
                        [history = m_history, copied](const DocumentHost::TextCopy& copy) {
                            *copied = copy.revision;
                            if (history) history->takeCurrentText(copy.lineFeedPieces, copy.fileText);
                        });
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
    int m_underWay = 0; // snapshots asked for that have not landed
};

} // namespace

namespace DocumentFiles {

void attach(DocumentHost& host)
{
    if (!host.window()->findChild<QObject*>(QLatin1String(WindowFiles::kName), Qt::FindDirectChildrenOnly))
        new WindowFiles(host);
}

} // namespace DocumentFiles
