#include "app/ui/WindowChrome.h"

#include "app/ui/OutlineSidebar.h"
#include "app/ui/QuickOpenSheet.h"
#include "app/ui/RecentOpen.h"
#include "app/ui/StatusBar.h"
#include "editor/EditorController.h"
#include "editor/OutlineParser.h"
#include "editor/ui/DocumentHost.h"
#include "platform/PrefKey.h"
#include "platform/RecentDocuments.h"
#include "platform/Requests.h"
#include "platform/Settings.h"

#include <QPointer>
#include <QStatusBar>
#include <QTimer>

namespace {

const QString kShowOutline = PrefKey::showOutline;

// Per-window state, owned by the window.
class Chrome : public QObject {
public:
    explicit Chrome(DocumentHost& host)
        : QObject(host.window()),
          m_host(host)
    {
        setObjectName(QStringLiteral("bwWindowChrome"));
        EditorController* controller = host.editorController();

        auto* frame = new QStatusBar;
        frame->setSizeGripEnabled(false);
        frame->setContentsMargins(0, 0, 0, 0);
        m_status = new StatusBar(controller, Settings::instance(), frame);
        frame->addWidget(m_status, 1);
        host.setPanel(DocumentHost::Panel::StatusBar, frame);

        m_outline = new OutlineSidebar([this](const OutlineItem& item) { goTo(item); });
        host.setPanel(DocumentHost::Panel::Outline, m_outline);
        m_outlineTimer.setSingleShot(true);
        m_outlineTimer.setInterval(WindowChrome::kOutlineDelayMs);
        connect(&m_outlineTimer, &QTimer::timeout, this, &Chrome::parseOutline);
        // Parsing stops while the outline is hidden.
        connect(host.events(), &DocumentEvents::textChanged, this, [this] {
            if (outlineWanted()) m_outlineTimer.start();
        });
        Settings::instance().onChange(kShowOutline, this, [this](const QVariant&) { updateOutline(); });
        Settings::instance().onChange(PrefKey::distractionFree, this, [this](const QVariant&) { updateOutline(); });
        updateOutline();

        host.observeWhenKey(Requests::showQuickOpen, [this](const QVariant&) { showQuickOpen(); });
    }

private:
    bool outlineWanted() const
    {
        const Settings& s = Settings::instance();
        return s.boolean(kShowOutline, false) && !s.boolean(PrefKey::distractionFree, false);
    }

    void updateOutline()
    {
        const bool shown = outlineWanted();
        if (shown) parseOutline();
        m_host.showPanel(DocumentHost::Panel::Outline, Settings::instance().boolean(kShowOutline, false));
    }

    void parseOutline()
    {
        m_outlineTimer.stop();
        EditorController* controller = m_host.editorController();
        // The editor's own text: its offsets are the ones the caret is placed at.
        EditorTextView* view = controller ? controller->textView() : nullptr;
        if (!view) {
            m_outlineOf = nullptr;
            m_outline->setItems({});
            return;
        }
        // Only the lines edited since the last parse are read again.
        const std::optional<AttributedText::TextChange> change = view->textChangeSince(m_outlineRevision);
        m_outlineRevision = view->textRevision();
        if (view != m_outlineOf || (change && change->whole)) {
            m_outlineOf = view;
            m_tracker.reset(view->text());
            m_outline->setItems(m_tracker.items());
            return;
        }
        if (!change) return;
        const auto splice = m_tracker.update(
            change->start, change->oldEnd, change->newEnd, view->textLength(),
            [view](qsizetype from, qsizetype to) { return view->textInRange(TextRange(int(from), int(to - from))); });
        if (splice)
            m_outline->spliceItems(m_tracker.items(), *splice);
        else
            m_outline->setItems(m_tracker.items());
    }

    // The caret goes to the heading's line (the end of the text when it shrank since the
    // list was made), which is scrolled near the top of the view, where reading goes on
    // below it, and the editor takes the keyboard.
    void goTo(const OutlineItem& item)
    {
        EditorController* controller = m_host.editorController();
        EditorTextView* view = controller ? controller->textView() : nullptr;
        if (!view) return;
        const int at = int(std::clamp<qsizetype>(item.offset, 0, view->textLength()));
        view->setSelectedRange(TextRange(at, 0));
        view->scrollRangeToTop(TextRange(at, 0));
        view->focusEditor();
    }

    void showQuickOpen()
    {
        if (m_quickOpen) {
            m_quickOpen->raise();
            return;
        }
        m_quickOpen = new QuickOpenSheet([] { return RecentDocuments::paths(Settings::instance()); },
                                         [](const QString& path) { RecentOpen::open(path); }, m_host.window());
        m_quickOpen->setAttribute(Qt::WA_DeleteOnClose);
        m_quickOpen->setWindowModality(Qt::WindowModal);
        m_quickOpen->open();
    }

    DocumentHost& m_host;
    StatusBar* m_status = nullptr;
    OutlineSidebar* m_outline = nullptr;
    QTimer m_outlineTimer;
    OutlineTracker m_tracker;
    const EditorTextView* m_outlineOf = nullptr; // the view m_tracker describes
    std::uint64_t m_outlineRevision = 0;
    QPointer<QuickOpenSheet> m_quickOpen;
};

} // namespace

void WindowChrome::attach(DocumentHost& host)
{
    new Chrome(host);
}
