#pragma once

#include "editor/ui/DocumentHost.h"

#include <QMap>
#include <QObject>
#include <QPointer>

class QMainWindow;
class QSplitter;
class QWidget;

// The panel slots of a document window around its editor: the toolbar and status bar of
// the main window, and the side panels in the splitter in a fixed order (left sidebar,
// outline, editor, right sidebar). A panel shows when its feature wants it and
// distraction-free mode is off; a side panel that appears gets its own width, the editor
// the rest.
class WindowPanels : public QObject {
    Q_OBJECT
public:
    using Panel = DocumentHost::Panel;

    // `splitter` is the window's central widget and already holds `editor`.
    WindowPanels(QMainWindow* window, QSplitter* splitter, QWidget* editor);

    void set(Panel panel, QWidget* widget);
    QWidget* get(Panel panel) const { return m_panels.value(panel); }
    void show(Panel panel, bool shown);

private:
    // What shows or hides a panel: the toolbar or status bar around it, or the panel itself.
    QWidget* frameOf(Panel panel) const;
    void apply(Panel panel);

    QMainWindow* m_window;
    QSplitter* m_splitter;
    QWidget* m_editor;
    QMap<Panel, QPointer<QWidget>> m_panels;
    QMap<Panel, bool> m_wanted;
};
