#pragma once

#include "editor/DocStats.h"

#include <QFrame>
#include <QPointer>
#include <QWidget>

class EditorController;
class QLabel;
class QToolButton;
class Settings;

// The statistics popover: seven rows of the document's counts that follow the editor while
// it is open. A popup: a click anywhere else closes it.
class StatsPopover : public QFrame {
    Q_OBJECT
public:
    explicit StatsPopover(EditorController* controller, QWidget* parent = nullptr);

    // The value texts, top to bottom (for tests).
    QStringList values() const;

Q_SIGNALS:
    void closed();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void update(const DocStats& stats);
    QList<QLabel*> m_values;
};

// The one-line bar below the editor: word count (a button that toggles the statistics
// popover), characters, reading time, the selection's words, the writing goal, and the zoom
// control. It only reads the editor's published counts and zoom and the "writingGoal"
// setting; it writes nothing but the zoom.
class StatusBar : public QWidget {
    Q_OBJECT
public:
    StatusBar(EditorController* controller, Settings& settings, QWidget* parent = nullptr);

    bool isStatsShown() const { return m_popover && m_popover->isVisible(); }
    void setStatsShown(bool shown);

    // For tests: the texts as shown, and the controls.
    QString wordsText() const;
    QString charactersText() const;
    QString readingText() const;
    QString selectionText() const; // empty while hidden
    QString goalText() const;      // empty while hidden
    bool goalReached() const { return m_goalReached; }
    QToolButton* wordsButton() const { return m_words; }
    QToolButton* zoomOutButton() const { return m_zoomOut; }
    QToolButton* zoomMenuButton() const { return m_zoomMenu; }
    QToolButton* zoomInButton() const { return m_zoomIn; }
    StatsPopover* popover() const { return m_popover; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The text colours come from the window's palette: set again whenever it changes.
    void applyColours();
    void refreshCounts();
    void refreshZoom();

    QPointer<EditorController> m_controller;
    Settings& m_settings;
    QToolButton* m_words;
    QLabel* m_characters;
    QLabel* m_reading;
    QLabel* m_selection;
    QLabel* m_goal;
    QToolButton* m_zoomOut;
    QToolButton* m_zoomMenu;
    QToolButton* m_zoomIn;
    QPointer<StatsPopover> m_popover;
    bool m_goalReached = false;
    bool m_applyingColours = false;
};
