#include "app/ui/WelcomeWindow.h"
#include "AppTestSupport.h"
#include "app/TemplateStore.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "platform/PrefKey.h"
#include "platform/RecentDocuments.h"
#include "platform/Settings.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class WelcomeWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        useOwnSettingsAndAutosave(dir);
        auto& dc = DocumentController::instance();
        dc.prompts().alert = [this](QWidget*, const QString& message, const QString&) { alerts << message; };
        dc.prompts().askSaveChanges = [](QWidget*, const QString&, auto answer) {
            answer(DocumentController::SaveChoice::DontSave);
        };
        TemplateStore::pending.reset();
        welcome.setQuit([this] { ++quits; });
        welcome.setTemplates([] { return QList<WelcomeWindow::Template>{{"t1", "Meeting", "# Meeting\n"}}; });
    }
    void TearDown() override
    {
        for (DocumentWindow* w : DocumentController::instance().windows()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DocumentController::instance().prompts() = DocumentController::defaultPrompts();
    }
    static int count() { return int(DocumentController::instance().windows().size()); }

    QTemporaryDir dir;
    QStringList alerts;
    int quits = 0;
    WelcomeWindow welcome;
};

} // namespace

TEST_F(WelcomeWindowTest, NewDocumentReusesOnlyAnEmptyUntitledWindow)
{
    auto& dc = DocumentController::instance();
    // A window opened with a template's (or a link's) text is unedited but not empty: kept.
    TemplateStore::pending = QStringLiteral("from a link");
    dc.newDocument();
    welcome.showWindow();
    welcome.actionButton(0)->click();
    EXPECT_FALSE(welcome.isVisible());
    ASSERT_EQ(count(), 2);
    DocumentWindow* blank = dc.windows().last();
    EXPECT_TRUE(blank->documentText().isEmpty());
    // Now a blank one exists: it is fronted, nothing new is made.
    welcome.showWindow();
    welcome.actionButton(0)->click();
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(quits, 0);
}

TEST_F(WelcomeWindowTest, TemplateAndCheatSheetCloseOnlyBlankWindows)
{
    auto& dc = DocumentController::instance();
    const QString saved = dir.filePath("kept.md");
    QFile f(saved);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    dc.openDocument(saved); // a saved document, even an empty one, stays
    dc.newDocument();       // the launch's blank window goes
    TemplateStore::pending = QStringLiteral("template text");
    dc.newDocument(); // unedited, but holding text: stays
    ASSERT_EQ(count(), 3);
    welcome.showWindow();
    QMenu* menu = welcome.templateButton()->menu();
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), "Meeting");
    menu->actions()[0]->trigger();
    EXPECT_FALSE(welcome.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList texts;
    for (DocumentWindow* w : dc.windows()) texts << w->documentText();
    EXPECT_EQ(texts, (QStringList{"", "template text", "# Meeting\n"}));
    EXPECT_FALSE(dc.windows()[0]->isUntitled());
    EXPECT_EQ(quits, 0);
}

TEST_F(WelcomeWindowTest, AGoneRecentFileIsReportedAndLeavesTheListAndClosingAloneQuits)
{
    const QString gone = dir.filePath("gone.md");
    RecentDocuments::add(Settings::instance(), gone);
    welcome.showWindow();
    ASSERT_EQ(welcome.recentRows().size(), 1);
    welcome.recentRows()[0]->click();
    EXPECT_FALSE(welcome.isVisible());
    EXPECT_EQ(alerts.size(), 1);
    EXPECT_TRUE(alerts.value(0).contains("gone.md"));
    EXPECT_TRUE(RecentDocuments::paths(Settings::instance()).isEmpty());
    // The action closed the window without quitting, although no document is open.
    EXPECT_EQ(quits, 0);
    welcome.showWindow();
    EXPECT_EQ(welcome.recentEmptyText(), "No recent documents");
    welcome.showAtLaunch()->setChecked(false);
    EXPECT_FALSE(Settings::instance().boolean("showWelcomeOnLaunch", true));
    EXPECT_TRUE(welcome.isVisible());
    welcome.close();
    EXPECT_EQ(quits, 1);
}
