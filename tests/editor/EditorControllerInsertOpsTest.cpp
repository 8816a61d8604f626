#include "EditorControllerOpsFixture.h"

#include "render/MarkdownHTMLRenderer.h"
#include "styling/MarkdownCleaner.h"

#include <QRegularExpression>

TEST(EditorControllerInsertOps, WrapAndUnwrap)
{
    OpsEditor e("x **bold** y", {2, 8});
    e.c.wrap("**");
    EXPECT_EQ(e.text(), "x bold y");
    EXPECT_EQ(e.sel(), TextRange(2, 4));
    e.c.wrap("**");
    EXPECT_EQ(e.text(), "x **bold** y");
    EXPECT_EQ(e.sel(), TextRange(4, 4));
    e.expectUndoRestores("x bold y", TextRange(2, 4));

    OpsEditor stars("**", {0, 2}); // too short to unwrap: wrapped
    stars.c.wrap("**");
    EXPECT_EQ(stars.text(), "******");

    OpsEditor comment("", {0, 0});
    comment.c.wrap("<!-- ", QString(" -->"));
    EXPECT_EQ(comment.text(), "<!--  -->");
    EXPECT_EQ(comment.sel(), TextRange(5, 0));

    // A non-BMP selection is wrapped whole, and the selection stays on it.
    OpsEditor emoji(QString::fromUtf8("\xF0\x9F\x98\x80"), {0, 2});
    emoji.c.wrap("~~");
    EXPECT_EQ(emoji.text(), QString::fromUtf8("~~\xF0\x9F\x98\x80~~"));
    EXPECT_EQ(emoji.sel(), TextRange(2, 2));
}

// A selected line ends with its line break (Select Line, Shift+Down from its start): the
// markers go around its text, the breaks at either end staying outside, so the span is one
// and the next line keeps its own marker; the selection stays on the text, and one undo
// brings the line back as it was.
TEST(EditorControllerInsertOps, WrappingASelectedLineLeavesItsLineBreaksOutside)
{
    const QString text = "> quoted\nline for commands X\n> more";
    const QList<std::pair<QString, QString>> markers{{"**", "**"}, {"*", "*"}, {"***", "***"},   {"~~", "~~"},
                                                     {"`", "`"},   {"$", "$"}, {"<!-- ", " -->"}};
    for (const auto& [opening, closing] : markers) {
        for (const TextRange sel : {TextRange(9, 20), TextRange(8, 21), TextRange(8, 20)}) {
            OpsEditor e(text, sel);
            e.c.wrap(opening, closing);
            EXPECT_EQ(e.text(), "> quoted\n" + opening + "line for commands X" + closing + "\n> more")
                << opening.toStdString();
            EXPECT_EQ(e.sel(), TextRange(9 + int(opening.size()), 19)) << opening.toStdString();
            e.expectUndoRestores(text, sel);
        }
    }
    // Unwrapping a selected line takes the markers off its text alone.
    OpsEditor bold("**bold**\r\nnext", {0, 10});
    bold.c.wrap("**");
    EXPECT_EQ(bold.text(), "bold\r\nnext");
    EXPECT_EQ(bold.sel(), TextRange(0, 4));
    // Nothing but a line break selected: an empty pair where the selection starts.
    OpsEditor blank("a\n\nb", {2, 1});
    blank.c.wrap("**");
    EXPECT_EQ(blank.text(), "a\n****\nb");
    EXPECT_EQ(blank.sel(), TextRange(4, 0));
}

