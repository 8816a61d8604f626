// The window's decisions about its file: saving, writing in place after a pause, what to do
// when another program changed the file, and whether the window may close. The file state
// itself is the DocumentFile's.
#include "app/ui/DocumentWindow.h"

#include "app/ui/DocumentController.h"
#include "editor/EditorController.h"
#include "editor/ui/EditorHost.h"
#include "files/DocumentFile.h"
#include "platform/TextUtil.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <limits>

#include <utility>

WriteDecision::Facts DocumentWindow::writeFacts(Ask asker) const
{
    // As they are now: the file is looked at (a write of ours under way lands first).
    const bool untitled = isUntitled();
    return {isDocumentEdited(),
            untitled,
            m_file->diskState(),
            m_file->isExternalChangePutOff(),
            !untitled && MarkdownDocument::hasOtherLinks(filePath()),
            asker,
            bool(DocumentController::instance().prompts().resolveExternalChange)};
}

namespace {
// Why a text was not written over its file `name`, which another program changed or removed.
QString notWrittenOver(const QString& name, bool deleted)
{
    return deleted
               ? DocumentWindow::tr("The file “%1” was moved or deleted by another program; it was not written again.")
                     .arg(name)
               : DocumentWindow::tr("“%1” was changed by another program; it was not overwritten.").arg(name);
}

// Where the file writes the text of a step that writes.
DocumentFile::Target targetOf(WriteDecision::Step step)
{
    using Step = WriteDecision::Step;
    return step == Step::InPlaceAsideFirst ? DocumentFile::Target::FileAsideFirst
           : step == Step::InPlace         ? DocumentFile::Target::File
                                           : DocumentFile::Target::Aside;
}
} // namespace

void DocumentWindow::saveThen(Done done)
{
    finishLoading();
    // A table cell still open is part of what the user means to save.
    m_editor->finishPendingEdit();
    carryOut(writeFacts(Ask::Save), [this, done = std::move(done)](SaveOutcome outcome, const QString& error) {
        if (outcome == SaveOutcome::Saved) DocumentController::instance().noteRecent(filePath());
        if (outcome == SaveOutcome::Failed)
            alert(tr("The document “%1” could not be saved.").arg(displayName()), error);
        if (done) done(outcome == SaveOutcome::Saved);
    });
}

void DocumentWindow::saveAsThen(Done done)
{
    finishLoading();
    m_editor->finishPendingEdit();
    auto& prompts = DocumentController::instance().prompts();
    if (!prompts.chooseSavePath) {
        if (done) done(false);
        return;
    }
    const QString folder = isUntitled() ? QDir::homePath() : QFileInfo(filePath()).absolutePath();
    const QString suggested = QDir(folder).filePath(suggestedName() + u'.' + MarkdownDocument::defaultSuffix());
    prompts.chooseSavePath(this, suggested, whileAlive([this, done](const QString& path) {
                               if (path.isEmpty()) {
                                   if (done) done(false);
                                   return;
                               }
                               saveToThen(path, [this, done](bool ok, const QString& error) {
                                   if (!ok)
                                       alert(tr("The document “%1” could not be saved.").arg(displayName()), error);
                                   if (done) done(ok);
                               });
                           }));
}

void DocumentWindow::saveToThen(const QString& path, std::function<void(bool ok, const QString& error)> done)
{
    finishLoading();
    if (const QString refusal = refusalToSaveAs(path); !refusal.isEmpty()) {
        done(false, refusal);
        return;
    }
    // Copied and written as a save is; the title, the name and the edited mark follow the
    // write once it has landed.
    copyThen([this, path, done](const TextMirror::Snapshot& copy) {
        m_file->writeToInBackground(
            path, copy.pieces, whileAlive([this, path, done, revision = copy.revision](bool ok, const QString& error) {
                if (ok) tookName(path, revision);
                done(ok, error);
            }));
    });
    // A close waiting for this write is not kept waiting: nothing can be typed meanwhile.
    if (m_close != CloseState::Open) finishSaving();
}

