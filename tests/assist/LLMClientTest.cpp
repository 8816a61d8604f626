#include "assist/LLMClient.h"
#include "assist/ApiKeyStore.h"

#include "AssistTestSupport.h"
#include "FakeHttpServer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>

namespace {

const QString kCloudKey = QStringLiteral("sk-cloud-0123456789");

enum class Provider { Cloud, Ollama, Custom };

std::string providerName(const testing::TestParamInfo<Provider>& info)
{
    switch (info.param) {
    case Provider::Cloud: return "Cloud";
    case Provider::Ollama: return "Ollama";
    case Provider::Custom: return "Custom";
    }
    return "?";
}

// Configures `p` against `url` (a server on 127.0.0.1) and returns the configuration the
// client would use. The cloud endpoint is fixed, so its configuration is taken as
// `config()` builds it and only the address is swapped for the test server.
std::optional<LLMClient::Config> configure(TempConfig& env, Provider p, const QUrl& url)
{
    Settings& s = env.settings();
    env.keys().setKey(ApiKeyStore::cloudKeyName(), kCloudKey);
    switch (p) {
    case Provider::Cloud: {
        s.setValue("aiProvider", "deepseek");
        auto c = LLMClient::config();
        if (c) c->endpoint = url;
        return c;
    }
    case Provider::Ollama: {
        s.setValue("aiProvider", "ollama");
        QUrl base = url;
        base.setPath({});
        s.setValue("ollamaBaseURL", "  " + base.toString() + "\t");
        return LLMClient::config();
    }
    case Provider::Custom:
        s.setValue("aiProvider", "custom");
        s.setValue("customEndpoint", url.toString());
        s.setValue("customModel", "my-model");
        env.keys().setKey(ApiKeyStore::customKeyName(), "custom-key-42");
        return LLMClient::config();
    }
    return std::nullopt;
}

ChatResult ask(const std::optional<LLMClient::Config>& c, int timeoutMs = LLMClient::kTimeoutMs)
{
    return waitFor([&](QObject* r, auto done) {
        return LLMClient::send(c, "SYS", "USER text", 0.4, r, std::move(done), timeoutMs);
    });
}

QByteArray reply(const QString& content)
{
    QJsonObject message{{"role", "assistant"}, {"content", content}};
    QJsonObject choice{{"index", 0}, {"message", message}};
    return QJsonDocument(QJsonObject{{"id", "x"}, {"choices", QJsonArray{choice}}}).toJson();
}

class ProviderTest : public testing::TestWithParam<Provider> {
protected:
    TempConfig env;
    FakeHttpServer server;
};

} // namespace

TEST_P(ProviderTest, SendsExactRequestAndReturnsTrimmedContent)
{
    const auto c = configure(env, GetParam(), server.url());
    ASSERT_TRUE(c);
    server.respond(200, reply("  \n Bonjour le monde \n\n"));
    const ChatResult r = ask(c);
    ASSERT_TRUE(r.ok()) << r.error->description().toStdString();
    EXPECT_EQ(r.text, "Bonjour le monde");

    ASSERT_EQ(server.requests.size(), 1);
    const auto& req = server.requests.first();
    EXPECT_EQ(req.method, "POST");
    EXPECT_EQ(req.path, "/v1/chat/completions");
    EXPECT_EQ(req.headers.value("content-type"), "application/json");
    switch (GetParam()) {
    case Provider::Cloud: EXPECT_EQ(req.headers.value("authorization"), "Bearer " + kCloudKey.toUtf8()); break;
    case Provider::Ollama: EXPECT_FALSE(req.headers.contains("authorization")); break;
    // The custom endpoint gets its own key, never the cloud provider's.
    case Provider::Custom: EXPECT_EQ(req.headers.value("authorization"), "Bearer custom-key-42"); break;
    }

    QJsonParseError err{};
    const QJsonObject body = QJsonDocument::fromJson(req.body, &err).object();
    ASSERT_EQ(err.error, QJsonParseError::NoError);
    EXPECT_EQ(body.keys(), (QStringList{"messages", "model", "stream", "temperature"}));
    const char* model = GetParam() == Provider::Cloud    ? "deepseek-chat"
                        : GetParam() == Provider::Ollama ? "llama3.2"
                                                         : "my-model";
    EXPECT_EQ(body.value("model").toString(), model);
    EXPECT_EQ(body.value("stream"), QJsonValue(false));
    EXPECT_DOUBLE_EQ(body.value("temperature").toDouble(), 0.4);
    const QJsonArray messages = body.value("messages").toArray();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.at(0).toObject(), (QJsonObject{{"role", "system"}, {"content", "SYS"}}));
    EXPECT_EQ(messages.at(1).toObject(), (QJsonObject{{"role", "user"}, {"content", "USER text"}}));
}

