#include "editor/StyleBridge.h"
#include "editor/StyledBlocks.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

TextAttributes bold()
{
    TextAttributes a;
    QFont f;
    f.setPointSizeF(15);
    f.setBold(true);
    a.font = f;
    return a;
}

} // namespace

TEST(StyleBridge, RunsBecomeNumberedFormatsAndRowsKeepTheirHeight)
{
    AttributedText t("ab **cd**\n| x |\nz");
    t.setAttributes({5, 2}, bold());
    t.addMarkdownConceal({3, 2});
    t.addMarkdownConceal({7, 2});
    ParagraphStyle row;
    row.minimumLineHeight = row.maximumLineHeight = 24;
    t.addParagraphStyle({10, 6}, row);
    StyleBridge bridge;
    const StyleResult r = bridge.convert(t, {0, t.length()}, 2.0, 0.75);
    ASSERT_EQ(r.runs.size(), 3);
    EXPECT_TRUE(StyledBlocks::isConcealed(r.runs[0].format));
    EXPECT_EQ(r.runs[0].formatId, r.runs[2].formatId);  // the two marker runs share one look
    EXPECT_EQ(r.runs[1].format.font().pixelSize(), 30); // 15 points at zoom 2
    ASSERT_FALSE(r.paragraphs.isEmpty());
    EXPECT_DOUBLE_EQ(r.paragraphs.last().style.rowHeight, 18);
}

// A run in the document's own font takes the layout's font, so it is laid out exactly as
// with that font written into its format.
TEST(StyleBridge, RunsInTheDocumentsFontCarryNoFontOfTheirOwn)
{
    AttributedText t("plain **bold** plain");
    TextAttributes body;
    QFont f;
    f.setPointSizeF(15);
    body.font = f;
    body.foreground = QColor(Qt::darkGray);
    t.setAttributes({0, t.length()}, body);
    t.setAttributes({8, 4}, bold());
    const QFont doc = StyleBridge::scaledFont(f, 2.0);
    StyleBridge bridge;
    const StyleResult r = bridge.convert(t, {0, t.length()}, 2.0, 1.0, doc);
    ASSERT_EQ(r.runs.size(), 3);
    EXPECT_FALSE(r.runs[0].format.hasProperty(QTextFormat::FontPixelSize));
    EXPECT_EQ(r.runs[1].format.font().pixelSize(), 30);
    auto width = [&](const StyleResult& result) {
        QTextLayout tl(t.string(), doc);
        QList<QTextLayout::FormatRange> ranges;
        for (const StyleRun& run : result.runs) ranges.append({run.start, run.length, run.format});
        tl.setFormats(ranges);
        tl.beginLayout();
        const double w = tl.createLine().naturalTextWidth();
        tl.endLayout();
        return w;
    };
    EXPECT_DOUBLE_EQ(width(r), width(StyleBridge().convert(t, {0, t.length()}, 2.0, 1.0)));
}

TEST(StyledBlocks, OnlyChangedBlocksAreTouchedAndFormatsAreBlockRelative)
{
    QTextDocument doc;
    doc.setPlainText("one\ntwo **x**\nthree");
    doc.setModified(false);
    StyleResult r;
    r.scope = {0, int(doc.characterCount() - 1)};
    r.runs.append({8, 2, StyledBlocks::concealFormat(), 1});
    EXPECT_EQ(StyledBlocks::apply(&doc, r), 3);
    EXPECT_EQ(StyledBlocks::apply(&doc, r), 0);
    const QTextBlock two = doc.findBlockByNumber(1);
    EXPECT_TRUE(StyledBlocks::isConcealedAt(two, 4));
    EXPECT_FALSE(StyledBlocks::isConcealedAt(two, 3));
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.isUndoAvailable());
    r.runs.clear();
    EXPECT_EQ(StyledBlocks::apply(&doc, r), 1);
    EXPECT_FALSE(StyledBlocks::isConcealedAt(two, 4));
}

TEST(StyledBlocks, ABlockCutIntoTooManyRunsIsShownPlain)
{
    // One run more than a block may take, on every other character of the first line; the
    // second line keeps its one run.
    const int runs = int(StyledBlocks::maxRunsPerBlock) + 1;
    QTextDocument doc;
    doc.setPlainText(QString(2 * runs, u'a') + "\nb **x**");
    StyleResult r;
    r.scope = {0, int(doc.characterCount() - 1)};
    for (int i = 0; i < runs; ++i) r.runs.append({2 * i, 1, StyledBlocks::concealFormat(), 1});
    r.runs.append({2 * runs + 1 + 4, 1, StyledBlocks::concealFormat(), 1});
    StyledBlocks::apply(&doc, r);
    const QTextBlock first = doc.firstBlock();
    EXPECT_TRUE(first.layout()->formats().isEmpty());
    EXPECT_TRUE(StyledBlocks::formatsIn(r, first).isEmpty());
    EXPECT_FALSE(StyledBlocks::isConcealedAt(first, 0));
    EXPECT_TRUE(StyledBlocks::isConcealedAt(first.next(), 4));
}

TEST(StyledBlocks, TheBlockAfterTheScopeKeepsItsParagraph)
{
    QTextDocument doc;
    doc.setPlainText("a\n\nb\n\nc\n");
    StyleResult all;
    all.scope = {0, 8};
    all.paragraphs.append({0, 8, BlockParagraph{3, 4}});
    StyledBlocks::apply(&doc, all);
    // Restyling the first two lines leaves the blank line that starts at the scope's end alone.
    StyleResult top;
    top.scope = {0, 5};
    top.paragraphs.append({0, 5, BlockParagraph{3, 4}});
    StyledBlocks::apply(&doc, top);
    for (QTextBlock b = doc.begin(); b != doc.lastBlock(); b = b.next())
        EXPECT_DOUBLE_EQ(StyledBlocks::paragraphOf(b).spacingAfter, 4) << b.blockNumber();
    // The empty last line is in a scope that reaches the end of the text.
    StyleResult end;
    end.scope = {6, 2};
    end.paragraphs.append({6, 2, BlockParagraph{1, 2}});
    end.paragraphs.append({8, 0, BlockParagraph{1, 2}});
    EXPECT_EQ(StyledBlocks::apply(&doc, end), 2);
}
