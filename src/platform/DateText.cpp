#include "platform/DateText.h"

#include <QList>

namespace {

// One piece of a date format: a field ("d", "MMMM", "yyyy", the weekday "dddd") or the
// literal text between fields, kept as written (quotes included) so it can be put back.
struct Piece {
    QString raw;
    QChar field; // 0 for literal text
    bool isWeekday() const { return field == u'd' && raw.size() >= 3; }
    bool isDatePart() const { return !field.isNull() && !isWeekday(); }
};

QList<Piece> split(const QString& format)
{
    QList<Piece> pieces;
    const auto addLiteral = [&](QStringView text) {
        if (!pieces.isEmpty() && pieces.last().field.isNull())
            pieces.last().raw += text;
        else
            pieces.append({text.toString(), QChar()});
    };
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'd' || c == u'M' || c == u'y') {
            qsizetype j = i;
            while (j < format.size() && format.at(j) == c) ++j;
            pieces.append({format.mid(i, j - i), c});
            i = j;
        } else if (c == u'\'') {
            // Quoted text runs to the next lone quote ("''" is a quote character).
            qsizetype j = i + 1;
            while (j < format.size() && format.at(j) != u'\'') ++j;
            addLiteral(QStringView(format).mid(i, std::min(j + 1, format.size()) - i));
            i = j + 1;
        } else {
            addLiteral(QStringView(format).mid(i, 1));
            ++i;
        }
    }
    return pieces;
}

bool isSeparator(QChar c)
{
    return c.isSpace() || c == u',' || c == u'-' || c == QChar(0x060C) /* Arabic comma */ || c == QChar(0x3001);
}

} // namespace

QString DateText::mediumDate(const QDate& date, const QLocale& locale)
{
    // Qt offers long and short date formats only; the medium style is the long one
    // without the weekday and with abbreviated month names. The weekday goes with the
    // words that belong to it: all text before the first other field when it leads
    // ("dddd، d MMMM", "ddddที่ d MMMM"), the separators after the last one when it trails
    // ("yyyy. MMMM d., dddd" keeps its "d.").
    QList<Piece> pieces = split(locale.dateFormat(QLocale::LongFormat));
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (pieces[i].isDatePart()) {
            if (first < 0) first = i;
            last = i;
        }
    }
    if (first < 0) return locale.toString(date, QLocale::ShortFormat);
    bool leadingWeekday = false;
    for (qsizetype i = 0; i < first; ++i) leadingWeekday = leadingWeekday || pieces[i].isWeekday();
    QString format;
    for (qsizetype i = leadingWeekday ? first : 0; i <= last; ++i) {
        const Piece& p = pieces[i];
        if (p.isWeekday()) {
            // Between other fields: dropped with the text that follows it.
            if (i + 1 <= last && pieces[i + 1].field.isNull()) ++i;
            continue;
        }
        format += p.field == u'M' && p.raw.size() == 4 ? QStringLiteral("MMM") : p.raw;
    }
    bool trailingWeekday = false;
    for (qsizetype i = last + 1; i < pieces.size(); ++i) trailingWeekday = trailingWeekday || pieces[i].isWeekday();
    if (last + 1 < pieces.size()) {
        QString tail = pieces[last + 1].field.isNull() ? pieces[last + 1].raw : QString();
        if (trailingWeekday) {
            while (!tail.isEmpty() && isSeparator(tail.back())) tail.chop(1);
            format += tail;
        } else {
            for (qsizetype i = last + 1; i < pieces.size(); ++i)
                format += pieces[i].raw; // literal text only: no field follows the last
        }
    }
    return locale.toString(date, format);
}
