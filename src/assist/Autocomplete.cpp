#include "assist/Autocomplete.h"

#include "assist/LLMClient.h"
#include "platform/TextUtil.h"

#include <QRegularExpression>

#include <algorithm>

namespace Autocomplete {

Context context(const QString& text, int caret, int maxChars)
{
    const int n = int(text.size());
    caret = std::clamp(caret, 0, n);
    const int start = std::max(caret - std::max(maxChars, 0), 0);
    return {text.mid(start, caret - start), text.mid(caret, kAfterChars)};
}

bool hasEnoughContext(const QString& before)
{
    return TextUtil::graphemeCount(TextUtil::trimWhitespaceAndNewlines(before)) >= 3;
}

namespace {

const QString kFence = QStringLiteral("```");

// The text after the first `count` grapheme clusters.
QString dropGraphemes(const QString& s, int count)
{
    int end = 0;
    for (int i = 0; i < count && end < s.size(); ++i) end = TextUtil::nextGraphemeBoundary(s, end);
    return s.mid(end);
}

bool startsWithLetterOrDigit(QStringView s)
{
    return !s.isEmpty() && QChar::isLetterOrNumber(TextUtil::codePointAt(s, 0));
}

bool endsWithLetterOrDigit(QStringView s)
{
    if (s.isEmpty()) return false;
    const int last = TextUtil::previousGraphemeBoundary(s, int(s.size()));
    return QChar::isLetterOrNumber(TextUtil::codePointAt(s, last));
}

QString cutToLimit(const QString& text, int maxChars)
{
    const QList<TextRange> clusters = TextUtil::graphemeRanges(text);
    if (clusters.size() <= maxChars) return text;
    const QString prefix = maxChars > 0 ? text.left(clusters.at(maxChars - 1).end()) : QString();
    static const QRegularExpression sentenceEnd(QStringLiteral("[.!?]\\s"),
                                                QRegularExpression::UseUnicodePropertiesOption);
    int cut = -1;
    for (auto it = sentenceEnd.globalMatch(prefix); it.hasNext();) cut = int(it.next().capturedEnd());
    if (cut >= 0) return TextUtil::trimBlanks(QStringView(prefix).left(cut));
    const int blank = int(prefix.lastIndexOf(u' '));
    return blank >= 0 ? prefix.left(blank) : prefix;
}

} // namespace

QString clean(const QString& reply, const QString& before, int maxChars)
{
    QString text = reply;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    if (text.startsWith(kFence)) {
        const qsizetype lineEnd = text.indexOf(u'\n');
        text = lineEnd < 0 ? QString() : text.mid(lineEnd + 1);
        const qsizetype closing = text.lastIndexOf(kFence);
        if (closing >= 0) text.truncate(closing);
    }

    // The model often repeats the word it was asked to continue.
    static const QRegularExpression wordSeparators(QStringLiteral("[ \n]"));
    QString lastWord;
    for (const QString& piece : before.split(wordSeparators, Qt::SkipEmptyParts)) lastWord = piece;
    if (!lastWord.isEmpty() && text.toLower().startsWith(lastWord.toLower() + u' '))
        text = dropGraphemes(text, TextUtil::graphemeCount(lastWord));

    const qsizetype paragraphEnd = text.indexOf(QStringLiteral("\n\n"));
    if (paragraphEnd >= 0) text.truncate(paragraphEnd);
    text = TextUtil::trimWhitespaceAndNewlines(text);

    if (endsWithLetterOrDigit(before) && startsWithLetterOrDigit(text)) text.prepend(u' ');
    return cutToLimit(text, maxChars);
}

QString systemPrompt()
{
    return QStringLiteral(
        "You are an autocomplete engine inside a Markdown editor. Continue the user's text naturally from the "
        "cursor. Reply with ONLY the continuation — no quoting, no explanations, no code fences, and do not "
        "repeat text before the cursor. Keep it to at most one or two sentences.");
}

QString userMessage(const Context& context)
{
    return QStringLiteral("TEXT BEFORE CURSOR:\n") + context.before
           + QStringLiteral("\n\n<<CURSOR>>\n\nTEXT AFTER CURSOR:\n") + context.after;
}

ChatCall* request(const Context& ctx, QObject* receiver, std::function<void(const QString&)> onSuggestion)
{
    const QString before = ctx.before;
    return LLMClient::chat(systemPrompt(), userMessage(ctx), kTemperature, receiver,
                           [before, onSuggestion = std::move(onSuggestion)](const ChatResult& result) {
                               if (!result.ok()) return;
                               const QString suggestion = clean(result.text, before, kSuggestionChars);
                               if (!suggestion.isEmpty() && onSuggestion) onSuggestion(suggestion);
                           });
}

} // namespace Autocomplete
