#include "../ExportTestSupport.h"
#include "TestFiles.h"
#include "render/Exporter.h"
#include "render/export/PrintController.h"
#include "render/export/ui/DocumentExport.h"
#include "render/export/ui/ExportDialogs.h"
#include "render/export/ui/ExportRequest.h"
#include "render/export/ui/HeaderFooterEditor.h"
#include "render/export/ui/PrintJob.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Answers every save panel with `path` and records alerts.
struct FakeDialogs {
    explicit FakeDialogs(QString answer)
        : saved(ExportDialogs::hooks())
    {
        ExportDialogs::hooks().chooseSavePath = [this, answer](QWidget*, const QString& name, const QString&,
                                                               ExportFormat, std::function<void(const QString&)> done) {
            proposed.append(name);
            done(answer);
        };
        ExportDialogs::hooks().alert = [this](QWidget*, const QString& message, const QString& detail) {
            alerts.append(message + u'\n' + detail);
        };
    }
    ~FakeDialogs() { ExportDialogs::hooks() = saved; }
    ExportDialogs::Hooks saved;
    QStringList proposed;
    QStringList alerts;
};

} // namespace

TEST(ExportDocument, WritesTheFileUnderTheNameWithOneExtensionRemoved)
{
    ScopedSettings settings;
    QTemporaryDir dir;
    const QString target = dir.filePath("out.docx");
    FakeDialogs dialogs(target);
    QWidget window;
    DocumentExport::run({ExportFormat::docx, "# Hello", &window, "v1.2 notes", dir.path(), {}, std::nullopt});
    ASSERT_TRUE(waitFor([&] { return QFile::exists(target); }));
    EXPECT_EQ(dialogs.proposed, QStringList{"v1.2 notes.docx"});
    EXPECT_TRUE(fileBytes(target).startsWith("PK"));
    EXPECT_TRUE(dialogs.alerts.isEmpty());
}

TEST(ExportDocument, ANameTypedWithAnotherExtensionGetsTheFormatsOwnAndReplacesNothingElse)
{
    ScopedSettings settings;
    QTemporaryDir dir;
    const QString notes = writeFile(dir.filePath("notes.md"), "# mine");
    FakeDialogs dialogs(notes);
    for (ExportFormat f : {ExportFormat::html, ExportFormat::pdf})
        DocumentExport::run({f, "# Exported", nullptr, "notes", dir.path(), {}, std::nullopt});
    ASSERT_TRUE(waitFor([&] {
        return QFile::exists(notes + ".html") && QFile::exists(notes + ".pdf")
               && PrintController::pendingRequests() == 0;
    }));
    EXPECT_EQ(fileBytes(notes), "# mine");
    EXPECT_TRUE(fileBytes(notes + ".html").contains("<h1"));
    EXPECT_EQ(ExportFormats::withExtension("/a/b.HTML", ExportFormat::html), "/a/b.HTML");
    EXPECT_EQ(ExportFormats::withExtension("/a/b.", ExportFormat::odt), "/a/b.odt");
}

TEST(ExportDocument, AFailedWriteAlertsNamingTheFileAndKeepsWhatWasThere)
{
    ScopedSettings settings;
    QTemporaryDir dir;
    // A path whose folder is a file cannot be written.
    const QString blocker = writeFile(dir.filePath("blocker"), "keep");
    FakeDialogs dialogs(dir.filePath("blocker/out.rtf"));
    DocumentExport::run({ExportFormat::rtf, "text", nullptr, "n", {}, {}, std::nullopt});
    ASSERT_TRUE(waitFor([&] { return !dialogs.alerts.isEmpty(); }));
    EXPECT_TRUE(dialogs.alerts.first().contains("blocker/out.rtf")) << dialogs.alerts.first().toStdString();
    EXPECT_EQ(fileBytes(blocker), "keep");
}

