#pragma once

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class DocumentWindow;
class QAction;
class QMenu;
class QMenuBar;

// The menu bar of a document window: its menus in a fixed order, the named anchors where
// other subsystems insert their items, and the window's own File and Edit items.
//
// Menus appear in the order File, Edit, Format, Insert, Tools, View, Window, Help; a menu
// not in that list goes just before Help. A menu is created when first asked for.
//
// An anchor is a separator that ends a group: insert items before it (QMenu::insertAction)
// to put them at the end of that group. Separators collapse, so an empty group shows
// nothing. The anchors, by menu:
//   File:  "file.new"          after New, Open and Open Recent (templates, quick open)
//          "file.importExport" after Save As (version history, snapshots)
//          "file.export"       the Export submenu
//          "file.print"        page setup and printing, before Quit
//   Edit:  "edit.pasteboard"   after Cut, Copy, Paste and Select All
//          "edit.find"         the Find submenu
//          "edit.end"          before Settings
//   Tools: "tools"   View: "view.toolbar"   Window: "window"   Help: "help"
//          (each the end of its menu, made with the menu)
class MenuBar : public QObject {
    Q_OBJECT
public:
    // One row of a menu table: an item (title set), a named anchor (anchor set), or a plain
    // divider (neither). An item's keys are its own `keys` ("Ctrl+G; F3", the first shown
    // in the menu), then what the platform binds to `standardKey`. `menu` names a menu of
    // the bar, or a submenu as a path ("&Format/Heading"): a submenu is made where its
    // first row stands. Every title marks its mnemonic with "&".
    struct Row {
        const char* menu;
        const char* title = nullptr;
        QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
        const char* keys = nullptr;
        const char* anchor = nullptr;
        // Runs when the item is chosen; `setUp` (optional) finishes the action once made.
        void (*run)(DocumentWindow& window) = nullptr;
        void (*setUp)(QAction* action, DocumentWindow& window) = nullptr;
        // Whether the item can be chosen, checked when it is made and each time its menu
        // opens; always when not given.
        bool (*enabled)(DocumentWindow& window) = nullptr;
    };

    // Builds the menu bar of `window` with every item of the table.
    explicit MenuBar(DocumentWindow* window);

    // The menu bar's items in menu order (see MenuTable.cpp). A key is bound to one item
    // only: where two items would share one, the first in menu order has it, and a
    // platform's standard key that an item holds as its own goes to no other.
    static const QList<Row>& table();

    QMenu* menu(const QString& title);
    // The menu or submenu at a path of titles separated by "/".
    QMenu* menuAt(const QString& path);
    // Null for an unknown name; creates the anchor's menu if it has none yet.
    QAction* anchor(const QString& name);
    // Adds the rows, in order, at the end of their menus.
    void addRows(const QList<Row>& rows);

    static const QStringList& menuOrder();

private:
    QList<QKeySequence> keysOf(const Row& row);
    // Opens the first menu (F10), unless the desktop shows the menus itself.
    void openFirstMenu();

    DocumentWindow* m_window;
    QMenuBar* m_bar;
    QHash<QString, QMenu*> m_menus;
    QHash<QString, QAction*> m_anchors;
    QList<QKeySequence> m_bound; // every key an item holds
};