TEST_P(ProviderTest, AnswerShapesAndHttpErrorsGiveTheirTexts)
{
    const auto c = configure(env, GetParam(), server.url());
    ASSERT_TRUE(c);
    const QString bad = "The translation service returned an unexpected response.";

    server.respond(200, R"({"choices":[]})");
    EXPECT_EQ(ask(c).error->description(), bad);
    server.respond(200, R"({"choices":[{"message":{"content":42}}]})");
    EXPECT_EQ(ask(c).error->description(), bad);

    server.respond(200, "<html>oops</html>", "text/html");
    ChatResult r = ask(c);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error->kind(), TranslationError::Kind::Json); // the parser's own message
    EXPECT_FALSE(r.error->description().isEmpty());
    EXPECT_NE(r.error->description(), bad);

    // HTTP errors arrive from the network layer as errors: the status decides the text.
    server.respond(401, R"({"error":{"message":"Authentication Fails, no such user"}})");
    EXPECT_EQ(ask(c).error->description(), "Authentication Fails, no such user");
    server.respond(401, "<html>denied</html>", "text/html");
    EXPECT_EQ(ask(c).error->description(), "HTTP 401 from 127.0.0.1");
    server.respond(500, R"({"error":{"message":""}})");
    r = ask(c);
    EXPECT_EQ(r.error->kind(), TranslationError::Kind::Api);
    EXPECT_EQ(r.error->description(), "HTTP 500 from 127.0.0.1"); // never an empty error line
    server.respond(500, R"({"error":{"message":"  "}})");
    EXPECT_EQ(ask(c).error->description(), "HTTP 500 from 127.0.0.1");
    server.respond(500, R"({"error":"boom"})");
    EXPECT_EQ(ask(c).error->description(), "HTTP 500 from 127.0.0.1");
    server.respond(201, reply("fine"));
    EXPECT_EQ(ask(c).error->description(), "HTTP 201 from 127.0.0.1");
}

TEST_P(ProviderTest, RefusedSilentAndLargeAnswers)
{
    const auto c = configure(env, GetParam(), server.url());
    ASSERT_TRUE(c);

    // A one-mebibyte answer comes through whole.
    const QString big(1 << 20, QChar('a'));
    server.respond(200, reply(big));
    ChatResult r = ask(c);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.text.size(), big.size());

    // A server that never answers ends at the inactivity limit with the transport's text.
    server.beSilent();
    r = ask(c, 300);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error->kind(), TranslationError::Kind::Transport);
    // Not the network layer's "Operation canceled": the user cancelled nothing.
    EXPECT_EQ(r.error->description(), "The request timed out.");

    // Nobody listening: the connection is refused.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 closedPort = probe.serverPort();
    probe.close();
    auto refused = c;
    refused->endpoint.setPort(closedPort);
    r = ask(refused);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error->kind(), TranslationError::Kind::Transport);
    EXPECT_TRUE(r.error->description().contains("refused", Qt::CaseInsensitive))
        << r.error->description().toStdString();
}

