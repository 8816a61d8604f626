#include "styling/MarkdownStyler.h"
#include "styling/MarkdownEmphasis.h"
#include "styling/RestyleCheck.h"
#include "styling/TableModel.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <random>

namespace {

struct Styled {
    MarkdownStyler styler;
    AttributedText text;

    explicit Styled(const QString& s, bool wysiwyg = false, TextRange reveal = TextRange::notFound())
        : text(s)
    {
        styler.theme.appearanceMode = "light";
        styler.concealMarkers = wysiwyg;
        styler.revealRange = reveal;
        styler.highlight(text, std::nullopt);
    }
    int at(const QString& needle, int from = 0) const { return int(text.string().indexOf(needle, from)); }
    const TextAttributes& attrs(int i) const { return text.attributesAt(i); }
    bool concealed(int i) const { return attrs(i).markdownConceal; }
    double alpha(int i) const { return attrs(i).foreground ? attrs(i).foreground->alphaF() : -1; }
    // Concealment of every unit as a string of 'x' (hidden) and '.' (shown).
    QString hidden() const
    {
        QString out;
        for (int i = 0; i < text.length(); ++i) out += concealed(i) ? 'x' : '.';
        return out;
    }
};

bool near(double a, double b)
{
    return std::abs(a - b) < 0.01;
}
// Markers are the text colour at 35 %, raised where a page needs it for a 3:1 contrast.
double markerAlpha()
{
    EditorTheme light;
    light.appearanceMode = "light";
    return light.legibleTextColor(0.35).alphaF();
}

} // namespace

TEST(MarkdownStylerFences, PairingAgreesWithTheRendererOnRandomText)
{
    // The HTML renderer's reading: the text cut at line feeds; a line that begins with
    // three backticks after its blanks opens a block, the next such line closes it, and a
    // block left open runs to the end. The editor must show as code what it renders as code.
    auto rendererBlocks = [](const QString& s) {
        QList<FenceMatch> out;
        QList<int> starts{0};
        for (int i = 0; i < s.size(); ++i)
            if (s[i] == u'\n') starts.append(i + 1);
        auto tickOf = [&](int line) {
            int p = starts[line];
            while (p < s.size() && (s[p] == u' ' || s[p] == u'\t')) ++p;
            return s.mid(p, 3) == "```" ? p : -1;
        };
        for (int line = 0; line < starts.size(); ++line) {
            const int open = tickOf(line);
            if (open < 0) continue;
            const int code = line + 1 < starts.size() ? starts[line + 1] : int(s.size());
            int close = line + 1;
            while (close < starts.size() && tickOf(close) < 0) ++close;
            if (close == starts.size()) {
                out.append({TextRange(open, int(s.size()) - open), TextRange(code, int(s.size()) - code)});
                break;
            }
            out.append({TextRange(open, tickOf(close) + 3 - open), TextRange(code, starts[close] - code)});
            line = close;
        }
        return out;
    };
    const QStringList pieces{"```", "```js", "\n", "\r\n", "\r", "x", "`", " ", "\t", QString(QChar(0x2028))};
    std::mt19937 rng(11);
    for (int round = 0; round < 3000; ++round) {
        QString s;
        const int n = int(rng() % 14);
        for (int k = 0; k < n; ++k) s += pieces[int(rng() % pieces.size())];
        ASSERT_EQ(MarkdownStyler::findFences(s), rendererBlocks(s)) << s.toStdString();
    }
    // After a block left open, everything below is code, as rendered; an indented fence
    // line opens and closes blocks too.
    const Styled open("text\n```\ncode\n\n# not a heading\n");
    EXPECT_TRUE(open.attrs(open.at("not")).background.has_value());
    const Styled indented("  ```\ncode\n  ```\nprose\n```\nmore\n```\n");
    EXPECT_FALSE(indented.attrs(indented.at("prose")).background.has_value());
    EXPECT_TRUE(indented.attrs(indented.at("code")).background.has_value());
    EXPECT_TRUE(indented.attrs(indented.at("more")).background.has_value());
}