// Bold on, type, bold off: the second press ends the span where the caret is, instead of
// leaving an empty pair ("**bold****") behind; pressed at once, it takes the pair away.
TEST(EditorControllerInsertOps, TheSameMarkerAtACaretEndsWhatItBegan)
{
    OpsEditor e("plain ", {6, 0});
    e.c.wrap("**");
    EXPECT_EQ(e.text(), "plain ****");
    e.c.replace(e.c.textView()->selectedRange(), "bold", TextRange(12, 0));
    e.c.wrap("**");
    EXPECT_EQ(e.text(), "plain **bold**");
    EXPECT_EQ(e.sel(), TextRange(14, 0));

    OpsEditor empty("a ****", {4, 0});
    empty.c.wrap("**");
    EXPECT_EQ(empty.text(), "a ");
    EXPECT_EQ(empty.sel(), TextRange(2, 0));
    empty.expectUndoRestores("a ****", TextRange(4, 0));

    // Italic before bold's closing marker, and a marker that opens a span, still insert a pair.
    OpsEditor italic("**bold**", {6, 0});
    italic.c.wrap("*");
    EXPECT_EQ(italic.text(), "**bold****");
    OpsEditor opening("say **it**", {4, 0});
    opening.c.wrap("**");
    EXPECT_EQ(opening.text(), "say ******it**");
}

TEST(EditorControllerInsertOps, LinksImagesAndCode)
{
    OpsEditor e("", {0, 0});
    e.c.insertLinkTemplate();
    EXPECT_EQ(e.text(), "[text](https://)");
    EXPECT_EQ(e.sel(), TextRange(7, 8));

    OpsEditor label("see docs", {4, 4});
    label.c.insertLinkTemplate();
    EXPECT_EQ(label.text(), "see [docs](https://)");
    EXPECT_EQ(label.sel(), TextRange(11, 8));

    OpsEditor link("", {0, 0});
    link.c.insertLink("", "https://a.example");
    EXPECT_EQ(link.text(), "[https://a.example](https://a.example)");
    EXPECT_EQ(link.sel(), TextRange(int(link.text().size()), 0));

    OpsEditor img("ab", {2, 0}); // caret at the very end
    img.c.insertImageMarkdown("alt", "pic.png");
    EXPECT_EQ(img.text(), "ab![alt](pic.png)");

    OpsEditor code("", {0, 0});
    code.c.insertCodeBlock("");
    EXPECT_EQ(code.text(), "```\n\n```");
    EXPECT_EQ(code.sel(), TextRange(4, 0));

    OpsEditor wrapped("let x", {0, 5});
    wrapped.c.insertCodeBlock("swift");
    EXPECT_EQ(wrapped.text(), "```swift\nlet x\n```");
    EXPECT_EQ(wrapped.sel(), TextRange(9, 5));
}

TEST(EditorControllerInsertOps, TablesAndRules)
{
    OpsEditor e("", {0, 0});
    e.c.insertTable(0, 2);
    EXPECT_EQ(e.text(), "\n| Column 1 | Column 2 |\n| --- | --- |\n|      |      |\n");
    EXPECT_EQ(e.sel(), TextRange(int(e.text().size()), 0));

    OpsEditor two("", {0, 0});
    two.c.insertTable(2, 1);
    EXPECT_EQ(two.text(), "\n| Column 1 |\n| --- |\n|      |\n|      |\n");

    // A CR LF document gets CR LF structure.
    OpsEditor crlf("a\r\nb", {4, 0});
    crlf.c.insertHorizontalRule();
    EXPECT_EQ(crlf.text(), "a\r\nb\r\n---\r\n");
    OpsEditor lf("a", {1, 0});
    lf.c.insertHorizontalRule();
    EXPECT_EQ(lf.text(), "a\n---\n");
}

TEST(EditorControllerInsertOps, FootnotesNumberAndDefine)
{
    OpsEditor e("", {0, 0});
    e.c.insertFootnote();
    EXPECT_EQ(e.text(), "[^1]\n\n[^1]: ");
    EXPECT_EQ(e.sel(), TextRange(int(e.text().size()), 0));
    EXPECT_EQ(e.view.undoDepth(), 2); // reference and definition are two steps
    ASSERT_TRUE(e.view.undo());
    EXPECT_EQ(e.text(), "[^1]");

    OpsEditor next("a[^1] b[^2]\n", {1, 0});
    next.c.insertFootnote();
    EXPECT_EQ(next.text(), "a[^3][^1] b[^2]\n\n[^3]: ");
}

