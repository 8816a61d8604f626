#pragma once

#include <QDialog>

#include <functional>

class Settings;

// The What's New window: the program's features, shown once after each change of version
// and from the Help menu. One window per process, hidden (not destroyed) when closed.
class QLabel;

class WhatsNewWindow : public QDialog {
    Q_OBJECT
public:
    // Runs `action` after `delayMs` on the main thread.
    using Scheduler = std::function<void(int delayMs, std::function<void()> action)>;

    struct Entry {
        QString symbol;
        QString title;
        QString text;
    };

    static constexpr int kShowDelayMs = 600;

    // The process's window, on the user's settings and the real clock.
    static WhatsNewWindow& shared();
    WhatsNewWindow(Settings& store, Scheduler schedule, QWidget* parent = nullptr);

    // The application's version, "1.0" when it has none.
    static QString currentVersion();
    static const QList<Entry>& entries();

    // When "lastSeenVersion" differs from the current version (or is absent): stores the
    // current version first, then shows the window 0.6 s later. Otherwise nothing.
    void showIfNewVersion();
    // Shows and fronts the window, whatever version was seen last.
    void showWindow();

protected:
    // The captions' tone is worked out from the palette: again when the look changes.
    void changeEvent(QEvent* event) override;

private:
    void applyColours();

    QList<QLabel*> m_secondary;
    Settings& m_store;
    Scheduler m_schedule;
};
