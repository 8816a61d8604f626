#include "../ExportTestSupport.h"
#include "app/ui/AppTestSupport.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/MenuServices.h"
#include "platform/NotificationBus.h"
#include "platform/PrefKey.h"
#include "render/export/PrintController.h"
#include "render/export/ui/ExportDialogs.h"
#include "render/export/ui/HeaderFooterEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <gtest/gtest.h>

namespace {

class ExportMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        useOwnSettingsAndAutosave(dir);
        saved = ExportDialogs::hooks();
        ExportDialogs::hooks().chooseSavePath = [this](QWidget* w, const QString& name, const QString& folder,
                                                       ExportFormat, std::function<void(const QString&)> done) {
            proposed << name;
            folders << folder;
            sheetParents << w;
            done(dir.filePath("out/" + name));
        };
        ExportDialogs::hooks().alert = [this](QWidget*, const QString& m, const QString& d) { alerts << m + d; };
        QDir(dir.path()).mkdir("out");
        writeFile(dir.filePath("pic.png"), solidPng(Qt::red));
        const QString path = writeFile(dir.filePath("v1.2 notes.md"), "# Heading\n\nBody ✓\n\n![p](pic.png)\n");
        window = DocumentController::instance().openDocument(path);
        ASSERT_TRUE(window);
        QApplication::setActiveWindow(window);
    }
    void TearDown() override
    {
        ExportDialogs::hooks() = saved;
        for (DocumentWindow* w : DocumentController::instance().windows()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A menu title as shown: "&&" is an ampersand, a single "&" marks the mnemonic.
    static QString shown(QString t)
    {
        t.replace("&&", QString(QChar(1)));
        t.remove('&');
        return t.replace(QChar(1), '&');
    }
    QAction* item(const QString& title, QMenu* in = nullptr)
    {
        if (!in) {
            for (QAction* a : window->menuBar()->actions())
                if (shown(a->text()) == "File") in = a->menu();
        }
        if (!in) return nullptr;
        for (QAction* a : in->actions()) {
            if (shown(a->text()) == title) return a;
        }
        return nullptr;
    }
    QMenu* exportMenu()
    {
        QAction* a = item("Export");
        return a ? a->menu() : nullptr;
    }

    QTemporaryDir dir;
    ExportDialogs::Hooks saved;
    QStringList proposed, folders, alerts;
    QList<QWidget*> sheetParents;
    DocumentWindow* window = nullptr;
};

} // namespace

TEST_F(ExportMenuTest, EachFileFormatItemWritesItsFileUnderTheDocumentsOwnName)
{
    QMenu* menu = exportMenu();
    ASSERT_TRUE(menu);
    const QStringList titles{"As HTML…", "As PDF…", "As Word…", "As OpenDocument…", "As Rich Text…"};
    const QStringList names{"v1.2 notes.html", "v1.2 notes.pdf", "v1.2 notes.docx", "v1.2 notes.odt", "v1.2 notes.rtf"};
    for (const QString& t : titles) {
        QAction* a = item(t, menu);
        ASSERT_TRUE(a) << t.toStdString();
        a->trigger();
    }
    ASSERT_TRUE(QGuiApplication::overrideCursor());
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor) << "the PDF is under way";
    ASSERT_TRUE(waitFor([&] {
        for (const QString& n : names)
            if (!QFile::exists(dir.filePath("out/" + n))) return false;
        return PrintController::pendingRequests() == 0;
    }));
    EXPECT_EQ(QSet<QString>(proposed.begin(), proposed.end()), QSet<QString>(names.begin(), names.end()));
    for (const QString& f : folders) EXPECT_EQ(f, QFileInfo(dir.path()).absoluteFilePath());
    for (QWidget* w : sheetParents) EXPECT_EQ(w, window) << "panels are sheets on the window";
    EXPECT_TRUE(alerts.isEmpty()) << alerts.join('\n').toStdString();
    EXPECT_FALSE(QGuiApplication::overrideCursor());

    QFile html(dir.filePath("out/v1.2 notes.html"));
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    EXPECT_TRUE(html.readAll().contains("<title>v1.2 notes</title>"));
    QFile pdfFile(dir.filePath("out/v1.2 notes.pdf"));
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    PdfReader pdf(pdfFile.readAll());
    ASSERT_EQ(pdf.pages(), 1);
    EXPECT_TRUE(pdf.text(0).contains("v1.2 notes")) << "file name, title and header agree";
    EXPECT_TRUE(hasColor(pdf.image(0), Qt::red)) << "the document's own image";
}

TEST_F(ExportMenuTest, CopyAsHtmlHeaderFooterAndPrintItems)
{
    QAction* copy = item("Copy as HTML", exportMenu());
    ASSERT_TRUE(copy);
    copy->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_TRUE(data->html().contains("<h1 id=\"heading\">Heading</h1>"));
    EXPECT_EQ(data->text(), data->html());

    QAction* headerFooter = item("Header & Footer…");
    ASSERT_TRUE(headerFooter);
    headerFooter->trigger();
    HeaderFooterEditor* sheet = window->findChild<HeaderFooterEditor*>();
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(sheet->isVisible());
    headerFooter->trigger();
    EXPECT_EQ(window->findChildren<HeaderFooterEditor*>().size(), 1) << "one sheet per window";
    sheet->accept();

    QAction* print = item("Print…");
    ASSERT_TRUE(print);
    EXPECT_EQ(print->shortcut(), QKeySequence(QKeySequence::Print));
    // An earlier job printed another document to a file: this one is offered under its own name.
    PrintController::sharedPrinter().setOutputFileName(dir.filePath("earlier.pdf"));
    print->trigger();
    QPrintDialog* dialog = nullptr;
    ASSERT_TRUE(waitFor([&] { return (dialog = window->findChild<QPrintDialog*>()) != nullptr; }));
    EXPECT_EQ(PrintController::sharedPrinter().docName(), "v1.2 notes");
    EXPECT_EQ(PrintController::sharedPrinter().outputFileName(), dir.filePath("v1.2 notes.pdf"));
    EXPECT_TRUE(PrintController::sharedPrinter().fullPage());
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(&MenuServices::printer(), &PrintController::sharedPrinter())
        << "Page Setup edits the printer printing uses";
    dialog->reject();
    PrintController::sharedPrinter().setOutputFileName(QString());
}

TEST_F(ExportMenuTest, OnlyTheKeyWindowShowsTheHeaderFooterSheet)
{
    const QString other = writeFile(dir.filePath("other.md"), "x");
    DocumentWindow* second = DocumentController::instance().openDocument(other);
    ASSERT_TRUE(second);
    QApplication::setActiveWindow(second);
    NotificationBus::instance().post(NotificationBus::name("editHeaderFooter"));
    EXPECT_TRUE(second->findChild<HeaderFooterEditor*>());
    EXPECT_FALSE(window->findChild<HeaderFooterEditor*>());
}

TEST_F(ExportMenuTest, ThePalettesExportCommandExportsTheKeyWindowsDocument)
{
    NotificationBus::instance().post(NotificationBus::name("runCommand"), QStringLiteral("exportRTF"));
    ASSERT_TRUE(waitFor([&] { return QFile::exists(dir.filePath("out/v1.2 notes.rtf")); }));
    EXPECT_EQ(proposed, QStringList{"v1.2 notes.rtf"});
}
