#include "app/Mnemonics.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Mnemonics {

namespace {

// A character of Chinese, Japanese or Korean (or a full-width form), typed through an input
// method: Alt and its key cannot choose an item.
bool typedThroughInputMethod(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x1100 && u <= 0x11FF) || (u >= 0x2E80 && u <= 0xA4CF) || (u >= 0xAC00 && u <= 0xD7FF)
           || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFF00 && u <= 0xFFEF);
}

bool pressable(QChar c)
{
    return c.isLetterOrNumber() && !typedThroughInputMethod(c);
}

// Where the mnemonic of `title` goes: -1 when every candidate is taken.
qsizetype pick(const QString& title, const QString& taken)
{
    const auto free = [&](qsizetype i) { return pressable(title[i]) && !taken.contains(title[i].toLower()); };
    for (qsizetype i = 0; i < title.size(); ++i)
        if ((i == 0 || !title[i - 1].isLetterOrNumber()) && free(i)) return i;
    for (qsizetype i = 0; i < title.size(); ++i)
        if (free(i)) return i;
    return -1;
}

} // namespace

QStringList assign(const QStringList& plain, QString taken)
{
    QStringList out;
    out.reserve(plain.size());
    for (const QString& title : plain) {
        const qsizetype at = pick(title, taken);
        QString shown;
        for (qsizetype i = 0; i < title.size(); ++i) {
            if (i == at) shown += u'&';
            shown += title[i] == u'&' ? u"&&"_s : QString(title[i]);
        }
        if (at >= 0) {
            taken += title[at].toLower();
        } else if (std::any_of(title.begin(), title.end(), typedThroughInputMethod)) {
            // A title in Chinese, Japanese or Korean takes a free letter after it, as
            // "白紙(&A)", the way these languages write a mnemonic.
            const QString letters = u"abcdefghijklmnopqrstuvwxyz0123456789"_s;
            const auto free = std::find_if(letters.begin(), letters.end(), [&](QChar c) { return !taken.contains(c); });
            if (free != letters.end()) {
                shown += u"(&"_s + free->toUpper() + u')';
                taken += *free;
            }
        }
        out.append(shown);
    }
    return out;
}

QString of(const QString& title)
{
    for (qsizetype i = 0; i + 1 < title.size(); ++i) {
        if (title[i] != u'&') continue;
        if (title[i + 1] != u'&') return title[i + 1].toLower();
        ++i; // "&&" shows one ampersand
    }
    return {};
}

} // namespace Mnemonics
