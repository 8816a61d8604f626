#include "files/DocumentFile.h"

#include "files/WriteDecision.h"
#include "platform/Logging.h"
#include "platform/OpenableFile.h"
#include "platform/TextUtil.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

DocumentFile::LineEndingsNote DocumentFile::LineEndingsNote::of(const QString& text)
{
    return {MarkdownDocument::hasUniformLineEndings(text), text.contains(u'\n') || text.contains(u'\r'),
            LineEndings::detect(text)};
}

// One write: what it needs (copied from the file's state when asked for, so that it can run
// on another thread) and what came of it.
struct DocumentFile::Job {
    Target target = Target::File;
    QString path;
    QList<QString> pieces;
    bool byteOrderMark = false;
    QString lineEnding;
    QString mixedEndingsText;
    AutosaveStore store;
    QString asideId;
    QString asideFor;
    AutosaveStore::Baseline asideBaseline;
    bool keepAsideFirst = false;
    Written done;

    bool ok = false;
    QString error;
    QString fileText;
    QByteArray bytes;
    LineEndingsNote note;
};

DocumentFile::DocumentFile(const AutosaveStore& store, const QString& path, QObject* parent)
    : QObject(parent),
      m_store(store),
      m_path(path),
      m_watcher(new QFileSystemWatcher(this)),
      m_settleTimer(new QTimer(this))
{
    // A writer may take several steps (truncate, write, rename): look once it has settled.
    m_settleTimer->setSingleShot(true);
    m_settleTimer->setInterval(kSettleDelayMs);
    connect(m_settleTimer, &QTimer::timeout, this, &DocumentFile::changedOnDisk);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, m_settleTimer, qOverload<>(&QTimer::start));
}

DocumentFile::DocumentFile(const MarkdownDocument& document, const QString& path, const AutosaveStore& store,
                           const QString& draftId, QObject* parent)
    : DocumentFile(store, path, parent)
{
    takeRead(document);
    if (!isUntitled()) {
        m_diskStamp.remember(m_path, document.toBytes());
        watch();
    } else {
        m_draftId = draftId.isEmpty() ? AutosaveStore::newId() : draftId;
        m_draftLock = m_store.claim(m_draftId);
    }
}

DocumentFile::DocumentFile(const QByteArray& bytes, const QString& path, const AutosaveStore& store, QObject* parent)
    : DocumentFile(store, path, parent)
{
    m_diskStamp.remember(m_path, bytes);
    watch();
}

void DocumentFile::takeRead(const MarkdownDocument& document)
{
    takeRead(document, LineEndingsNote::of(document.text));
}

void DocumentFile::takeRead(const MarkdownDocument& document, const LineEndingsNote& note)
{
    m_byteOrderMark = document.hasByteOrderMark;
    noteLineEndings(document.text, note);
}