INSTANTIATE_TEST_SUITE_P(AllProviders, ProviderTest,
                         testing::Values(Provider::Cloud, Provider::Ollama, Provider::Custom), providerName);

TEST(LLMClientConfig, ProviderSelectionAndEndpoints)
{
    TempConfig env;
    Settings& s = env.settings();

    auto c = LLMClient::config(); // nothing stored: the cloud provider
    ASSERT_TRUE(c);
    EXPECT_EQ(c->endpoint.toString(), "https://api.deepseek.com/chat/completions");
    EXPECT_EQ(c->model, "deepseek-chat");
    EXPECT_TRUE(c->requiresKey);
    EXPECT_EQ(c->apiKey, "");

    s.setValue("aiProvider", "Ollama"); // exact match only
    EXPECT_TRUE(LLMClient::config()->requiresKey);

    s.setValue("aiProvider", "ollama");
    c = LLMClient::config();
    EXPECT_EQ(c->endpoint.toString(), "http://localhost:11434/v1/chat/completions");
    EXPECT_EQ(c->model, "llama3.2");
    EXPECT_FALSE(c->requiresKey);
    s.setValue("ollamaBaseURL", " http://127.0.0.1:9/ ");
    EXPECT_EQ(LLMClient::config()->endpoint.toString(), "http://127.0.0.1:9//v1/chat/completions");
    s.setValue("ollamaBaseURL", "file:///tmp");
    EXPECT_FALSE(LLMClient::config());

    s.setValue("aiProvider", "custom");
    EXPECT_FALSE(LLMClient::config()); // never set
    s.setValue("customEndpoint", "");
    EXPECT_FALSE(LLMClient::config());
    s.setValue("customEndpoint", "ftp://127.0.0.1/chat");
    EXPECT_FALSE(LLMClient::config());
    s.setValue("customEndpoint", "\thttps://llm.example.test/v1/chat/completions ");
    c = LLMClient::config();
    ASSERT_TRUE(c);
    EXPECT_EQ(c->endpoint.host(), "llm.example.test");
    EXPECT_EQ(c->model, "");
    EXPECT_FALSE(c->requiresKey);
}

TEST(LLMClientConfig, RefusalsSendNothing)
{
    TempConfig env;
    FakeHttpServer server;
    server.respond(200, reply("never"));
    Settings& s = env.settings();

    // The cloud provider with a blank key: missing key, nothing sent.
    env.keys().setKey(ApiKeyStore::cloudKeyName(), "   ");
    auto c = LLMClient::config();
    c->endpoint = server.url();
    ChatResult r = ask(c);
    EXPECT_EQ(r.error->kind(), TranslationError::Kind::MissingKey);
    EXPECT_TRUE(r.error->description().contains("API key"));

    // A key that would inject header lines is refused before sending.
    env.keys().setKey(ApiKeyStore::cloudKeyName(), "sk-abc\r\nX-Evil: 1");
    c = LLMClient::config();
    c->endpoint = server.url();
    r = ask(c);
    EXPECT_EQ(r.error->description(), TranslationError::invalidKeyText());
    EXPECT_FALSE(r.error->description().contains("sk-abc"));

    // No usable endpoint: the Part's text, without a request.
    s.setValue("aiProvider", "custom");
    s.setValue("customEndpoint", "gopher://127.0.0.1:" + QString::number(server.port()) + "/x");
    r = waitFor([](QObject* o, auto done) { return LLMClient::chat("s", "u", 1.0, o, std::move(done)); });
    EXPECT_EQ(r.error->description(), "Invalid AI endpoint. Check Settings ▸ AI.");
    EXPECT_TRUE(server.requests.isEmpty());

    // The custom provider sends a blank key as it is, and no header without one.
    s.setValue("customEndpoint", server.url().toString());
    env.keys().setKey(ApiKeyStore::customKeyName(), "   ");
    EXPECT_TRUE(waitFor([](QObject* o, auto d) { return LLMClient::chat("s", "u", 1.0, o, std::move(d)); }).ok());
    env.keys().setKey(ApiKeyStore::customKeyName(), "");
    EXPECT_TRUE(waitFor([](QObject* o, auto d) { return LLMClient::chat("s", "u", 1.0, o, std::move(d)); }).ok());
    ASSERT_EQ(server.requests.size(), 2);
    EXPECT_EQ(server.requests.at(0).headers.value("authorization"), "Bearer    ");
    EXPECT_FALSE(server.requests.at(1).headers.contains("authorization"));
}

