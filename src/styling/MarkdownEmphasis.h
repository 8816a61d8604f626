#pragma once

#include "platform/TextRange.h"

#include <QList>
#include <QStringView>

// Emphasis with a single "*" or "_", found without a regular expression.
namespace MarkdownEmphasis {

struct Match {
    TextRange whole, open, text, close;
    bool operator==(const Match&) const = default;
};

// The matches of (?<![\*_])(\*|_)(?![\*_\s])(.+?)(?<![\*_\s])(\1)(?![\*_]) over
// `scope` of `text` (the scope's ends act as the text's ends; "." stops at every
// line break), left to right, in linear time. The pattern itself retries every
// unclosed opener up to the end of its line: seconds on one long line of "*a *a".
QList<Match> singleMarkerMatches(QStringView text, TextRange scope);

// The matches of (`+)([^`\n\r\v\f\x85\x{2028}\x{2029}]+?)(\1) over `scope` of `text`
// (a code span stays on its line, whatever breaks it), left to right, in linear
// time. The pattern retries every position inside a run of backticks and scans the rest
// of the line from each: seconds on one long run. Its result is the same as taking, for
// each run, the last min(run, closing run) backticks as the opener, where the closing
// run is the first one after at least one unit and before the next line break.
QList<Match> codeSpanMatches(QStringView text, TextRange scope);

// The units that end a line for "^", "$" and "." (CR LF is two of them in a row).
bool isBreakUnit(QChar c);

} // namespace MarkdownEmphasis
