#include "ExportTestSupport.h"
#include "files/FolderAccess.h"
#include "render/export/PageFiles.h"
#include "render/export/PaginatedPDFRenderer.h"
#include "render/export/PrintController.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QWebEnginePage>
#include <gtest/gtest.h>

#include <sys/resource.h>

namespace {

QByteArray renderNow(const PdfRequest& request)
{
    QByteArray result;
    bool done = false;
    PrintController::render(request, nullptr, [&](const QByteArray& pdf) {
        result = pdf;
        done = true;
    });
    EXPECT_TRUE(waitFor([&] { return done; }));
    return result;
}

} // namespace

TEST(PaginatedPDFRenderer, EmptyDocumentIsOneLetterPageWithHeaderAndFooter)
{
    ScopedSettings settings;
    PdfReader pdf(renderNow({QString(), QStringLiteral("Notes"), {}, {}, {}}));
    ASSERT_EQ(pdf.pages(), 1);
    EXPECT_EQ(pdf.doc.pagePointSize(0).toSize(), QSize(612, 792));
    const QString text = pdf.text(0);
    EXPECT_TRUE(text.contains("Notes")) << text.toStdString();
    EXPECT_TRUE(text.contains("Page 1 of 1")) << text.toStdString();
}

TEST(PaginatedPDFRenderer, LongTextIsPaginatedWithEveryLineOnceAndEveryPageNumbered)
{
    ScopedSettings settings;
    Settings::instance().setValue("printHeaderTemplate", "{title} {date}");
    QString text;
    for (int i = 1; i <= 150; ++i) text += QStringLiteral("Line%1 of the body\n\n").arg(i, 4, 10, QLatin1Char('0'));
    PdfReader pdf(renderNow({text, QStringLiteral("Long {page}"), {}, {}, {}}));
    const int n = pdf.pages();
    ASSERT_GT(n, 3);
    QString all;
    for (int p = 0; p < n; ++p) {
        const QString t = pdf.text(p);
        EXPECT_TRUE(t.contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(n))) << p;
        EXPECT_TRUE(t.contains("Long {page}")) << "a title is not filled again";
        all += t;
    }
    // A line cut between two pages would be missing from both or appear on both.
    for (int i = 1; i <= 150; ++i)
        EXPECT_EQ(all.count(QStringLiteral("Line%1 of the body").arg(i, 4, 10, QLatin1Char('0'))), 1) << i;
}

TEST(PaginatedPDFRenderer, WideCodeAddressesAndTablesAreKeptWhole)
{
    ScopedSettings settings;
    QString table = "|", rule = "|", row = "|";
    for (int c = 1; c <= 15; ++c) {
        table += QStringLiteral(" H%1 |").arg(c);
        rule += "---|";
        row += c == 15 ? QStringLiteral(" LastCell |") : QStringLiteral(" c%1 |").arg(c);
    }
    const QString text = QStringLiteral("```\ncall(%1, CodeEnd)\n```\n\nhttps://example.org/%2/AddressEnd\n\n")
                             .arg(QString(100, u'a'), QString(100, u'b'))
                         + table + '\n' + rule + '\n' + row + '\n';
    PdfReader pdf(renderNow({text, QStringLiteral("t"), {}, {}, {}}));
    ASSERT_EQ(pdf.pages(), 1);
    const QString all = pdf.text(0).remove(QRegularExpression("\\s"));
    for (const char* end : {"CodeEnd)", "AddressEnd", "LastCell"}) EXPECT_TRUE(all.contains(end)) << end;
}

