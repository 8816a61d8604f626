#include "app/ui/WindowSettings.h"

#include "editor/EditorController.h"
#include "editor/ui/DocumentHost.h"
#include "editor/ui/EditorHost.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <QTimer>
#include <QToolTip>

namespace WindowSettings {

namespace {

bool affectsConfig(const QString& key)
{
    return key.startsWith(u"editor") || key == PrefKey::revealActiveLineMarkers;
}

QPalette darkPalette()
{
    QPalette p;
    const QColor window(0x2b, 0x2b, 0x2e), base(0x1e, 0x1e, 0x20), text(0xe8, 0xe8, 0xea);
    const QColor disabled(0x80, 0x80, 0x84), highlight(0x3a, 0x6e, 0xa5);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window.lighter(110));
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window.lighter(115));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Light, window.lighter(150));
    p.setColor(QPalette::Midlight, window.lighter(125));
    p.setColor(QPalette::Mid, window.darker(120));
    p.setColor(QPalette::Dark, window.darker(150));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x6c, 0xa8, 0xf0));
    p.setColor(QPalette::LinkVisited, QColor(0xb0, 0x8c, 0xf0));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

// Everything that belongs to no document window of its own (the settings window, dialogs and
// lists without a parent, tooltips) follows the stored appearance: the application's palette
// is the one for that look. A window opened from a document window (a menu, a popover, a
// sheet, the print dialog) takes that window's palette when it is first polished.
class AppLook : public QObject {
public:
    static AppLook& instance()
    {
        static auto* look = new AppLook(qApp);
        return *look;
    }

    // Follows the current settings store (tests replace it) and applies its look.
    void follow()
    {
        Settings* settings = &Settings::instance();
        if (settings != m_settings) {
            m_settings = settings;
            connect(settings, &Settings::changed, this, [this](const QString& key) {
                if (affectsConfig(key)) apply();
            });
        }
        apply();
    }

    void apply()
    {
        const auto scheme = WindowConfig::colorScheme(WindowConfig::forDocument(Settings::instance(), QString()));
        if (m_applied && scheme == m_scheme) return;
        m_applied = true;
        m_scheme = scheme;
        const QPalette palette = paletteFor(scheme);
        QApplication::setPalette(palette);
        QToolTip::setPalette(palette);
    }

    const QPalette& systemPalette() const { return m_system; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->isWindow() && w->parentWidget() && !w->testAttribute(Qt::WA_SetPalette)) {
                const QWidget* owner = w->parentWidget()->window();
                if (owner->testAttribute(Qt::WA_SetPalette)) w->setPalette(owner->palette());
            }
        }
        return false;
    }

private:
    explicit AppLook(QObject* parent)
        : QObject(parent),
          m_system(QApplication::palette())
    {
        qApp->installEventFilter(this);
    }

    QPalette m_system;
    QPointer<Settings> m_settings;
    bool m_applied = false;
    std::optional<WindowConfig::ColorScheme> m_scheme;
};

// Keeps one window's configuration and palette in step with the settings and its text.
class WindowSettingsFollower : public QObject {
public:
    explicit WindowSettingsFollower(DocumentHost& host)
        : QObject(host.window()),
          m_host(host)
    {
        m_pause.setSingleShot(true);
        m_pause.setInterval(kFrontMatterPauseMs);
        connect(&m_pause, &QTimer::timeout, this, [this] {
            // Only a text that has (or had) a front-matter block can change the overrides.
            const EditorTextView* view = m_host.editorController()->textView();
            if (!view) return;
            if (m_hadFrontMatter || WindowConfig::mayHaveFrontMatter(view->textInRange({0, 5}))) apply();
        });
        connect(host.events(), &DocumentEvents::textChanged, &m_pause, qOverload<>(&QTimer::start));
        // Several keys changing at once (a theme, a reset) are applied together.
        m_settingsChanged.setSingleShot(true);
        m_settingsChanged.setInterval(0);
        // A slider being dragged stores every step: the editor applies the latest at a
        // bounded rate instead of restyling the whole document per step.
        connect(&m_settingsChanged, &QTimer::timeout, this, [this] { apply(true); });
        connect(&Settings::instance(), &Settings::changed, this, [this](const QString& key) {
            if (affectsConfig(key)) m_settingsChanged.start();
        });
        apply();
    }

    void apply(bool fromSettings = false)
    {
        // Only the front matter: a change of settings is applied to every window, whose whole texts
        // are not to be copied for it.
        const EditorTextView* view = m_host.editorController()->textView();
        const QString text = view ? WindowConfig::overridesText(*view) : QString();
        m_hadFrontMatter = WindowConfig::mayHaveFrontMatter(text);
        const EditorConfig config = WindowConfig::forDocument(Settings::instance(), text);
        if (fromSettings)
            m_host.editorHost()->applyConfigThrottled(config);
        else
            m_host.editorHost()->applyConfig(config);
        const auto scheme = WindowConfig::colorScheme(config);
        if (scheme == m_scheme) return;
        m_scheme = scheme;
        // Following the system means no palette of the window's own (an empty one resets it).
        const QPalette palette = scheme ? paletteFor(scheme) : QPalette();
        QWidget* window = m_host.window();
        window->setPalette(palette);
        // Sheets, menus and popovers already open are windows of their own: palettes do not
        // reach them from their parents.
        for (QWidget* child : window->findChildren<QWidget*>())
            if (child->isWindow()) child->setPalette(palette);
    }

private:
    DocumentHost& m_host;
    QTimer m_pause;
    QTimer m_settingsChanged;
    bool m_hadFrontMatter = false;
    std::optional<WindowConfig::ColorScheme> m_scheme;
};

} // namespace

QPalette paletteFor(std::optional<WindowConfig::ColorScheme> scheme)
{
    if (!scheme) return AppLook::instance().systemPalette();
    if (*scheme == WindowConfig::ColorScheme::Dark) return darkPalette();
    const QPalette standard = QApplication::style()->standardPalette();
    // A light request on a dark desktop still gets light colours.
    return standard.color(QPalette::Window).lightness() >= 128 ? standard : QPalette(QColor(0xef, 0xef, 0xef));
}

void attach(DocumentHost& host)
{
    AppLook::instance().follow();
    new WindowSettingsFollower(host);
}

} // namespace WindowSettings
