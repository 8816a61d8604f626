#include "assist/LLMClient.h"

#include "assist/ApiKeyStore.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "platform/TextUtil.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSet>
#include <QThreadPool>
#include <QTimer>

// ---- TranslationError --------------------------------------------------------------

QString TranslationError::invalidEndpointText()
{
    return QCoreApplication::translate("TranslationError", "Invalid AI endpoint. Check Settings ▸ AI.");
}

QString TranslationError::invalidKeyText()
{
    return QCoreApplication::translate("TranslationError",
                                       "The API key contains line breaks or control characters. Check Settings ▸ AI.");
}

QString TranslationError::timedOutText()
{
    return QCoreApplication::translate("TranslationError", "The request timed out.");
}

QString TranslationError::description() const
{
    switch (m_kind) {
    case Kind::MissingKey:
        return QCoreApplication::translate("TranslationError",
                                           "Add your DeepSeek API key in the AI tab of Settings first.");
    case Kind::BadResponse:
        return QCoreApplication::translate("TranslationError",
                                           "The translation service returned an unexpected response.");
    case Kind::Api:
    case Kind::Transport:
    case Kind::Json: break;
    }
    return m_message;
}

// ---- ChatCall ----------------------------------------------------------------------

struct ChatCallAccess {
    static ChatCall* make(QObject* receiver) { return new ChatCall(receiver); }
    static void setCallback(ChatCall* c, std::function<void(const ChatResult&)> f) { c->m_callback = std::move(f); }
    static void setReply(ChatCall* c, QNetworkReply* r) { c->m_reply = r; }
    static void setSecret(ChatCall* c, const QString& s) { c->m_secret = s; }
    static bool done(const ChatCall* c) { return c->m_done; }
    static void finish(ChatCall* c, ChatResult r) { c->finish(std::move(r)); }
};

ChatCall::ChatCall(QObject* receiver)
    : QObject(receiver)
{}

ChatCall::~ChatCall()
{
    m_done = true;
    m_callback = {};
    if (m_reply) m_reply->abort();
}

void ChatCall::abort()
{
    if (m_done) return;
    m_done = true;
    m_callback = {};
    if (m_reply) m_reply->abort();
    deleteLater();
}

void ChatCall::finish(ChatResult result)
{
    if (m_done) return;
    m_done = true;
    if (m_reply && m_reply->isRunning()) m_reply->abort();
    // A service may echo the key it was sent, whole or in part; none of it reaches the screen.
    const QString secret = TextUtil::trimWhitespaceAndNewlines(m_secret);
    const QString masked = result.error ? LLMClient::masked(result.error->message(), secret) : QString();
    if (result.error && masked != result.error->message()) {
        switch (result.error->kind()) {
        case TranslationError::Kind::Transport: result.error = TranslationError::transport(masked); break;
        case TranslationError::Kind::Json: result.error = TranslationError::json(masked); break;
        default: result.error = TranslationError::api(masked); break;
        }
    }
    auto callback = std::move(m_callback);
    m_callback = {};
    if (callback) callback(result);
    deleteLater();
}

// ---- LLMClient ---------------------------------------------------------------------

namespace {

bool usableEndpoint(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

// A key that would split or end the header line is refused before anything is sent.
bool hasControlCharacters(const QString& key)
{
    for (QChar c : key) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t') || u == 0x7f) return true;
    }
    return false;
}

bool isLoopback(const QUrl& url)
{
    const QString host = url.host().toLower();
    return host == u"localhost" || host == u"127.0.0.1" || host == u"::1";
}

// One manager per kind of destination, created on the main thread on first use. A
// server on this machine is never reached through a configured proxy.
QNetworkAccessManager& manager(bool loopback)
{
    static QNetworkAccessManager* remote = nullptr;
    static QNetworkAccessManager* local = nullptr;
    QNetworkAccessManager*& m = loopback ? local : remote;
    if (!m) {
        m = new QNetworkAccessManager(QCoreApplication::instance());
        if (loopback) m->setProxy(QNetworkProxy::NoProxy);
    }
    return *m;
}

ChatCall* failLater(ChatCall* call, const TranslationError& error)
{
    QMetaObject::invokeMethod(
        call,
        [call, error] {
            ChatCallAccess::finish(call, ChatResult{{}, error});
        },
        Qt::QueuedConnection);
    return call;
}

} // namespace