TEST(MarkdownStylerFences, KeptFencesFollowEditsLikeAFullScan)
{
    std::mt19937 rng(5);
    const QStringList pieces{"```", "```py\n", "\n", "\r\n", "a", "``", "# h\n"};
    AttributedText text;
    QString seed;
    for (int k = 0; k < 60; ++k) seed += pieces[int(rng() % pieces.size())];
    text.setText(seed);
    MarkdownStyler styler;
    for (int step = 0; step < 400; ++step) {
        const int len = text.length();
        const int a = int(rng() % (len + 1));
        const int b = a + int(rng() % (std::min(len - a, 6) + 1));
        text.replaceCharacters(TextRange(a, b - a), pieces[int(rng() % pieces.size())].left(int(rng() % 7)));
        if (rng() % 3 == 0) continue; // several edits between restyles
        const TextRange widened = styler.highlight(text, TextRange(a, 0));
        // With no edit since, the scope comes from the kept fences alone: it must be
        // the scope of the fences given by a full scan.
        const TextRange scope = styler.highlight(text, TextRange(a, 0));
        const QList<FenceMatch> full = MarkdownStyler::findFences(text.string());
        MarkdownStyler fresh;
        AttributedText copy(text.string());
        ASSERT_EQ(fresh.highlight(copy, TextRange(a, 0), TextRange::notFound(), &full), scope) << step;
        // The restyle right after the edits covers at least that (and every block the
        // edits opened, closed or re-paired).
        ASSERT_TRUE(widened.location <= scope.location && widened.end() >= scope.end()) << step;
        for (const FenceMatch& f : full)
            ASSERT_TRUE(scope.location >= f.range.end() || scope.end() <= f.range.location
                        || (scope.location <= f.range.location && scope.end() >= f.range.end()));
    }
}

TEST(MarkdownStylerScope, WideningRules)
{
    MarkdownStyler styler;
    AttributedText empty;
    EXPECT_EQ(styler.highlight(empty, TextRange(0, 0)), TextRange(0, 0));

    // A window inside a paragraph covers the paragraph up to the blank lines.
    AttributedText para("intro\n\none\ntwo\nthree\n\nend");
    EXPECT_EQ(styler.highlight(para, TextRange(12, 1)), TextRange(7, 14));

    // Table rows across one blank line stay together; a blank line before text stops.
    AttributedText table("| a | b |\n|---|---|\n\n| 1 | 2 |\n\nafter");
    EXPECT_EQ(styler.highlight(table, TextRange(22, 0)), TextRange(0, 31));

    // A line inside a fence restyles the whole block, across blank lines.
    AttributedText fence("text\n\n```\ncode\n\nmore\n```\n\ntail");
    EXPECT_EQ(styler.highlight(fence, TextRange(16, 0)), TextRange(6, 19));

    // Focus mode restyles everything whatever the window.
    styler.theme.focusMode = true;
    EXPECT_EQ(styler.highlight(fence, TextRange(16, 0)), TextRange(0, fence.length()));
}

TEST(MarkdownStylerScope, OpeningAFenceAboveExistingTextReachesTheNextFence)
{
    MarkdownStyler styler;
    AttributedText text("para\n\n# Head\n\nbody\n\n```\nold\n```\n");
    styler.highlight(text, std::nullopt);
    text.replaceCharacters(TextRange(0, 0), u"```\n");
    const TextRange scope = styler.highlight(text, TextRange(0, 4));
    EXPECT_EQ(scope.location, 0);
    // The new block runs to the next fence line, the old block's opener; the old
    // block's code and closer are no longer code and are restyled with it.
    EXPECT_EQ(scope.end(), text.length());
    EXPECT_TRUE(text.attributesAt(int(text.string().indexOf("# Head"))).background.has_value()); // now code
    EXPECT_FALSE(text.attributesAt(int(text.string().indexOf("old"))).background.has_value());
}

TEST(MarkdownStylerScope, BreakingAFenceRestylesEveryBlockItRepairs)
{
    // Three blocks; breaking the first opener makes its closer open a block that
    // runs to the second block's opener, and so on down the text.
    const QString doc = "```\none\n```\n\ntext\n\n```\ntwo\n```\n\nmore\n\n```\nthree\n```\n";
    MarkdownStyler styler;
    AttributedText text(doc);
    styler.highlight(text, std::nullopt);
    text.replaceCharacters(TextRange(0, 1), u"");
    styler.highlight(text, TextRange(0, 0));

    MarkdownStyler fresh;
    AttributedText full(text.string());
    fresh.highlight(full, std::nullopt);
    for (int i = 0; i < text.length(); ++i)
        ASSERT_EQ(text.attributesAt(i).background.has_value(), full.attributesAt(i).background.has_value()) << i;
    EXPECT_FALSE(text.attributesAt(int(text.string().indexOf("three"))).background.has_value());
    EXPECT_TRUE(text.attributesAt(int(text.string().indexOf("more"))).background.has_value());

    // A keystroke that re-pairs no fence widens nothing beyond the usual rule.
    const int at = int(text.string().indexOf("three"));
    text.replaceCharacters(TextRange(at, 0), u"x");
    const QList<FenceMatch> fences = MarkdownStyler::findFences(text.string());
    AttributedText copy(text.string());
    EXPECT_EQ(styler.highlight(text, TextRange(at, 1)),
              fresh.highlight(copy, TextRange(at, 1), TextRange::notFound(), &fences));
}

