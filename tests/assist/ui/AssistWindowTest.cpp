#include "app/ui/DocumentWindow.h"
#include "assist/ui/AIAssistSheet.h"
#include "assist/ui/TranslateSheet.h"
#include "editor/EditorController.h"
#include "editor/ui/EditorHost.h"
#include "editor/ui/GhostText.h"
#include "files/MarkdownDocument.h"
#include "platform/NotificationBus.h"

#include "assist/AssistTestSupport.h"
#include "assist/FakeHttpServer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

// A user's path through a real document window: the Tools menu item opens the sheet in
// the key window, Translate sends the selection, the answer replaces it, Undo restores.
TEST(AssistWindow, TranslateFromTheToolsMenuThenUndo)
{
    TempConfig env;
    FakeHttpServer server;
    env.settings().setValue("aiProvider", "custom");
    env.settings().setValue("customEndpoint", server.url().toString());
    const QJsonObject choice{{"message", QJsonObject{{"content", "Bonjour"}}}};
    server.respond(200, QJsonDocument(QJsonObject{{"choices", QJsonArray{choice}}}).toJson());

    auto* w = new DocumentWindow(MarkdownDocument{"Say Hello.", false}, env.path("doc.md"));
    w->show();
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(w->isKeyWindow());
    EditorTextView* view = w->editorController()->textView();
    view->setSelectedRange(TextRange(4, 5));

    QAction* item = nullptr;
    for (QAction* menu : w->menuBar()->actions())
        for (QAction* a : menu->menu()->actions())
            if (a->text().remove('&') == QString::fromUtf8("Translate…")) item = a;
    ASSERT_TRUE(item);
    item->trigger();
    auto* sheet = w->findChild<TranslateSheet*>();
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(sheet->isVisible());
    ASSERT_NE(sheet->scopeGroup(), nullptr);
    sheet->scopeGroup()->button(0)->click(); // Selection
    sheet->runButton()->click();
    ASSERT_TRUE(spinUntil([&] { return view->text() == "Say Bonjour."; }));
    EXPECT_EQ(view->selectedRange(), TextRange(4, 7));
    EXPECT_EQ(w->documentText(), "Say Bonjour.");
    w->editorHost()->undo();
    EXPECT_EQ(view->text(), "Say Hello.");

    // The assist sheet opens from its notification too, in the key window only.
    QApplication::setActiveWindow(w);
    NotificationBus::instance().post("Brindlewick.showAIAssist");
    auto* assist = w->findChild<AIAssistSheet*>();
    ASSERT_TRUE(assist);
    assist->cancelButton()->click();
    w->editorHost()->setModified(false);
    w->close();
    // Gone before this test's settings are: its timers must not reach them afterwards.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Every document window's editor gets inline continuation: after a pause in typing the
// model's answer shows at the caret, outside the document.
TEST(AssistWindow, APauseInTypingShowsTheContinuationInTheWindowsEditor)
{
    TempConfig env;
    FakeHttpServer server;
    env.settings().setValue("aiProvider", "custom");
    env.settings().setValue("customEndpoint", server.url().toString());
    env.settings().setValue("aiAutocomplete", true);
    const QJsonObject choice{{"message", QJsonObject{{"content", " world"}}}};
    server.respond(200, QJsonDocument(QJsonObject{{"choices", QJsonArray{choice}}}).toJson());

    auto* w = new DocumentWindow(MarkdownDocument{"", false}, env.path("doc.md"));
    w->show();
    QApplication::setActiveWindow(w);
    auto* ghost = w->editorHost()->ghostText();
    ASSERT_TRUE(ghost);
    auto* editor = qobject_cast<QWidget*>(ghost->parent());
    ASSERT_TRUE(editor);
    QTest::keyClicks(editor, "Hello");
    ASSERT_TRUE(spinUntil([&] { return ghost->isShown(); }, 5000));
    EXPECT_EQ(ghost->text(), " world");
    EXPECT_EQ(w->documentText(), "Hello");
    w->editorHost()->setModified(false);
    w->close();
    // Gone before this test's settings are: its timers must not reach them afterwards.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