QString DocumentWindow::refusalToSaveAs(const QString& path) const
{
    // Two windows on one file would overwrite each other's text with every autosave.
    const DocumentWindow* other = DocumentController::instance().windowForPath(path);
    if (!other || other == this) return {};
    return tr("“%1” is open in another window. Close that window first, or choose another name.")
        .arg(QFileInfo(path).fileName());
}

void DocumentWindow::tookName(const QString& path, std::uint64_t revision)
{
    setFilePath(path);
    DocumentController::instance().noteRecent(filePath());
    // Typed meanwhile: that text is still to be written, after a pause.
    if (m_editor->textView()->textRevision() == revision)
        settle();
    else
        m_autosaveTimer->start();
    updateTitle();
    Q_EMIT m_events->saved(filePath());
}

namespace {
// Runs `start` with a continuation and tells whether it finished, successfully, before returning.
bool finishedAtOnce(const std::function<void(DocumentWindow::Done)>& start)
{
    auto result = std::make_shared<bool>(false);
    start([result](bool ok) { *result = ok; });
    return *result;
}
} // namespace

bool DocumentWindow::save()
{
    return finishedAtOnce([this](Done done) {
        saveThen(std::move(done));
        finishSaving();
    });
}

bool DocumentWindow::saveAs()
{
    return finishedAtOnce([this](Done done) {
        saveAsThen(std::move(done));
        finishSaving();
    });
}

bool DocumentWindow::saveTo(const QString& path, QString* error)
{
    finishLoading();
    if (const QString refusal = refusalToSaveAs(path); !refusal.isEmpty()) {
        if (error) *error = refusal;
        return false;
    }
    if (!m_file->write(path, m_editor->textView()->text(), error)) return false;
    tookName(path, m_editor->textView()->textRevision());
    return true;
}

void DocumentWindow::offerWriteBack(const QString& path, const AutosaveStore::Baseline& baseline,
                                    std::function<void()> answered)
{
    m_file->setKeptFor(path, baseline);
    updateTitle();
    auto& prompts = DocumentController::instance().prompts();
    const auto ended = [answered] {
        if (answered) answered();
    };
    if (!prompts.offerWriteBack) {
        ended();
        return;
    }
    // Answered once the questions that writing back may ask in turn are answered too.
    prompts.offerWriteBack(this, path, whileAlive([this, ended](bool writeBack) {
                               if (writeBack)
                                   writeBackKeptText(ended);
                               else
                                   ended();
                           }));
}

void DocumentWindow::writeBackKeptText(const std::function<void()>& ended)
{
    const QString path = m_file->keptFor();
    if (path.isEmpty()) {
        ended();
        return;
    }
    // Over the file the text was kept for, which may have changed since the copy's first launch
    // found it (in its own window, by another program): that is asked about first, as for any
    // file.
    const WriteDecision::Facts facts{isDocumentEdited(),
                                     false,
                                     m_file->keptForState(),
                                     false,
                                     MarkdownDocument::hasOtherLinks(path),
                                     Ask::Save,
                                     bool(DocumentController::instance().prompts().resolveExternalChange)};
    using Step = WriteDecision::Step;
    const Step step = WriteDecision::decide(facts);
    if (WriteDecision::writesFile(step)) {
        writeBackNow(path);
        ended();
        return;
    }
    const QString name = QFileInfo(path).fileName();
    const bool deleted = facts.disk == DiskStamp::State::Missing;
    if (step != Step::Ask) {
        alert(tr("The document “%1” could not be saved.").arg(displayName()), notWrittenOver(name, deleted));
        ended();
        return;
    }
    using Choice = DocumentController::ExternalChangeChoice;
    DocumentController::instance().prompts().resolveExternalChange(
        this, name, deleted, whileAlive([this, path, deleted, ended](Choice choice) {
            switch (choice) {
            case Choice::KeepMine: writeBackNow(path); break;
            case Choice::Reload:
                // The file's own text is shown in its window; this one keeps the text kept aside.
                if (!deleted) DocumentController::instance().openDocument(path);
                break;
            case Choice::SaveAs: saveAsThen([ended](bool) { ended(); }); return;
            case Choice::Cancel: break;
            }
            ended();
        }));
}

