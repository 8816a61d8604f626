#include "app/Mnemonics.h"

using namespace Qt::StringLiterals;

namespace Mnemonics {

namespace {

// Where the mnemonic of `title` goes: -1 when every candidate is taken.
qsizetype pick(const QString& title, const QString& taken)
{
    const auto free = [&](qsizetype i) { return title[i].isLetterOrNumber() && !taken.contains(title[i].toLower()); };
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
        if (at >= 0) taken += title[at].toLower();
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
