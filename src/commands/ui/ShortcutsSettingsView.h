#pragma once

#include "commands/ShortcutStore.h"

#include <QHash>
#include <QPushButton>
#include <QWidget>

class QLabel;
class QToolButton;

// The button that shows a command's key combination and records a new one. While it
// records it takes every key press, menu keys included, until it gets a combination with
// Ctrl or Meta, Escape, or another click.
class ShortcutRecorder : public QPushButton {
    Q_OBJECT
public:
    explicit ShortcutRecorder(QWidget* parent = nullptr);
    void setRecording(bool recording);
    void setCombo(const std::optional<KeyCombo>& combo);

Q_SIGNALS:
    void recorded(const KeyCombo& combo);
    void cancelled();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void updateText();
    bool m_recording = false;
    std::optional<KeyCombo> m_combo;
};

// Settings ▸ Shortcuts: every registry command by category, with its own combination, a
// recorder, a clear button and a warning when another command has the same keys. Every
// change is stored at once.
class ShortcutsSettingsView : public QWidget {
    Q_OBJECT
public:
    explicit ShortcutsSettingsView(QWidget* parent = nullptr);

    // Reads the store again and redraws every row.
    void reload();
    QString recordingID() const { return m_recording; }
    void startRecording(const QString& id);
    void stopRecording();

    // For tests and the settings window: the widgets of one command's row.
    ShortcutRecorder* recorder(const QString& id) const;
    QToolButton* clearButton(const QString& id) const;
    QLabel* conflictLabel(const QString& id) const;
    QStringList sectionTitles() const { return m_sections; }
    int rowCount() const { return int(m_rows.size()); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Row {
        ShortcutRecorder* recorder;
        QToolButton* clear;
        QLabel* conflict;
    };
    void refreshRows();
    void setCombo(const QString& id, const std::optional<KeyCombo>& combo);

    ShortcutStore::Combos m_combos;
    QString m_recording;
    QHash<QString, Row> m_rows;
    QStringList m_sections;
};
