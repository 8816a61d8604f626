#pragma once

#include "assist/ApiKeyStore.h"
#include "assist/LLMClient.h"
#include "platform/Settings.h"

#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <optional>

// Points the process-wide settings (and with them the key store) at a fresh temporary
// folder, so no test ever reads or writes the user's configuration.
class TempConfig {
public:
    TempConfig() { Settings::useFile(m_dir.filePath(QStringLiteral("settings.ini"))); }
    Settings& settings() { return Settings::instance(); }
    ApiKeyStore& keys() { return ApiKeyStore::instance(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// Sends with `send` and waits (bounded) for the answer.
inline ChatResult waitFor(const std::function<ChatCall*(QObject*, std::function<void(const ChatResult&)>)>& send,
                          int ms = 10000)
{
    QObject receiver;
    std::optional<ChatResult> got;
    send(&receiver, [&](const ChatResult& r) { got = r; });
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (got) loop.quit();
    });
    tick.start(5);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(got.has_value()) << "no answer within " << ms << " ms";
    return got.value_or(ChatResult{{}, TranslationError::api(QStringLiteral("<no answer>"))});
}
