#include "app/ui/MenuBar.h"

#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "settings/ui/SettingsWindow.h"
#include "editor/ui/EditorHost.h"

#include <QMenu>
#include <QMenuBar>

namespace {

QString menuKey(const QString& title) { return QString(title).remove(u'&'); }

// Anchors of menus that have no items of the window's own: made with their menu, which
// is titled as here when an anchor asks for it first.
struct LateAnchor {
    const char* name;
    const char* menuTitle;
};
constexpr LateAnchor kLateAnchors[] = {
    {"tools", "&Tools"}, {"view.toolbar", "&View"}, {"window", "&Window"}, {"help", "&Help"}};

// The platform's key for a standard action; some platforms define none for Save As
// and Settings, and those get the common one.
QKeySequence keysOf(const MenuBar::Row& row)
{
    const QKeySequence standard(row.standardKey);
    if (!standard.isEmpty() || !row.keys) return standard;
    return QKeySequence(QString::fromLatin1(row.keys));
}

void enableWith(QAction* action, EditorHost* editor, void (EditorHost::*available)(bool))
{
    action->setEnabled(false);
    QObject::connect(editor, available, action, &QAction::setEnabled);
}

// The window's own items, in menu order.
const QList<MenuBar::Row>& windowRows()
{
    using W = DocumentWindow;
    using K = QKeySequence;
    static const QList<MenuBar::Row> rows{
        {"&File", "&New", K::New, nullptr, nullptr, [](W&) { DocumentController::instance().newDocument(); }},
        {"&File", "&Open…", K::Open, nullptr, nullptr, [](W& w) { DocumentController::instance().openWithDialog(&w); }},
        // A row with no action but a set-up is a submenu.
        {"&File", "Open &Recent", K::UnknownKey, nullptr, nullptr, nullptr,
         [](QAction* a, W& w) {
             auto* recent = a->menu<QMenu*>();
             QObject::connect(recent, &QMenu::aboutToShow, &w,
                              [recent] { DocumentController::instance().populateRecentMenu(recent); });
             DocumentController::instance().populateRecentMenu(recent);
         }},
        {"&File", nullptr, K::UnknownKey, nullptr, "file.new"},
        {"&File", "&Close", K::Close, nullptr, nullptr, [](W& w) { w.close(); }},
        {"&File", "&Save", K::Save, nullptr, nullptr, [](W& w) { w.save(); }},
        {"&File", "Save &As…", K::SaveAs, "Ctrl+Shift+S", nullptr, [](W& w) { w.saveAs(); }},
        {"&File", nullptr, K::UnknownKey, nullptr, "file.importExport"},
        {"&File", nullptr, K::UnknownKey, nullptr, "file.export"},
        {"&File", nullptr, K::UnknownKey, nullptr, "file.print"},
        {"&File", "&Quit", K::Quit, nullptr, nullptr, [](W&) { DocumentController::instance().quit(); },
         [](QAction* a, W&) { a->setMenuRole(QAction::QuitRole); }},

        {"&Edit", "&Undo", K::Undo, nullptr, nullptr, [](W& w) { w.editorHost()->undo(); },
         [](QAction* a, W& w) { enableWith(a, w.editorHost(), &EditorHost::undoAvailable); }},
        {"&Edit", "&Redo", K::Redo, nullptr, nullptr, [](W& w) { w.editorHost()->redo(); },
         [](QAction* a, W& w) { enableWith(a, w.editorHost(), &EditorHost::redoAvailable); }},
        {"&Edit"},
        {"&Edit", "Cu&t", K::Cut, nullptr, nullptr, [](W& w) { w.editorHost()->cut(); }},
        {"&Edit", "&Copy", K::Copy, nullptr, nullptr, [](W& w) { w.editorHost()->copy(); }},
        {"&Edit", "&Paste", K::Paste, nullptr, nullptr, [](W& w) { w.editorHost()->paste(); }},
        {"&Edit", "Select &All", K::SelectAll, nullptr, nullptr, [](W& w) { w.editorHost()->selectAll(); }},
        {"&Edit", nullptr, K::UnknownKey, nullptr, "edit.pasteboard"},
        {"&Edit", nullptr, K::UnknownKey, nullptr, "edit.find"},
        {"&Edit", nullptr, K::UnknownKey, nullptr, "edit.end"},
        {"&Edit", "Se&ttings…", K::Preferences, "Ctrl+,", nullptr, [](W&) { SettingsWindow::showShared(); },
         [](QAction* a, W&) { a->setMenuRole(QAction::PreferencesRole); }},
    };
    return rows;
}

} // namespace

const QStringList& MenuBar::menuOrder()
{
    static const QStringList order{"File", "Edit", "Format", "Insert", "Tools", "View", "Window", "Help"};
    return order;
}

MenuBar::MenuBar(DocumentWindow* window) : QObject(window), m_window(window), m_bar(window->menuBar())
{
    addRows(windowRows());
}

QMenu* MenuBar::menu(const QString& title)
{
    const QString key = menuKey(title);
    if (QMenu* m = m_menus.value(key)) return m;
    auto* m = new QMenu(title, m_window);
    m_menus.insert(key, m);
    // Position in the fixed order; a menu not in it ranks just before "Help".
    const auto rank = [](const QString& k) {
        const qsizetype i = menuOrder().indexOf(k);
        return i >= 0 ? double(i) : double(menuOrder().indexOf(QStringLiteral("Help"))) - 0.5;
    };
    // Insert before the first existing menu that comes later in the fixed order.
    QAction* before = nullptr;
    for (QAction* a : m_bar->actions()) {
        if (rank(menuKey(a->text())) > rank(key)) {
            before = a;
            break;
        }
    }
    m_bar->insertMenu(before, m);
    for (const LateAnchor& late : kLateAnchors)
        if (menuKey(QLatin1String(late.menuTitle)) == key) m_anchors.insert(QLatin1String(late.name), m->addSeparator());
    return m;
}

QAction* MenuBar::anchor(const QString& name)
{
    if (QAction* a = m_anchors.value(name)) return a;
    for (const LateAnchor& late : kLateAnchors)
        if (name == QLatin1String(late.name)) menu(tr(late.menuTitle));
    return m_anchors.value(name);
}

void MenuBar::addRows(const QList<Row>& rows)
{
    for (const Row& row : rows) {
        QMenu* m = menu(tr(row.menu));
        if (row.anchor) {
            m_anchors.insert(QLatin1String(row.anchor), m->addSeparator());
            continue;
        }
        if (!row.title) {
            m->addSeparator();
            continue;
        }
        if (!row.run && row.setUp) {
            row.setUp(m->addMenu(tr(row.title))->menuAction(), *m_window);
            continue;
        }
        QAction* action = m->addAction(tr(row.title));
        action->setShortcut(keysOf(row));
        if (row.run)
            connect(action, &QAction::triggered, m_window, [run = row.run, w = m_window] { run(*w); });
        if (row.setUp) row.setUp(action, *m_window);
    }
}