TEST(MarkdownStylerScope, AGridCutByTheScopeIsRestyledWhole)
{
    // A grid whose last row stands after a blank line; that row stops being a row,
    // so the scope rule no longer reaches the rows above the blank line.
    MarkdownStyler styler;
    styler.concealMarkers = true;
    AttributedText text("| a | b |\n|---|---|\n| 1 | 2 |\n\n| 3 | 4 |\n\ntail\n");
    styler.highlight(text, std::nullopt);
    ASSERT_TRUE(text.attributesAt(0).tableModel);
    ASSERT_EQ(text.attributesAt(0).tableModel->rows.size(), 3);
    const int at = int(text.string().indexOf("| 3 |"));
    text.replaceCharacters(TextRange(at, 1), u"");
    text.replaceCharacters(TextRange(at + 3, 1), u"");
    EXPECT_EQ(styler.highlight(text, TextRange(at, 0)), TextRange(0, at + 8)); // through " 3  4 |"
    ASSERT_TRUE(text.attributesAt(0).tableModel);
    EXPECT_EQ(text.attributesAt(0).tableModel->rows.size(), 2);
    EXPECT_FALSE(text.attributesAt(at - 1).tableModel); // the blank line is no part of it now
}

TEST(MarkdownStylerMarkers, SourceModeDimsAndWysiwygHidesUnlessRevealed)
{
    Styled source("a **bold** b");
    EXPECT_FALSE(source.concealed(2));
    EXPECT_TRUE(near(source.alpha(2), markerAlpha()));
    EXPECT_TRUE(source.attrs(4).font->bold());
    EXPECT_TRUE(near(source.alpha(4), 1));

    EXPECT_EQ(Styled("a **bold** b", true).hidden(), "..xx....xx..");
    // Each marker is revealed as a whole when the reveal range overlaps it by one unit.
    EXPECT_EQ(Styled("a **bold** b", true, TextRange(3, 1)).hidden(), "........xx..");
    EXPECT_EQ(Styled("x\na **bold** b", true, TextRange(0, 2)).hidden(), "....xx....xx..");
    // An empty reveal range overlaps nothing, not even a marker around it.
    EXPECT_EQ(Styled("a **bold** b", true, TextRange(3, 0)).hidden(), "..xx....xx..");
}

TEST(MarkdownStylerMarkers, LinksHeadingsRulesAndLists)
{
    const Styled link("see [text](notes.md) and ![alt](p.png)", true);
    EXPECT_EQ(link.hidden(), "....x....xxxxxxxxxxx.....xx...xxxxxxxx");
    EXPECT_TRUE(link.attrs(6).underline);

    const Styled heading("# Title\n###### Six");
    EXPECT_TRUE(heading.concealed(0) == false && near(heading.alpha(0), markerAlpha()));
    EXPECT_DOUBLE_EQ(heading.attrs(2).font->pointSizeF(), 28.5);
    EXPECT_TRUE(heading.attrs(2).font->bold());
    EXPECT_DOUBLE_EQ(heading.attrs(heading.at("Six")).font->pointSizeF(), 15);

    const Styled rule("- - -\n");
    EXPECT_TRUE(near(rule.alpha(2), 0.25));
    EXPECT_TRUE(rule.attrs(0).font->bold()); // the first hyphen is also a bullet
    EXPECT_EQ(rule.attrs(0).foreground->rgb(), rule.styler.theme.linkColor().rgb());

    EXPECT_EQ(Styled("- item\n12. x", true).hidden(), "............");
}

TEST(MarkdownStylerMarkers, NestedEmphasisAndCodeSpans)
{
    const Styled both("***x***", true);
    EXPECT_EQ(both.hidden(), "xxx.xxx");
    EXPECT_TRUE(both.attrs(3).font->bold() && both.attrs(3).font->italic());

    const Styled inBold("**a *b* c**");
    EXPECT_TRUE(inBold.attrs(5).font->bold() && inBold.attrs(5).font->italic());
    EXPECT_FALSE(inBold.attrs(2).font->italic());

    // Code spans do not shield their content from the emphasis passes.
    const Styled code("`**x**`", true);
    EXPECT_EQ(code.hidden(), "xxx.xxx");
    EXPECT_TRUE(code.attrs(3).background.has_value());

    const Styled heading("## a **b**");
    EXPECT_DOUBLE_EQ(heading.attrs(7).font->pointSizeF(), 15 * 1.55); // bold keeps the heading size
}

TEST(MarkdownStylerMarkers, FencedTextIsNotMarkdown)
{
    const Styled s("```\n# not\n**x**\n```\n", true);
    EXPECT_EQ(s.hidden(), "xxxx...........xxxx.");
    EXPECT_FALSE(s.attrs(4).font->bold());
    EXPECT_TRUE(s.attrs(4).background.has_value());
    // A table right above a block whose lines hold pipes ends where the block begins: its
    // lines stay code, shown, and no row of the grid.
    const Styled piped("| a |\n|---|\n```sh | x |\nls | wc\n```\n", true);
    const int code = piped.at("ls");
    EXPECT_FALSE(piped.concealed(code));
    EXPECT_FALSE(piped.attrs(code).tableModel);
    ASSERT_TRUE(piped.attrs(0).tableModel);
    EXPECT_EQ(piped.attrs(0).tableModel->rows.size(), 1);
}

