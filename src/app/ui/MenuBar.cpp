#include "app/ui/MenuBar.h"

#include "app/ui/DocumentWindow.h"
#include "editor/EditorController.h"
#include "editor/ui/EditorHost.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace {

// The item's own keys, written "Ctrl+G; F3": the first is the one the menu shows.
QList<QKeySequence> ownKeys(const MenuBar::Row& row)
{
    return row.keys ? QKeySequence::listFromString(QString::fromLatin1(row.keys)) : QList<QKeySequence>();
}

} // namespace

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
    // The table is in menu order, so each menu is made in its place.
    for (const Row& row : table()) addRow(row);
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

QMenu* MenuBar::menuAt(const QString& path)
{
    QMenu* m = nullptr;
    QList<QAction*> items = m_bar->actions();
    for (const QString& part : path.split(u'/')) {
        QMenu* found = nullptr;
        for (QAction* a : items)
            if (a->menu() && a->menu()->objectName() == part) found = a->menu();
        if (!found) {
            found = new QMenu(QCoreApplication::translate("MenuBar", part.toUtf8().constData()),
                              m ? static_cast<QWidget*>(m) : m_window);
            found->setObjectName(part);
            if (m)
                m->addMenu(found);
            else
                m_bar->addMenu(found);
        }
        m = found;
        items = m->actions();
    }
    return m;
}

void MenuBar::addRow(const Row& row)
{
    QMenu* m = menuAt(QString::fromUtf8(row.menu));
    if (!row.title) {
        m->addSeparator();
        return;
    }
    if (!row.run && row.setUp) {
        row.setUp(m->addMenu(QCoreApplication::translate("MenuBar", row.title))->menuAction(), *m_window);
        return;
    }
    QAction* action = m->addAction(QCoreApplication::translate("MenuBar", row.title));
    action->setShortcuts(keysOf(row));
    if (row.run)
        connect(action, &QAction::triggered, m_window, [run = row.run, w = m_window, turn = row.turn] {
            if (turn == Turn::AtOnce)
                run(*w);
            else
                w->editorController()->inTurn([run, w] { run(*w); });
        });
    if (row.setUp) row.setUp(action, *m_window);
    if (row.enabled) {
        action->setEnabled(row.enabled(*m_window));
        connect(m, &QMenu::aboutToShow, action,
                [action, enabled = row.enabled, w = m_window] { action->setEnabled(enabled(*w)); });
    }
}
