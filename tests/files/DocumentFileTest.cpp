#include "files/FilesTestSupport.h"

#include "files/DocumentFile.h"
#include "platform/FileSizeLimit.h"
#include "platform/TextUtil.h"

#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class DocumentFileTest : public FilesTest {
protected:
    // The file at `rel` with `bytes`, opened as a document is.
    std::unique_ptr<DocumentFile> open(const QString& rel, const QByteArray& bytes)
    {
        const QString p = makeFile(rel, bytes);
        const auto doc = MarkdownDocument::read(p);
        if (!doc) return nullptr;
        return std::make_unique<DocumentFile>(*doc, p, store());
    }
    AutosaveStore store() const { return AutosaveStore(path("Autosave")); }
};

} // namespace

// The editor holds LF breaks only; a file whose breaks are mixed is written back with each
// line's own break, an edited line too, and a new line takes the break of the line before it.
TEST_F(DocumentFileTest, MixedLineEndingsSurviveEditsOfOtherLines)
{
    auto file = open("mixed.md", "# Mixed\r\nlf line\ncr line\rpara\xE2\x80\xA9graph\r\nend");
    ASSERT_TRUE(file);
    // The editor shows a paragraph separator as a break too.
    const QString lf =
        LineEndings::toLineFeeds(QString::fromUtf8(read(path("mixed.md")))).replace(QChar(0x2029), u'\n');
    QString error;
    ASSERT_TRUE(file->write(file->path(), lf, &error)) << error.toStdString(); // unedited: byte for byte
    EXPECT_EQ(read(path("mixed.md")), QByteArray("# Mixed\r\nlf line\ncr line\rpara\xE2\x80\xA9graph\r\nend"));

    QString edited = lf;
    edited.replace("cr line", "cr line!");
    edited.replace("# Mixed\n", "# Mixed\nadded\n");
    ASSERT_TRUE(file->write(file->path(), edited, &error));
    EXPECT_EQ(read(path("mixed.md")),
              QByteArray("# Mixed\r\nadded\r\nlf line\ncr line!\rpara\xE2\x80\xA9graph\r\nend"));

    // The written text is the new reference: a later save still knows each line's break.
    ASSERT_TRUE(file->write(file->path(), edited + "ing", &error));
    EXPECT_EQ(read(path("mixed.md")),
              QByteArray("# Mixed\r\nadded\r\nlf line\ncr line!\rpara\xE2\x80\xA9graph\r\nending"));
}

// Our own writes and a rewrite with the same bytes are no change; another program's write is
// reported once it settled, and a reload is the new state on disk.
TEST_F(DocumentFileTest, TellsOtherProgramsWritesFromItsOwn)
{
    auto file = open("follow.md", "\xEF\xBB\xBFold\r\n");
    ASSERT_TRUE(file);
    QSignalSpy changed(file.get(), &DocumentFile::changedOnDisk);
    QString error;
    ASSERT_TRUE(file->write(file->path(), "old\nmine\n", &error));
    EXPECT_EQ(read(file->path()), QByteArray("\xEF\xBB\xBFold\r\nmine\r\n"));
    makeFile("follow.md", "\xEF\xBB\xBFold\r\nmine\r\n");
    EXPECT_EQ(file->checkDisk(), DiskStamp::State::Unchanged);

    makeFile("follow.md", "theirs\n");
    ASSERT_TRUE(changed.wait(3000));
    EXPECT_EQ(file->checkDisk(), DiskStamp::State::Changed);
    const auto doc = file->reload(&error);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->text, "theirs\n");
    EXPECT_FALSE(file->hasByteOrderMark());
    EXPECT_EQ(file->checkDisk(), DiskStamp::State::Unchanged);
    EXPECT_EQ(file->fileText("theirs\nmore\n"), "theirs\nmore\n");

    ASSERT_TRUE(QFile::rename(file->path(), path("moved.md")));
    EXPECT_EQ(file->checkDisk(), DiskStamp::State::Missing);
}

// An untitled document's draft goes when it gets a file; a copy kept aside goes with the
// next good write; both hold the text with the file's breaks.
TEST_F(DocumentFileTest, DraftsAndCopiesKeptAsideGoOnceTheTextIsSafe)
{
    DocumentFile untitled(MarkdownDocument{}, QString(), store());
    QString error;
    ASSERT_TRUE(untitled.saveDraft("draft", &error));
    ASSERT_EQ(store().entries().size(), 1);
    EXPECT_EQ(store().entries().first().id, untitled.draftId());
    ASSERT_TRUE(untitled.write(path("named.md"), "draft", &error));
    EXPECT_TRUE(untitled.setPath(path("named.md")));
    EXPECT_FALSE(untitled.setPath(path("./named.md")));
    EXPECT_TRUE(store().entries().isEmpty());

    auto file = open("crlf.md", "a\r\n");
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->draftId().isEmpty());
    ASSERT_TRUE(file->keepAside("a\nb\n"));
    ASSERT_EQ(store().entries().size(), 1);
    EXPECT_EQ(store().entries().first().text, "a\r\nb\r\n");
    ASSERT_TRUE(file->write(file->path(), "a\nb\n", &error));
    EXPECT_TRUE(store().entries().isEmpty());
}