TEST(MarkdownStylerCode, LanguagesDecideTokenColours)
{
    const QColor code = EditorTheme().codeColor();
    auto fg = [](const Styled& s, const QString& needle) { return s.attrs(s.at(needle)).foreground->rgb(); };
    const Styled none("```\nreturn 1\n```");
    EXPECT_EQ(fg(none, "return"), code.rgb());
    const Styled mermaid("```Mermaid\nreturn 1\n```");
    EXPECT_EQ(fg(mermaid, "return"), code.rgb());
    const Styled js("```js   \nreturn 1\n```");
    EXPECT_EQ(fg(js, "return"), EditorTheme::systemColor(EditorTheme::SystemColor::Pink).rgb());
    EXPECT_EQ(fg(js, "1"), EditorTheme::systemColor(EditorTheme::SystemColor::Teal).rgb());
    // The CR of a CR LF opening line is not part of the language name.
    const Styled crlf("```python\r\n# c\r\n```\r\n");
    EXPECT_EQ(fg(crlf, "# c"), EditorTheme::systemColor(EditorTheme::SystemColor::SecondaryLabel).rgb());
    // An empty block: code rule and both fence lines as markers, nothing else.
    EXPECT_EQ(Styled("```\n```", true).hidden(), "xxxxxxx");
}

TEST(MarkdownStylerExtras, FootnotesWikiLinksAndDirectives)
{
    const Styled ref("see[^1]", true);
    EXPECT_EQ(ref.hidden(), "...xx.x");
    EXPECT_TRUE(near(ref.attrs(5).font->pointSizeF(), 15 * 0.72));
    EXPECT_TRUE(near(ref.attrs(5).baselineOffset, 0.32 * 15));
    const Styled revealed("see[^1]", true, TextRange(0, 7));
    EXPECT_EQ(revealed.hidden(), ".......");
    EXPECT_DOUBLE_EQ(revealed.attrs(5).font->pointSizeF(), 15);

    const Styled def("[^1]: text", true);
    EXPECT_EQ(def.hidden(), "..........");
    EXPECT_TRUE(near(def.alpha(4), markerAlpha()));

    const Styled wiki("[[Notes|my notes]] [[ Notes ]]", true);
    EXPECT_EQ(wiki.hidden(), "xxxxxxxx........xx.xx.......xx");
    EXPECT_EQ(wiki.attrs(9).wikiLinkTarget, "Notes");
    EXPECT_EQ(wiki.attrs(wiki.at(" Notes ")).wikiLinkTarget, "Notes");
    EXPECT_FALSE(wiki.attrs(2).wikiLinkTarget.has_value());

    const Styled center("{.center}\ntext\n", true);
    EXPECT_EQ(center.attrs(10).paragraphStyle->alignment, ParagraphStyle::Alignment::Center);
    EXPECT_TRUE(center.concealed(0));
    const Styled centerCrLf("{.right}\r\ntext\r\n");
    EXPECT_EQ(centerCrLf.attrs(10).paragraphStyle->alignment, ParagraphStyle::Alignment::Right);
    EXPECT_EQ(centerCrLf.attrs(0).paragraphStyle->alignment, ParagraphStyle::Alignment::Natural);
    // A lone CR or a line separator ends the directive's line as well: the next line aligns.
    for (const QChar brk : {QChar(u'\r'), QChar(0x2028)}) {
        const Styled other(QString("{.center}") + brk + "text");
        EXPECT_EQ(other.attrs(11).paragraphStyle->alignment, ParagraphStyle::Alignment::Center);
        EXPECT_EQ(other.attrs(0).paragraphStyle->alignment, ParagraphStyle::Alignment::Natural);
    }
    const Styled last("{.center}");
    EXPECT_TRUE(near(last.alpha(0), markerAlpha()));
    EXPECT_EQ(Styled("![i](a.png){.left}", true).hidden(), "xx.xxxxxxxxxxxxxxx");
}

TEST(MarkdownStylerExtras, FocusDimsEverythingOutsideTheCaretLines)
{
    MarkdownStyler styler;
    styler.theme.appearanceMode = "light";
    styler.theme.focusMode = true;
    styler.theme.focusRange = TextRange(7, 7);
    AttributedText text("# Head\n[l](u)\ntail");
    styler.highlight(text, TextRange(8, 0));
    EXPECT_TRUE(near(text.attributesAt(2).foreground->alphaF(), 0.28));
    EXPECT_TRUE(near(text.attributesAt(15).foreground->alphaF(), 0.28));
    EXPECT_EQ(text.attributesAt(8).foreground->rgb(), styler.theme.linkColor().rgb());
    EXPECT_DOUBLE_EQ(text.attributesAt(2).font->pointSizeF(), 28.5); // fonts stay
}

