#include "files/MarkdownDocument.h"
#include "TestFiles.h"
#include "platform/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace {
void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

TEST(MarkdownDocument, BytesRoundTripExactly)
{
    // Empty, plain ASCII, CR LF, multi-byte and 4-byte characters, a BOM, a BOM followed by
    // a second U+FEFF that belongs to the text, NUL bytes.
    const QList<QByteArray> cases{"",
                                  "abc",
                                  "# Title\r\n\r\nline\r\n",
                                  "mixed\nends\r\nhere\r",
                                  "caf\xC3\xA9 \xF0\x9F\x91\x8D \xE2\x80\xA8",
                                  "\xEF\xBB\xBF# with mark\n",
                                  "\xEF\xBB\xBF\xEF\xBB\xBFtwo",
                                  QByteArray("a\0b", 3)};
    for (const QByteArray& bytes : cases) {
        QString err;
        const auto doc = MarkdownDocument::fromBytes(bytes, &err);
        ASSERT_TRUE(doc) << bytes.toHex().constData() << " " << err.toStdString();
        EXPECT_EQ(doc->toBytes(), bytes) << bytes.toHex().constData();
    }
    EXPECT_EQ(MarkdownDocument{"abc"}.toBytes(), QByteArray("abc"));
    const auto bom = MarkdownDocument::fromBytes("\xEF\xBB\xBF---\n");
    EXPECT_TRUE(bom->hasByteOrderMark);
    EXPECT_EQ(bom->text, "---\n"); // the mark is not text: a front-matter fence stays at 0
    EXPECT_EQ(MarkdownDocument::fromBytes("\xEF\xBB\xBF\xEF\xBB\xBFx")->text, QString(QChar(0xFEFF)) + "x");
}

TEST(MarkdownDocument, InvalidUtf8IsRefusedWithTheOffendingByte)
{
    QString err;
    EXPECT_FALSE(MarkdownDocument::fromBytes("caf\xE9", &err));
    EXPECT_TRUE(err.contains("0xE9")) << err.toStdString();
    EXPECT_TRUE(err.contains("offset 3")) << err.toStdString();

    // Overlong, surrogate, beyond U+10FFFF, truncated, stray continuation, 0xFF.
    for (const char* bad :
         {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "ab\xE2\x82", "\x80", "\xFF"})
        EXPECT_FALSE(MarkdownDocument::fromBytes(bad)) << QByteArray(bad).toHex().constData();
    EXPECT_EQ(MarkdownDocument::firstInvalidUtf8("ok\xF0\x9F\x91\x8D\xC3"), 6);
    // Found wherever it falls among runs of ASCII, which are read eight bytes at a time.
    for (int at = 0; at < 20; ++at) {
        QByteArray bytes(24, 'a');
        bytes[at] = '\xFF';
        EXPECT_EQ(MarkdownDocument::firstInvalidUtf8(bytes), at);
        const QByteArray after = QByteArray(at, 'a') + "\xC3\xA9" + QByteArray(at, 'b') + "\xE2\x82";
        EXPECT_EQ(MarkdownDocument::firstInvalidUtf8(after), 2 * at + 2);
    }
}

TEST(MarkdownDocument, ReadRefusesLatin1AndFoldersWithoutTouchingTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("latin.md");
    writeAll(path, "r\xE9sum\xE9\n");
    QString err;
    EXPECT_FALSE(MarkdownDocument::read(path, &err));
    EXPECT_TRUE(err.contains("latin.md")) << err.toStdString();
    EXPECT_EQ(fileBytes(path), QByteArray("r\xE9sum\xE9\n"));

    EXPECT_FALSE(MarkdownDocument::read(dir.path(), &err));
    EXPECT_FALSE(MarkdownDocument::read(dir.filePath("missing.md"), &err));
    EXPECT_TRUE(err.contains("missing.md"));
}

TEST(MarkdownDocument, PipesAndDevicesAreRefusedWithoutReading)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe.md");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QString err;
    auto reading = std::async(std::launch::async, [&] { return MarkdownDocument::read(fifo, &err); });
    if (reading.wait_for(std::chrono::seconds(3)) != std::future_status::ready) {
        ADD_FAILURE() << "reading a pipe blocked";
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK); // let it end
        if (fd >= 0) ::close(fd);
    }
    EXPECT_FALSE(reading.get());
    EXPECT_EQ(err, QString("“pipe.md” is a pipe, not a text file."));

    const QString zero = dir.filePath("zero.md");
    ASSERT_TRUE(QFile::link("/dev/zero", zero));
    EXPECT_FALSE(MarkdownDocument::read(zero, &err));
    EXPECT_EQ(err, QString("“zero.md” is a device, not a text file."));
}