TEST(ExportDocument, AFailedConversionAlertsAndShowsNoPanel)
{
    ScopedSettings settings;
    FakeDialogs dialogs("/nowhere");
    ExportDialogs::hooks().convert = [](ExportFormat, const QString&, const QString&, const ImageAccess&,
                                        const QString&, const QString&, QString* error) -> std::optional<QByteArray> {
        *error = "the converter gave up";
        return std::nullopt;
    };
    for (ExportFormat f : {ExportFormat::rtf, ExportFormat::docx, ExportFormat::odt})
        DocumentExport::run({f, "text", nullptr, "Notes", {}, {}, std::nullopt});
    ASSERT_TRUE(waitFor([&] { return dialogs.alerts.size() == 3; }));
    for (const QString& a : dialogs.alerts) {
        EXPECT_TRUE(a.contains("Notes")) << a.toStdString();
        EXPECT_TRUE(a.contains("the converter gave up")) << a.toStdString();
    }
    EXPECT_TRUE(dialogs.proposed.isEmpty());
}

TEST(ExportDocument, AFailedPdfAlertsAndACancelledPanelWritesNothing)
{
    ScopedSettings settings;
    QTemporaryDir dir;
    const QString target = writeFile(dir.filePath("old.pdf"), "old");
    {
        FakeDialogs cancel{QString()};
        DocumentExport::run({ExportFormat::pdf, "text", nullptr, "n", {}, {}, std::nullopt});
        QTest::qWait(50);
        EXPECT_EQ(PrintController::pendingRequests(), 0);
    }
    FakeDialogs dialogs(target);
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(writeFile(dir.filePath("not-a-folder"), "x")));
    DocumentExport::run({ExportFormat::pdf, QString(2'200'000, u'x'), nullptr, "n", dir.path(), {}, std::nullopt});
    const bool alerted = waitFor([&] { return !dialogs.alerts.isEmpty(); });
    qputenv("XDG_RUNTIME_DIR", oldRuntime);
    ASSERT_TRUE(alerted);
    EXPECT_TRUE(dialogs.alerts.first().contains("old.pdf"));
    EXPECT_EQ(fileBytes(target), "old");
}