TEST(MarkdownStylerText, CrLfAndNonBmpOffsets)
{
    // "$" before CR LF: the heading text ends before the CR; the next line is untouched.
    const Styled crlf("# A\r\nplain\r\n", true);
    EXPECT_EQ(crlf.hidden(), "xx..........");
    EXPECT_FALSE(crlf.attrs(3).font->bold());
    EXPECT_FALSE(crlf.attrs(5).font->bold());

    // A character outside the BMP shifts every later offset by two units.
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const Styled s(emoji + " **b** " + emoji + " [[t]]", true);
    EXPECT_EQ(s.hidden(), "...xx.xx....xx.xx");

    // Restyling keeps nothing from the previous look of the scope.
    Styled again("**x**", true);
    again.text.replaceCharacters(TextRange(0, 2), u"");
    again.styler.highlight(again.text, TextRange(0, 0));
    EXPECT_EQ(again.hidden(), "...");
}

namespace {

// Random texts of `pieces` and random scope starts: `scan` must find exactly the matches
// of `re` over the scope, with its four groups.
template <typename Scan>
void expectAgreesWithPattern(const QRegularExpression& re, const QStringList& pieces, unsigned seed, int maxPieces,
                             Scan&& scan)
{
    std::mt19937 rng(seed);
    for (int round = 0; round < 4000; ++round) {
        QString s;
        const int n = int(rng() % unsigned(maxPieces));
        for (int k = 0; k < n; ++k) s += pieces[int(rng() % pieces.size())];
        int from = s.isEmpty() ? 0 : int(rng() % s.size());
        if (from < s.size() && s[from].isLowSurrogate()) ++from; // scopes are whole lines: never half a character
        const TextRange scope(from, int(s.size()) - from);
        QList<MarkdownEmphasis::Match> expected;
        auto it = re.globalMatch(QStringView(s).mid(from));
        while (it.hasNext()) {
            const auto m = it.next();
            auto g = [&](int k) { return TextRange(from + int(m.capturedStart(k)), int(m.capturedLength(k))); };
            expected.append({g(0), g(1), g(2), g(3)});
        }
        ASSERT_EQ(scan(s, scope), expected) << s.toStdString();
    }
}

} // namespace

TEST(MarkdownStylerMarkers, SingleMarkerEmphasisAgreesWithThePatternAndStaysLinear)
{
    const QRegularExpression italicRE("(*ANY)(?<![\\*_])(\\*|_)(?![\\*_\\s])(.+?)(?<![\\*_\\s])(\\1)(?![\\*_])",
                                      QRegularExpression::UseUnicodePropertiesOption);
    const QStringList pieces{
        "*", "_", " ", "a", "\n", "\r\n", QString::fromUtf8("\xF0\x9F\x98\x80"), QString(QChar(0x3000)), "\t"};
    expectAgreesWithPattern(italicRE, pieces, 3, 16, MarkdownEmphasis::singleMarkerMatches);
    // One long line of unclosed openers: the pattern took seconds here.
    QString hostile;
    while (hostile.size() < 200000) hostile += "*a _a ";
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(MarkdownEmphasis::singleMarkerMatches(hostile, TextRange(0, int(hostile.size()))).isEmpty());
    EXPECT_LT(timer.elapsed(), 1000);
}

TEST(MarkdownStylerFences, ACopiedStorageIsNotMistakenForTheOriginal)
{
    MarkdownStyler styler;
    AttributedText text("```\ncode\n```\n");
    styler.highlight(text, std::nullopt);
    AttributedText copy = text;
    text.replaceCharacters(TextRange(13, 0), u"y"); // both now one edit further
    styler.highlight(text, TextRange(13, 0));
    copy.replaceCharacters(TextRange(0, 1), u"x"); // the copy lost its fence
    styler.highlight(copy, TextRange(0, 0));
    EXPECT_FALSE(copy.attributesAt(5).background.has_value());
}

TEST(MarkdownStylerMarkers, CodeSpansAgreeWithThePatternAndStayLinear)
{
    const QRegularExpression codeRE("(*ANY)(`+)([^`\\n\\r\\x{0B}\\x{0C}\\x{85}\\x{2028}\\x{2029}]+?)(\\1)",
                                    QRegularExpression::UseUnicodePropertiesOption);
    const QStringList pieces{
        "`", "``", "```", "a", " ", "\n", "\r\n", "\r", QString(QChar(0x2028)), QString::fromUtf8("\xF0\x9F\x98\x80")};
    expectAgreesWithPattern(codeRE, pieces, 5, 14, MarkdownEmphasis::codeSpanMatches);
    // The shorter run decides: the opener is the end of a longer run.
    const Styled uneven("``a` b");
    EXPECT_EQ(uneven.attrs(0).font, uneven.attrs(5).font);
    EXPECT_NE(uneven.attrs(2).font, uneven.attrs(5).font);
    // One long run of backticks: the pattern backtracked through it from every position.
    QElapsedTimer timer;
    timer.start();
    const Styled hostile(QString(200000, u'`') + " tail");
    EXPECT_LT(timer.elapsed(), 1500);
    EXPECT_EQ(hostile.attrs(0).font, hostile.attrs(200001).font);
}

