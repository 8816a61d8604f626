#pragma once

#include "platform/TextRange.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

// Small text helpers that every subsystem shares. All positions are UTF-16 offsets.
namespace TextUtil {

// True for the characters that end a line: LF, CR, NEL, U+2028 and U+2029
// (CR LF counts as one terminator).
bool isLineTerminator(QChar c);

// The smallest run of whole lines that covers `range`, including the terminator of the
// last line (CR LF counted whole). An empty range gives its line. The range is clamped
// to the text.
TextRange lineRange(QStringView text, TextRange range);
inline TextRange lineRange(QStringView text, int index)
{
    return lineRange(text, TextRange(index, 0));
}

// Like lineRange, but the content only: the last line's terminator is left out.
TextRange lineContentRange(QStringView text, TextRange range);

// Trims spaces and tabs only. QString::trimmed() also strips line breaks, which is
// wrong wherever "blanks" are meant.
QString trimBlanks(QStringView s);
QString trimBlanksLeading(QStringView s);
QString trimBlanksTrailing(QStringView s);
bool isBlank(QStringView s); // empty after trimBlanks

// Horizontal whitespace (Unicode Zs plus tab) - trimmed without touching line breaks.
bool isHorizontalWhitespace(char32_t c);
QString trimWhitespace(QStringView s);
// Every Unicode White_Space character, line breaks included.
bool isWhitespace(char32_t c);
QString trimWhitespaceAndNewlines(QStringView s);

// Extended grapheme clusters ("characters" as a user sees them).
QList<TextRange> graphemeRanges(QStringView s);
int graphemeCount(QStringView s);
// Calls `f` with each cluster's range; stops early when `f` returns false.
void forEachGrapheme(QStringView s, const std::function<bool(TextRange)>& f);
// The start of the grapheme before / after `index` (clamped to the text).
int previousGraphemeBoundary(QStringView s, int index);
int nextGraphemeBoundary(QStringView s, int index);

// Splits at "\n" exactly like the editing operations do: a final "\n" yields no
// empty last piece; `endsWithNewline` reports whether it was there.
QStringList splitLines(QStringView block, bool* endsWithNewline = nullptr);
QString joinLines(const QStringList& lines, bool addFinalNewline);

// The stretch of `from` that differs from `to`, what both share at the start and at the end
// left out (whole code points: a surrogate pair is never cut). `from` with that stretch
// replaced by the same stretch of `to` (from the same start, `to.size() - from.size()`
// units longer) is `to`.
TextRange differingStretch(QStringView from, QStringView to);

// The first code point of `s` starting at `index` (a surrogate pair read whole).
char32_t codePointAt(QStringView s, int index);

} // namespace TextUtil

// Line endings of a whole file. The editor's text widget keeps lines, not their
// terminators, so a document's line ending is remembered at load and written back.
namespace LineEndings {
// The first terminator in `text` ("\r\n", "\r" or "\n"); "\n" when there is none.
QString detect(QStringView text);
// Every CR LF and lone CR becomes LF.
QString toLineFeeds(const QString& text);
// LF text with each LF written as `ending`.
QString fromLineFeeds(const QString& text, const QString& ending);
} // namespace LineEndings
