#pragma once

#include <QRegularExpression>
#include <QString>

#include <functional>

// Every match of `re` in `text`, left to right and not overlapping, replaced by what
// `f` makes of it (inserted literally). Groups that took no part in a match read empty.
QString replaceMatches(const QString& text, const QRegularExpression& re,
                       const std::function<QString(const QRegularExpressionMatch&)>& f);
