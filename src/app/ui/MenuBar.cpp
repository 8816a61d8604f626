#include "app/ui/MenuBar.h"

#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "editor/ui/EditorHost.h"
#include "settings/ui/SettingsWindow.h"

#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace {

QString menuKey(const QString& title)
{
    return QString(title).remove(u'&');
}

// Anchors of menus that have no items of the window's own: made with their menu, which
// is titled as here when an anchor asks for it first.
struct LateAnchor {
    const char* name;
    const char* menuTitle;
};
constexpr LateAnchor kLateAnchors[] = {
    {"tools", "&Tools"}, {"view.toolbar", "&View"}, {"window", "&Window"}, {"help", "&Help"}};

// The item's own keys, written "Ctrl+G; F3": the first is the one the menu shows.
QList<QKeySequence> ownKeys(const MenuBar::Row& row)
{
    return row.keys ? QKeySequence::listFromString(QString::fromLatin1(row.keys)) : QList<QKeySequence>();
}

} // namespace

const QStringList& MenuBar::menuOrder()
{
    static const QStringList order{"File", "Edit", "Format", "Insert", "Tools", "View", "Window", "Help"};
    return order;
}

MenuBar::MenuBar(DocumentWindow* window)
    : QObject(window),
      m_window(window),
      m_bar(window->menuBar())
{
    // F10 opens the first menu, as it does across the desktop.
    auto* openMenus = new QAction(tr("Open the Menu Bar"), window);
    openMenus->setShortcut(Qt::Key_F10);
    connect(openMenus, &QAction::triggered, this, &MenuBar::openFirstMenu);
    window->addAction(openMenus);
    m_bound += openMenus->shortcuts();
    for (const Row& row : table()) m_bound += ownKeys(row);
    addRows(table());
    // A right-click on a table offers the Table submenu's commands, from the first divider
    // on (inserting a new table is not one of them).
    const QList<QAction*> all = menuAt(QStringLiteral("&Insert/&Table"))->actions();
    const auto divider = std::find_if(all.begin(), all.end(), [](const QAction* a) { return a->isSeparator(); });
    window->editorHost()->setTableActions(divider == all.end() ? all : QList<QAction*>(divider + 1, all.end()));
}

void MenuBar::openFirstMenu()
{
    // A menu bar the desktop draws itself opens by the desktop's own key.
    if (m_bar->isNativeMenuBar() || !m_bar->isVisible() || m_bar->actions().isEmpty()) return;
    m_bar->setActiveAction(m_bar->actions().first());
}

QList<QKeySequence> MenuBar::keysOf(const Row& row)
{
    QList<QKeySequence> keys = ownKeys(row);
    // The platform's keys for the same action, unless another item holds one already.
    for (const QKeySequence& k : QKeySequence::keyBindings(row.standardKey)) {
        if (keys.contains(k) || m_bound.contains(k)) continue;
        keys.append(k);
        m_bound.append(k);
    }
    return keys;
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
        if (menuKey(QLatin1String(late.menuTitle)) == key)
            m_anchors.insert(QLatin1String(late.name), m->addSeparator());
    return m;
}

QAction* MenuBar::anchor(const QString& name)
{
    if (QAction* a = m_anchors.value(name)) return a;
    for (const LateAnchor& late : kLateAnchors)
        if (name == QLatin1String(late.name)) menu(tr(late.menuTitle));
    return m_anchors.value(name);
}

QMenu* MenuBar::menuAt(const QString& path)
{
    const QStringList titles = path.split(u'/');
    QMenu* m = menu(tr(titles.first().toUtf8().constData()));
    for (qsizetype i = 1; i < titles.size(); ++i) {
        const QString title = tr(titles[i].toUtf8().constData());
        QMenu* sub = nullptr;
        for (QAction* a : m->actions())
            if (a->menu() && a->text() == title) sub = a->menu();
        m = sub ? sub : m->addMenu(title);
    }
    return m;
}

void MenuBar::addRows(const QList<Row>& rows)
{
    for (const Row& row : rows) {
        QMenu* m = menuAt(QString::fromUtf8(row.menu));
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
        action->setShortcuts(keysOf(row));
        if (row.run) connect(action, &QAction::triggered, m_window, [run = row.run, w = m_window] { run(*w); });
        if (row.setUp) row.setUp(action, *m_window);
        if (row.enabled) {
            action->setEnabled(row.enabled(*m_window));
            connect(m, &QMenu::aboutToShow, action,
                    [action, enabled = row.enabled, w = m_window] { action->setEnabled(enabled(*w)); });
        }
    }
}