TEST(ExportDocument, ALongPdfShowsItsProgressOnTheWindowAndItsCancelLeavesTheOldFile)
{
    ScopedSettings settings;
    QTemporaryDir dir;
    const QString target = writeFile(dir.filePath("old.pdf"), "old");
    FakeDialogs dialogs(target);
    QWidget window;
    window.show();
    // Seconds of layout: a paragraph of 200,000 words.
    DocumentExport::run(
        {ExportFormat::pdf, QStringLiteral("word ").repeated(200'000), &window, "n", dir.path(), {}, std::nullopt});
    QProgressDialog* progress = nullptr;
    ASSERT_TRUE(waitFor([&] {
        progress = window.findChild<QProgressDialog*>();
        return progress && progress->isVisible();
    }));
    EXPECT_EQ(progress->labelText(), "Exporting…");
    QPushButton* cancel = progress->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    cancel->click();
    EXPECT_TRUE(
        waitFor([&] { return PrintController::pendingRequests() == 0 && !window.findChild<QProgressDialog*>(); }));
    QTest::qWait(3000); // what the engine was still laying out is dropped when it is done
    EXPECT_EQ(fileBytes(target), "old");
    EXPECT_TRUE(dialogs.alerts.isEmpty());
    // A short one writes its file before the progress would show.
    DocumentExport::run({ExportFormat::pdf, "short", &window, "n", dir.path(), {}, std::nullopt});
    ASSERT_TRUE(waitFor([&] { return fileBytes(target).startsWith("%PDF"); }));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window.findChild<QProgressDialog*>(), nullptr);
}

TEST(ExportDocument, CopyAsHtmlPutsThePageOnTheClipboardAsHtmlAndText)
{
    ScopedSettings settings;
    Settings::instance().setValue("exportCSS", "p { color: red; }");
    DocumentExport::run({ExportFormat::copyHTML, "Formula $$x$$", nullptr, "", {}, {}, std::nullopt});
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_TRUE(data->html().contains("<title>Untitled</title>"));
    EXPECT_TRUE(data->html().contains("/* user CSS */\np { color: red; }"));
    EXPECT_TRUE(data->html().contains("mathjax@3"));
    EXPECT_EQ(data->text(), data->html());
}

TEST(ExportDocument, CssGivenEvenEmptyStandsForTheStoredCssInAPdfAsInHtml)
{
    ScopedSettings settings;
    Settings::instance().setValue("exportCSS", "h1::after { content: ' STORED'; }");
    QTemporaryDir dir;
    const auto exportBoth = [&](const QString& name, const std::optional<QString>& css) {
        FakeDialogs dialogs(dir.filePath(name));
        for (ExportFormat f : {ExportFormat::html, ExportFormat::pdf})
            DocumentExport::run({f, "# Plain", nullptr, "n", dir.path(), {}, css});
        EXPECT_TRUE(waitFor(
            [&] { return QFile::exists(dir.filePath(name + ".pdf")) && PrintController::pendingRequests() == 0; }));
        return std::pair(fileBytes(dir.filePath(name + ".html")),
                         PdfReader(fileBytes(dir.filePath(name + ".pdf"))).text(0));
    };
    const auto [storedHtml, storedPdf] = exportBoth("stored", std::nullopt);
    EXPECT_TRUE(storedHtml.contains("STORED"));
    EXPECT_TRUE(storedPdf.contains("STORED")) << storedPdf.toStdString();
    // A preset without CSS of its own.
    const auto [givenHtml, givenPdf] = exportBoth("given", QString());
    EXPECT_FALSE(givenHtml.contains("STORED"));
    EXPECT_FALSE(givenPdf.contains("STORED")) << givenPdf.toStdString();
}

TEST(HeaderFooterEditor, StoresAsTypedAndResetRestoresBoth)
{
    ScopedSettings settings;
    int doneCalls = 0;
    HeaderFooterEditor editor([&] { ++doneCalls; });
    EXPECT_EQ(editor.headerField()->text(), "{title}");
    EXPECT_EQ(editor.footerField()->text(), "Page {page} of {pages}");
    editor.headerField()->selectAll();
    QTest::keyClick(editor.headerField(), Qt::Key_Delete);
    EXPECT_TRUE(Settings::instance().isStored("printHeaderTemplate"));
    EXPECT_EQ(Settings::instance().string("printHeaderTemplate", "x"), "") << "an empty field stores the empty text";
    QTest::keyClicks(editor.footerField(), " ({date})");
    EXPECT_EQ(Settings::instance().string("printFooterTemplate"), "Page {page} of {pages} ({date})");
    editor.resetToDefault();
    EXPECT_EQ(Settings::instance().string("printHeaderTemplate"), "{title}");
    EXPECT_EQ(Settings::instance().string("printFooterTemplate"), "Page {page} of {pages}");
    EXPECT_EQ(editor.headerField()->text(), "{title}");
    editor.show();
    QTest::keyClick(editor.footerField(), Qt::Key_Return);
    EXPECT_EQ(doneCalls, 1);
}

TEST(PrintJob, PrintsEveryPageOnceToAPdfPrinterWithNoBlankPage)
{
    ScopedSettings settings;
    QString text;
    for (int i = 0; i < 120; ++i) text += QStringLiteral("Paragraph %1\n\n").arg(i);
    QByteArray pdf;
    PrintController::render({text, "t", {}, {}, {}}, nullptr, [&](const QByteArray& b) { pdf = b; });
    ASSERT_TRUE(waitFor([&] { return !pdf.isEmpty(); }));
    const int pages = PdfReader(pdf).pages();
    ASSERT_GT(pages, 2);

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setResolution(150);
    auto* job = new PrintJob(pdf);
    bool completed = false;
    QObject::connect(job, &PrintJob::finished, [&](bool ok) { completed = ok; });
    job->start(printer, nullptr);
    ASSERT_TRUE(waitFor([&] { return completed; }));
    PdfReader printed(fileBytes(dir.filePath("printed.pdf")));
    ASSERT_EQ(printed.pages(), pages);
    for (int p = 0; p < pages; ++p) {
        const QImage page = printed.image(p, 72);
        EXPECT_TRUE(hasColor(page, QColor(29, 29, 31))) << "page " << p;
        // The margins are paper, not a transparent hole that viewers tint and outline.
        EXPECT_EQ(page.pixelColor(3, 3), QColor(Qt::white)) << "page " << p;
    }
}