void DocumentWindow::writeBackNow(const QString& path)
{
    // The file's own window (opened by hand) shows what may be incomplete: unless it was
    // edited since, it gives way to the text kept aside for it.
    DocumentWindow* other = DocumentController::instance().windowForPath(path);
    if (other && other != this && !other->isDocumentEdited()) {
        other->closeWithoutAsking();
        delete other; // gone now, not at the next turn of the event loop: the file is free
    }
    QString error;
    if (!saveTo(path, &error)) alert(tr("The document “%1” could not be saved.").arg(displayName()), error);
}

namespace {
// Set once the user was told that the autosave folder cannot be written; cleared by the next
// copy written there, so that a later failure is told again.
bool autosaveFolderReported = false;
} // namespace

void DocumentWindow::noteAutosaveFolder(bool written, const QString& error)
{
    if (written) {
        autosaveFolderReported = false;
        return;
    }
    if (std::exchange(autosaveFolderReported, true)) return;
    alert(tr("Unsaved text cannot be kept for the next launch."), error);
}

void DocumentWindow::keepAsideAfterFailedWrite()
{
    // A crash or a kill before the next good write would lose every edit since the last one:
    // the text waits in the autosave folder and comes back at the next launch.
    QString error;
    noteAutosaveFolder(m_file->keepAside(m_editor->textView()->text(), &error), error);
}

void DocumentWindow::keepAsideWhileUndecided()
{
    // The question on screen already says the text is unsaved; a copy that cannot be made is
    // only logged.
    if (isDocumentEdited()) m_file->keepAside(m_editor->textView()->text());
}

void DocumentWindow::settle()
{
    m_autosaveTimer->stop();
    // A save asked for meanwhile is still copying for its write.
    if (m_saveWaiters.isEmpty()) m_copyTimer->stop();
    m_editor->setModified(false);
}

bool DocumentWindow::autosave(QString* error)
{
    finishLoading();
    // Never asks, so the outcome is known at once.
    SaveOutcome result = SaveOutcome::Failed;
    autosaveAsking(Ask::Nobody, [&result, error](SaveOutcome outcome, const QString& message) {
        result = outcome;
        if (error) *error = message;
    });
    return result == SaveOutcome::Saved;
}

void DocumentWindow::noteAutosaveOutcome(SaveOutcome outcome, const QString& error)
{
    // Say so once, not after every pause in typing; the edited mark stays until a write works.
    // A draft that cannot be written is told once for the whole program.
    if (isUntitled() && outcome != SaveOutcome::Cancelled)
        noteAutosaveFolder(outcome == SaveOutcome::Saved, error);
    else if (outcome == SaveOutcome::Failed && !m_autosaveFailed)
        alert(tr("The document “%1” could not be autosaved.").arg(displayName()), error);
    m_autosaveFailed = outcome != SaveOutcome::Saved;
}

void DocumentWindow::autosaveAfterPause()
{
    finishLoading();
    m_autosaveTimer->stop();
    using Step = WriteDecision::Step;
    // A write under way is not waited for: the copy waits for it, and what to do is decided
    // once it has landed (writeCopyInBackground).
    if (!m_file->isWriting()) {
        const WriteDecision::Facts facts = writeFacts(Ask::Autosave);
        const Step step = WriteDecision::decide(facts);
        // Nothing to write, or a file another program changed, asked about first (unless the
        // user put that off).
        if (step == Step::Nothing || step == Step::Ask || step == Step::Refuse) {
            carryOut(facts, [this](SaveOutcome outcome, const QString& error) { noteAutosaveOutcome(outcome, error); });
            return;
        }
    }
    m_copyTimer->setInterval(0);
    m_copyTimer->start();
    copyForAutosave();
}