DocumentFile::~DocumentFile()
{
    // A write under way is finished (nobody waits for its answer any more).
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

bool DocumentFile::setPath(const QString& path)
{
    finishWrite();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (absolute == m_path) return false;
    const bool wasUntitled = isUntitled();
    m_path = absolute;
    if (wasUntitled) {
        dropDraft();
        m_keptFor.clear();
        m_keptForBaseline = {};
    }
    watch();
    return true;
}

namespace {

// The editor's text (LF breaks) with the file's: its one break, or each kept line's own
// where the breaks are mixed.
QString withFileBreaks(const QString& lineFeedText, const QString& lineEnding, const QString& mixedEndingsText)
{
    return mixedEndingsText.isEmpty() ? LineEndings::fromLineFeeds(lineFeedText, lineEnding)
                                      : MarkdownDocument::withLineEndingsOf(lineFeedText, mixedEndingsText);
}

} // namespace

QString DocumentFile::fileText(const QString& lineFeedText) const
{
    return withFileBreaks(lineFeedText, m_lineEnding, m_mixedEndingsText);
}

std::function<QString(const QString&)> DocumentFile::fileTextMaker() const
{
    return [ending = m_lineEnding, mixed = m_mixedEndingsText](const QString& lineFeedText) {
        return withFileBreaks(lineFeedText, ending, mixed);
    };
}

void DocumentFile::noteLineEndings(const QString& text, const LineEndingsNote& note)
{
    if (!note.uniform) {
        m_lineEnding = note.detected;
        m_mixedEndingsText = text;
        return;
    }
    m_mixedEndingsText.clear();
    // A text without any break keeps the ending it had, for the lines typed later.
    if (m_lineEnding.isEmpty() || note.hasBreak) m_lineEnding = note.detected;
}

namespace {

// Giving a long text's memory back takes milliseconds: a pool thread does it.
void releaseElsewhere(QByteArray bytes)
{
    if (bytes.size() < (1 << 20)) return;
    QThreadPool::globalInstance()->start([bytes = std::move(bytes)]() mutable { bytes.clear(); });
}

} // namespace

void DocumentFile::takeAsOnDisk(const QString& path, const QByteArray& bytes, const QString& text,
                                const LineEndingsNote& note)
{
    releaseElsewhere(m_diskStamp.remember(path, bytes));
    m_externalChangePutOff = false;
    noteLineEndings(text, note);
    watch();
}

DocumentFile::Job DocumentFile::makeJob(Target target, const QString& path, const QList<QString>& lineFeedPieces)
{
    Job job;
    job.target = target == Target::FileAsideFirst ? Target::File : target;
    job.path = path;
    job.pieces = lineFeedPieces;
    job.byteOrderMark = m_byteOrderMark;
    job.lineEnding = m_lineEnding;
    job.mixedEndingsText = m_mixedEndingsText;
    job.store = m_store;
    // A write over the file itself (a file with other hard links) can be left half done by a
    // crash: the new text goes to the autosave folder first, and comes back at the next launch
    // if the write does not complete. (A failed write keeps that copy.)
    job.keepAsideFirst = target == Target::FileAsideFirst;
    if (target != Target::File) claimAsideId();
    job.asideId = m_draftId;
    if (path.isEmpty()) {
        // An untitled window holding a copy kept for a file: its drafts go on naming that file
        // and how it stood.
        job.asideFor = m_keptFor;
        job.asideBaseline = m_keptForBaseline;
    } else {
        // A copy kept by the file's own window: the next launch takes the file as it finds it.
        job.asideFor = QFileInfo(path).absoluteFilePath();
    }
    return job;
}

void DocumentFile::run(Job& job)
{
    const QString lineFeedText = job.pieces.size() == 1 ? job.pieces.first() : [&] {
        qsizetype size = 0;
        for (const QString& p : job.pieces) size += p.size();
        QString joined;
        joined.reserve(size);
        for (const QString& p : job.pieces) joined += p;
        return joined;
    }();
    job.pieces.clear();
    job.fileText = withFileBreaks(lineFeedText, job.lineEnding, job.mixedEndingsText);
    if (job.target == Target::Aside || job.keepAsideFirst) {
        QString reason;
        job.ok = job.store.save(job.asideId, job.fileText, &reason, job.asideFor, job.asideBaseline);
        if (!job.ok) qCWarning(lcFiles) << "the autosaved copy" << job.asideId << "could not be written:" << reason;
        if (job.target == Target::Aside) {
            job.error = reason;
            job.fileText.clear();
            return;
        }
    }
    job.bytes = MarkdownDocument{job.fileText, job.byteOrderMark}.toBytes();
    job.ok = MarkdownDocument::writeBytes(job.path, job.bytes, &job.error);
    if (job.ok) job.note = LineEndingsNote::of(job.fileText);
    // Kept only where the breaks are mixed; otherwise its memory goes here, not on the main thread.
    if (job.note.uniform) job.fileText.clear();
}

void DocumentFile::land(Job& job)
{
    if (job.target != Target::File || !job.ok) return;
    if (!isUntitled()) dropDraft(); // a copy kept aside (an untitled draft goes with setPath)
    takeAsOnDisk(job.path, job.bytes, job.fileText, job.note);
}

bool DocumentFile::writeNow(Target target, const QString& path, const QString& lineFeedText, QString* error)
{
    finishWrite();
    Job job = makeJob(target, path, {lineFeedText});
    run(job);
    land(job);
    if (!job.ok && error) *error = job.error;
    return job.ok;
}

DocumentFile::Target DocumentFile::targetOver(const QString& path)
{
    return WriteDecision::inPlace(MarkdownDocument::hasOtherLinks(path)) == WriteDecision::Step::InPlaceAsideFirst
               ? Target::FileAsideFirst
               : Target::File;
}

bool DocumentFile::write(const QString& path, const QString& lineFeedText, QString* error)
{
    return writeNow(targetOver(path), path, lineFeedText, error);
}

void DocumentFile::writeToInBackground(const QString& path, const QList<QString>& lineFeedPieces, Written done)
{
    finishWrite();
    startWrite(targetOver(path), path, lineFeedPieces, std::move(done));
}

void DocumentFile::writeInBackground(Target target, const QList<QString>& lineFeedPieces, Written done)
{
    finishWrite();
    startWrite(target, m_path, lineFeedPieces, std::move(done));
}

void DocumentFile::startWrite(Target target, const QString& path, const QList<QString>& lineFeedPieces, Written done)
{
    m_job = std::make_unique<Job>(makeJob(target, path, lineFeedPieces));
    m_job->done = std::move(done);
    m_thread = QThread::create([job = m_job.get()] { run(*job); });
    // The end of this write, not of a later one started after finishWrite took this one in.
    connect(m_thread, &QThread::finished, this, [this, serial = ++m_writes] {
        if (serial == m_writes) finishWrite();
    });
    m_thread->start();
}

void DocumentFile::finishWrite()
{
    if (!m_thread) return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    const std::unique_ptr<Job> job = std::move(m_job);
    land(*job);
    if (job->done) job->done(job->ok, job->error);
}

std::optional<MarkdownDocument> DocumentFile::reload(QString* error)
{
    finishWrite();
    const std::optional<QByteArray> bytes = MarkdownDocument::readBytes(m_path, error);
    if (!bytes) return std::nullopt;
    MarkdownDocument doc = MarkdownDocument::fromValidBytes(*bytes);
    m_byteOrderMark = doc.hasByteOrderMark;
    dropDraft();
    takeAsOnDisk(m_path, *bytes, doc.text, LineEndingsNote::of(doc.text));
    return doc;
}

DiskStamp::State DocumentFile::diskState()
{
    finishWrite();
    return isUntitled() ? DiskStamp::State::Unchanged : m_diskStamp.check(m_path);
}

DiskStamp::State DocumentFile::checkDisk()
{
    finishWrite();
    if (isUntitled()) return DiskStamp::State::Unchanged;
    watch();
    return m_diskStamp.check(m_path);
}

bool DocumentFile::saveDraft(const QString& lineFeedText, QString* error)
{
    return writeNow(Target::Aside, m_path, lineFeedText, error);
}

void DocumentFile::setKeptFor(const QString& path, const AutosaveStore::Baseline& baseline)
{
    using Kind = AutosaveStore::Baseline::Kind;
    finishWrite();
    m_keptFor = path;
    m_keptForBaseline = baseline;
    // How the file stood, by its stat alone (it may be long): a change made to it since, in its
    // own window or by another program, is asked about before the text goes back over it. A
    // file only touched meanwhile counts as changed, which asks once more than needed.
    const std::optional<DiskStamp> stood =
        baseline.kind == Kind::Found ? DiskStamp::fromLine(baseline.stamp) : std::nullopt;
    if (stood) {
        m_diskStamp = *stood;
    } else if (baseline.kind == Kind::NextLaunch) {
        // A write of the file's own window that a crash ended leaves the file as nobody saw it:
        // it is taken as found now, and kept with the copy for the launches after this one.
        m_diskStamp.remember(path, {});
        m_keptForBaseline = {Kind::Found, m_diskStamp.toLine()};
        if (!m_draftId.isEmpty() && !m_store.note(m_draftId, path, m_keptForBaseline))
            qCWarning(lcFiles) << "the note of the autosaved copy" << m_draftId << "could not be written";
    } else {
        m_keptForBaseline = {Kind::Unknown, {}};
    }
    // Whatever else a half-written file holds, it begins with the text that was being written.
    QFile file(path);
    if (OpenableFile::isOpenable(path) && file.open(QIODevice::ReadOnly))
        m_byteOrderMark = file.read(3) == "\xEF\xBB\xBF";
}

DiskStamp::State DocumentFile::keptForState()
{
    finishWrite();
    if (m_keptFor.isEmpty()) return DiskStamp::State::Unchanged;
    if (m_keptForBaseline.kind == AutosaveStore::Baseline::Kind::Unknown)
        return QFileInfo::exists(m_keptFor) ? DiskStamp::State::Changed : DiskStamp::State::Missing;
    return m_diskStamp.check(m_keptFor);
}

void DocumentFile::claimAsideId()
{
    if (!m_draftId.isEmpty()) return;
    m_draftId = AutosaveStore::newId();
    m_draftLock = m_store.claim(m_draftId);
}

bool DocumentFile::keepAside(const QString& lineFeedText, QString* error)
{
    return writeNow(Target::Aside, m_path, lineFeedText, error);
}

void DocumentFile::dropDraft()
{
    finishWrite();
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