TEST(MarkdownStylerText, ALoneSurrogateLeavesTheRestStyled)
{
    const Styled clean("# Head\n\n**b** [l](u)\n\nx");
    for (const QChar odd : {QChar(0xD800), QChar(0xDC00)}) {
        const Styled s(QString("# Head\n\n**b** [l](u)\n\n") + odd);
        EXPECT_EQ(s.attrs(2).font, clean.attrs(2).font);
        EXPECT_EQ(s.attrs(10).font, clean.attrs(10).font);
        EXPECT_EQ(s.attrs(15).foreground, clean.attrs(15).foreground);
        EXPECT_EQ(Styled(QString("# Head\n\n**b** [l](u)\n\n") + odd, true).hidden(),
                  Styled("# Head\n\n**b** [l](u)\n\nx", true).hidden());
    }
}

// Headings, quotes and rules are line patterns: the blank after a marker may not run on
// into the next line, or a whole restyle and a keystroke's restyle would disagree.
TEST(MarkdownStylerMarkers, LinePatternsStayOnTheirLine)
{
    const Styled plain("x");
    const Styled heading("#\n\nx");
    EXPECT_EQ(heading.attrs(3).font, plain.attrs(0).font);
    const Styled quote(">\nfoo");
    EXPECT_EQ(quote.attrs(2).foreground, plain.attrs(0).foreground);
    // Blanks on the line itself still count.
    const Styled real("#\tTitle\n>  q\n* * *\n");
    EXPECT_NE(real.attrs(2).font, plain.attrs(0).font);
    EXPECT_NE(real.attrs(11).foreground, plain.attrs(0).foreground);
}

TEST(MarkdownStylerScope, RowsJoinedAcrossABlankLineAreRestyledWhenTheJoinBreaks)
{
    // Two rows across a blank line make a table; an edit that turns either of them into
    // plain text leaves the other a lone row, which is no table, on the far side of the
    // blank line from the edit.
    auto afterEdit = [](const QString& doc, const QString& row, const QString& replacement) {
        MarkdownStyler styler;
        AttributedText text(doc);
        styler.highlight(text, std::nullopt);
        const int at = int(doc.indexOf(row));
        text.replaceCharacters(TextRange(at, int(row.size())), replacement);
        const TextRange scope = styler.highlight(text, TextRange(at, int(replacement.size())));
        MarkdownStyler fresh;
        AttributedText full(text.string());
        fresh.highlight(full, std::nullopt);
        int differing = 0;
        for (int i = 0; i < text.length(); ++i) {
            const TextAttributes &a = text.attributesAt(i), &b = full.attributesAt(i);
            differing += !(a.foreground == b.foreground && a.background == b.background && a.font == b.font);
        }
        EXPECT_EQ(differing, 0) << qPrintable(text.string());
        return scope;
    };
    for (const QString eol : {"\n", "\r\n"}) {
        const QString doc = "| a |" + eol + eol + "| b |" + eol;
        afterEdit(doc, "| b |", "b");          // the row below the blank line stops being one
        afterEdit(doc, "| a |", "a");          // the row above likewise
        afterEdit(doc, "| b |", "b |\n| c |"); // and when the edit adds lines
    }
    // Only the edited line next to the blank line reaches over it: an edit further down
    // the paragraph keeps to the paragraph.
    const QString doc = "| a |\n\ntext\nmore\n";
    EXPECT_EQ(afterEdit(doc, "more", "mor"), TextRange(7, 9));
    EXPECT_EQ(afterEdit(doc, "text", "tex"), TextRange(0, 16));
    // Rows that are a table on their own stay one whatever follows: typing below them
    // does not restyle them.
    const QString table = "| a |\n|---|\n\ntext\n";
    EXPECT_EQ(afterEdit(table, "text", "tex"), TextRange(13, 4));
}

