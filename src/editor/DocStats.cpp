#include "editor/DocStats.h"

#include "platform/TextUtil.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

bool isLetterCp(char32_t c)
{
    return QChar::isLetter(c) || QChar::category(c) == QChar::Letter_Other;
}

bool isAlphabetic(char32_t c)
{
    // Unicode Alphabetic: letters plus letter numbers and the marks that count as alphabetic.
    return isLetterCp(c) || QChar::category(c) == QChar::Number_Letter;
}

// Characters, characters that are not whitespace, and words of `text`. A grapheme never
// runs past a line feed, so the text is taken line by line: a line of units below U+0300
// without a CR is one grapheme per unit and needs no boundary search.
void countGraphemes(QStringView text, int& chars, int& noSpace, int& words)
{
    bool inWord = false;
    auto unit = [&](char32_t cp) {
        ++chars;
        const bool ws = TextUtil::isWhitespace(cp);
        if (!ws) ++noSpace;
        if (!ws && !inWord) ++words;
        inWord = !ws;
    };
    const qsizetype n = text.size();
    for (qsizetype ls = 0; ls < n;) {
        const qsizetype lf = text.indexOf(u'\n', ls);
        const qsizetype end = lf < 0 ? n : lf + 1;
        const QStringView line = text.mid(ls, end - ls);
        const bool simple =
            std::all_of(line.begin(), line.end(), [](QChar c) { return c.unicode() < 0x300 && c != u'\r'; });
        if (simple) {
            for (QChar c : line) unit(c.unicode());
        } else {
            TextUtil::forEachGrapheme(line, [&](TextRange r) {
                unit(TextUtil::codePointAt(line, r.location));
                return true;
            });
        }
        ls = end;
    }
}

} // namespace

int DocStats::countCharacters(QStringView text)
{
    return TextUtil::graphemeCount(text);
}

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
    countGraphemes(text, s.characters, s.charactersNoSpaces, s.words);
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

    countGraphemes(text, s.characters, s.charactersNoSpaces, s.words);

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
