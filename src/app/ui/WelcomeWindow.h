#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <utility>

class QCheckBox;
class QPushButton;
class QToolButton;
class QVBoxLayout;

// The welcome window: four ways to start (new document, new from a template, open, the
// cheat sheet), the recent documents, and the "show at launch" checkbox. Every action closes
// the window first. One window per process; closing it only hides it, and closing it while
// no document window is open quits the program.
class WelcomeWindow : public QWidget {
    Q_OBJECT
public:
    struct Template {
        QString id;
        QString name;
        QString body;
    };

    static WelcomeWindow& shared();
    explicit WelcomeWindow(QWidget* parent = nullptr);

    // The templates the "New from Template…" menu lists (read each time the window shows);
    // the built-in ones unless replaced.
    void setTemplates(std::function<QList<Template>()> templates) { m_templates = std::move(templates); }
    // What closing the window with no document open does (quits the program by default).
    void setQuit(std::function<void()> quit) { m_quit = std::move(quit); }

    // Fronts the window, rebuilding its lists.
    void showWindow();

    // New Document: fronts the first untitled, unedited, empty document window instead of
    // making another; makes a new document when there is none.
    static void newDocument();
    // Closes every untitled, unedited, empty document window (such as the launch's).
    static void discardLaunchUntitled();

    // For tests.
    QPushButton* actionButton(int row) const; // 0 New Document, 2 Open…, 3 Cheat Sheet
    QToolButton* templateButton() const { return m_templateButton; }
    QCheckBox* showAtLaunch() const { return m_showAtLaunch; }
    QList<QPushButton*> recentRows() const;
    QString recentEmptyText() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void rebuildRecents();
    void rebuildTemplates();
    // Closes this window, then runs `action` (the program does not quit meanwhile).
    void act(const std::function<void()>& action);
    // Gives `w` its text colour, `tone` of the window's palette, now and whenever the look changes.
    using Tone = QColor (*)(const QPalette&);
    void tint(QWidget* w, Tone tone);
    void applyColours();

    std::function<QList<Template>()> m_templates;
    std::function<void()> m_quit;
    QList<QPushButton*> m_actions;
    QToolButton* m_templateButton = nullptr;
    QCheckBox* m_showAtLaunch = nullptr;
    QWidget* m_recentPanel = nullptr;
    QVBoxLayout* m_recentColumn = nullptr;
    QWidget* m_recentContent = nullptr;
    bool m_acting = false;
    QList<std::pair<QPointer<QWidget>, Tone>> m_tints;
};
