#include "assist/ApplyResults.h"
#include "editor/EditorController.h"
#include "editor/FakeTextView.h"
#include "editor/FrontMatter.h"

#include "assist/AssistTestSupport.h"
#include "assist/FakeHttpServer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace ApplyResults;

namespace {
QByteArray answer(const QString& content)
{
    const QJsonObject choice{{"message", QJsonObject{{"role", "assistant"}, {"content", content}}}};
    return QJsonDocument(QJsonObject{{"choices", QJsonArray{choice}}}).toJson();
}

// A window's worth of parts: a text view double, its controller, the runner, and a
// custom provider pointed at a local fake server.
struct Window {
    TempConfig env;
    FakeHttpServer server;
    FakeTextView view;
    EditorController controller;
    AssistRunner runner{&controller};

    Window(const QString& text, TextRange sel)
        : view(text, sel)
    {
        controller.setTextView(&view);
        env.settings().setValue("aiProvider", "custom");
        env.settings().setValue("customEndpoint", server.url().toString());
    }

    std::optional<TranslationError> wait(const std::function<ChatCall*(AssistRunner::Done)>& start)
    {
        bool finished = false;
        std::optional<TranslationError> error;
        start([&](const std::optional<TranslationError>& e) {
            finished = true;
            error = e;
        });
        EXPECT_TRUE(spinUntil([&] { return finished; }));
        return error;
    }
};
} // namespace

TEST(ApplyResults, PromptSectionAndMetadataParsing)
{
    EXPECT_TRUE(translationPrompt(" French ")
                    .startsWith("You are a professional translator. Translate the user's Markdown document into  "
                                "French . Preserve every"));
    EXPECT_EQ("Body" + sectionSuffix("Body", "Draft from Outline", "Draft"),
              "Body\n\n---\n\n## Draft from Outline\n\nDraft\n");
    EXPECT_EQ("Body\n" + sectionSuffix("Body\n", "Draft from Outline", "Draft"),
              "Body\n\n---\n\n## Draft from Outline\n\nDraft\n");

    auto m = parseMetadata("```json\n{\"title\": \"Trip\", \"tags\": [\"travel\", \"notes\"]}\n```");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->title, "Trip");
    EXPECT_EQ(m->tags, "travel, notes");

    m = parseMetadata(R"({"title": "", "tags": "a, b"})");
    ASSERT_TRUE(m); // an object: the block is still rewritten
    EXPECT_FALSE(m->title);
    EXPECT_FALSE(m->tags);
    EXPECT_FALSE(parseMetadata(R"({"tags": ["a", 3]})")->tags);
    EXPECT_FALSE(parseMetadata(R"({"tags": []})")->tags);
    EXPECT_FALSE(parseMetadata("} {"));
    EXPECT_FALSE(parseMetadata("no braces at all"));
    EXPECT_FALSE(parseMetadata("[1, 2] {not json}"));

    // Line breaks in a suggested title or tag must not become keys of the block.
    m = parseMetadata(R"({"title": "Trip\nmode: source", "tags": ["a\r\ntheme: dark", " b "]})");
    EXPECT_EQ(m->title, "Trip mode: source");
    EXPECT_EQ(m->tags, "a  theme: dark, b");
}

TEST(ApplyResults, MetadataMergesIntoTheBlock)
{
    Metadata m{QString("Trip"), QString("travel, notes")};
    Edit e = metadataEdit("Body", m);
    EXPECT_EQ(e.range, TextRange(0, 0));
    EXPECT_EQ(e.text, "---\ntitle: Trip\ntags: [travel, notes]\n---\n\n");

    const QString doc = "---\ntitle: Old\nauthor: Me\nmode: source\n---\n\nBody\n";
    e = metadataEdit(doc, Metadata{std::nullopt, QString("x")});
    QString out = doc;
    out.replace(e.range.location, e.range.length, e.text);
    EXPECT_EQ(out, "---\ntitle: Old\nauthor: Me\ntags: [x]\nmode: source\n---\n\nBody\n");

    const QString evil = metadataEdit("Body", *parseMetadata(R"({"title": "A\nmode: source"})")).text;
    EXPECT_EQ(FrontMatter::parse(evil + "Body").first.extra.size(), 0);
}

TEST(AssistRunner, TranslatesTheSelectionAsOneUndoableEdit)
{
    Window w("Say Hello.", TextRange(4, 5));
    w.server.respond(200, answer("Bonjour"));
    EXPECT_FALSE(w.wait([&](auto done) { return w.runner.performTranslation("French", false, done); }));
    EXPECT_EQ(w.view.text(), "Say Bonjour.");
    EXPECT_EQ(w.view.selectedRange(), TextRange(4, 7));
    EXPECT_EQ(w.view.focusCount, 1);
    const QJsonObject body = QJsonDocument::fromJson(w.server.requests.at(0).body).object();
    EXPECT_EQ(body["messages"].toArray()[1].toObject()["content"].toString(), "Hello");
    EXPECT_DOUBLE_EQ(body["temperature"].toDouble(), 1.0);
    ASSERT_TRUE(w.view.undo());
    EXPECT_EQ(w.view.text(), "Say Hello.");

    // "Selection" chosen with nothing selected: the whole document, still undoable.
    w.view.setSelectedRange(TextRange(2, 0));
    w.server.respond(200, answer("Dites bonjour."));
    EXPECT_FALSE(w.wait([&](auto done) { return w.runner.performTranslation("French", false, done); }));
    EXPECT_EQ(w.view.text(), "Dites bonjour.");
    ASSERT_TRUE(w.view.undo());
    EXPECT_EQ(w.view.text(), "Say Hello.");
}

