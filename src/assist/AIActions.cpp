#include "assist/AIActions.h"

#include "assist/LLMClient.h"
#include "platform/TextUtil.h"

#include <QCoreApplication>

QString AIAction::shownTitle() const
{
    return QCoreApplication::translate("AIActions", title.toUtf8().constData());
}

namespace AIActions {

const QList<AIAction>& all()
{
    static const QList<AIAction> actions = [] {
        const QString suffix = QStringLiteral(
            "Preserve all Markdown formatting, code blocks, and links. Output only the resulting Markdown with no "
            "commentary or code fences.");
        using M = AIAction::Mode;
        auto a = [&](const char* id, const char* title, const char* symbol, const char* sentence, M mode) {
            return AIAction{QString::fromUtf8(id), QString::fromUtf8(title), QString::fromUtf8(symbol),
                            QString::fromUtf8(sentence) + suffix, mode};
        };
        return QList<AIAction>{
            a("improve", QT_TRANSLATE_NOOP("AIActions", "Improve Writing"), "pencil.line",
              "Improve the clarity, flow, and word choice of the text while keeping its meaning and voice. ",
              M::replace),
            a("grammar", QT_TRANSLATE_NOOP("AIActions", "Fix Spelling & Grammar"), "spellcheck",
              "Correct spelling, grammar, and punctuation. Keep the author's wording and voice otherwise. ",
              M::replace),
            a("rewrite", QT_TRANSLATE_NOOP("AIActions", "Rewrite"), "arrow.triangle.2.circlepath",
              "Rewrite the text using different phrasing while preserving its meaning. ", M::replace),
            a("shorter", QT_TRANSLATE_NOOP("AIActions", "Make Shorter"), "arrow.down.right.and.arrow.up.left",
              "Make the text more concise, keeping the key points. ", M::replace),
            a("longer", QT_TRANSLATE_NOOP("AIActions", "Make Longer"), "arrow.up.left.and.arrow.down.right",
              "Expand the text with more detail and useful examples. ", M::replace),
            a("professional", QT_TRANSLATE_NOOP("AIActions", "Professional Tone"), "briefcase",
              "Rewrite the text in a polished, professional tone. ", M::replace),
            a("casual", QT_TRANSLATE_NOOP("AIActions", "Casual Tone"), "face.smiling",
              "Rewrite the text in a friendly, casual tone. ", M::replace),
            a("summarize", QT_TRANSLATE_NOOP("AIActions", "Summarize"), "text.line.first.and.arrowtriangle.forward",
              "Write a concise Markdown summary of the key points as a bulleted list. ", M::appendSection),
            a("draft", QT_TRANSLATE_NOOP("AIActions", "Draft from Outline"), "doc.badge.plus",
              "Treat the input as a topic or outline and write a well-structured, complete Markdown draft with "
              "headings and paragraphs. ",
              M::appendSection),
            a("explain", QT_TRANSLATE_NOOP("AIActions", "Explain"), "questionmark.circle",
              "Explain the following text clearly and concisely for a general reader, in Markdown. ", M::appendSection),
            AIAction{QStringLiteral("metadata"),
                     QString::fromUtf8(QT_TRANSLATE_NOOP("AIActions", "Suggest Title & Tags")), QStringLiteral("tag"),
                     QStringLiteral("Analyze the Markdown document. Respond with ONLY compact JSON of the form "
                                    "{\"title\": \"…\", \"tags\": [\"…\", \"…\"]} — a concise title and 3-6 short "
                                    "lowercase tags. No commentary, no code fences."),
                     M::frontMatter},
        };
    }();
    return actions;
}

const AIAction& byId(const QString& id)
{
    for (const AIAction& a : all())
        if (a.id == id) return a;
    return all().first();
}

} // namespace AIActions

QString AIService::systemPrompt(const QString& system, const std::optional<QString>& instruction)
{
    if (!instruction || TextUtil::isBlank(*instruction)) return system;
    return system + QStringLiteral(" Additional instruction from the user: ") + *instruction + u'.';
}

ChatCall* AIService::run(const QString& system, const std::optional<QString>& instruction, const QString& text,
                         QObject* receiver, std::function<void(const ChatResult&)> done)
{
    return LLMClient::chat(systemPrompt(system, instruction), text, 1.0, receiver, std::move(done));
}
