#include "files/DocumentFile.h"

#include "platform/Logging.h"
#include "platform/TextUtil.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QTimer>

DocumentFile::DocumentFile(const MarkdownDocument& document, const QString& path, const AutosaveStore& store,
                           const QString& draftId, QObject* parent)
    : QObject(parent),
      m_store(store),
      m_path(path),
      m_byteOrderMark(document.hasByteOrderMark),
      m_watcher(new QFileSystemWatcher(this)),
      m_settleTimer(new QTimer(this))
{
    // A writer may take several steps (truncate, write, rename): look once it has settled.
    m_settleTimer->setSingleShot(true);
    m_settleTimer->setInterval(kSettleDelayMs);
    connect(m_settleTimer, &QTimer::timeout, this, &DocumentFile::changedOnDisk);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, m_settleTimer, qOverload<>(&QTimer::start));

    noteLineEndings(document.text);
    if (!isUntitled()) {
        m_diskStamp.remember(m_path, document.toBytes());
        watch();
    } else {
        m_draftId = draftId.isEmpty() ? AutosaveStore::newId() : draftId;
        m_draftLock = m_store.claim(m_draftId);
    }
}

DocumentFile::~DocumentFile() = default;

bool DocumentFile::setPath(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (absolute == m_path) return false;
    const bool wasUntitled = isUntitled();
    m_path = absolute;
    if (wasUntitled) dropDraft();
    watch();
    return true;
}

QString DocumentFile::fileText(const QString& lineFeedText) const
{
    return m_mixedEndingsText.isEmpty() ? LineEndings::fromLineFeeds(lineFeedText, m_lineEnding)
                                        : MarkdownDocument::withLineEndingsOf(lineFeedText, m_mixedEndingsText);
}

void DocumentFile::noteLineEndings(const QString& text)
{
    if (!MarkdownDocument::hasUniformLineEndings(text)) {
        m_lineEnding = LineEndings::detect(text);
        m_mixedEndingsText = text;
        return;
    }
    m_mixedEndingsText.clear();
    // A text without any break keeps the ending it had, for the lines typed later.
    if (m_lineEnding.isEmpty() || text.contains(u'\n') || text.contains(u'\r'))
        m_lineEnding = LineEndings::detect(text);
}

void DocumentFile::takeAsOnDisk(const QString& path, const MarkdownDocument& document)
{
    m_diskStamp.remember(path, document.toBytes());
    m_externalChangePutOff = false;
    noteLineEndings(document.text);
    watch();
}

bool DocumentFile::write(const QString& path, const QString& lineFeedText, QString* error)
{
    const MarkdownDocument doc{fileText(lineFeedText), m_byteOrderMark};
    // A file with several hard links is written over in place, which a crash can leave half
    // written: the new text goes to the autosave folder first, and comes back at the next
    // launch if the write does not complete. (A failed write keeps that copy.)
    if (MarkdownDocument::hasOtherLinks(path)) keepAside(lineFeedText);
    if (!doc.write(path, error)) return false;
    if (!isUntitled()) dropDraft(); // a copy kept aside (an untitled draft goes with setPath)
    takeAsOnDisk(path, doc);
    return true;
}

std::optional<MarkdownDocument> DocumentFile::reload(QString* error)
{
    auto doc = MarkdownDocument::read(m_path, error);
    if (!doc) return std::nullopt;
    m_byteOrderMark = doc->hasByteOrderMark;
    dropDraft();
    takeAsOnDisk(m_path, *doc);
    return doc;
}

DiskStamp::State DocumentFile::diskState()
{
    return isUntitled() ? DiskStamp::State::Unchanged : m_diskStamp.check(m_path);
}

DiskStamp::State DocumentFile::checkDisk()
{
    if (isUntitled()) return DiskStamp::State::Unchanged;
    watch();
    return m_diskStamp.check(m_path);
}

bool DocumentFile::saveDraft(const QString& lineFeedText, QString* error)
{
    return saveAside(lineFeedText, error);
}

bool DocumentFile::saveAside(const QString& lineFeedText, QString* error)
{
    QString reason;
    if (m_store.save(m_draftId, fileText(lineFeedText), &reason)) return true;
    qCWarning(lcFiles) << "the autosaved copy" << m_draftId << "could not be written:" << reason;
    if (error) *error = reason;
    return false;
}

bool DocumentFile::keepAside(const QString& lineFeedText, QString* error)
{
    if (m_draftId.isEmpty()) {
        m_draftId = AutosaveStore::newId();
        m_draftLock = m_store.claim(m_draftId);
    }
    return saveAside(lineFeedText, error);
}

void DocumentFile::dropDraft()
{
    if (m_draftId.isEmpty()) return;
    m_store.remove(m_draftId);
    m_draftLock.reset();
    m_draftId.clear();
}

void DocumentFile::watch()
{
    if (!m_watcher->files().isEmpty()) m_watcher->removePaths(m_watcher->files());
    if (!isUntitled() && QFileInfo::exists(m_path)) m_watcher->addPath(m_path);
}
