#pragma once

#include <QRegularExpression>
#include <QString>

#include <functional>

// Every match of `re` in `text`, left to right and not overlapping, replaced by what
// `f` makes of it (inserted literally). Groups that took no part in a match read empty.
QString replaceMatches(const QString& text, const QRegularExpression& re,
                       const std::function<QString(const QRegularExpressionMatch&)>& f);

// Every element that the pattern  OPEN([\s\S]*?)END  would find, replaced by what `f`
// makes of the opening tag's match and the element's content. OPEN is `open`; END is
// `endTag`, or "</" + OPEN's group 1 + ">" when `endTag` is empty, matched without
// regard to case. The result is that pattern's, but an opening tag with no end tag
// after it costs one search of the rest of the text instead of one per such tag.
QString replaceElements(const QString& text, const QRegularExpression& open, const QString& endTag,
                        const std::function<QString(const QRegularExpressionMatch&, QStringView)>& f);
