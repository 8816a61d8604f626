#include "../ExportTestSupport.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "platform/NotificationBus.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "render/ExportPresets.h"
#include "render/Exporter.h"
#include "render/export/PrintController.h"
#include "render/export/ui/BatchExporter.h"
#include "render/export/ui/DocumentExport.h"
#include "render/export/ui/ExportDialogs.h"
#include "render/export/ui/ExportRequest.h"
#include "render/ui/ExportPresetsView.h"
#include "settings/ui/SettingsWindow.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class BatchAndPresetsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings::useFile(dir.filePath("settings.ini"));
        PrefKey::registerAll(Settings::instance());
        savedBatch = BatchExporter::hooks();
        savedDialogs = ExportDialogs::hooks();
        BatchExporter::hooks().confirmReplace = [this](QWidget*, const QStringList& existing,
                                                       std::function<void(bool)> done) {
            asked << existing;
            done(replace);
        };
        BatchExporter::hooks().report = [this](QWidget*, const BatchExport::ReportText& t) { reports << t.message; };
        ExportDialogs::hooks().chooseSavePath = [this](QWidget*, const QString& name, const QString&, ExportFormat,
                                                       std::function<void(const QString&)> done) {
            done(dir.filePath("out-" + name));
        };
    }
    void TearDown() override
    {
        BatchExporter::hooks() = savedBatch;
        ExportDialogs::hooks() = savedDialogs;
        for (DocumentWindow* w : DocumentController::instance().windows()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::optional<BatchExport::Report> run(const QString& folder, ExportFormat format)
    {
        std::optional<BatchExport::Report> result;
        BatchExporter::exportFolder(folder, format, nullptr, [&](const BatchExport::Report& r) { result = r; });
        waitFor([&] { return result.has_value(); });
        return result;
    }
    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    BatchExporter::Hooks savedBatch;
    ExportDialogs::Hooks savedDialogs;
    QStringList asked, reports;
    bool replace = true;
};

} // namespace

TEST_F(BatchAndPresetsTest, AFolderIsExportedFileByFileAndTheReportNamesWhatFailed)
{
    const QString folder = dir.filePath("docs");
    QDir().mkpath(folder + "/sub");
    writeFile(folder + "/a.md", "# A first\n");
    writeFile(folder + "/a.markdown", "# A second\n"); // same output name, later in path order
    writeFile(folder + "/Notes.MD", "# Notes\n");
    writeFile(folder + "/plain.txt", "plain *text*\n");
    writeFile(folder + "/bad.md", "caf\xe9\n");
    writeFile(folder + "/sub/inner.md", "# Inner\n");
    QDir().mkpath(folder + "/blocked.html"); // an output that cannot be written
    writeFile(folder + "/blocked.md", "# Blocked\n");

    const auto report = run(folder, ExportFormat::html);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->sources, 6);
    EXPECT_EQ(report->written, 3);
    QStringList failed;
    for (const auto& f : report->failures) failed << f.file;
    EXPECT_EQ(failed, (QStringList{"a.md", "bad.md", "blocked.md"}));
    EXPECT_TRUE(read(folder + "/a.html").contains("A second")) << "the first in path order keeps the name";
    EXPECT_TRUE(read(folder + "/Notes.html").contains("<title>Notes</title>"));
    EXPECT_TRUE(read(folder + "/plain.html").contains("<em>text</em>"));
    EXPECT_FALSE(QFile::exists(folder + "/sub/inner.html"));
    EXPECT_EQ(reports.last(), "Exported 3 of 6 files");
    EXPECT_EQ(asked, QStringList{folder + "/blocked.html"}) << "only what existed was asked about";

    // A second run meets its own outputs: asked once, and Cancel writes nothing.
    writeFile(folder + "/a.html", "keep me");
    replace = false;
    const int before = reports.size();
    BatchExporter::exportFolder(folder, ExportFormat::html, nullptr, {});
    QCoreApplication::processEvents();
    EXPECT_EQ(asked.size(), 1 + 4); // asked once, listing a.html, Notes.html, plain.html and blocked.html
    EXPECT_EQ(read(folder + "/a.html"), "keep me");
    EXPECT_EQ(reports.size(), before);

    replace = true;
    ASSERT_TRUE(run(folder, ExportFormat::docx));
    EXPECT_TRUE(read(folder + "/Notes.docx").startsWith("PK")) << "a Word file is a zip";
    EXPECT_TRUE(run(folder, ExportFormat::copyHTML)->written == 0);
    EXPECT_EQ(reports.last(), "Nothing to export");
}

