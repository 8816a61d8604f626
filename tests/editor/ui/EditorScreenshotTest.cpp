// Opens a document window on a Markdown file, types into it and saves a screenshot, for
// looking at the editor as a user sees it: BW_SHOT_DIR=dir BW_SHOT_FILE=file.md
// xvfb-run -a bw_ui_tests --gtest_filter='EditorScreenshot*'. Skipped otherwise.
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "editor/ui/GhostText.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/PageRulerView.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

TEST(EditorScreenshot, DocumentWindowWithTheStyledEditor)
{
    const QString dirName = qEnvironmentVariable("BW_SHOT_DIR");
    const QString file = qEnvironmentVariable("BW_SHOT_FILE");
    if (dirName.isEmpty() || file.isEmpty()) GTEST_SKIP() << "set BW_SHOT_DIR and BW_SHOT_FILE";
    QTemporaryDir dir;
    Settings::useFile(dir.filePath("settings.ini"));
    PrefKey::registerAll(Settings::instance());
    Settings::instance().setValue("editorShowRuler", true);
    Settings::instance().setValue("editorShowMinimap", true);
    Settings::instance().setValue("revealActiveLineMarkers", true);
    DocumentWindow* w = DocumentController::instance().openDocument(file);
    ASSERT_TRUE(w);
    w->resize(1200, 900);
    w->show();
    QApplication::setActiveWindow(w);
    auto* editor = w->findChild<MarkdownEditorView*>();
    ASSERT_TRUE(editor);
    MarkdownTextView* tv = editor->markdownTextView();
    tv->setFocus();
    tv->setSelectedRange({int(tv->text().indexOf("**")) + 3, 0});
    QTest::keyClicks(tv, "typed ");
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
    tv->ghost()->show(QStringLiteral("suggested words "));
    w->grab().save(dirName + "/window.png");
    tv->ghost()->dismiss();
    Settings::instance().setValue("editorViewMode", "source");
    Settings::instance().setValue("editorAppearance", "dark");
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
    w->grab().save(dirName + "/window-source-dark.png");
    editor->ruler()->grab().save(dirName + "/ruler.png");
    // Several sheets at half size: page breaks, bands and captions.
    Settings::instance().setValue("editorViewMode", "wysiwyg");
    Settings::instance().setValue("editorAppearance", "light");
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
    tv->setMagnification(0.5, false);
    tv->verticalScrollBar()->setValue(0);
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
    w->grab().save(dirName + "/window-zoomed.png");
    w->setWindowModified(false);
    editor->setModified(false);
    w->close();
}
