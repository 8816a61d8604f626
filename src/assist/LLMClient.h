#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class QNetworkReply;

// The user-visible failure of a language-model request. Every feature of the assistant
// (translation, assist actions, continuation) reports through this one type.
class TranslationError {
public:
    enum class Kind {
        Api,         // a message from the service, or our own short explanation
        MissingKey,  // the cloud provider needs a key and none is stored
        BadResponse, // the answer did not have the expected shape
        Transport,   // the network layer's own failure (no connection, time-out, ...)
        Json,        // a 200 answer whose body is not JSON: the parser's own message
    };

    static TranslationError api(const QString& message) { return {Kind::Api, message}; }
    static TranslationError missingKey() { return {Kind::MissingKey, {}}; }
    static TranslationError badResponse() { return {Kind::BadResponse, {}}; }
    static TranslationError transport(const QString& text) { return {Kind::Transport, text}; }
    static TranslationError json(const QString& text) { return {Kind::Json, text}; }

    Kind kind() const { return m_kind; }
    // The carried text (the service's message, or the platform's error text).
    QString message() const { return m_message; }
    // What the sheet shows, in one line.
    QString description() const;

    // The fixed texts, exposed so that callers and tests compare against one source.
    static QString invalidEndpointText();
    static QString invalidKeyText();
    // A transfer that ran into its inactivity limit.
    static QString timedOutText();

private:
    TranslationError(Kind k, QString m)
        : m_kind(k),
          m_message(std::move(m))
    {}
    Kind m_kind;
    QString m_message;
};

// The outcome of one chat request: the trimmed reply text, or the error.
struct ChatResult {
    QString text;
    std::optional<TranslationError> error;
    bool ok() const { return !error.has_value(); }
};

// One running request. It belongs to the receiver given to `LLMClient::chat`, so it
// ends (and its network transfer is aborted) when the receiver is destroyed.
class ChatCall : public QObject {
    Q_OBJECT
public:
    ~ChatCall() override;
    // Stops the transfer; the callback is never invoked afterwards. Safe to call twice.
    void abort();
    bool isRunning() const { return !m_done; }

private:
    friend struct ChatCallAccess;
    explicit ChatCall(QObject* receiver);
    void finish(ChatResult result);

    std::function<void(const ChatResult&)> m_callback;
    QPointer<QNetworkReply> m_reply;
    qint64 m_received = 0;
    QString m_secret; // the key sent, masked out of every error text
    bool m_done = false;
};

// The one way the editor talks to a language model: a single, non-streaming
// chat-completions request of a system and a user message. No state is kept between
// calls; the provider settings are read afresh on every call.
//
// Threading: call from the main thread. The transfer runs asynchronously (the main
// thread never waits for it) and the answer is parsed on a worker thread; the callback
// always runs later on the main thread, never from inside `chat` itself.
namespace LLMClient {

struct Config {
    QUrl endpoint;            // the complete URL the request is posted to
    QString model;            // the request's "model"
    QString apiKey;           // sent as a bearer token when non-empty
    bool requiresKey = false; // the cloud provider refuses to send without a key
};

// The cloud provider's fixed chat-completions endpoint and model.
QUrl cloudEndpoint();
inline constexpr char kCloudModel[] = "deepseek-chat";
// The local server's default base address (plain HTTP on this machine).
inline constexpr char kOllamaDefaultBase[] = "http://localhost:11434";
inline constexpr char kOllamaDefaultModel[] = "llama3.2";
// Inactivity limit of a transfer.
inline constexpr int kTimeoutMs = 120000;
// Limit of a whole request, however steadily the server sends: one that trickles a byte
// now and then never runs into the inactivity limit.
inline constexpr int kDeadlineMs = 300000;
// Answers larger than this are refused (a chat reply is text; this only guards memory).
inline constexpr qint64 kMaxReplyBytes = 64LL * 1024 * 1024;

// The configuration from the provider settings ("aiProvider", "ollamaBaseURL",
// "ollamaModel", "customEndpoint", "customModel") and the key store. None when the
// endpoint is unset, does not parse, or is not an http/https URL with a host.
std::optional<Config> config();

// Sends the request with the current configuration. `done` runs once on the main
// thread unless the call is aborted or `receiver` is destroyed first.
ChatCall* chat(const QString& system, const QString& user, double temperature, QObject* receiver,
               std::function<void(const ChatResult&)> done);

// The same with an explicit configuration, inactivity limit and overall deadline; `chat`
// uses it with `config()`, `kTimeoutMs` and `kDeadlineMs`.
ChatCall* send(const std::optional<Config>& config, const QString& system, const QString& user, double temperature,
               QObject* receiver, std::function<void(const ChatResult&)> done, int timeoutMs = kTimeoutMs,
               int deadlineMs = kDeadlineMs);

// `text` with every run of four or more characters that also stands in `secret` replaced
// by "•••": a server that echoes the key, whole or in part, shows none of it.
QString masked(const QString& text, const QString& secret);

// The pieces of a request and of an answer, exposed for tests.
QByteArray requestBody(const QString& model, const QString& system, const QString& user, double temperature);
// The answer of a finished transfer: `status` is the HTTP status (0 when the answer was
// not HTTP), `host` the endpoint's host.
ChatResult parseAnswer(int status, const QByteArray& body, const QString& host);

} // namespace LLMClient