namespace LLMClient {

QUrl cloudEndpoint()
{
    return QUrl(QStringLiteral("https://api.deepseek.com/chat/completions"));
}

std::optional<Config> config()
{
    Settings& s = Settings::instance();
    const QString provider = s.string(PrefKey::aiProvider, QStringLiteral("deepseek"));
    if (provider == u"ollama") {
        const QString base =
            TextUtil::trimBlanks(s.string(PrefKey::ollamaBaseURL, QString::fromLatin1(kOllamaDefaultBase)));
        const QUrl url(base + QStringLiteral("/v1/chat/completions"), QUrl::StrictMode);
        if (!usableEndpoint(url)) return std::nullopt;
        return Config{url, s.string(PrefKey::ollamaModel, QString::fromLatin1(kOllamaDefaultModel)), QString(), false};
    }
    if (provider == u"custom") {
        const QVariant stored = s.value(PrefKey::customEndpoint);
        if (!stored.isValid()) return std::nullopt;
        const QUrl url(TextUtil::trimBlanks(stored.toString()), QUrl::StrictMode);
        if (!usableEndpoint(url)) return std::nullopt;
        return Config{url, s.string(PrefKey::customModel), ApiKeyStore::instance().key(ApiKeyStore::customKeyName()),
                      false};
    }
    return Config{cloudEndpoint(), QString::fromLatin1(kCloudModel),
                  ApiKeyStore::instance().key(ApiKeyStore::cloudKeyName()), true};
}

QByteArray requestBody(const QString& model, const QString& system, const QString& user, double temperature)
{
    const QJsonArray messages{
        QJsonObject{{QStringLiteral("role"), QStringLiteral("system")}, {QStringLiteral("content"), system}},
        QJsonObject{{QStringLiteral("role"), QStringLiteral("user")}, {QStringLiteral("content"), user}},
    };
    const QJsonObject body{
        {QStringLiteral("model"), model},
        {QStringLiteral("messages"), messages},
        {QStringLiteral("temperature"), temperature},
        {QStringLiteral("stream"), false},
    };
    return QJsonDocument(body).toJson(QJsonDocument::Compact);
}

ChatResult parseAnswer(int status, const QByteArray& body, const QString& host)
{
    if (status <= 0) return {{}, TranslationError::badResponse()};
    if (status != 200) {
        const QJsonDocument doc = QJsonDocument::fromJson(body);
        const QJsonValue message =
            doc.object().value(QStringLiteral("error")).toObject().value(QStringLiteral("message"));
        // A blank message would leave the user with an empty error line: fall back to the status.
        if (doc.isObject() && message.isString() && !message.toString().trimmed().isEmpty())
            return {{}, TranslationError::api(message.toString())};
        return {{},
                TranslationError::api(
                    host.isEmpty()
                        ? QCoreApplication::translate("TranslationError", "HTTP %1 from server").arg(status)
                        : QCoreApplication::translate("TranslationError", "HTTP %1 from %2").arg(status).arg(host))};
    }
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError) return {{}, TranslationError::json(parseError.errorString())};
    const QJsonValue choices = doc.object().value(QStringLiteral("choices"));
    if (!doc.isObject() || !choices.isArray() || choices.toArray().isEmpty())
        return {{}, TranslationError::badResponse()};
    const QJsonValue first = choices.toArray().at(0);
    const QJsonValue message = first.toObject().value(QStringLiteral("message"));
    const QJsonValue content = message.toObject().value(QStringLiteral("content"));
    if (!first.isObject() || !message.isObject() || !content.isString()) return {{}, TranslationError::badResponse()};
    return {TextUtil::trimWhitespaceAndNewlines(content.toString()), std::nullopt};
}

ChatCall* chat(const QString& system, const QString& user, double temperature, QObject* receiver,
               std::function<void(const ChatResult&)> done)
{
    return send(config(), system, user, temperature, receiver, std::move(done), kTimeoutMs, kDeadlineMs);
}

