#pragma once

#include <QDialog>

class QTabWidget;

// The settings window: one shared, non-modal window of eight pages whose controls store
// every change at once (there is nothing to apply or cancel). It opens on "Editor".
class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the shared window, creating it on first use, and brings it to the front.
    static SettingsWindow* showShared();
    // The shared window while it exists.
    static SettingsWindow* shared();

    QTabWidget* tabs() const { return m_tabs; }
    // The page by its English title ("Editor", "Appearance", …); nothing when there is none.
    QWidget* page(const QString& name) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    explicit SettingsWindow(QWidget* parent = nullptr);
    QTabWidget* m_tabs;
};
