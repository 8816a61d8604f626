#include "settings/ui/SettingsWindow.h"

#include "commands/ui/ShortcutsSettingsView.h"
#include "platform/ui/Icons.h"
#include "settings/ui/SettingsPages.h"

#include <QCoreApplication>
#include <QPointer>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
QPointer<SettingsWindow> sharedWindow;
QWidget* shortcutsPage(QWidget* parent)
{
    return new ShortcutsSettingsView(parent);
}

// Form pages scroll when the window is shorter than their content.
QWidget* scrolling(QWidget* content, QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(content);
    return area;
}
} // namespace

SettingsWindow::SettingsWindow(QWidget* parent)
    : QDialog(parent),
      m_tabs(new QTabWidget(this))
{
    setWindowTitle(tr("Settings"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
    struct Tab {
        const char* title; // in English: the page's object name
        const char* symbol;
        QWidget* (*build)(QWidget*);
        bool form;
    };
    const Tab tabs[] = {
        {QT_TR_NOOP("Editor"), "square.and.pencil", &SettingsPages::editor, true},
        {QT_TR_NOOP("Appearance"), "paintpalette", &SettingsPages::appearance, true},
        {QT_TR_NOOP("Behavior"), "slider.horizontal.3", &SettingsPages::behavior, true},
        {QT_TR_NOOP("AI"), "sparkles", &SettingsPages::ai, true},
        {QT_TR_NOOP("Export"), "square.and.arrow.up", &SettingsPages::exportPage, true},
        {QT_TR_NOOP("Snippets"), "text.badge.plus", &SettingsPages::snippets, false},
        {QT_TR_NOOP("Toolbar"), "slider.horizontal.below.rectangle", &SettingsPages::toolbar, true},
        {QT_TR_NOOP("Shortcuts"), "keyboard", &shortcutsPage, false},
    };
    for (const Tab& tab : tabs) {
        QWidget* page = tab.build(m_tabs);
        if (tab.form) page = scrolling(page, m_tabs);
        page->setObjectName(QString::fromLatin1(tab.title));
        const QString title = QCoreApplication::translate("SettingsWindow", tab.title);
        Icons::setTab(m_tabs, m_tabs->addTab(page, title), QString::fromLatin1(tab.symbol));
    }
    // Every tab title stays readable: the window is at least as wide as the row of tabs.
    m_tabs->setUsesScrollButtons(false);
    resize(520, 420);
}

SettingsWindow* SettingsWindow::shared()
{
    return sharedWindow;
}

void SettingsWindow::closeEvent(QCloseEvent* event)
{
    // Built anew at the next opening, on its first page; a window closing is no longer
    // the one to show.
    if (sharedWindow == this) sharedWindow.clear();
    deleteLater();
    QDialog::closeEvent(event);
}

SettingsWindow* SettingsWindow::showShared()
{
    if (!sharedWindow) sharedWindow = new SettingsWindow;
    if (!sharedWindow->isVisible()) sharedWindow->m_tabs->setCurrentIndex(0); // hidden by Escape
    sharedWindow->show();
    sharedWindow->raise();
    sharedWindow->activateWindow();
    return sharedWindow;
}

QWidget* SettingsWindow::page(const QString& name) const
{
    for (int i = 0; i < m_tabs->count(); ++i)
        if (m_tabs->widget(i)->objectName() == name) {
            QWidget* w = m_tabs->widget(i);
            if (auto* area = qobject_cast<QScrollArea*>(w)) return area->widget();
            return w;
        }
    return nullptr;
}