// Edits after which a keystroke's restyle once differed from a whole restyle, each with
// the few units that went wrong.
TEST(MarkdownStylerScope, KeystrokeRestylesEqualAWholeRestyleAfterTheseEdits)
{
    struct Edit {
        int at, removed;
        const char* inserted;
    };
    struct Case {
        const char* text;
        bool grid;
        int fenceLimit;
        std::vector<Edit> edits; // removed -1: no edit, the caret's line restyled
    };
    const std::vector<Case> cases{
        // Rows across a blank line are two tables when an alignment row stands below the
        // second: that line lies below the scope.
        {"| a | b |\n|---|---|\n| a | b |\n|---|---|\n\n| a | b |\n|---|---|\n",
         true,
         4096,
         {{55, 6, ""}, {10, 7, ""}, {3, -1, ""}}},
        // The last line of a block left open is code, not a closing marker.
        {"```\n\n\n[[[", true, 4096, {{5, 4, ""}}},
        {"```(\r\n\r\n\r\n", true, 4096, {{8, 2, ""}}},
        {"```\r\n{.center}\xF0\x9F\x98\x80| a | b |\n|---|---|\n\r\n", false, 4096, {{37, 1, ""}}},
        // A string running to the end of a large block goes on into a line typed below it.
        {"```\n```\n```x\n`\n", false, 0, {{15, 0, "}"}}},
        // A large block's closing marker begins at the line feed above its closing line,
        // here at the end of a blank line.
        {"```\nab\n \ncd\n```", false, 0, {{9, 3, ""}}},
        // A directive line above the edited line may be a row of a table above it.
        {"||\u2028{.||\u2028x\u2028", false, 4096, {{10, 0, "`"}}},
        // An edit at the text's end touches its last line, next to a blank line.
        {"| |\u2028\u2028||", false, 4096, {{6, 1, ""}}},
        // A line typed at the start of a large block's closing line moves the closing
        // marker down: the line feed above, behind a blank line, is code again.
        {"```\nx\n\n```", false, 0, {{7, 0, "\n"}}},
        // A directive behind a vertical tab is no line of its own: no alignment for the
        // line below, whichever lines are restyled.
        {"\v{.right}\np\n* x", false, 4096, {{15, 0, "|"}}},
    };
    for (size_t c = 0; c < cases.size(); ++c) {
        MarkdownStyler styler;
        styler.concealMarkers = cases[c].grid;
        styler.wholeFenceLimit = cases[c].fenceLimit;
        AttributedText text(QString::fromUtf8(cases[c].text));
        styler.highlight(text, std::nullopt);
        for (const Edit& e : cases[c].edits) {
            const QString inserted = QString::fromUtf8(e.inserted);
            if (e.removed >= 0) text.replaceCharacters(TextRange(e.at, e.removed), inserted);
            styler.highlight(text, TextRange(e.at, int(inserted.size())));
        }
        EXPECT_EQ(firstDifferenceFromWholeRestyle(text, styler), -1) << "case " << c;
    }
    // In WYSIWYG the last line of a block left open stays shown.
    EXPECT_EQ(Styled("```\ncode\nmore", true).hidden(), "xxxx.........");
}

// Restyling after each keystroke leaves the text as a whole restyle would, whatever breaks
// its lines: random edits (typing, deleting several units at once, caret moves that restyle
// a line without changing it) of random texts with tables (across blank lines too), fences
// left open, directives, lists and inline markup.
TEST(MarkdownStylerScope, KeystrokeRestylesEqualAWholeRestyle)
{
    const QStringList breaks{"\n", "\r\n", "\r", QString(QChar(0x2028))};
    const QStringList lines{"- [ ] task **bold** and `code`",
                            "12. item [l](u) ~~s~~",
                            "| a | b |",
                            "|---|:-:|",
                            "|---",
                            "{.center}",
                            "# Head *it*",
                            "> quote",
                            "```js",
                            "```",
                            "plain [[wiki|label]] x[^1]",
                            "* * *",
                            "<!-- widths: 40,60 -->",
                            "`a",
                            "b`",
                            "[x",
                            "](y)",
                            "**",
                            "-",
                            "  - sub",
                            "\t1) n",
                            "/* c",
                            "*/ x",
                            "`t",
                            "let s = 'q' // n",
                            "```c",
                            "",
                            " ",
                            ""};
    const QStringList typed{"|",  "`",  "*", "-", " ",    "x",     "{.left}", "```", "\n", "\r", QString(QChar(0x2028)),
                            "/*", "*/", "'", "",  "\r\n", "| c |", "\n\n"};
    std::mt19937 rng(17);
    for (int round = 0; round < 60; ++round) {
        for (const bool grid : {false, true}) {
            // Every block restyled in part (its kept tokens followed through the edits), or whole.
            const int fenceLimit = grid ? 0 : 4096;
            const QString& br = breaks[round % breaks.size()];
            QString doc;
            for (int k = 0; k < 30; ++k)
                doc += lines[int(rng() % lines.size())] + (rng() % 5 == 0 ? breaks[int(rng() % breaks.size())] : br);
            MarkdownStyler styler;
            styler.concealMarkers = grid;
            styler.wholeFenceLimit = fenceLimit;
            AttributedText text(doc);
            styler.highlight(text, std::nullopt);
            for (int step = 0; step < 16; ++step) {
                const int len = text.length();
                const int a = int(rng() % (len + 1));
                if (rng() % 8 == 0) {
                    styler.highlight(text, TextRange(a, 0)); // the caret moved: its line again
                } else {
                    // Mostly a key or two; now and then a selection of up to a few lines goes.
                    const int most = rng() % 4 == 0 ? 24 : 4;
                    const int b = a + int(rng() % (std::min(len - a, most) + 1));
                    const QString insert = rng() % 3 == 0 ? QString() : typed[int(rng() % typed.size())];
                    text.replaceCharacters(TextRange(a, b - a), insert);
                    styler.highlight(text, TextRange(a, int(insert.size())));
                }
                const int at = firstDifferenceFromWholeRestyle(text, styler);
                ASSERT_EQ(at, -1) << "round " << round << " step " << step << ": "
                                  << qPrintable(QString(text.string())
                                                    .replace('\r', "\\r")
                                                    .replace('\n', "\\n")
                                                    .replace(QChar(0x2028), "\\u2028"));
            }
        }
    }
}