// Every line the user keeps survives the save, whatever the breaks around it: an emptied line
// between a CR line and an LF line must not turn the two breaks into one CR LF.
TEST_F(DocumentFileTest, AnEmptiedLineBetweenCrAndLfBreaksIsKept)
{
    auto file = open("cr.md", "first\rsecond\nthird\n");
    ASSERT_TRUE(file);
    QString error;
    for (const QString& edited : {QString("first\n\nthird\n"), QString("first\n\n\nthird\n"), QString("first\n\n")}) {
        ASSERT_TRUE(file->write(file->path(), edited, &error)) << error.toStdString();
        const auto back = MarkdownDocument::read(file->path());
        ASSERT_TRUE(back);
        EXPECT_EQ(LineEndings::toLineFeeds(back->text), edited) << back->text.toStdString();
        makeFile("cr.md", "first\rsecond\nthird\n");
        ASSERT_TRUE(file->reload(&error));
    }
}

// Saving replaces the file atomically, but it stays the user's: owner, group and mode carry
// over, and a file with several hard links is written in place so that every name sees the
// new text.
TEST_F(DocumentFileTest, ASaveKeepsOwnerGroupModeAndHardLinks)
{
    auto file = open("shared.md", "old\n");
    ASSERT_TRUE(file);
    const QByteArray p = QFile::encodeName(file->path());
    ASSERT_EQ(::chmod(p.constData(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(p.constData(), 4242, 4343), 0);
    }
    QString error;
    ASSERT_TRUE(file->write(file->path(), "new\n", &error)) << error.toStdString();
    struct stat st {};
    ASSERT_EQ(::stat(p.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(st.st_uid, 4242u);
        EXPECT_EQ(st.st_gid, 4343u);
    }

    const QString other = path("other-name.md");
    ASSERT_EQ(::link(p.constData(), QFile::encodeName(other).constData()), 0);
    ASSERT_TRUE(file->write(file->path(), "newer\n", &error)) << error.toStdString();
    EXPECT_EQ(read(other), QByteArray("newer\n"));
    ASSERT_EQ(::stat(p.constData(), &st), 0);
    EXPECT_EQ(st.st_nlink, 2u);
    EXPECT_TRUE(store().entries().isEmpty()); // the copy kept aside for the write goes with it
}

// A file with several hard links is written over in place. A disk that cannot hold the new
// text leaves every name on the old one, and the new text waits in the autosave folder.
TEST_F(DocumentFileTest, AHardLinkedFileTheDiskCannotHoldKeepsItsTextAndTheNewOneAside)
{
    const QByteArray old = "\xEF\xBB\xBFold\n";
    auto file = open("shared.md", old);
    ASSERT_TRUE(file);
    const QByteArray p = QFile::encodeName(file->path());
    ASSERT_EQ(::link(p.constData(), QFile::encodeName(path("other.md")).constData()), 0);
    const QString text(100 * 1024, u'n');
    // The copy kept aside has no byte-order mark: it fits under a limit that the file, three
    // bytes longer, does not.
    QString error;
    EXPECT_EQ(underFileSizeLimit(text.size(), [&] { return file->write(file->path(), text, &error); }), false);
    EXPECT_EQ(read(file->path()), old);
    EXPECT_EQ(read(path("other.md")), old);
    struct stat st {};
    ASSERT_EQ(::stat(p.constData(), &st), 0);
    EXPECT_EQ(st.st_nlink, 2u);
    ASSERT_EQ(store().entries().size(), 1);
    EXPECT_EQ(store().entries().first().text, text);
}

// A write on another thread takes the file's breaks and mark as a write here does, and
// lands before anything else reads or writes the file: a later write is never overtaken.
TEST_F(DocumentFileTest, ABackgroundWriteLandsBeforeAnyLaterOne)
{
    auto file = open("bg.md", "\xEF\xBB\xBFold\r\n");
    ASSERT_TRUE(file);
    QStringList landed;
    file->writeInBackground(DocumentFile::Target::File, {"old\nne", "wer\n"},
                            [&](bool ok, const QString&) { landed << (ok ? "written" : "failed"); });
    EXPECT_TRUE(file->isWriting());
    QString error;
    ASSERT_TRUE(file->write(file->path(), "newest\n", &error));
    EXPECT_EQ(landed, QStringList{"written"});
    EXPECT_EQ(read(file->path()), QByteArray("\xEF\xBB\xBFnewest\r\n"));

    file->writeInBackground(DocumentFile::Target::File, {"by the thread\n"},
                            [&](bool, const QString&) { landed << "second"; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !file->isWriting(); }, 5000));
    EXPECT_EQ(landed.last(), "second");
    EXPECT_EQ(read(file->path()), QByteArray("\xEF\xBB\xBF"
                                             "by the thread\r\n"));
    EXPECT_EQ(file->checkDisk(), DiskStamp::State::Unchanged);

    file->writeInBackground(DocumentFile::Target::Aside, {"aside\n"}, {});
    file->finishWrite();
    ASSERT_EQ(store().entries().size(), 1);
    EXPECT_EQ(store().entries().first().text, "aside\r\n");
}

// A failed write says what happened in words the user can act on, not the system's errno.
TEST_F(DocumentFileTest, AFailedWriteSaysWhatHappened)
{
    auto file = open("a.md", "a\n");
    ASSERT_TRUE(file);
    QString error;
    EXPECT_FALSE(file->write(path("gone/b.md"), "a\n", &error));
    EXPECT_TRUE(error.contains("the folder") && error.contains("does not exist")) << error.toStdString();

    // The autosave folder's failures name the folder, never the copy's internal file name.
    makeFile("Autosave", "a file where the folder should be");
    DocumentFile untitled(MarkdownDocument{}, QString(), store());
    EXPECT_FALSE(untitled.saveDraft("text", &error));
    EXPECT_TRUE(error.contains(path("Autosave"))) << error.toStdString();
    EXPECT_FALSE(error.contains(untitled.draftId())) << error.toStdString();
}
