#include "app/ui/WindowPanels.h"

#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QMainWindow>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

#include <numeric>

WindowPanels::WindowPanels(QMainWindow* window, QSplitter* splitter, QWidget* editor)
    : QObject(window),
      m_window(window),
      m_splitter(splitter),
      m_editor(editor)
{
    // Distraction-free mode leaves only the editor, in every window at once.
    Settings::instance().onChange(PrefKey::distractionFree, this, [this](const QVariant&) {
        for (auto it = m_panels.cbegin(); it != m_panels.cend(); ++it) apply(it.key());
    });
}

void WindowPanels::set(Panel panel, QWidget* widget)
{
    QPointer<QWidget>& held = m_panels[panel];
    if (held == widget) return;
    if (held) held->deleteLater();
    held = widget;
    if (!widget) return;
    switch (panel) {
    case Panel::Toolbar: {
        auto* bar = qobject_cast<QToolBar*>(widget);
        if (!bar) {
            bar = new QToolBar(m_window);
            bar->setMovable(false);
            bar->setFloatable(false);
            bar->addWidget(widget);
            connect(widget, &QObject::destroyed, bar, &QObject::deleteLater);
        }
        m_window->addToolBar(Qt::TopToolBarArea, bar);
        apply(panel);
        return;
    }
    case Panel::StatusBar:
        if (auto* bar = qobject_cast<QStatusBar*>(widget))
            m_window->setStatusBar(bar);
        else
            m_window->statusBar()->addWidget(widget, 1);
        apply(panel);
        return;
    case Panel::LeftSidebar:
    case Panel::Outline:
    case Panel::RightSidebar: {
        // Side panels sit in the splitter in a fixed order around the editor, whichever is
        // made first: a panel goes after those that come before it in that order.
        int index = 0;
        for (Panel before : {Panel::LeftSidebar, Panel::Outline}) {
            if (before == panel) break;
            if (m_panels.value(before) && m_splitter->indexOf(m_panels.value(before)) >= 0) ++index;
        }
        if (panel == Panel::RightSidebar) index = m_splitter->count();
        m_splitter->insertWidget(index, widget);
        for (int i = 0; i < m_splitter->count(); ++i)
            m_splitter->setStretchFactor(i, m_splitter->widget(i) == m_editor ? 1 : 0);
        apply(panel);
        return;
    }
    }
}

void WindowPanels::show(Panel panel, bool shown)
{
    m_wanted[panel] = shown;
    apply(panel);
}

QWidget* WindowPanels::frameOf(Panel panel) const
{
    QWidget* widget = m_panels.value(panel);
    if (!widget) return nullptr;
    switch (panel) {
    case Panel::Toolbar:
        for (QWidget* w = widget; w; w = w->parentWidget())
            if (auto* bar = qobject_cast<QToolBar*>(w)) return bar;
        return widget;
    case Panel::StatusBar: return m_window->statusBar();
    default: return widget;
    }
}

void WindowPanels::apply(Panel panel)
{
    QWidget* widget = m_panels.value(panel);
    QWidget* frame = frameOf(panel);
    if (!widget || !frame) return;
    const bool shown = m_wanted.value(panel, true) && !Settings::instance().boolean(PrefKey::distractionFree, false);
    if (frame != widget) widget->setVisible(true);
    frame->setVisible(shown);
    // A side panel that appears gets its own width, the editor the rest.
    const int index = m_splitter->indexOf(widget);
    const int editor = m_splitter->indexOf(m_editor);
    if (!shown || index < 0 || editor < 0 || m_splitter->count() < 2) return;
    QList<int> sizes = m_splitter->sizes();
    const int total = std::accumulate(sizes.begin(), sizes.end(), 0);
    sizes[index] = widget->maximumWidth() < QWIDGETSIZE_MAX ? widget->maximumWidth() : widget->sizeHint().width();
    sizes[editor] += total - std::accumulate(sizes.begin(), sizes.end(), 0);
    m_splitter->setSizes(sizes);
}
