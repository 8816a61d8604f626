#include "editor/DocStats.h"

#include "platform/TextUtil.h"

#include <QTextBoundaryFinder>

namespace {

bool isLetterCp(char32_t c) { return QChar::isLetter(c) || QChar::category(c) == QChar::Letter_Other; }

bool isAlphabetic(char32_t c)
{
    // Unicode Alphabetic: letters plus letter numbers and the marks that count as alphabetic.
    return isLetterCp(c) || QChar::category(c) == QChar::Number_Letter;
}

} // namespace

int DocStats::countCharacters(QStringView text) { return TextUtil::graphemeCount(text); }

int DocStats::countWords(QStringView text)
{
    // A grapheme is a separator when its first code point is whitespace; line breaks are
    // whitespace too, so one test covers both.
    int words = 0;
    bool inWord = false;
    TextUtil::forEachGrapheme(text, [&](TextRange r) {
        const bool sep = TextUtil::isWhitespace(TextUtil::codePointAt(text, r.location));
        if (!sep && !inWord) ++words;
        inWord = !sep;
        return true;
    });
    return words;
}

DocStats DocStats::countLines(QStringView text)
{
    DocStats s;
    int chars = 0, noSpace = 0, words = 0;
    bool inWord = false;
    TextUtil::forEachGrapheme(text, [&](TextRange r) {
        ++chars;
        const bool ws = TextUtil::isWhitespace(TextUtil::codePointAt(text, r.location));
        if (!ws) ++noSpace;
        if (!ws && !inWord) ++words;
        inWord = !ws;
        return true;
    });
    s.characters = chars;
    s.charactersNoSpaces = noSpace;
    s.words = words;
    s.lines = int(text.count(u'\n'));
    return s;
}

DocStats& DocStats::operator+=(const DocStats& o)
{
    words += o.words;
    characters += o.characters;
    charactersNoSpaces += o.charactersNoSpaces;
    lines += o.lines;
    return *this;
}

DocStats& DocStats::operator-=(const DocStats& o)
{
    words -= o.words;
    characters -= o.characters;
    charactersNoSpaces -= o.charactersNoSpaces;
    lines -= o.lines;
    return *this;
}

DocStats DocStats::summed() const
{
    DocStats s = *this;
    s.sentences = 0;
    s.paragraphs = 0;
    s.lines = characters == 0 ? 0 : lines + 1;
    s.readingMinutes = words == 0 ? 0 : qMax(1, (words + 199) / 200);
    return s;
}

DocStats DocStats::compute(QStringView text)
{
    DocStats s;
    if (text.isEmpty()) return s;

    int chars = 0, noSpace = 0, words = 0;
    bool inWord = false;
    TextUtil::forEachGrapheme(text, [&](TextRange r) {
        ++chars;
        const bool ws = TextUtil::isWhitespace(TextUtil::codePointAt(text, r.location));
        if (!ws) ++noSpace;
        if (!ws && !inWord) ++words;
        inWord = !ws;
        return true;
    });
    s.characters = chars;
    s.charactersNoSpaces = noSpace;
    s.words = words;

    // Sentences: pieces between ".", "!" and "?" that hold at least one letter.
    bool pieceHasLetter = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.' || c == u'!' || c == u'?') {
            if (pieceHasLetter) ++s.sentences;
            pieceHasLetter = false;
            continue;
        }
        if (!pieceHasLetter) {
            char32_t cp = c.unicode();
            if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                cp = QChar::surrogateToUcs4(c, text[i + 1]);
            if (isAlphabetic(cp)) pieceHasLetter = true;
        }
    }
    if (pieceHasLetter) ++s.sentences;

    // Lines and paragraphs (runs of non-blank lines, blank = only horizontal whitespace).
    int lines = 0;
    bool inPara = false;
    qsizetype start = 0;
    while (true) {
        qsizetype nl = text.indexOf(u'\n', start);
        QStringView line = text.mid(start, (nl < 0 ? text.size() : nl) - start);
        // In CR LF text the CR belongs to the line break: a line holding only it is blank.
        if (line.endsWith(u'\r')) line.chop(1);
        ++lines;
        const bool blank = TextUtil::trimWhitespace(line).isEmpty();
        if (!blank && !inPara) ++s.paragraphs;
        inPara = !blank;
        if (nl < 0) break;
        start = nl + 1;
    }
    s.lines = lines;
    s.readingMinutes = s.words == 0 ? 0 : qMax(1, (s.words + 199) / 200);
    return s;
}
