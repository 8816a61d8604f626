#include "editor/TypingRules.h"

#include "platform/TextUtil.h"

#include <QRegularExpression>

#include <limits>

namespace TypingRules {

std::optional<QString> closingMark(const QString& typed)
{
    if (typed == u"*" || typed == u"_" || typed == u"`" || typed == u"\"") return typed;
    if (typed == u"[") return QStringLiteral("]");
    if (typed == u"(") return QStringLiteral(")");
    return std::nullopt;
}

bool isLinkAddress(const QString& s)
{
    static const QRegularExpression re(QStringLiteral(R"(\Ahttps?://\S+\z)"),
                                       QRegularExpression::UseUnicodePropertiesOption);
    return s.size() >= 5 && re.match(s).hasMatch();
}

std::optional<QString> linkOverSelection(const QString& selected, const QString& address)
{
    if (selected.contains(u'\n') || selected.contains(u'\r')) return std::nullopt;
    return u'[' + selected + QStringLiteral("](") + address + u')';
}

Newline continueList(const QString& prefix)
{
    static const QRegularExpression task(QStringLiteral(R"(\A(\s*)([-*+]) \[( |x|X)\] (.*)\z)"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression ordered(QStringLiteral(R"(\A(\s*)(\d+)([.)]) (.*)\z)"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression bullet(QStringLiteral(R"(\A(\s*)([-*+]) (.*)\z)"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression quote(QStringLiteral(R"(\A(\s*)> ?(.*)\z)"),
                                          QRegularExpression::UseUnicodePropertiesOption);
    QString marker, rest;
    if (auto m = task.match(prefix); m.hasMatch()) {
        marker = m.captured(1) + m.captured(2) + QStringLiteral(" [ ] ");
        rest = m.captured(4);
    } else if (auto m = ordered.match(prefix); m.hasMatch()) {
        bool ok = false;
        const qlonglong n = m.captured(2).toLongLong(&ok);
        // A number that does not fit, or whose successor would not, starts again at 1.
        const qlonglong next = ok && n < std::numeric_limits<qlonglong>::max() ? n + 1 : 1;
        marker = m.captured(1) + QString::number(next) + m.captured(3) + u' ';
        rest = m.captured(4);
    } else if (auto m = bullet.match(prefix); m.hasMatch()) {
        marker = m.captured(1) + m.captured(2) + u' ';
        rest = m.captured(3);
    } else if (auto m = quote.match(prefix); m.hasMatch()) {
        marker = m.captured(1) + QStringLiteral("> ");
        rest = m.captured(2);
    } else {
        return {};
    }
    if (TextUtil::trimWhitespace(rest).isEmpty()) return {Newline::EndList, {}};
    return {Newline::Continue, u'\n' + marker};
}

} // namespace TypingRules
