#include "render/RegexReplace.h"

QString replaceMatches(const QString& text, const QRegularExpression& re,
                       const std::function<QString(const QRegularExpressionMatch&)>& f)
{
    QRegularExpressionMatchIterator it = re.globalMatch(text);
    if (!it.hasNext())
        return text;
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
