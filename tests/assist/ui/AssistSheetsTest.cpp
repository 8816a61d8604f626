#include "assist/ui/AIAssistSheet.h"
#include "assist/ui/TranslateSheet.h"

#include "assist/AssistTestSupport.h"
#include "assist/FakeHttpServer.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
// A perform that records its arguments and finishes when the test says so.
struct Recorder {
    QString language;
    QString actionId;
    QString instruction;
    bool whole = false;
    int calls = 0;
    AssistDone done;
};

bool hintShown(const AssistSheet& s)
{
    for (auto* l : s.findChildren<QLabel*>())
        if (l->text().contains("API key")) return l->isVisibleTo(&s);
    return false;
}
} // namespace

TEST(TranslateSheet, ScopeLanguageAndKeyHint)
{
    TempConfig env;
    Recorder rec;
    auto perform = [&](const QString& lang, bool whole, AssistDone done) {
        ++rec.calls;
        rec.language = lang;
        rec.whole = whole;
        rec.done = std::move(done);
        return static_cast<ChatCall*>(nullptr);
    };

    TranslateSheet none(false, perform);
    EXPECT_EQ(none.windowModality(), Qt::WindowModal);
    EXPECT_EQ(none.scopeGroup(), nullptr);
    EXPECT_TRUE(none.effectiveWholeDocument());
    EXPECT_EQ(none.languagePicker()->count(), 22);
    EXPECT_EQ(none.languagePicker()->currentText(), "Spanish");
    // Cloud provider without a key: the hint shows and the button is off.
    EXPECT_TRUE(none.keyMissing());
    EXPECT_TRUE(hintShown(none));
    EXPECT_FALSE(none.runButton()->isEnabled());

    // A key (even of blanks) enables it at once.
    env.keys().setKey(ApiKeyStore::cloudKeyName(), "  ");
    EXPECT_FALSE(hintShown(none));
    EXPECT_TRUE(none.runButton()->isEnabled());

    TranslateSheet sel(true, perform);
    ASSERT_NE(sel.scopeGroup(), nullptr);
    EXPECT_EQ(sel.scopeGroup()->checkedButton()->text(), "Whole Document");
    EXPECT_TRUE(sel.effectiveWholeDocument());
    sel.scopeGroup()->button(0)->click();
    EXPECT_FALSE(sel.effectiveWholeDocument());

    sel.customLanguageField()->setText(" \t ");
    EXPECT_EQ(sel.currentTarget(), "Spanish");
    sel.customLanguageField()->setText(" Klingon ");
    sel.open();
    QTest::keyClick(&sel, Qt::Key_Return); // Return presses the primary button
    EXPECT_EQ(rec.calls, 1);
    EXPECT_EQ(rec.language, " Klingon ");
    EXPECT_FALSE(rec.whole);
    EXPECT_TRUE(sel.isBusy());
    EXPECT_FALSE(sel.runButton()->isEnabled());

    // Failure: one red line, the form stays; the next run clears it; success closes.
    rec.done(TranslationError::api("HTTP 500 from 127.0.0.1"));
    EXPECT_FALSE(sel.isBusy());
    EXPECT_EQ(sel.errorText(), "HTTP 500 from 127.0.0.1");
    EXPECT_TRUE(sel.isVisible());
    sel.runButton()->click();
    EXPECT_EQ(sel.errorText(), "");
    rec.done(std::nullopt);
    EXPECT_FALSE(sel.isVisible());
    EXPECT_EQ(sel.result(), QDialog::Accepted);

    // Other providers need no key.
    env.keys().setKey(ApiKeyStore::cloudKeyName(), "");
    env.settings().setValue("aiProvider", "ollama");
    TranslateSheet local(false, perform);
    EXPECT_FALSE(hintShown(local));
    EXPECT_TRUE(local.runButton()->isEnabled());
}

TEST(AIAssistSheet, ActionsScopeAndFallback)
{
    TempConfig env;
    env.settings().setValue("aiProvider", "ollama");
    Recorder rec;
    auto perform = [&](const AIAction& a, const QString& instr, bool whole, AssistDone done) {
        ++rec.calls;
        rec.actionId = a.id;
        rec.instruction = instr;
        rec.whole = whole;
        rec.done = std::move(done);
        return static_cast<ChatCall*>(nullptr);
    };
    AIAssistSheet sel(true, perform);
    EXPECT_EQ(sel.actionPicker()->count(), 11);
    EXPECT_EQ(sel.currentAction().id, "improve");
    EXPECT_EQ(sel.scopeGroup()->checkedButton()->text(), "Selection");
    EXPECT_FALSE(sel.effectiveWholeDocument());
    sel.actionPicker()->setCurrentIndex(sel.actionPicker()->findData("summarize"));
    sel.instructionField()->setText("  in French ");
    sel.runButton()->click();
    EXPECT_EQ(rec.actionId, "summarize");
    EXPECT_EQ(rec.instruction, "  in French ");
    EXPECT_FALSE(rec.whole);

    AIAssistSheet none(false, perform);
    EXPECT_EQ(none.scopeGroup()->buttons().size(), 1);
    EXPECT_EQ(none.scopeGroup()->checkedButton()->text(), "Whole Document");
    EXPECT_TRUE(none.effectiveWholeDocument());
    none.actionPicker()->setItemData(0, "gone"); // an id that no longer exists
    none.actionPicker()->setCurrentIndex(0);
    EXPECT_EQ(none.currentAction().id, "improve");
}

TEST(AIAssistSheet, CancelStopsTheRunningRequest)
{
    TempConfig env;
    FakeHttpServer server;
    server.beSilent();
    env.settings().setValue("aiProvider", "custom");
    env.settings().setValue("customEndpoint", server.url().toString());
    QObject owner;
    QPointer<ChatCall> call;
    bool reported = false;
    auto perform = [&](const AIAction&, const QString&, bool, AssistDone done) {
        call = LLMClient::chat("s", "u", 1.0, &owner, [&, done](const ChatResult&) {
            reported = true;
            done(std::nullopt);
        });
        return call.data();
    };
    AIAssistSheet sheet(false, perform);
    sheet.open();
    sheet.runButton()->click();
    ASSERT_TRUE(spinUntil([&] { return server.requests.size() == 1; }));
    ASSERT_TRUE(call);
    sheet.cancelButton()->click();
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_TRUE(spinUntil([&] { return call.isNull(); }, 2000));
    EXPECT_FALSE(reported);
}
