#pragma once

#include "files/VersionHistoryModel.h"

#include <QDialog>

#include <functional>

class QHBoxLayout;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;

// The version history sheet of a document window: the document's versions newest first,
// a preview of the selected one (line diff against the current text, or the full text),
// and Snapshot Now, Delete, Restore This Version and Close. Restoring first keeps the
// current text as a version; when that fails the user is told and nothing changes.
class VersionHistoryView : public QDialog {
    Q_OBJECT
public:
    // `onRestore` replaces the document's text (as one undoable edit) and reports whether
    // it did; `onClose` is called when the sheet closes by Close, Escape or after a restore.
    VersionHistoryView(const QString& filePath, const QString& currentText,
                       std::function<bool(const QString& text)> onRestore, std::function<void()> onClose,
                       QWidget* parent = nullptr);

    VersionHistoryModel& model() { return m_model; }

    // The parts tests look at.
    QListWidget* list() const { return m_list; }
    QPushButton* snapshotButton() const { return m_snapshot; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* restoreButton() const { return m_restore; }
    int bodyIndex() const;    // 0 unsaved notice, 1 empty, 2 list and preview
    int previewIndex() const; // 0 placeholder, 1 diff, 2 full text
    QString previewText() const;
    QString countsText() const;
    QString lastError() const { return m_lastError; }

    void setMode(VersionHistoryModel::PreviewMode mode);
    void snapshotNow();
    void deleteSelected();
    void restoreSelected();

    void reject() override;

private:
    QHBoxLayout* makeHeader();
    QStackedWidget* makeBody();
    QWidget* makePreview(QWidget* parent);
    QHBoxLayout* makeFooter();
    void reload();
    void fillList();
    void showPreview();
    void updateButtons();
    void markChosenRow();
    void colourCounts();
    void changeEvent(QEvent* event) override;
    void showError(const QString& message);

    VersionHistoryModel m_model;
    std::function<bool(const QString&)> m_onRestore;
    std::function<void()> m_onClose;
    QString m_lastError;
    bool m_filling = false;

    QStackedWidget* m_body = nullptr;
    QListWidget* m_list = nullptr;
    QStackedWidget* m_preview = nullptr;
    QToolButton* m_diffMode = nullptr;
    QToolButton* m_fullMode = nullptr;
    QLabel* m_noChanges = nullptr;
    QLabel* m_added = nullptr;
    QLabel* m_removed = nullptr;
    QPlainTextEdit* m_diffText = nullptr;
    QPlainTextEdit* m_fullText = nullptr;
    QPushButton* m_snapshot = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_restore = nullptr;
};