TEST(PaginatedPDFRenderer, LongRunsWithoutLettersPrintInTheOrderTheyHaveUnmarked)
{
    ScopedSettings settings;
    // Each paragraph has a run long enough to be marked for the engine: between letters of
    // either direction, at a paragraph's start and end, beside numbers, of mirrored characters,
    // through emphasis. Every page prints as it does with the marks made to do nothing.
    const QString run(1000, u'=');
    const QStringList paragraphs{
        "Total " + run + QStringLiteral(" \u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd"),
        QStringLiteral("\u05e9\u05dc\u05d5\u05dd ") + run + " world",
        QStringLiteral("\u05e9\u05dc\u05d5\u05dd ") + run + QStringLiteral(" \u05e2\u05d5\u05dc\u05dd"),
        "hello " + run + " world",
        run + QStringLiteral(" \u05e9\u05dc\u05d5\u05dd"),
        QStringLiteral("1234567890").repeated(100),
        "abc 12 " + QString(1000, u'(') + QStringLiteral(" 34 \u05e9\u05dc\u05d5\u05dd"),
        QStringLiteral("\u0645\u0631\u062d\u0628\u0627 1") + QString(1200, u'%') + "2 " + QString(1000, u'<') + " x",
        "x *" + QString(600, u'[') + "*" + QString(600, u'=') + QStringLiteral(" \u05e9\u05dc\u05d5\u05dd"),
    };
    const QString text = paragraphs.join("\n\n") + "\n";
    const QString inert = "span.bw-run.bw-run { unicode-bidi: normal !important; direction: inherit !important; }";
    for (const QString& page : {QString(), QStringLiteral("body { direction: rtl; }")}) {
        PdfReader marked(renderNow({text, QStringLiteral("t"), {}, {}, page + "\np {}"}));
        PdfReader unmarked(renderNow({text, QStringLiteral("t"), {}, {}, page + "\n" + inert}));
        ASSERT_GT(marked.pages(), 5);
        ASSERT_EQ(marked.pages(), unmarked.pages());
        for (int p = 0; p < marked.pages(); ++p)
            EXPECT_TRUE(marked.image(p, 50) == unmarked.image(p, 50)) << page.toStdString() << " page " << p + 1;
    }
}

TEST(PaginatedPDFRenderer, QueuedRequestsCompleteOnceEachInOrderAndSkipGoneCallers)
{
    ScopedSettings settings;
    QList<int> order;
    QList<int> pages;
    auto gone = std::make_unique<QObject>();
    // Several are made at once: the first, much longer, is made last yet still reported first.
    QString longText;
    for (int i = 1; i <= 400; ++i) longText += QStringLiteral("Paragraph %1 of the long request.\n\n").arg(i);
    for (int i = 0; i < 4; ++i) {
        QObject* context = i == 2 ? gone.get() : nullptr;
        const QString text = QStringLiteral("# Request %1\n\n").arg(i) + (i == 0 ? longText : QString());
        PrintController::render({text, QStringLiteral("t"), {}, {}, {}}, context,
                                [&order, &pages, i](const QByteArray& pdf) {
                                    order.append(i);
                                    pages.append(PdfReader(pdf).pages());
                                });
    }
    gone.reset(); // the window of request 2 closes while it waits
    ASSERT_TRUE(waitFor([&] { return order.size() == 3 && PrintController::pendingRequests() == 0; }));
    QTest::qWait(300);
    EXPECT_EQ(order, (QList<int>{0, 1, 3}));
    ASSERT_EQ(pages.size(), 3);
    EXPECT_GT(pages[0], 3);
    EXPECT_EQ(pages[1], 1);
    EXPECT_EQ(pages[2], 1);
}

TEST(PaginatedPDFRenderer, LoadsImagesOnlyFromInsideTheDocumentFolder)
{
    ScopedSettings settings;
    QTemporaryDir root;
    QDir(root.path()).mkdir("doc");
    writeFile(root.filePath("doc/inside.png"), solidPng(Qt::red));
    writeFile(root.filePath("outside.png"), solidPng(Qt::blue));
    const QString text = QStringLiteral("![a](inside.png)\n\n![b](../outside.png)\n\n![c](%1)\n")
                             .arg(QUrl::fromLocalFile(root.filePath("outside.png")).toString());
    PdfReader pdf(renderNow({text, QStringLiteral("t"), root.filePath("doc"), {}, {}}));
    ASSERT_EQ(pdf.pages(), 1);
    const QImage page = pdf.image(0);
    EXPECT_TRUE(hasColor(page, Qt::red));
    EXPECT_FALSE(hasColor(page, Qt::blue));
}

