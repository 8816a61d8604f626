#pragma once

#include "platform/TextRange.h"

#include <QList>
#include <QTextBlockUserData>
#include <QTextCharFormat>
#include <QTextLayout>

#include <functional>
#include <memory>
#include <unordered_set>

class QTextDocument;

// Paragraph attributes of one block, kept as block user data so that styling never
// becomes a document format (which would enter the undo stack and the modified flag).
// Lengths are in points; the layout multiplies them by its zoom factor.
// Single precision: every block carries one, and a point is a pixel at zoom 1.
struct BlockParagraph {
    float lineSpacing = 0;  // extra space between the lines of the block
    float spacingAfter = 0; // space below the block
    Qt::Alignment alignment = Qt::AlignLeading;
    float rowHeight = -1; // grid table row: exactly this height (0 hides the row); −1 none
    bool operator==(const BlockParagraph&) const = default;
};

// The formats themselves live only in the block's layout (a second copy per block doubled
// the memory a styled document takes); the styled text they were made from gives them
// again where the layout's are replaced (composition, suggestions).
class BlockStyleData : public QTextBlockUserData {
public:
    ~BlockStyleData() override;
    BlockParagraph paragraph;
    size_t runsHash = 0; // hash of the character runs last applied to the block
    // Height of the block's lines as last placed when none of them was moved to a next
    // page (−1 otherwise, or once its lines are broken again): placing it again where it
    // fits on one page then needs only its position.
    double placedHeight = -1;
    // Where the layout placed the block (text-area y) and the height it takes, spacing
    // below included (−1: not placed since its lines were last broken).
    double top = 0;
    double height = -1;
    // In a document whose styling can be made again (a format source is set) only the
    // blocks lately shown or asked for keep formats and lines in their own layout (this
    // one; null when they are not kept). See StyledBlocks::hold.
    QTextLayout* heldLayout = nullptr;
    // The heights of the block's lines as last broken (none once they are to be broken
    // again): a block that holds no lines is placed again from them, across a page end
    // too, without breaking it again. One height when all lines share it.
    std::unique_ptr<float[]> lineHeights;
    int lineCount = 0;
    float lineHeight = 0;
    bool styled = false;
    // A grid row placed without its lines broken: the layout breaks them when asked.
    bool linesDeferred = false;
    void setLineHeights(const QTextLayout& tl);
    double lineHeightAt(int i) const { return lineHeights ? lineHeights[i] : lineHeight; }
};

// One character run of the styler's output, in document offsets.
struct StyleRun {
    int start = 0;
    int length = 0;
    QTextCharFormat format;
    int formatId = 0; // equal ids mean equal formats (0: compare the formats themselves)
};

// A paragraph attribute for every block that starts inside [start, start + length).
struct ParagraphRun {
    int start = 0;
    int length = 0;
    BlockParagraph style;
};

// What one restyle produced: the scope it covers (whole blocks) and the runs inside it,
// sorted by start. Blocks of the scope without runs go back to plain text.
struct StyleResult {
    TextRange scope;
    QList<StyleRun> runs;
    QList<ParagraphRun> paragraphs;
};

namespace StyledBlocks {

// A block whose styling cuts it into more runs than this is shown as its plain text: Qt
// lays out and shapes every run of a block on its own, a few microseconds each, and a
// line of a million emphasised words took seconds to open and again for every key typed
// in it. Below this, a block with every run breaks into lines in about a tenth of a second.
constexpr qsizetype maxRunsPerBlock = 64 * 1024;

// Applies a result as additional layout formats and block data, touching only the blocks
// whose styling changed, and marks them for relayout. Returns the number of blocks changed.
int apply(QTextDocument* doc, const StyleResult& result);

// The block-relative formats `result` gives `block` (the runs clipped to it, its break left
// out; none past maxRunsPerBlock).
QList<QTextLayout::FormatRange> formatsIn(const StyleResult& result, const QTextBlock& block);

// Makes a block's styling again from what it was made from; set by the view that styles
// the document.
using FormatSource = std::function<QList<QTextLayout::FormatRange>(const QTextBlock&)>;
void setFormatSource(QTextDocument* doc, FormatSource source);
bool hasFormatSource(const QTextDocument* doc);

// Notes that `data`'s block keeps formats and lines in `layout`, on `list` (one list per
// document layout); release() takes it off again, as does destroying the block. Kept
// apart from the block data, which every block has and only a few use.
using HeldList = std::unordered_set<BlockStyleData*>;
void hold(BlockStyleData* data, QTextLayout* layout, HeldList* list);
void release(BlockStyleData* data);

// The styling formats of a block (block-relative), without what composition or a
// suggestion put over them.
QList<QTextLayout::FormatRange> formatsOf(const QTextBlock& block);

// The paragraph attributes of a block (defaults when it was never styled).
BlockParagraph paragraphOf(const QTextBlock& block);

} // namespace StyledBlocks

namespace StyledBlocks {

// Format property that marks concealed characters (their glyphs take no space).
constexpr int ConcealProperty = QTextFormat::UserProperty + 1;

// The format of a concealed run: the zero-advance font, no pen.
QTextCharFormat concealFormat();
bool isConcealed(const QTextCharFormat& f);

// Whether the character at block-relative `index` is concealed.
bool isConcealedAt(const QTextBlock& block, int index);

} // namespace StyledBlocks
