#include "platform/DateText.h"

#include <QRegularExpression>

QString DateText::mediumDate(const QDate& date, const QLocale& locale)
{
    // Qt offers long and short date formats only; the medium style is the long one
    // without the weekday and with abbreviated month names.
    static const QRegularExpression weekdayFirst(QStringLiteral("^\\s*dddd[\\s,]*"));
    static const QRegularExpression weekdayElsewhere(QStringLiteral("[\\s,]*dddd"));
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.remove(weekdayFirst);
    format.remove(weekdayElsewhere);
    format.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    return locale.toString(date, format);
}