void DocumentWindow::copyForAutosave()
{
    // One write at a time: this one waits for the write before it, looking again shortly. A
    // paste going in is waited for too: a copy made now would lack its rest.
    if (m_file->isWriting() || m_editor->isTakingText()) {
        m_copyTimer->setInterval(50);
        return;
    }
    m_copyTimer->setInterval(0);
    if (!m_mirror.catchUp(*m_editor->textView(), kCopyStepUnits)) return;
    m_copyTimer->stop();
    // A save waiting for the copy writes it; it serves the autosave too.
    if (m_saveWaiters.isEmpty())
        writeCopyInBackground();
    else
        writeSaveInBackground();
}

void DocumentWindow::writeCopyInBackground()
{
    using Step = WriteDecision::Step;
    const TextMirror::Snapshot copy = m_mirror.snapshot();
    // The file is looked at again: the copy took a while.
    const WriteDecision::Facts facts = writeFacts(Ask::Autosave);
    const Step step = WriteDecision::decide(facts);
    if (step == Step::Nothing || step == Step::Ask || step == Step::Refuse) {
        carryOut(facts, [this](SaveOutcome outcome, const QString& error) { noteAutosaveOutcome(outcome, error); });
        return;
    }
    // Untitled: the draft. A changed file whose question was put off is not written; the
    // newest text waits aside.
    const bool inPlace = WriteDecision::writesFile(step);
    m_file->writeInBackground(targetOf(step), copy.pieces,
                              whileAlive([this, inPlace, revision = copy.revision](bool ok, const QString& error) {
                                  if (isUntitled()) {
                                      noteAutosaveOutcome(ok ? SaveOutcome::Saved : SaveOutcome::Failed, error);
                                      return;
                                  }
                                  if (!inPlace) {
                                      noteAutosaveOutcome(SaveOutcome::Cancelled, {});
                                      return;
                                  }
                                  if (!ok) {
                                      keepAsideAfterFailedWrite();
                                      noteAutosaveOutcome(SaveOutcome::Failed, error);
                                      return;
                                  }
                                  // Typed meanwhile: that text is still to be written, after the next pause.
                                  if (m_editor->textView()->textRevision() == revision) settle();
                                  Q_EMIT m_events->saved(filePath());
                                  noteAutosaveOutcome(SaveOutcome::Saved, {});
                              }));
}

void DocumentWindow::autosaveAsking(Ask ask, Outcome done)
{
    // Writes nobody waits for at once: a save still under way lands first.
    if (ask == Ask::Nobody || ask == Ask::Closing) finishSaving();
    m_autosaveTimer->stop();
    if (m_saveWaiters.isEmpty()) m_copyTimer->stop();
    carryOut(writeFacts(ask), std::move(done));
}

void DocumentWindow::carryOut(const WriteDecision::Facts& facts, Outcome done)
{
    using Step = WriteDecision::Step;
    m_autosaveTimer->stop();
    const bool deleted = facts.disk == DiskStamp::State::Missing;
    switch (const Step step = WriteDecision::decide(facts)) {
    case Step::Nothing: done(SaveOutcome::Saved, {}); return;
    case Step::ChooseName:
        // The save panel reports its own failures.
        saveAsThen([done](bool ok) { done(ok ? SaveOutcome::Saved : SaveOutcome::Cancelled, {}); });
        return;
    case Step::Draft: {
        QString error;
        const bool ok = m_file->saveDraft(m_editor->textView()->text(), &error);
        done(ok ? SaveOutcome::Saved : SaveOutcome::Failed, error);
        return;
    }
    case Step::InPlace:
    case Step::InPlaceAsideFirst: writeInPlaceNow(facts.asker, step, done); return;
    case Step::AsideUntilDecided:
        // Not written until the user decides; meanwhile the newest text waits aside.
        keepAsideWhileUndecided();
        done(SaveOutcome::Cancelled, {});
        return;
    case Step::RefuseKeepingAside: m_file->keepAside(m_editor->textView()->text()); [[fallthrough]];
    case Step::Refuse: done(SaveOutcome::Failed, notWrittenOver(displayName(), deleted)); return;
    case Step::Ask: askAboutChange(facts, std::move(done)); return;
    }
}

