#include "render/RegexReplace.h"

#include <QHash>

QString replaceMatches(const QString& text, const QRegularExpression& re,
                       const std::function<QString(const QRegularExpressionMatch&)>& f)
{
    QRegularExpressionMatchIterator it = re.globalMatch(text);
    if (!it.hasNext()) return text;
    QString out;
    out.reserve(text.size() + text.size() / 4);
    qsizetype last = 0;
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(last, m.capturedStart() - last);
        out += f(m);
        last = m.capturedEnd();
    }
    out += QStringView(text).mid(last);
    return out;
}

QString replaceElements(const QString& text, const QRegularExpression& open, const QString& endTag,
                        const std::function<QString(const QRegularExpressionMatch&, QStringView)>& f)
{
    // Per end tag: the position a search started at and the end tag it found there (-1:
    // none in the rest of the text), so that opening tags without an end tag after them
    // do not search again.
    struct Search {
        qsizetype from = 0, at = -1;
    };
    QHash<QString, Search> searches;
    // The subject is checked once here, not by every match from a new offset (that check
    // reads the whole text). A pattern never matches invalid UTF-16.
    if (!QStringView(text).isValidUtf16()) return text;
    QString out;
    qsizetype copied = 0, from = 0;
    bool replaced = false;
    for (;;) {
        const QRegularExpressionMatch m = open.match(text, from, QRegularExpression::NormalMatch,
                                                     QRegularExpression::DontCheckSubjectStringMatchOption);
        if (!m.hasMatch()) break;
        const QString end = endTag.isEmpty() ? QLatin1String("</") + m.captured(1).toLower() + u'>' : endTag;
        const qsizetype contentStart = m.capturedEnd();
        auto it = searches.find(end);
        if (it == searches.end() || it->from > contentStart || (it->at >= 0 && it->at < contentStart))
            it = searches.insert(end, {contentStart, text.indexOf(end, contentStart, Qt::CaseInsensitive)});
        if (it->at < 0) {
            from = m.capturedStart() + 1;
            continue;
        }
        out += QStringView(text).mid(copied, m.capturedStart() - copied);
        out += f(m, QStringView(text).mid(contentStart, it->at - contentStart));
        copied = from = it->at + end.size();
        replaced = true;
    }
    if (!replaced) return text;
    out += QStringView(text).mid(copied);
    return out;
}
