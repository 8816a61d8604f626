#include "files/VersionHistoryModel.h"

#include "files/VersionSnapshots.h"

#include <QCoreApplication>
#include <QFileInfo>

QString VersionHistoryModel::modeTitle(PreviewMode mode)
{
    return mode == PreviewMode::Diff ? QStringLiteral("Diff vs current") : QStringLiteral("Full text");
}

VersionHistoryModel::VersionHistoryModel(QString filePath, QString currentText)
    : m_filePath(std::move(filePath)),
      m_currentText(std::move(currentText)),
      m_currentWords(VersionStore::wordCount(m_currentText))
{}

QString VersionHistoryModel::fileName() const
{
    return isUntitled() ? QCoreApplication::translate("VersionHistory", "Untitled") : QFileInfo(m_filePath).fileName();
}

std::optional<Snapshot> VersionHistoryModel::selected() const
{
    if (!m_selection) return std::nullopt;
    for (const Snapshot& s : m_snapshots)
        if (s.id == *m_selection) return s;
    return std::nullopt;
}

void VersionHistoryModel::reload()
{
    // Snapshots the window asked for land first: the list shows them, and no write of the
    // store runs beside this window's.
    VersionSnapshots::finish();
    m_snapshots = VersionStore::list(m_filePath);
    if (!m_selection && !m_snapshots.isEmpty()) m_selection = m_snapshots.first().id;
}

QString VersionHistoryModel::deltaLabel(const Snapshot& snapshot) const
{
    const qint64 d = snapshot.words - m_currentWords;
    if (d == 0) return {};
    return (d > 0 ? QStringLiteral("+") : QString()) + QString::number(d) + QStringLiteral(" vs now");
}

bool VersionHistoryModel::snapshotNow(const QDateTime& now, QString* error)
{
    VersionSnapshots::finish();
    VersionStore::snapshot(m_currentText, m_filePath, now, error);
    reload();
    return error->isEmpty();
}

bool VersionHistoryModel::deleteSelected(QString* error)
{
    const auto victim = selected();
    if (!victim) return true;
    const qsizetype row = m_snapshots.indexOf(*victim);
    VersionSnapshots::finish();
    const bool ok = VersionStore::remove(*victim, m_filePath, error);
    m_selection.reset();
    m_snapshots = VersionStore::list(m_filePath);
    if (!m_snapshots.isEmpty()) m_selection = m_snapshots.at(std::min(row, m_snapshots.size() - 1)).id;
    return ok;
}

std::optional<QString> VersionHistoryModel::textToRestore(const QDateTime& now, QString* error)
{
    error->clear();
    const auto snapshot = selected();
    if (!snapshot) return std::nullopt;
    const auto text = VersionStore::text(*snapshot, m_filePath);
    if (!text) return std::nullopt;
    VersionSnapshots::finish();
    VersionStore::snapshot(m_currentText, m_filePath, now, error);
    if (!error->isEmpty()) {
        *error = QCoreApplication::translate("VersionHistory",
                                             "The current text could not be kept as a version, so nothing was "
                                             "restored.\n\n%1")
                     .arg(*error);
        return std::nullopt;
    }
    return text;
}