TEST_F(BatchAndPresetsTest, TheReplacePromptForHundredsOfFilesKeepsItsButtonsOnScreen)
{
    QStringList existing;
    for (int i = 0; i < 300; ++i) existing << dir.filePath(QStringLiteral("file%1.pdf").arg(i));
    std::optional<bool> answer;
    BatchExporter::defaults().confirmReplace(nullptr, existing, [&](bool replace) { answer = replace; });
    QMessageBox* box = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) box = b;
    ASSERT_TRUE(box);
    EXPECT_LT(box->sizeHint().height(), 500);
    box->button(QMessageBox::Cancel)->click();
    ASSERT_TRUE(answer);
    EXPECT_FALSE(*answer);
}

TEST_F(BatchAndPresetsTest, CancellingAPdfBatchWritesAtMostTheFileUnderWayAndReportsWhatWasWritten)
{
    // PDFs are begun a few at a time; Cancel lets only the one under way be written.
    const QString folder = dir.filePath("pdfs");
    QDir().mkpath(folder);
    for (int i = 0; i < 8; ++i) writeFile(folder + QStringLiteral("/doc%1.md").arg(i), "# Title\n\nBody text.\n");
    const auto pdfs = [&] { return QDir(folder).entryList({"*.pdf"}).size(); };
    std::optional<BatchExport::Report> report;
    BatchExporter::exportFolder(folder, ExportFormat::pdf, nullptr, [&](const BatchExport::Report& r) { report = r; });
    ASSERT_TRUE(waitFor([&] { return pdfs() >= 1 || report; }));
    ASSERT_FALSE(report);
    const qsizetype atCancel = pdfs();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* progress = qobject_cast<QProgressDialog*>(w)) Q_EMIT progress->canceled();
    ASSERT_TRUE(waitFor([&] { return report.has_value(); }));
    EXPECT_TRUE(report->cancelled);
    EXPECT_LE(report->written, atCancel + 1);
    EXPECT_TRUE(report->failures.isEmpty());
    // The PDFs begun ahead are dropped, not written later behind the report's back.
    ASSERT_TRUE(waitFor([] { return PrintController::pendingRequests() == 0; }, 5000));
    QTest::qWait(500);
    EXPECT_EQ(pdfs(), report->written);
    EXPECT_TRUE(reports.last().startsWith("Exported")) << reports.last().toStdString();
}

TEST_F(BatchAndPresetsTest, ThePresetsSheetExportsTheKeyWindowsDocumentWithTheThemeAndCloses)
{
    const QString path = writeFile(dir.filePath("note.md"), "# Themed\n");
    DocumentWindow* window = DocumentController::instance().openDocument(path);
    ASSERT_TRUE(window);
    QApplication::setActiveWindow(window);
    NotificationBus::instance().post(NotificationBus::name("showExportPresets"));
    auto* sheet = window->findChild<ExportPresetsView*>();
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    EXPECT_EQ(sheet->list().selection, "seed-github-html");
    for (auto* b : sheet->findChildren<QPushButton*>())
        if (b->text() == "Export With This Preset") b->click();
    ASSERT_TRUE(waitFor([&] { return QFile::exists(dir.filePath("out-note.html")); }));
    const QByteArray html = read(dir.filePath("out-note.html"));
    EXPECT_TRUE(html.contains("/* theme */"));
    EXPECT_TRUE(html.contains("#0969da")) << "the GitHub theme's CSS";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window->findChild<ExportPresetsView*>()) << "the sheet closes after exporting";
}

TEST_F(BatchAndPresetsTest, CssTypedInSettingsReachesTheNextExportedPage)
{
    SettingsWindow* settings = SettingsWindow::showShared();
    auto* css = settings->page("Export")->findChild<QPlainTextEdit*>();
    ASSERT_TRUE(css);
    css->clear();
    QTest::keyClicks(css, "h1 { color: teal; }");
    settings->close();
    DocumentExport::run({ExportFormat::html, "# Styled\n", nullptr, "styled", QString(), QString(), std::nullopt});
    ASSERT_TRUE(waitFor([&] { return QFile::exists(dir.filePath("out-styled.html")); }));
    const QByteArray html = read(dir.filePath("out-styled.html"));
    EXPECT_TRUE(html.contains("h1 { color: teal; }"));
}