TEST(LLMClientCall, KeyNeverInErrorTextAndAbortSilencesTheCallback)
{
    TempConfig env;
    FakeHttpServer server;
    env.keys().setKey(ApiKeyStore::cloudKeyName(), kCloudKey);
    auto c = LLMClient::config();
    c->endpoint = server.url();
    server.respond(401, QString(R"({"error":{"message":"Incorrect API key provided: %1"}})").arg(kCloudKey).toUtf8());
    const ChatResult r = ask(c);
    ASSERT_FALSE(r.ok());
    EXPECT_FALSE(r.error->description().contains(kCloudKey));
    EXPECT_TRUE(r.error->description().startsWith("Incorrect API key provided: "));

    // Echoed in part, as services do to show which key was wrong: no run of four of its
    // characters is shown either.
    server.respond(401, R"({"error":{"message":"Incorrect API key provided: sk-clou*********6789. Check it."}})");
    const ChatResult partly = ask(c);
    ASSERT_FALSE(partly.ok());
    EXPECT_EQ(partly.error->description(), "Incorrect API key provided: •••*********•••. Check it.");

    // An aborted call never calls back, even when the answer arrives.
    server.beSilent();
    QObject receiver;
    bool called = false;
    QPointer<ChatCall> call = LLMClient::send(c, "s", "u", 1.0, &receiver, [&](const ChatResult&) { called = true; });
    spinUntil([&] { return server.requests.size() == 2; });
    call->abort();
    spinUntil([&] { return call.isNull(); }, 2000);
    EXPECT_FALSE(called);
    EXPECT_TRUE(call.isNull());

    // Errors found before sending are reported later, never from inside the call.
    bool early = false;
    LLMClient::send(std::nullopt, "s", "u", 1.0, &receiver, [&](const ChatResult&) { early = true; });
    EXPECT_FALSE(early);
    spinUntil([&] { return early; }, 2000);
    EXPECT_TRUE(early);
}

TEST(LLMClientCall, ATricklingServerRunsIntoTheDeadline)
{
    TempConfig env;
    FakeHttpServer server;
    env.keys().setKey(ApiKeyStore::cloudKeyName(), kCloudKey);
    auto c = LLMClient::config();
    c->endpoint = server.url();
    server.trickle(50); // a byte every 50 ms: the 300 ms inactivity limit never fires
    const ChatResult r =
        waitFor([&](QObject* receiver,
                    auto done) { return LLMClient::send(c, "s", "u", 1.0, receiver, std::move(done), 300, 1000); },
                5000);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error->description(), TranslationError::timedOutText());
}

TEST(LLMClientCall, KeyDoesNotFollowARedirectToAnotherServer)
{
    TempConfig env;
    FakeHttpServer first, elsewhere;
    elsewhere.respond(200, reply("stolen"));
    first.respond(307, "");
    first.extraHeaders = "Location: " + elsewhere.url().toEncoded() + "\r\n";
    env.keys().setKey(ApiKeyStore::cloudKeyName(), kCloudKey);
    auto c = LLMClient::config();
    c->endpoint = first.url();
    const ChatResult r = ask(c);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(first.requests.size(), 1);
    EXPECT_TRUE(elsewhere.requests.isEmpty());
}
