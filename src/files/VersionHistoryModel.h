#pragma once

#include "files/LineDiff.h"
#include "files/VersionStore.h"

#include <QDateTime>
#include <QString>

#include <optional>

// The state and actions behind the version history window, kept free of widgets: the
// document's versions newest first, the selected one, the preview mode, and what the
// footer's buttons do.
class VersionHistoryModel {
public:
    enum class PreviewMode { Diff, Full };
    static QString modeTitle(PreviewMode mode);

    VersionHistoryModel(QString filePath, QString currentText);

    const QString& filePath() const { return m_filePath; }
    const QString& currentText() const { return m_currentText; }
    bool isUntitled() const { return m_filePath.isEmpty(); }
    // The document's file name, or "Untitled".
    QString fileName() const;

    const QList<Snapshot>& snapshots() const { return m_snapshots; }
    const std::optional<QString>& selection() const { return m_selection; }
    void select(std::optional<QString> id) { m_selection = std::move(id); }
    std::optional<Snapshot> selected() const;

    PreviewMode mode() const { return m_mode; }
    void setMode(PreviewMode mode) { m_mode = mode; }

    // Re-reads the list; selects the newest version when nothing is selected yet.
    void reload();

    // "+12 vs now" / "-12 vs now" (the snapshot's words against the current text's), or
    // empty when the counts are equal.
    QString deltaLabel(const Snapshot& snapshot) const;
    QList<DiffLine> diff(const QString& snapshotText) const { return LineDiff::compute(snapshotText, m_currentText); }

    // Stores the current text as a version, then reloads. False (with `error`) when it
    // could not be stored; a skipped unchanged or empty text is not a failure.
    bool snapshotNow(const QDateTime& now, QString* error);

    // Deletes the selected version; the selection moves to the version that takes its row.
    bool deleteSelected(QString* error);

    // First step of "Restore This Version": the selected version's text, after the current
    // text was safely stored as a version. None when there is nothing to restore (no
    // selection, text unreadable: `error` stays empty) or when the safety copy failed
    // (`error` says why); the document must then not be touched.
    std::optional<QString> textToRestore(const QDateTime& now, QString* error);

private:
    QString m_filePath;
    QString m_currentText;
    qint64 m_currentWords = 0;
    QList<Snapshot> m_snapshots;
    std::optional<QString> m_selection;
    PreviewMode m_mode = PreviewMode::Diff;
};