TEST(EditorControllerInsertOps, RefusedFootnoteReferenceAddsNoDefinition)
{
    OpsEditor e("text", {4, 0});
    e.view.refuseChanges = 1;
    e.c.insertFootnote();
    EXPECT_EQ(e.text(), "text");
    EXPECT_EQ(e.view.changeRequests, 1);
    EXPECT_EQ(e.sel(), TextRange(4, 0));

    // A selection beyond the text (a stale range) is no reference either.
    OpsEditor stale("ab", {5, 0});
    stale.c.insertFootnote();
    EXPECT_EQ(stale.text(), "ab");
}

TEST(EditorControllerInsertOps, ReplaceDocumentTextIsOneMinimalUndoableEdit)
{
    OpsEditor e("---\ntitle: A\n---\n\nBody text", {20, 3});
    e.c.replaceDocumentText("---\ntitle: B\n---\n\nBody text");
    EXPECT_EQ(e.text(), "---\ntitle: B\n---\n\nBody text");
    EXPECT_EQ(e.sel(), TextRange(20, 3)); // after the change: untouched
    EXPECT_EQ(e.view.undoDepth(), 1);
    e.expectUndoRestores("---\ntitle: A\n---\n\nBody text", TextRange(20, 3));

    // Never cuts a surrogate pair: 😀 -> 😁 share their high surrogate.
    OpsEditor pair(QString::fromUtf8("\xF0\x9F\x98\x80"), {0, 0});
    pair.c.replaceDocumentText(QString::fromUtf8("\xF0\x9F\x98\x81"));
    EXPECT_EQ(pair.text(), QString::fromUtf8("\xF0\x9F\x98\x81"));
    ASSERT_TRUE(pair.view.undo());
    EXPECT_EQ(pair.text(), QString::fromUtf8("\xF0\x9F\x98\x80"));

    OpsEditor same("abc", {1, 0});
    same.c.replaceDocumentText("abc");
    EXPECT_EQ(same.view.changeRequests, 0);
}

namespace {
// Every "(#anchor)" link of a table of contents must name an id of the exported body.
void expectLinksReachHeadings(const QString& document)
{
    const QString html = MarkdownHTMLRenderer::renderBody(document);
    static const QRegularExpression link("\\]\\(#([^)]*)\\)");
    auto it = link.globalMatch(document);
    int links = 0;
    while (it.hasNext()) {
        const QString anchor = it.next().captured(1);
        ++links;
        EXPECT_TRUE(html.contains("id=\"" + anchor + "\"")) << anchor.toStdString();
    }
    EXPECT_GT(links, 0);
}
} // namespace

TEST(EditorControllerInsertOps, TableOfContentsIndentsAndUsesRendererIds)
{
    OpsEditor e("# Intro\ntext\n## Intro\n### Deep One ##\n", {0, 0});
    e.c.insertTableOfContents();
    EXPECT_EQ(e.text(), "\n- [Intro](#intro)\n  - [Intro](#intro-1)\n    - [Deep One ##](#deep-one)\n"
                        "# Intro\ntext\n## Intro\n### Deep One ##\n");
    expectLinksReachHeadings(e.text());

    // Inline Markdown in a title: the body's id comes from the rendered text.
    OpsEditor inlineMarkup("# a_b_c\r\n## See [Docs](https://x.example)\r\n", {0, 0});
    inlineMarkup.c.insertTableOfContents();
    EXPECT_TRUE(inlineMarkup.text().startsWith("\r\n- [a_b_c](#"));
    expectLinksReachHeadings(inlineMarkup.text());

    OpsEditor none("no headings\n#tag", {3, 0});
    none.c.insertTableOfContents();
    EXPECT_EQ(none.view.changeRequests, 0);
    EXPECT_EQ(none.view.focusCount, 0);
}