void DocumentWindow::askAboutChange(const WriteDecision::Facts& facts, Outcome done)
{
    const bool deleted = facts.disk == DiskStamp::State::Missing;
    const Ask ask = facts.asker;
    // Written over the file as it is now, if the user keeps this text.
    const WriteDecision::Step over = WriteDecision::inPlace(facts.hardLinked);
    // The answer may be a while coming: a kill meanwhile must not take the typing with it.
    keepAsideWhileUndecided();
    using Choice = DocumentController::ExternalChangeChoice;
    DocumentController::instance().prompts().resolveExternalChange(
        this, displayName(), deleted, whileAlive([this, ask, deleted, over, done](Choice choice) {
            switch (choice) {
            case Choice::KeepMine: writeInPlaceNow(ask, over, done); return;
            case Choice::Reload:
                if (!deleted) {
                    QString error;
                    const bool ok = reloadFromDisk(&error);
                    done(ok ? SaveOutcome::Saved : SaveOutcome::Failed, error);
                    return;
                }
                // Let the removal stand: closing gives the text up, otherwise it stays unwritten.
                if (ask == Ask::Closing) {
                    done(SaveOutcome::Saved, {});
                    return;
                }
                [[fallthrough]];
            case Choice::Cancel:
                m_file->putOffExternalChange();
                done(SaveOutcome::Cancelled, {});
                return;
            case Choice::SaveAs:
                // The save panel reports its own failures.
                saveAsThen([done](bool ok) { done(ok ? SaveOutcome::Saved : SaveOutcome::Cancelled, {}); });
                return;
            }
        }));
}

void DocumentWindow::writeInPlaceNow(Ask ask, WriteDecision::Step step, const Outcome& done)
{
    // The text is copied a step at a time and written on the writing thread, as an autosave's
    // is: a save of a long text never holds up the window. A write nobody waits for ends here.
    m_saveStep = step;
    m_saveWaiters.append(done);
    m_copyTimer->setInterval(0);
    m_copyTimer->start();
    copyForAutosave();
    if (ask == Ask::Nobody || ask == Ask::Closing) finishSaving();
}

void DocumentWindow::writeSaveInBackground()
{
    const TextMirror::Snapshot copy = m_mirror.snapshot();
    m_file->writeInBackground(targetOf(m_saveStep), copy.pieces,
                              whileAlive([this, waiters = std::exchange(m_saveWaiters, {}),
                                          revision = copy.revision](bool ok, const QString& error) {
                                  if (!ok) {
                                      keepAsideAfterFailedWrite();
                                      for (const Outcome& done : waiters) done(SaveOutcome::Failed, error);
                                      return;
                                  }
                                  // Typed meanwhile: that text is still to be written, after the next pause.
                                  if (m_editor->textView()->textRevision() == revision) settle();
                                  Q_EMIT m_events->saved(filePath());
                                  for (const Outcome& done : waiters) done(SaveOutcome::Saved, {});
                              }));
}

void DocumentWindow::copyThen(CopyReady ready)
{
    m_copyWaiters.append(std::move(ready));
    m_waitersCopyTimer->start();
    copyForWaiters(kCopyStepUnits);
}

void DocumentWindow::copyForWaiters(qsizetype budget)
{
    if (m_copyWaiters.isEmpty()) return;
    // A paste going in: a copy made now would lack its rest. One that cannot wait puts it in.
    if (budget == std::numeric_limits<qsizetype>::max()) {
        m_editor->finishTakingText();
    } else if (m_editor->isTakingText()) {
        m_waitersCopyTimer->setInterval(50);
        return;
    }
    m_waitersCopyTimer->setInterval(0);
    if (!m_mirror.catchUp(*m_editor->textView(), budget)) return;
    m_waitersCopyTimer->stop();
    const TextMirror::Snapshot copy = m_mirror.snapshot();
    for (const CopyReady& ready : std::exchange(m_copyWaiters, {})) ready(copy);
}