TEST(AssistRunner, AnswerForChangedTextIsNotApplied)
{
    Window w("Say Hello.", TextRange(4, 5));
    w.server.respond(200, answer("Bonjour"));
    auto err = w.wait([&](auto done) {
        ChatCall* c = w.runner.performTranslation("French", false, done);
        w.view.replaceRange(TextRange(0, 0), "X"); // an edit before the answer comes back
        return c;
    });
    ASSERT_TRUE(err);
    EXPECT_EQ(err->description(), AssistRunner::changedMeanwhileText());
    EXPECT_EQ(w.view.text(), "XSay Hello.");

    // The whole document likewise.
    err = w.wait([&](auto done) {
        ChatCall* c = w.runner.performTranslation("French", true, done);
        w.view.replaceRange(TextRange(11, 0), "!");
        return c;
    });
    ASSERT_TRUE(err);
    EXPECT_EQ(w.view.text(), "XSay Hello.!");

    // An edit after the selected text does not matter.
    w.view.setSelectedRange(TextRange(1, 3));
    EXPECT_FALSE(w.wait([&](auto done) {
        ChatCall* c = w.runner.performTranslation("French", false, done);
        w.view.replaceRange(TextRange(12, 0), "?");
        return c;
    }));
    EXPECT_EQ(w.view.text(), "XBonjour Hello.!?");
}

TEST(AssistRunner, AssistModesErrorsAbortAndRefusal)
{
    Window w("Body", TextRange(0, 0));
    w.server.respond(200, answer("Draft"));
    EXPECT_FALSE(w.wait([&](auto d) { return w.runner.performAIAssist(AIActions::byId("draft"), "", true, d); }));
    EXPECT_EQ(w.view.text(), "Body\n\n---\n\n## Draft from Outline\n\nDraft\n");
    w.view.undo();

    w.server.respond(200, answer("```json\n{\"title\": \"Trip\", \"tags\": [\"travel\", \"notes\"]}\n```"));
    EXPECT_FALSE(w.wait([&](auto d) { return w.runner.performAIAssist(AIActions::byId("metadata"), "", true, d); }));
    EXPECT_EQ(w.view.text(), "---\ntitle: Trip\ntags: [travel, notes]\n---\n\nBody");
    w.view.undo();
    w.server.respond(200, answer("no json here"));
    EXPECT_FALSE(w.wait([&](auto d) { return w.runner.performAIAssist(AIActions::byId("metadata"), "", true, d); }));
    EXPECT_EQ(w.view.text(), "Body");

    // The instruction reaches the system prompt; a service error is passed on unchanged.
    w.server.respond(500, R"({"error":{"message":"overloaded"}})");
    auto err =
        w.wait([&](auto d) { return w.runner.performAIAssist(AIActions::byId("shorter"), "in French", true, d); });
    ASSERT_TRUE(err);
    EXPECT_EQ(err->description(), "overloaded");
    EXPECT_EQ(w.view.text(), "Body");
    const QJsonObject body = QJsonDocument::fromJson(w.server.requests.last().body).object();
    EXPECT_TRUE(body["messages"].toArray()[0].toObject()["content"].toString().endsWith(
        "Additional instruction from the user: in French."));

    // An empty answer never replaces the text it was meant to rewrite.
    w.server.respond(200, answer(" \n "));
    err = w.wait([&](auto d) { return w.runner.performAIAssist(AIActions::byId("improve"), "", true, d); });
    ASSERT_TRUE(err);
    EXPECT_EQ(err->description(), AssistRunner::emptyAnswerText());
    EXPECT_EQ(w.view.text(), "Body");
    w.view.setSelectedRange(TextRange(1, 2));
    err = w.wait([&](auto d) { return w.runner.performTranslation("French", false, d); });
    ASSERT_TRUE(err);
    EXPECT_EQ(w.view.text(), "Body");

    // A refused edit is reported, not shown as success.
    w.server.respond(200, answer("Better body"));
    w.view.refuseChanges = 1;
    err = w.wait([&](auto d) { return w.runner.performAIAssist(AIActions::byId("improve"), "", true, d); });
    ASSERT_TRUE(err);
    EXPECT_EQ(err->description(), AssistRunner::refusedText());
    EXPECT_EQ(w.view.text(), "Body");

    // An aborted request changes nothing and never reports.
    bool reported = false;
    QPointer<ChatCall> call = w.runner.performAIAssist(
        AIActions::byId("improve"), "", true, [&](const std::optional<TranslationError>&) { reported = true; });
    call->abort();
    spinUntil([&] { return w.server.requests.size() == 7; }, 2000);
    spinUntil([] { return false; }, 100);
    EXPECT_FALSE(reported);
    EXPECT_EQ(w.view.text(), "Body");
}
