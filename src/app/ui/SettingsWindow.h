#pragma once

#include <QDialog>

class QTabWidget;

// The settings window: one shared, non-modal window with a tab per page.
class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the shared window, creating it on first use, and brings it to the front.
    static SettingsWindow* showShared();

    QTabWidget* tabs() const { return m_tabs; }
    // The page with this title ("Editor", "Appearance", …); nothing when there is none.
    QWidget* page(const QString& title) const;

private:
    explicit SettingsWindow(QWidget* parent = nullptr);
    QTabWidget* m_tabs;
};
