#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace DateText {

// A date in the medium style of `locale`: the long format without the weekday and with
// abbreviated month names ("Dec 7, 2026" in US English).
QString mediumDate(const QDate& date, const QLocale& locale = QLocale());

} // namespace DateText