// A restyle bounded to the lines around an edit leaves the rest of what the edit changed (the
// blocks a fence line pairs anew, the tokens of a large block) where left() says: everything
// else looks as a whole restyle at once, and all of it once the part left is restyled a few
// lines at a time, each restyle bounded to its own lines, as the editor's slices do.
TEST(MarkdownStylerScope, ABoundedRestyleLeavesOnlyWhatItSaysItLeft)
{
    const QStringList lines{"```js", "```",         "```py x",   "let s = 'q' // n", "/* c",      "*/ x",       "`t",
                            "b`",    "# Head *it*", "| a | b |", "|---|:-:|",        "{.center}", "plain text", ""};
    const QStringList typed{"`", "```", "\n", "/*", "*/", "'", "x", "```js\n", "| c |", ""};
    std::mt19937 rng(23);
    auto text = [](const AttributedText& t) { return qPrintable(QString(t.string()).replace('\n', "\\n")); };
    for (int round = 0; round < 40; ++round) {
        QString doc;
        for (int k = 0; k < 60; ++k) doc += lines[int(rng() % lines.size())] + '\n';
        MarkdownStyler styler;
        styler.concealMarkers = round % 2;
        styler.wholeFenceLimit = round % 3 == 0 ? 4096 : 0;
        AttributedText t(doc);
        styler.highlight(t, std::nullopt);
        for (int step = 0; step < 12; ++step) {
            const int len = t.length();
            const int a = int(rng() % (len + 1));
            const int b = a + int(rng() % (std::min(len - a, 4) + 1));
            const QString insert = typed[int(rng() % typed.size())];
            t.replaceCharacters(TextRange(a, b - a), insert);
            const TextRange around(std::max(0, a - 30), std::min(t.length(), a + 30) - std::max(0, a - 30));
            styler.highlight(t, TextRange(a, int(insert.size())), around);
            TextRange waiting = styler.left();
            ASSERT_EQ(firstDifferenceFromWholeRestyle(t, styler, waiting), -1)
                << "round " << round << " step " << step << ": " << text(t);
            while (!waiting.isNotFound()) {
                const int from = waiting.location;
                const int to = std::max(std::min(waiting.end(), t.lineEndFrom(from, 3)), from + 1);
                const TextRange bound(from, std::min(to, t.length()) - from);
                const TextRange scope = styler.highlight(t, bound, bound);
                const TextRange rest = scope.end() < waiting.end() ? TextRange(scope.end(), waiting.end() - scope.end())
                                                                   : TextRange::notFound();
                waiting = scope.end() >= t.length() ? styler.left() : rest.united(styler.left());
            }
            ASSERT_EQ(firstDifferenceFromWholeRestyle(t, styler), -1)
                << "round " << round << " step " << step << ": " << text(t);
        }
    }
}

// Typing in a text without blank lines (a list, a log) restyles a few lines.
TEST(MarkdownStylerScope, AKeystrokeInALongListOrBlockRestylesAFewLines)
{
    // The scope of a keystroke in the middle of a long list is the edited line and its
    // neighbours.
    QString list;
    for (int i = 0; i < 2000; ++i) list += QStringLiteral("- [ ] task %1 with **bold** words\n").arg(i);
    MarkdownStyler styler;
    AttributedText text(list);
    styler.highlight(text, std::nullopt);
    const int at = int(list.size() / 2);
    text.replaceCharacters(TextRange(at, 0), u"x");
    EXPECT_LT(styler.highlight(text, TextRange(at, 1)).length, 200);

    // Likewise inside a large fenced block; opening a comment there reaches as far as the
    // comment runs.
    QString code = "```js\n";
    for (int i = 0; i < 4000; ++i) code += QStringLiteral("let x%1 = 'v'; // note\n").arg(i);
    code += "```\n";
    AttributedText block(code);
    styler.highlight(block, std::nullopt);
    const int mid = int(code.indexOf("let x2000"));
    block.replaceCharacters(TextRange(mid, 0), u"y");
    EXPECT_LT(styler.highlight(block, TextRange(mid, 1)).length, 200);
    block.replaceCharacters(TextRange(mid, 0), u"/*");
    EXPECT_GT(styler.highlight(block, TextRange(mid, 2)).end(), int(code.size()) - 10);
    EXPECT_EQ(block.attributesAt(int(code.size()) - 20).foreground, block.attributesAt(mid).foreground);
}