TEST(PaginatedPDFRenderer, LoadsImagesOfAFolderTheUserGranted)
{
    ScopedSettings settings;
    QTemporaryDir root;
    for (const char* folder : {"doc", "assets", "other"}) QDir(root.path()).mkdir(folder);
    writeFile(root.filePath("assets/cat.png"), solidPng(Qt::green));
    writeFile(root.filePath("other/dog.png"), solidPng(Qt::blue));
    ASSERT_TRUE(FolderAccess::grant(root.filePath("assets")));
    PdfReader pdf(renderNow({QStringLiteral("![a](../assets/cat.png) ![b](../other/dog.png)\n"),
                             QStringLiteral("t"),
                             root.filePath("doc"),
                             {},
                             {}}));
    ASSERT_EQ(pdf.pages(), 1);
    EXPECT_TRUE(hasColor(pdf.image(0), Qt::green));
    EXPECT_FALSE(hasColor(pdf.image(0), Qt::blue));
}

TEST(PaginatedPDFRenderer, EachDocumentLoadsFromItsOwnFolderAndPageFileNotThoseOfTheOneBefore)
{
    ScopedSettings settings;
    QTemporaryDir root;
    QDir(root.path()).mkdir("a");
    QDir(root.path()).mkdir("b");
    const QString picture = writeFile(root.filePath("a/pic.png"), solidPng(Qt::red));
    PdfReader first(renderNow({QStringLiteral("![a](pic.png)\n"), QStringLiteral("t"), root.filePath("a"), {}, {}}));
    ASSERT_TRUE(hasColor(first.image(0), Qt::red));
    // The next document, in another folder, names the first one's picture.
    const QString text = QStringLiteral("![b](%1)\n").arg(QUrl::fromLocalFile(picture).toString());
    PdfReader second(renderNow({text, QStringLiteral("t"), root.filePath("b"), {}, {}}));
    ASSERT_EQ(second.pages(), 1);
    EXPECT_FALSE(hasColor(second.image(0), Qt::red));
    // A page over 2 MB loads from a file of its own, which the gate of the page before did not allow.
    const QString large = QStringLiteral("![%1](pic.png)\n").arg(QString(2'300'000, u'a'));
    PdfReader third(renderNow({large, QStringLiteral("t"), root.filePath("a"), {}, {}}));
    ASSERT_EQ(third.pages(), 1);
    EXPECT_TRUE(hasColor(third.image(0), Qt::red));
}

TEST(PaginatedPDFRenderer, AFailedPdfLeavesTheOldFileAndAPageOverTwoMegabytesStillPrints)
{
    ScopedSettings settings;
    QTemporaryDir dir;
    writeFile(dir.filePath("pic.png"), solidPng(Qt::red));
    // The page is large, its print short: the bulk is the image's alternative text.
    const QString big = QStringLiteral("Before\n\n![%1](pic.png)\n\nAfter\n").arg(QString(2'300'000, u'a'));
    const QString target = writeFile(dir.filePath("out.pdf"), "the good old file");

    // With a file where the page folder should be, the large page cannot load.
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(writeFile(dir.filePath("not-a-folder"), "x")));
    bool ok = true;
    bool done = false;
    PrintController::writePDF({big, "big", dir.path(), {}, {}}, target, nullptr, [&](bool written, const QString&) {
        ok = written;
        done = true;
    });
    EXPECT_TRUE(waitFor([&] { return done; }));
    qputenv("XDG_RUNTIME_DIR", oldRuntime);
    EXPECT_FALSE(ok);
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "the good old file");
    f.close();

    done = false;
    PrintController::writePDF({big, "big", dir.path(), {}, {}}, target, nullptr, [&](bool written, const QString&) {
        ok = written;
        done = true;
    });
    EXPECT_TRUE(waitFor([&] { return done; }));
    EXPECT_TRUE(ok);
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    PdfReader pdf(written.readAll());
    EXPECT_EQ(pdf.pages(), 1);
    EXPECT_TRUE(hasColor(pdf.image(0), Qt::red)) << "the large page still resolves its images in its folder";
}

