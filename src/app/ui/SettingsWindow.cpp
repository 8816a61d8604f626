#include "app/ui/SettingsWindow.h"

#include <QPointer>
#include <QTabWidget>
#include <QVBoxLayout>

SettingsWindow::SettingsWindow(QWidget* parent) : QDialog(parent), m_tabs(new QTabWidget(this))
{
    setWindowTitle(tr("Settings"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    // The pages are filled by the settings subsystem; until then they stand empty.
    for (const QString& title : {tr("Editor"), tr("Appearance"), tr("Behavior"), tr("AI"), tr("Export"),
                                 tr("Snippets"), tr("Toolbar"), tr("Shortcuts")}) {
        auto* page = new QWidget(m_tabs);
        page->setObjectName(title);
        m_tabs->addTab(page, title);
    }
    // Every tab title stays readable: the window is at least as wide as the row of tabs.
    m_tabs->setUsesScrollButtons(false);
    resize(520, 420);
}

SettingsWindow* SettingsWindow::showShared()
{
    static QPointer<SettingsWindow> shared;
    if (!shared) shared = new SettingsWindow;
    shared->show();
    shared->raise();
    shared->activateWindow();
    return shared;
}

QWidget* SettingsWindow::page(const QString& title) const
{
    for (int i = 0; i < m_tabs->count(); ++i)
        if (m_tabs->tabText(i) == title) return m_tabs->widget(i);
    return nullptr;
}