void DocumentWindow::finishSaving()
{
    // A Save As still copying starts its write, which lands below.
    copyForWaiters(std::numeric_limits<qsizetype>::max());
    if (!m_saveWaiters.isEmpty()) {
        m_copyTimer->stop();
        m_editor->finishTakingText();
        m_file->finishWrite(); // the write before this one, if any
        m_mirror.catchUp(*m_editor->textView(), std::numeric_limits<qsizetype>::max());
        writeSaveInBackground();
    }
    m_file->finishWrite();
}

bool DocumentWindow::reloadFromDisk(QString* error)
{
    const auto doc = m_file->reload(error);
    if (!doc) return false;
    EditorTextView* view = m_editor->textView();
    const QString text = LineEndings::toLineFeeds(doc->text);
    if (text != view->text()) {
        // Only the stretch that differs is replaced, as one undoable edit: the caret stays
        // with its text, and a long file of which another program changed a few lines takes
        // those lines instead of all of its text again.
        m_controller->replaceDocumentText(text);
        // A view that refuses the edit still gets the file's text, without undo.
        if (view->text() != text) m_editor->loadText(text);
    }
    settle();
    return true;
}

void DocumentWindow::checkFileOnDisk()
{
    // Our own write is under way: the file is looked at once it has landed.
    if (m_file->isWriting()) return;
    const DiskStamp::State disk = m_file->checkDisk();
    if (disk == DiskStamp::State::Unchanged) return;
    finishLoading();
    if (isDocumentEdited()) return;
    QString error;
    if (disk == DiskStamp::State::Changed && reloadFromDisk(&error)) return;
    // Gone, or no longer readable: the text in the window is now the only copy.
    m_editor->setModified(true);
}

void DocumentWindow::decideClose(Done done)
{
    // What was typed and pasted is in the text before it is written.
    m_editor->finishInput();
    m_editor->finishPendingEdit();
    const QString couldNotSave = tr("The document “%1” could not be saved.").arg(displayName());
    if (isClosingForQuit()) {
        // Quitting keeps an untitled document's text for the next launch instead of asking.
        if (isUntitled() && !isDocumentEdited()) {
            m_file->dropDraft();
            done(true);
            return;
        }
        autosaveAsking(Ask::Closing, [this, done, couldNotSave](SaveOutcome outcome, const QString& error) {
            switch (outcome) {
            case SaveOutcome::Saved:
                if (!isUntitled()) m_file->dropDraft(); // settled: a copy kept aside is not needed
                done(true);
                return;
            case SaveOutcome::Cancelled: done(false); return;
            case SaveOutcome::Failed:
                alert(couldNotSave, error);
                askToSave(done);
                return;
            }
        });
        return;
    }
    const auto settled = [this, done](bool ok) {
        if (ok) m_file->dropDraft(); // an untitled draft, or a copy kept aside
        done(ok);
    };
    if (!isDocumentEdited()) {
        settled(true);
        return;
    }
    if (isUntitled()) {
        askToSave(settled);
        return;
    }
    // A saved document is written in place; ask only when that fails.
    autosaveAsking(Ask::Closing, [this, settled, couldNotSave](SaveOutcome outcome, const QString& error) {
        switch (outcome) {
        case SaveOutcome::Saved: settled(true); return;
        case SaveOutcome::Cancelled: settled(false); return;
        case SaveOutcome::Failed:
            alert(couldNotSave, error);
            askToSave(settled);
            return;
        }
    });
}

void DocumentWindow::askToSave(Done done)
{
    auto& prompts = DocumentController::instance().prompts();
    if (!prompts.askSaveChanges) {
        done(false);
        return;
    }
    keepAsideWhileUndecided();
    prompts.askSaveChanges(this, displayName(), whileAlive([this, done](DocumentController::SaveChoice choice) {
                               switch (choice) {
                               case DocumentController::SaveChoice::Save: saveAsThen(done); return;
                               case DocumentController::SaveChoice::DontSave:
                                   // An older autosaved copy must not come back after the user discarded the changes.
                                   m_file->dropDraft();
                                   done(true);
                                   return;
                               case DocumentController::SaveChoice::Cancel: done(false); return;
                               }
                           }));
}