TEST(PaginatedPDFRenderer, APageUnderTwoMegabytesWhoseEncodingIsLargerStillPrints)
{
    ScopedSettings settings;
    // 1.4 MB of page, more than 2 MiB once percent-encoded for setHtml, in a link's title.
    const QString text =
        QStringLiteral("Before\n\n[After](https://example.org/ \"%1\")\n").arg(QString(700'000, QChar(0xE9)));
    EXPECT_FALSE(PaginatedPDFRenderer::fitsInline(PaginatedPDFRenderer::pdfPage({text, "t", {}, {}, {}}).toUtf8()));
    PdfReader pdf(renderNow({text, QStringLiteral("t"), {}, {}, {}}));
    ASSERT_EQ(pdf.pages(), 1);
    EXPECT_TRUE(pdf.text(0).contains("After"));
}

TEST(PaginatedPDFRenderer, MathAndDiagramsPrintAsTheirSourceWithNoScriptAndNoWait)
{
    ScopedSettings settings;
    const PdfRequest request{
        QStringLiteral("Formula $$x^2$$\n\n```mermaid\ngraph TD; A-->B\n```\n"), QStringLiteral("t"), {}, {}, {}};
    EXPECT_FALSE(PaginatedPDFRenderer::pdfPage(request).contains("<script"));
    QElapsedTimer clock;
    clock.start();
    PdfReader pdf(renderNow(request));
    EXPECT_LT(clock.elapsed(), 3000);
    ASSERT_EQ(pdf.pages(), 1);
    EXPECT_TRUE(pdf.text(0).contains("x^2"));
    EXPECT_TRUE(pdf.text(0).contains("A-->B"));
}

TEST(PaginatedPDFRenderer, NoScriptRunsWhateverTheCssBringsIn)
{
    ScopedSettings settings;
    const QString css =
        QStringLiteral("p{}</style><script>addEventListener('DOMContentLoaded', function () { "
                       "document.body.insertAdjacentText('afterbegin', 'ScriptRan'); });</script><style>");
    // Inline, and from a page file (a link whose address makes the page larger than 2 MiB).
    for (const QString& text : {QStringLiteral("Body"),
                                QStringLiteral("Body [link](https://example.org/%1)").arg(QString(2'300'000, u'a'))}) {
        PdfReader pdf(renderNow({text, QStringLiteral("t"), {}, {}, css}));
        ASSERT_GE(pdf.pages(), 1);
        EXPECT_TRUE(pdf.text(0).contains("Body"));
        EXPECT_FALSE(pdf.text(0).contains("ScriptRan")) << "inline: " << (text.size() < 100);
    }
}

TEST(PaginatedPDFRenderer, LargePagesWaitInAPrivateFolderThatTheNextStartClears)
{
    const QString own = PageFiles::folder();
    ASSERT_FALSE(own.isEmpty());
    EXPECT_TRUE(own.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/"));
    EXPECT_EQ(QFileInfo(own).permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::ExeOther), 0);
    // A folder left by a process that no longer runs goes; this process's own stays.
    const QString gone = QFileInfo(own).absolutePath() + "/999999999";
    ASSERT_TRUE(QDir().mkpath(gone));
    writeFile(gone + "/page-abc.html", "a document");
    PageFiles::clearLeftovers();
    EXPECT_FALSE(QFileInfo::exists(gone));
    EXPECT_TRUE(QFileInfo(own).isDir());
}

TEST(PaginatedPDFRenderer, PagesAreLaidOutAtTheProgramsOwnPriority)
{
    // The engine counts a page that is never shown as in the background and, where it may
    // (as root), lowers its process's priority: on a busy machine a long PDF then ran past its
    // time limit and failed.
    QWebEnginePage page(PaginatedPDFRenderer::profile());
    bool loaded = false;
    QObject::connect(&page, &QWebEnginePage::loadFinished, [&](bool ok) { loaded = ok; });
    page.setHtml(QStringLiteral("<p>x</p>"));
    ASSERT_TRUE(waitFor([&] { return loaded; }));
    const qint64 pid = page.renderProcessPid();
    ASSERT_GT(pid, 0);
    QTest::qWait(1000); // the engine lowers it some moments after the page has loaded
    EXPECT_EQ(getpriority(PRIO_PROCESS, id_t(pid)), getpriority(PRIO_PROCESS, 0));
}