QString masked(const QString& text, const QString& secret)
{
    constexpr qsizetype kRun = 4;
    if (secret.size() < kRun || text.size() < kRun) return text;
    QSet<QStringView> pieces; // every run of four of the secret
    for (qsizetype i = 0; i + kRun <= secret.size(); ++i) pieces.insert(QStringView(secret).mid(i, kRun));
    // Units covered by a run of four that stands in the secret; overlapping runs join up.
    QList<bool> hidden(text.size(), false);
    bool any = false;
    for (qsizetype i = 0; i + kRun <= text.size(); ++i) {
        if (pieces.contains(QStringView(text).mid(i, kRun))) {
            for (qsizetype k = i; k < i + kRun; ++k) hidden[k] = true;
            any = true;
        }
    }
    if (!any) return text;
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!hidden[i])
            out += text.at(i);
        else if (i == 0 || !hidden[i - 1])
            out += QStringLiteral("•••");
    }
    return out;
}

ChatCall* send(const std::optional<Config>& cfg, const QString& system, const QString& user, double temperature,
               QObject* receiver, std::function<void(const ChatResult&)> done, int timeoutMs, int deadlineMs)
{
    ChatCall* call = ChatCallAccess::make(receiver);
    ChatCallAccess::setCallback(call, std::move(done));
    if (!cfg) return failLater(call, TranslationError::api(TranslationError::invalidEndpointText()));
    // Checked again here: a configuration may come from elsewhere than `config()`.
    if (!usableEndpoint(cfg->endpoint))
        return failLater(call, TranslationError::api(TranslationError::invalidEndpointText()));
    if (cfg->requiresKey && TextUtil::trimBlanks(cfg->apiKey).isEmpty())
        return failLater(call, TranslationError::missingKey());
    if (hasControlCharacters(cfg->apiKey))
        return failLater(call, TranslationError::api(TranslationError::invalidKeyText()));

    QNetworkRequest request(cfg->endpoint);
    request.setTransferTimeout(timeoutMs);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    if (!cfg->apiKey.isEmpty()) request.setRawHeader("Authorization", "Bearer " + cfg->apiKey.toUtf8());
    // The bearer key must never follow a redirect to another server.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);

    const QString host = cfg->endpoint.host();
    QNetworkReply* reply =
        manager(isLoopback(cfg->endpoint)).post(request, requestBody(cfg->model, system, user, temperature));
    ChatCallAccess::setReply(call, reply);
    ChatCallAccess::setSecret(call, cfg->apiKey);
    // The transfer's own limit only notices silence; this one ends the request as a whole.
    QTimer::singleShot(deadlineMs, call, [call] {
        ChatCallAccess::finish(call, {{}, TranslationError::transport(TranslationError::timedOutText())});
    });

    QObject::connect(reply, &QNetworkReply::downloadProgress, call, [call](qint64 received, qint64) {
        if (received > kMaxReplyBytes) ChatCallAccess::finish(call, {{}, TranslationError::badResponse()});
    });
    QObject::connect(reply, &QNetworkReply::finished, call, [call, reply, host] {
        reply->deleteLater();
        if (ChatCallAccess::done(call)) return;
        const QNetworkReply::NetworkError error = reply->error();
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        // Codes below 200 are the connection's own failures (refused, reset, timed out,
        // proxy); HTTP 4xx/5xx arrive as higher codes together with a status.
        if ((error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied) || !status.isValid()) {
            // The network layer ends a transfer that ran into its time limit as
            // "cancelled"; an abort of ours never gets here, so say what happened.
            const TranslationError e = error == QNetworkReply::OperationCanceledError
                                           ? TranslationError::transport(TranslationError::timedOutText())
                                       : error != QNetworkReply::NoError
                                           ? TranslationError::transport(reply->errorString())
                                           : TranslationError::badResponse();
            ChatCallAccess::finish(call, {{}, e});
            return;
        }
        const int code = status.toInt();
        const QByteArray body = reply->read(kMaxReplyBytes + 1);
        if (body.size() > kMaxReplyBytes) {
            ChatCallAccess::finish(call, {{}, TranslationError::badResponse()});
            return;
        }
        // Parsing a large answer must not stall the interface: it runs on a worker and
        // the result comes back to the main thread, where the call lives.
        QPointer<ChatCall> guard(call);
        QThreadPool::globalInstance()->start([guard = std::move(guard), code, body, host]() mutable {
            ChatResult result = parseAnswer(code, body, host);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [guard = std::move(guard), result = std::move(result)]() mutable {
                    if (guard) ChatCallAccess::finish(guard, std::move(result));
                },
                Qt::QueuedConnection);
        });
    });
    return call;
}

} // namespace LLMClient
