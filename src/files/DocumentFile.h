#pragma once

#include "files/AutosaveStore.h"
#include "files/MarkdownDocument.h"
#include "platform/DiskStamp.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QFileSystemWatcher;
class QLockFile;
class QThread;
class QTimer;

// How an attempt to write a document ended: written (or otherwise made safe), failed with
// a reason for the user, or given up by the user (nothing to report).
enum class SaveOutcome { Saved, Failed, Cancelled };

// The file behind one open document: its path, byte-order mark and line breaks, what the
// file looked like when last read or written, the watcher that notices other programs'
// writes, and the document's copy in the autosave folder (the draft of an untitled
// document, or a copy kept aside when a file may not be written in place).
//
// It holds no text of its own: the editor holds the text with LF breaks only, and this
// object turns it into the file's text (each line with its own break) and back. It decides
// nothing either: asking the user, closing and quitting are the window's.
class DocumentFile : public QObject {
    Q_OBJECT
public:
    // `document` as read from `path` (empty `path`: an untitled document). `draftId` names
    // the autosaved copy of an untitled document brought back at launch; a new untitled
    // document gets a new one. The draft's lock is claimed for this process.
    DocumentFile(const MarkdownDocument& document, const QString& path, const AutosaveStore& store,
                 const QString& draftId = QString(), QObject* parent = nullptr);
    // A file known at first by its `bytes` as MarkdownDocument::readBytes() read them from
    // `path`: they are what is on disk from the start; the document they hold is told with
    // takeRead() once it is decoded (a long file's, on another thread), before any write.
    DocumentFile(const QByteArray& bytes, const QString& path, const AutosaveStore& store, QObject* parent = nullptr);
    // What a text's line breaks say about how later texts are written: found wherever the
    // text is (on the writing thread for a background write, on the thread that decodes a
    // long file), taken in here.
    struct LineEndingsNote {
        bool uniform = true;
        bool hasBreak = false;
        QString detected;
        static LineEndingsNote of(const QString& text);
    };
    // Takes the byte-order mark and line breaks of `document`, the file's as read (`note`
    // is of its text).
    void takeRead(const MarkdownDocument& document);
    void takeRead(const MarkdownDocument& document, const LineEndingsNote& note);
    ~DocumentFile() override;

    QString path() const { return m_path; }
    bool isUntitled() const { return m_path.isEmpty(); }
    // Takes `path` (made absolute) as the document's file; an untitled document's draft
    // goes. False when it already was the file.
    bool setPath(const QString& path);
    bool hasByteOrderMark() const { return m_byteOrderMark; }

    // The editor's text (LF breaks) with the file's breaks: the file's one break, or, for a
    // file whose breaks are mixed, each kept line's own (see MarkdownDocument).
    QString fileText(const QString& lineFeedText) const;
    // fileText() with the breaks as they are now, as a function that may run on any thread.
    std::function<QString(const QString& lineFeedText)> fileTextMaker() const;

    // Writes the text (LF breaks) to `path` atomically and takes it as the state on disk; a
    // copy kept aside goes. How it goes over that file is WriteDecision::inPlace's (kept aside
    // first where it has other hard links). The watcher follows the document's own path, not
    // `path`: a Save As renames with setPath afterwards. False with `error` set on failure.
    bool write(const QString& path, const QString& lineFeedText, QString* error);

    // Where a write on another thread goes: over the document's file (as write() with its
    // own path), the same with the text kept aside first (WriteDecision's InPlaceAsideFirst), or
    // to the autosave folder (as saveDraft() or keepAside()).
    enum class Target { File, FileAsideFirst, Aside };
    using Written = std::function<void(bool ok, const QString& error)>;
    // The same writes made on another thread from the text's pieces (LF breaks, joined there):
    // converting, encoding and writing a long text never hold up this thread. `done` runs on
    // this object's thread, after the state on disk is taken. One write at a time: a write
    // already under way is finished first.
    void writeInBackground(Target target, const QList<QString>& lineFeedPieces, Written done);
    // The same to `path` instead of the document's file, as write() does for a Save As.
    void writeToInBackground(const QString& path, const QList<QString>& lineFeedPieces, Written done);
    bool isWriting() const { return m_thread != nullptr; }
    // Waits for a write under way and takes its outcome (its `done` runs now). Every other
    // call that reads or writes the disk does this first, so writes land in the order they
    // were asked for and a write is finished before the program ends.
    void finishWrite();
    // Reads the file again and takes it as the state on disk; a copy kept aside goes.
    // Nothing (with `error` set) when it cannot be read.
    std::optional<MarkdownDocument> reload(QString* error);

