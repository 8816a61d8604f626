#pragma once

#include "files/VersionHistoryModel.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>

class QHBoxLayout;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTextDocument;
class QToolButton;

// The version history sheet of a document window: the document's versions newest first,
// a preview of the selected one (line diff against the current text, or the full text),
// and Snapshot Now, Delete, Restore This Version and Close. Restoring first keeps the
// current text as a version; when that fails the user is told and nothing changes.
//
// The rows show at once; what reads or compares whole texts runs on other threads and lands
// here when ready (the current text's words, the preview, Snapshot Now, the restore's read
// and safety copy), so a long document never holds up the window. What lands for a row no
// longer picked, or after the sheet was closed or has gone, is dropped.
class VersionHistoryView : public QDialog {
    Q_OBJECT
public:
    // `onRestore` replaces the document's text with the restored one (as one undoable edit:
    // the text, or the stretch that differs, both with LF breaks) and reports whether it
    // did; `onClose` is called when the sheet closes by Close, Escape or after a restore.
    using OnRestore = std::function<bool(const VersionHistoryModel::Restore& restored)>;
    VersionHistoryView(const QString& filePath, const QString& currentText, OnRestore onRestore,
                       std::function<void()> onClose, QWidget* parent = nullptr);
    // The same with the current text still to come, as a copy's pieces (takeCurrentText).
    VersionHistoryView(const QString& filePath, OnRestore onRestore, std::function<void()> onClose,
                       QWidget* parent = nullptr);
    ~VersionHistoryView() override;
    // The document's text, in pieces with LF breaks and `fileText` to give it the file's own;
    // joined and measured on another thread. Snapshot Now and Restore wait for it.
    void takeCurrentText(QList<QString> pieces, std::function<QString(const QString&)> fileText);

    VersionHistoryModel& model() { return m_model; }

    // The parts tests look at.
    QListWidget* list() const { return m_list; }
    QPushButton* snapshotButton() const { return m_snapshot; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* restoreButton() const { return m_restore; }
    int bodyIndex() const;    // 0 unsaved notice, 1 empty, 2 list and preview
    int previewIndex() const; // 0 placeholder, 1 diff, 2 full text
    QString previewText() const;
    // Empty while the selected version's preview is being made (it is blank until it lands).
    QString countsText() const;
    QString lastError() const { return m_lastError; }

    void setMode(VersionHistoryModel::PreviewMode mode);
    void snapshotNow();
    void deleteSelected();
    void restoreSelected();

    void reject() override;

private:
    void build();
    QHBoxLayout* makeHeader();
    QStackedWidget* makeBody();
    QWidget* makePreview(QWidget* parent);
    QHBoxLayout* makeFooter();
    void reload();
    void fillList();
    void showPreview();
    // Takes `document` (null when the version could not be read).
    void previewLanded(bool readable, LineDiff::Counts counts, QTextDocument* document);
    void showDocument(QPlainTextEdit* edit, QTextDocument* document);
    void currentTextLanded(VersionHistoryModel::Measured current);
    void restoreLanded(const VersionHistoryModel::Restore& restore);
    void deleteLanded(const VersionHistoryModel::Deleted& deleted);
    // Runs `action` now, or once the current text has landed (after those asked for before it).
    void withCurrentText(std::function<void()> action);
    void updateButtons();
    void markChosenRow();
    void colourCounts();
    void changeEvent(QEvent* event) override;
    void showError(const QString& message);

    VersionHistoryModel m_model;
    OnRestore m_onRestore;
    std::function<void()> m_onClose;
    QString m_lastError;
    bool m_filling = false;
    bool m_closed = false;
    bool m_restoring = false;
    bool m_deleting = false;                     // on the snapshots' thread
    QList<std::function<void()>> m_afterCurrent; // in the order asked for
    // The preview asked for last (its version and mode), whether it has landed, and the flag
    // that stops it when another is asked for.
    struct Shown {
        QString id;
        VersionHistoryModel::PreviewMode mode;
        bool operator==(const Shown&) const = default;
    };
    std::optional<Shown> m_previewFor;
    bool m_previewPending = false;
    quint64 m_previewSerial = 0;
    std::shared_ptr<std::atomic_bool> m_previewCancel;

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