TEST(EditorControllerInsertOps, TableOfContentsAnchorsAreTheBodysHeadingIds)
{
    // Repeats (one inside a quote, which the contents leave out but the body counts, and
    // one indented in code, which neither counts), punctuation, non-ASCII letters, inline
    // Markdown and a footnote number in a title.
    const QString document =
        "# Intro\n> # Intro\n## Intro\n```\n  # Intro\n```\n### What's new? (v2.0) \u2014 *really*!\n"
        "# \u00dcn\u00efc\u00f6d\u00e9 Gr\u00fc\u00dfe \u6771\u4eac\n"
        "## *Emphasis*, **strong** and `code_x`\n## [Docs](https://x.example) & more\n"
        "# Intro-1\n# Note[^n]\n\n[^n]: a note\n";
    OpsEditor e(document, {0, 0});
    e.c.insertTableOfContents();
    static const QRegularExpression link("\\]\\(#([^)]*)\\)"), id("<h[1-6] id=\"([^\"]*)\"");
    QStringList anchors, ids;
    for (auto it = link.globalMatch(e.text().left(e.text().indexOf(document))); it.hasNext();)
        anchors << it.next().captured(1);
    for (auto it = id.globalMatch(MarkdownHTMLRenderer::renderBody(document)); it.hasNext();)
        ids << it.next().captured(1);
    EXPECT_EQ(anchors.join(u' '),
              "intro intro-2 whats-new-v20-really \u00fcn\u00efc\u00f6d\u00e9-gr\u00fc\u00dfe-\u6771\u4eac "
              "emphasis-strong-and-code_x docs-more intro-1-1 note1");
    ids.removeAt(1); // the quoted heading
    EXPECT_EQ(anchors.join(u' '), ids.join(u' '));
}

TEST(EditorControllerInsertOps, TableCommandsAndCleanUp)
{
    OpsEditor e("| a | b |\n|---|---|\n| 1 | 2 |", {2, 0});
    e.c.tableOp(TableTools::Op::insertRowBelow);
    EXPECT_EQ(e.text().count('\n'), 3);
    EXPECT_EQ(e.view.undoDepth(), 1);
    EXPECT_EQ(e.view.focusCount, 1);

    OpsEditor outside("plain", {1, 0});
    outside.c.tableOp(TableTools::Op::format);
    EXPECT_EQ(outside.view.beeps, 1);
    EXPECT_EQ(outside.view.changeRequests, 0);

    OpsEditor messy("a  \n\n\n\nb", {9, 0}); // caret at the very end
    messy.c.cleanUpMarkdown();
    EXPECT_EQ(messy.text(), MarkdownCleaner::clean("a  \n\n\n\nb"));
    EXPECT_EQ(messy.sel(), TextRange(std::min(9, int(messy.text().size())), 0));
    messy.expectUndoRestores("a  \n\n\n\nb", TextRange(9, 0));

    const QString clean = MarkdownCleaner::clean("a\n");
    OpsEditor tidy(clean, {0, 0});
    tidy.c.cleanUpMarkdown();
    EXPECT_EQ(tidy.view.beeps, 1);
    EXPECT_EQ(tidy.view.undoDepth(), 0);
}

TEST(EditorControllerInsertOps, TableOfContentsLinksTheHeadingsTheBodyRenders)
{
    // The body numbers repeated titles over the headings it renders: a "# Intro" inside
    // fenced code is none, a quoted or indented one is one the line scan does not list.
    OpsEditor fenced("```\n# Intro\n```\n\n# Intro\n", {25, 0});
    fenced.c.insertTableOfContents();
    EXPECT_TRUE(fenced.text().endsWith("\n- [Intro](#intro)\n- [Intro](#intro)\n"));
    expectLinksReachHeadings(fenced.text());

    OpsEditor quoted("> # Intro\n\n    # Intro\n# Intro\r\n", {32, 0});
    quoted.c.insertTableOfContents();
    EXPECT_TRUE(quoted.text().endsWith("\r\n\n- [Intro](#intro-2)\n"));

    // A title holding the private-use characters the lookup appends still gets its id.
    const QString odd = QString("# \uE0009\uE001 y\n");
    OpsEditor own(odd, {int(odd.size()), 0});
    own.c.insertTableOfContents();
    expectLinksReachHeadings(own.text());
}
