#include "files/VersionHistoryModel.h"

#include "platform/TextUtil.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <utility>

namespace {

QString keptNothing(const QString& why)
{
    return QCoreApplication::translate("VersionHistory",
                                       "The current text could not be kept as a version, so nothing was "
                                       "restored.\n\n%1")
        .arg(why);
}

} // namespace

QString VersionHistoryModel::modeTitle(PreviewMode mode)
{
    return mode == PreviewMode::Diff ? QStringLiteral("Diff vs current") : QStringLiteral("Full text");
}

VersionHistoryModel::VersionHistoryModel(QString filePath, QString currentText)
    : VersionHistoryModel(std::move(filePath))
{
    const qint64 words = VersionStore::wordCount(currentText);
    QString lineFeedText = LineEndings::toLineFeeds(currentText);
    setCurrentText({std::move(currentText), std::move(lineFeedText), words});
}

VersionHistoryModel::VersionHistoryModel(QString filePath)
    : m_filePath(std::move(filePath)),
      m_folder(VersionStore::folder(m_filePath))
{}

QString VersionHistoryModel::fileName() const
{
    return isUntitled() ? QCoreApplication::translate("VersionHistory", "Untitled") : QFileInfo(m_filePath).fileName();
}

void VersionHistoryModel::setCurrentText(Measured current)
{
    m_currentText = std::move(current.text);
    m_currentLineFeedText = std::move(current.lineFeedText);
    m_currentWords = current.words;
    m_hasCurrent = true;
}

VersionHistoryModel::Measured VersionHistoryModel::measure(const QList<QString>& pieces,
                                                           const std::function<QString(const QString&)>& fileText)
{
    QString lineFeedText = pieces.join(QString());
    QString text = fileText ? fileText(lineFeedText) : lineFeedText;
    const qint64 words = VersionStore::wordCount(text);
    return {std::move(text), std::move(lineFeedText), words};
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
    m_snapshots = VersionStore::list(m_filePath);
    if (!m_selection && !m_snapshots.isEmpty()) m_selection = m_snapshots.first().id;
}

QString VersionHistoryModel::deltaLabel(const Snapshot& snapshot) const
{
    const qint64 d = snapshot.words - m_currentWords;
    if (d == 0 || !m_hasCurrent) return {};
    return (d > 0 ? QStringLiteral("+") : QString()) + QString::number(d) + QStringLiteral(" vs now");
}

VersionHistoryModel::PreviewWork VersionHistoryModel::previewWork() const
{
    const auto version = selected();
    if (!version || !m_hasCurrent) return {};
    return [folder = m_folder, version = *version, current = m_currentText,
            diff = m_mode == PreviewMode::Diff](const std::atomic_bool& cancelled) {
        Preview preview;
        preview.text = VersionStore::textIn(folder, version);
        if (!preview.text || !diff || cancelled) return preview;
        preview.lines = LineDiff::compute(*preview.text, current);
        preview.counts = LineDiff::counts(preview.lines);
        return preview;
    };
}

VersionSnapshots::Request VersionHistoryModel::snapshotRequest(const QDateTime& now) const
{
    return {{m_currentText}, nullptr, m_filePath, double(now.toMSecsSinceEpoch()) / 1000.0};
}

bool VersionHistoryModel::deleteSelected(QString* error)
{
    const auto work = deleteWork();
    if (!work) return true;
    VersionSnapshots::finish();
    const Deleted deleted = work();
    deleteLanded(deleted);
    if (error) *error = deleted.error;
    return deleted.ok;
}

std::function<VersionHistoryModel::Deleted()> VersionHistoryModel::deleteWork() const
{
    const auto victim = selected();
    if (!victim) return {};
    return [folder = m_folder, victim = *victim, row = m_snapshots.indexOf(*victim)] {
        Deleted deleted;
        deleted.id = victim.id;
        deleted.row = row;
        deleted.ok = VersionStore::removeIn(folder, victim, &deleted.error);
        deleted.snapshots = VersionStore::listIn(folder);
        return deleted;
    };
}

void VersionHistoryModel::deleteLanded(const Deleted& deleted)
{
    m_snapshots = deleted.snapshots;
    // The selection moves to the row that takes the deleted one's place, unless another row
    // was picked meanwhile (and is still there).
    if (m_selection == deleted.id || !selected()) m_selection.reset();
    if (!m_selection && !m_snapshots.isEmpty())
        m_selection = m_snapshots.at(std::min(deleted.row, m_snapshots.size() - 1)).id;
}

VersionHistoryModel::Measured VersionHistoryModel::releaseCurrentText()
{
    Measured released{std::exchange(m_currentText, {}), std::exchange(m_currentLineFeedText, {}), m_currentWords};
    m_hasCurrent = false;
    return released;
}

std::function<VersionHistoryModel::Restore()> VersionHistoryModel::restoreWork(const QDateTime& now) const
{
    const auto version = selected();
    if (!version || !m_hasCurrent) return {};
    return [folder = m_folder, path = m_filePath, version = *version, current = m_currentText,
            currentLineFeeds = m_currentLineFeedText, date = double(now.toMSecsSinceEpoch()) / 1000.0] {
        Restore restore;
        const auto text = VersionStore::textIn(folder, version);
        if (!text) return restore;
        VersionStore::snapshotInto(folder, current, path, date, &restore.error);
        if (!restore.error.isEmpty()) {
            restore.error = keptNothing(restore.error);
            return restore;
        }
        restore.text = LineEndings::toLineFeeds(*text);
        restore.currentLength = currentLineFeeds.size();
        restore.changed = TextUtil::differingStretch(currentLineFeeds, *restore.text);
        restore.changedText = restore.text->mid(restore.changed.location, restore.text->size() - currentLineFeeds.size()
                                                                              + restore.changed.length);
        return restore;
    };
}