TEST(MarkdownDocument, SaveWritesBytesAndAFailedSaveLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.md");
    MarkdownDocument doc{"line one\r\nline two\r\n"};
    QString err;
    ASSERT_TRUE(doc.write(path, &err)) << err.toStdString();
    EXPECT_EQ(fileBytes(path), QByteArray("line one\r\nline two\r\n"));
    EXPECT_EQ(MarkdownDocument::read(path), doc);

    // The temporary file of an atomic save carries a suffix; with the name at the file
    // system's limit it cannot be created (this holds even for root, unlike permissions).
    const QString longPath = dir.filePath(QString(250, u'n') + ".md");
    writeAll(longPath, "old contents\n");
    ASSERT_EQ(fileBytes(longPath), QByteArray("old contents\n"));
    err.clear();
    EXPECT_FALSE(MarkdownDocument{"new"}.write(longPath, &err));
    EXPECT_FALSE(err.isEmpty());
    EXPECT_TRUE(err.contains("could not be saved")) << err.toStdString();
    EXPECT_EQ(fileBytes(longPath), QByteArray("old contents\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no stray temporary file

    // Saving into a folder that does not exist fails and says so.
    EXPECT_FALSE(MarkdownDocument{"x"}.write(dir.filePath("nope/b.md"), &err));
}

// A disk that cannot hold the new text never gets it reported as saved: the old file stays
// whole, for a text smaller than any buffer on the way and for one larger.
TEST(MarkdownDocument, AWriteTheDiskCannotHoldFailsAndLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.md");
    for (const qsizetype size : {qsizetype(100), qsizetype(100 * 1024)}) {
        writeAll(path, "old text\n");
        const MarkdownDocument doc{QString(size, u'n')};
        EXPECT_EQ(underFileSizeLimit(size / 2, [&] { return doc.write(path); }), false) << size;
        EXPECT_EQ(fileBytes(path), QByteArray("old text\n")) << size;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << size; // nothing left behind
    }
}

TEST(MarkdownDocument, SaveThroughASymlinkWritesTheTargetAndKeepsPermissions)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("real.md");
    writeAll(target, "old");
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(QFile::link(target, dir.filePath("link.md")));
    ASSERT_TRUE(MarkdownDocument{"new"}.write(dir.filePath("link.md")));
    EXPECT_TRUE(QFileInfo(dir.filePath("link.md")).isSymLink());
    EXPECT_EQ(fileBytes(target), QByteArray("new"));
    const auto perms = QFile::permissions(target);
    EXPECT_TRUE(perms & QFileDevice::ReadOwner);
    EXPECT_FALSE(perms & (QFileDevice::ReadGroup | QFileDevice::ReadOther)); // a private file stays private
}

TEST(MarkdownDocument, MixedLineEndingsAreKeptPerLine)
{
    EXPECT_TRUE(MarkdownDocument::hasUniformLineEndings(u"a\r\nb\r\n"));
    EXPECT_TRUE(MarkdownDocument::hasUniformLineEndings(u"no break"));
    EXPECT_FALSE(MarkdownDocument::hasUniformLineEndings(u"a\r\nb\n"));
    EXPECT_FALSE(MarkdownDocument::hasUniformLineEndings(u"a\rb\r\n"));
    EXPECT_FALSE(MarkdownDocument::hasUniformLineEndings(u"a\u2029b"));

    const QString original = "one\r\ntwo\nthree\rfour\u2029five\r\n";
    const auto with = [&](const QString& lf) { return MarkdownDocument::withLineEndingsOf(lf, original); };
    // Unedited: byte for byte.
    EXPECT_EQ(with("one\ntwo\nthree\nfour\nfive\n"), original);
    // An edited line keeps its own break; lines after an inserted or removed one keep theirs.
    EXPECT_EQ(with("one\nTWO!\nthree\nfour\nfive\n"), "one\r\nTWO!\nthree\rfour\u2029five\r\n");
    EXPECT_EQ(with("zero\none\ntwo\nthree\nfour\nfive\n"), "zero\r\none\r\ntwo\nthree\rfour\u2029five\r\n");
    EXPECT_EQ(with("one\nthree\nfour\nfive\n"), "one\r\nthree\rfour\u2029five\r\n");
    // Two separate insertions leave the lines between them alone.
    EXPECT_EQ(with("one\nnew\ntwo\nthree\nfour\nnewer\nfive\n"), "one\r\nnew\r\ntwo\nthree\rfour\u2029newer\rfive\r\n");
    // A split line: the first half keeps the break, the new half copies it.
    EXPECT_EQ(with("one\ntw\no\nthree\nfour\nfive\n"), "one\r\ntw\no\nthree\rfour\u2029five\r\n");
    // The last line of the original gains a break when text is typed after it.
    EXPECT_EQ(MarkdownDocument::withLineEndingsOf("a\nb\nc", "a\r\nb\nc"), "a\r\nb\nc");
    EXPECT_EQ(MarkdownDocument::withLineEndingsOf("a\nb\nc\nd", "a\r\nb\nc"), "a\r\nb\nc\nd");
    EXPECT_EQ(MarkdownDocument::withLineEndingsOf("", "a\r\nb\n"), "");
    EXPECT_EQ(MarkdownDocument::withLineEndingsOf("x\ny", ""), "x\ny");
}
