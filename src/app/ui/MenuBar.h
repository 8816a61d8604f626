#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

class DocumentWindow;
class QAction;
class QMenu;
class QMenuBar;

// The menu bar of a document window: its menus in the order File, Edit, Format, Insert,
// Tools, View, Help, every item made from one table (MenuTable.cpp).
//
// The table knows no feature: an item runs an editing operation of the window's editor,
// opens one of the program's own windows, or posts a request (platform/Requests.h) that the
// feature acting on it observes in the key window.
class MenuBar : public QObject {
    Q_OBJECT
public:
    // One row of the menu table: an item, or a divider when it has no title. `menu` names a
    // menu of the bar, or a submenu as a path ("&Format/&Heading"): a submenu is made where
    // its first row stands, and a row with a `setUp` but no `run` is a submenu filled by it.
    // An item's keys are its own `keys` ("Ctrl+G; F3", the first shown in the menu), then
    // what the platform binds to `standardKey`. Every title marks its mnemonic with "&".
    // Titles are English, shown translated in the context "MenuBar"; each title of a path
    // is one of menuTitles().
    // Whether an item takes its turn with the keys typed (EditorController::inTurn): one
    // chosen while the editor keeps keys for later (a text still going in) runs after them.
    enum class Turn { WithKeys, AtOnce };
    struct Row {
        const char* menu;
        const char* title = nullptr;
        QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
        const char* keys = nullptr;
        // Runs when the item is chosen; `setUp` (optional) finishes the action once made.
        void (*run)(DocumentWindow& window) = nullptr;
        void (*setUp)(QAction* action, DocumentWindow& window) = nullptr;
        // Whether the item can be chosen, checked when it is made and each time its menu
        // opens; always when not given.
        bool (*enabled)(DocumentWindow& window) = nullptr;
        Turn turn = Turn::WithKeys;
    };

    // Builds the menu bar of `window` with every item of the table.
    explicit MenuBar(DocumentWindow* window);

    // The menu bar's items in menu order (see MenuTable.cpp). A key is bound to one item
    // only: where two items would share one, the first in menu order has it, and a
    // platform's standard key that an item holds as its own goes to no other.
    static const QList<Row>& table();
    // Every menu and submenu title the paths of the table use.
    static const QList<const char*>& menuTitles();

private:
    // The menu or submenu at a path of titles separated by "/", made when first asked for.
    // Each menu keeps its English title as its object name.
    QMenu* menuAt(const QString& path);
    void addRow(const Row& row);
    QList<QKeySequence> keysOf(const Row& row);
    // Opens the first menu (F10), unless the desktop shows the menus itself.
    void openFirstMenu();

    DocumentWindow* m_window;
    QMenuBar* m_bar;
    QList<QKeySequence> m_bound; // every key an item holds
};