    // How the file compares with what was last read or written (one stat; reads the file
    // only when that differs). Unchanged for an untitled document.
    DiskStamp::State diskState();
    // The same, after watching the file again (an atomic save by another program replaces
    // the watched file).
    DiskStamp::State checkDisk();

    // The user's "decide later" about a change on disk; cleared when the file is next taken
    // as the state on disk.
    bool isExternalChangePutOff() const { return m_externalChangePutOff; }
    void putOffExternalChange() { m_externalChangePutOff = true; }

    // The untitled document's draft in the autosave folder.
    bool saveDraft(const QString& lineFeedText, QString* error);
    // Keeps the text in the autosave folder, naming the file, so that it comes back as that
    // file's text at the next launch if the program ends before the user decides what to do
    // with it.
    bool keepAside(const QString& lineFeedText, QString* error = nullptr);
    // Removes the draft or the copy kept aside, with its lock.
    void dropDraft();
    QString draftId() const { return m_draftId; }
    // An untitled document holding a copy kept aside for `path` at an earlier run, with how
    // that file stood as the copy's note tells: its drafts go on naming that file, and keeping
    // how it stood, until the text is written there or elsewhere. The copy keeps the file's
    // breaks but not its byte-order mark, which is taken from the file's first bytes.
    void setKeptFor(const QString& path, const AutosaveStore::Baseline& baseline = {});
    QString keptFor() const { return m_keptFor; }
    // How that file compares with how it stood (Unchanged when no file is named; Changed when
    // the note did not say how it stood and the file is there).
    DiskStamp::State keptForState();

    // How long a writer is given to settle (truncate, write, rename) before a look.
    static constexpr int kSettleDelayMs = 250;

Q_SIGNALS:
    // Another program (or this one) wrote, moved or removed the file; sent once the writer
    // has had time to settle. Compare with checkDisk().
    void changedOnDisk();

private:
    DocumentFile(const AutosaveStore& store, const QString& path, QObject* parent);
    struct Job;
    // A write as it is asked for here, made by run() on any thread, taken in by land().
    Job makeJob(Target target, const QString& path, const QList<QString>& lineFeedPieces);
    // How a write over `path`, a file named for this write, goes: WriteDecision::inPlace's.
    static Target targetOver(const QString& path);
    static void run(Job& job);
    void land(Job& job);
    // writeInBackground() and writeToInBackground(), once the write before is finished.
    void startWrite(Target target, const QString& path, const QList<QString>& lineFeedPieces, Written done);
    // Takes `bytes` (of `text`) at `path` as what is on disk: remembers them and their
    // breaks, drops the "decide later" and watches the file again.
    void takeAsOnDisk(const QString& path, const QByteArray& bytes, const QString& text, const LineEndingsNote& note);
    void noteLineEndings(const QString& text, const LineEndingsNote& note);
    // write(), saveDraft() and keepAside(): the job made, run and taken in on this thread.
    bool writeNow(Target target, const QString& path, const QString& lineFeedText, QString* error);
    // The draft's id, made (and locked) for a copy kept aside when there is none yet.
    void claimAsideId();
    void watch();

    AutosaveStore m_store;
    QString m_path;
    bool m_byteOrderMark = false;
    QString m_lineEnding;
    // The text as read or last written, kept only when its line breaks are mixed, so that
    // each line is written back with its own break.
    QString m_mixedEndingsText;
    DiskStamp m_diskStamp;
    bool m_externalChangePutOff = false;
    QString m_draftId;
    QString m_keptFor;
    AutosaveStore::Baseline m_keptForBaseline;
    std::unique_ptr<QLockFile> m_draftLock;
    QFileSystemWatcher* m_watcher;
    QTimer* m_settleTimer;
    // The write under way on another thread, and a number that tells its end from an earlier one's.
    std::unique_ptr<Job> m_job;
    QThread* m_thread = nullptr;
    quint64 m_writes = 0;
};
