#include "editor/CaseTransform.h"

#include "platform/TextUtil.h"

namespace CaseTransform {

// QString's case mappings are locale-independent and use the full (special-casing)
// mappings, so a result may be longer than its source.
QString upper(const QString& s)
{
    return s.toUpper();
}
QString lower(const QString& s)
{
    return s.toLower();
}

QString title(const QString& s)
{
    QString out;
    out.reserve(s.size());
    qsizetype i = 0;
    while (i < s.size()) {
        const char32_t cp = TextUtil::codePointAt(s, int(i));
        const qsizetype width = cp > 0xFFFF ? 2 : 1;
        if (TextUtil::isWhitespace(cp)) {
            out += s.mid(i, width);
            i += width;
            continue;
        }
        qsizetype end = i + width;
        while (end < s.size() && !TextUtil::isWhitespace(TextUtil::codePointAt(s, int(end))))
            end += TextUtil::codePointAt(s, int(end)) > 0xFFFF ? 2 : 1;
        // Title case where a character has one (the "Dž" digraphs), else the full
        // upper-case mapping ("ß" -> "SS").
        const char32_t titled = QChar::toTitleCase(cp);
        out += titled != cp ? QString::fromUcs4(&titled, 1) : s.mid(i, width).toUpper();
        out += s.mid(i + width, end - i - width).toLower();
        i = end;
    }
    return out;
}

} // namespace CaseTransform
