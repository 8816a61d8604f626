#pragma once

#include "files/LineDiff.h"
#include "files/VersionSnapshots.h"
#include "files/VersionStore.h"
#include "platform/TextRange.h"

#include <QDateTime>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>

// The state and actions behind the version history window, kept free of widgets: the
// document's versions newest first, the selected one, the preview mode, and what the
// footer's buttons do. What reads or compares whole texts is handed out as work for another
// thread (the preview, the current text's words, the restore); the state stays on the main
// thread.
class VersionHistoryModel {
public:
    enum class PreviewMode { Diff, Full };
    static QString modeTitle(PreviewMode mode);

    VersionHistoryModel(QString filePath, QString currentText);
    // The current text comes later (setCurrentText), once copied and measured elsewhere.
    explicit VersionHistoryModel(QString filePath);

    const QString& filePath() const { return m_filePath; }
    // Where the versions are, worked out here once: work on other threads reads no setting.
    const QString& folder() const { return m_folder; }
    bool isUntitled() const { return m_filePath.isEmpty(); }
    // The document's file name, or "Untitled".
    QString fileName() const;

    // The document's text (with its own line breaks, and as the editor holds it, with LF
    // breaks) and its words: empty until known.
    bool hasCurrentText() const { return m_hasCurrent; }
    const QString& currentText() const { return m_currentText; }
    struct Measured {
        QString text;
        QString lineFeedText;
        qint64 words = 0;
    };
    void setCurrentText(Measured current);
    // A copy's pieces joined, given the file's breaks by `fileText` (may be empty), and its
    // words counted; on any thread.
    static Measured measure(const QList<QString>& pieces, const std::function<QString(const QString&)>& fileText);

    const QList<Snapshot>& snapshots() const { return m_snapshots; }
    const std::optional<QString>& selection() const { return m_selection; }
    void select(std::optional<QString> id) { m_selection = std::move(id); }
    std::optional<Snapshot> selected() const;

    PreviewMode mode() const { return m_mode; }
    void setMode(PreviewMode mode) { m_mode = mode; }

    // Re-reads the list as stored now; selects the newest version when nothing is selected
    // yet. A snapshot still under way shows once it has landed and the list is read again.
    void reload();

    // "+12 vs now" / "-12 vs now" (the snapshot's words against the current text's), or
    // empty when the counts are equal or the current text is not known yet.
    QString deltaLabel(const Snapshot& snapshot) const;

    // What the preview of a version shows, made on any thread: the version's text (none when
    // it cannot be read), and in the diff mode its line diff against the current text. Stops
    // early, with nothing, once `cancelled` is set.
    struct Preview {
        std::optional<QString> text;
        QList<DiffLine> lines;
        LineDiff::Counts counts;
    };
    using PreviewWork = std::function<Preview(const std::atomic_bool& cancelled)>;
    // The selected version's, for the mode shown; empty when nothing is selected or the
    // current text is not known yet.
    PreviewWork previewWork() const;

    // Snapshot Now: the current text as a version, for VersionSnapshots::take.
    VersionSnapshots::Request snapshotRequest(const QDateTime& now) const;

    // Deletes the selected version; the selection moves to the version that takes its row.
    bool deleteSelected(QString* error);
    // The same in two steps: the removal and the list read again, on the snapshots' thread
    // (VersionSnapshots::after), then taken in here. Empty when nothing is selected.
    struct Deleted {
        QString id;
        qsizetype row = 0;
        bool ok = false;
        QString error;
        QList<Snapshot> snapshots;
    };
    std::function<Deleted()> deleteWork() const;
    void deleteLanded(const Deleted& deleted);

    // Gives up the current text (two copies of the document), for freeing elsewhere.
    Measured releaseCurrentText();

    // "Restore This Version" up to the document, on the snapshots' thread
    // (VersionSnapshots::after): the selected version's text with LF breaks, after the
    // current text was safely stored as a version, and the stretch of the current text (LF
    // breaks, `currentLength` units) that differs from it, with what takes its place. No
    // text when there is nothing to restore (the version unreadable: `error` empty) or when
    // the safety copy failed (`error` says why); the document must then not be touched.
    // Empty when nothing is selected or the current text is not known yet.
    struct Restore {
        std::optional<QString> text;
        QString error;
        TextRange changed;
        QString changedText;
        qsizetype currentLength = 0;
    };
    std::function<Restore()> restoreWork(const QDateTime& now) const;

private:
    QString m_filePath;
    QString m_folder;
    QString m_currentText;
    QString m_currentLineFeedText;
    qint64 m_currentWords = 0;
    bool m_hasCurrent = false;
    QList<Snapshot> m_snapshots;
    std::optional<QString> m_selection;
    PreviewMode m_mode = PreviewMode::Diff;
};
