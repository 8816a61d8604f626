#pragma once

#include "editor/PageMetrics.h"
#include "editor/StyledBlocks.h"
#include "editor/ui/LazyPlacement.h"

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QPixmap>
#include <QTextBlock>
#include <QTextLayout>

#include <functional>
#include <optional>
#include <unordered_set>

// Lays the editor's Markdown out on paper sheets lying on a desk. Each block is broken
// into lines with its own QTextLayout (the styler's runs are additional formats, its
// paragraph attributes block data); lines that would straddle the end of a page's text
// area move to the top of the next. After an edit only the changed blocks are broken
// again and positions are carried forward until they converge with the previous pass.
// All geometry is in pixels: the page sizes in points times the zoom factor.
class PagedDocumentLayout : public QAbstractTextDocumentLayout {
    Q_OBJECT
public:
    struct Geometry {
        double pageWidth = 816;
        double sheetHeight = 1056;
        double pageGap = 22;
        double deskPad = 28;
        double marginBand = 64; // header and footer bands
        double hInset = 72;     // page margin left and right
        double vInset = 64;     // text inset at the top and bottom of each sheet
        double scale = 1.0;     // zoom
    };
    struct Colors {
        QColor desk{230, 230, 230};
        QColor page{255, 255, 255};
        QColor caption{0, 0, 0, 66};  // "Header" and "Footer"
        QColor bandLine{0, 0, 0, 10}; // the band edges
        QColor text{25, 25, 25};
        QColor accent{0, 122, 255}; // the accent in the editor's own look (the minimap's box)
    };

    explicit PagedDocumentLayout(QTextDocument* doc);
    ~PagedDocumentLayout() override;
    // Takes the page, colours, direction and view width of `other` (the layout of the
    // document this one's replaces), before this one lays anything out.
    void takeSettingsOf(const PagedDocumentLayout& other);
    // While on, a change the text edit announces of the whole text that leaves the page
    // as it was is no change here: taking a document, the text edit announces each of its
    // settings that way, though the document has them already. Not used within a batch.
    void setIgnoringWholeTextChanges(bool on);
    // Runs `f` (the caret placed, which has Qt ask where its line is) within an edit block
    // not ended yet: a block given its formats then lets the change that notes join the
    // edit's instead of telling it apart, which would take the edit's change with it
    // (nobody following the text would hear of the edit).
    void withinEdit(const std::function<void()>& f);
    // Announces the document's size and the whole of it as changed: a text edit that takes
    // the document after this laid it out heard of neither.
    void announceAll();

    void setGeometry(const Geometry& g);
    const Geometry& geometry() const { return m_geo; }
    void setColors(const Colors& c);
    const Colors& colors() const { return m_colors; }
    void setTextDirection(Qt::LayoutDirection dir);
    // Width of the visible area; the sheets are centred in it.
    void setViewportWidth(double w);

    PageMetrics metrics() const { return m_metrics; }
    double sheetLeft() const;
    QRectF sheetRect(int page) const;
    // Document x of the text column's left edge and y of the first text area's top.
    QPointF textOrigin() const;
    double textWidth() const;

    // Painted after the text, in document coordinates (grids, ghost text, guides).
    std::function<void(QPainter*, const QRectF& clip)> overlay;

    // Lays out everything again (zoom, page size, fonts).
    void relayoutAll();
    // The blocks that hold formats let go of them (a zoom scales every font): each takes
    // them again, made anew from the styled text, once it is shown or asked for.
    void releaseFormats();
    // Between the two, changes only note that a full relayout is due; the end does it
    // once (applying settings changes fonts, options and styling together).
    void beginBatch();
    void endBatch();
    // A long document is laid out in slices: the start at once, the rest when the
    // event loop is idle. Lays out everything still pending now.
    void finishLayout();
    bool isLayoutPending() const { return m_placement.isPending(); }
    // A long new text is styled in slices after its first screen. A block laid out before
    // its styling would be broken into lines again once styled, so the layout lays out no
    // block from `position` on by itself (−1: all the text is styled); where it must go
    // further (a block asked for, finishLayout) it has `styleThrough` style the text up to
    // there first.
    void setStyledUpTo(int position);
    std::function<void(int position)> styleThrough;
    // Blocks before this position have their lines and their place; the ones from it on
    // wait for the slices (the document's length when none waits), but for the end's.
    int placedUpTo() const { return m_placement.isPending() ? m_placement.position() : document()->characterCount(); }
    bool isPlaced(int position) const { return !m_placement.waits(position); }
    // Where the end laid out ahead of the slices begins (see placeEnd); −1 when none is.
    int endPlacedFrom() const { return m_placement.isPending() ? m_placement.tail() : -1; }
    // While a long text is still being broken into lines, gives its last blocks their lines
    // and a place estimated from the part laid out (pixels per character), the document's
    // size following; the blocks between wait as before, and the slices, once there, put the
    // end where it truly lies (the view keeping the caret's line where it was). False when
    // the end is left to the slices (they are about to reach it, or nothing is laid out yet).
    // The end is styled first when `style` (else its blocks are broken again once styled).
    bool placeEnd(bool style = true);
    // Styles the text around `position` before the end is laid out there.
    std::function<void(int position)> styleNear;
    // Lays out for about `budgetMs` towards `position`: from the part laid out, or (nearer
    // the end) by laying the end out ahead and taking in the text above it. True once the
    // block holding `position` has its place. A view waiting for a place far down runs it in
    // slices, the window going on between them.
    bool layOutToward(int position, double budgetMs);
    // Whether text-area `y` lies where the text is not laid out yet (a blank sheet between
    // the part laid out and the end laid out ahead, or below the part laid out), and the
    // same as layOutToward for the text that lies there.
    bool waitsAt(double y) const;
    bool layOutAt(double y, double budgetMs);
    // Lays out every block through `block` now, however far down it is (a grid's rows, which
    // its last row's place settles).
    void layOutThrough(const QTextBlock& block)
    {
        if (isPending(block) && !growTail(block)) continueLayout(0, block);
    }
    // Told when Qt's cursor code asks for a block far beyond the part laid out (the caret
    // after an undo or a zoom, a selection set far down): laying out all the text above it
    // at once held the window for seconds, so the block's rectangle is estimated instead and
    // whoever follows this lays it out (layOutToward) in slices.
    std::function<void()> askedAhead;
    // Styles [from, to) before it is painted where its styling still waits for the slices
    // (an edit paired the fences below it anew); false when none of it waited.
    std::function<bool(int from, int to)> styleShown;

    // While the layout tells of a new document size: the view's scroll bars follow it, and a
    // scroll that a shorter text forces is not the user's.
    bool isAnnouncingSize() const { return m_announcingSize; }

    // QAbstractTextDocumentLayout
    void draw(QPainter* painter, const PaintContext& context) override;
    int hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const override;
    int pageCount() const override { return m_pageCount; }
    QSizeF documentSize() const override;
    QRectF frameBoundingRect(QTextFrame* frame) const override;
    QRectF blockBoundingRect(const QTextBlock& block) const override;

    // Block whose laid-out area holds text-area y (nearest block when between blocks).
    QTextBlock blockAtY(double y) const;
    // Laid-out top and bottom of a block in text-area coordinates, spacing below included.
    double blockTop(const QTextBlock& block) const;
    double blockBottom(const QTextBlock& block) const;
    // Blocks whose own layouts hold formats and lines (the others keep their place and
    // height only); for the memory benchmark and tests.
    int heldBlockCount() const { return int(m_held.size()); }
    // How many times a block's lines were broken (each one shapes its text), for the
    // benchmark that holds opening to one break per block.
    qint64 linesBrokenCount() const { return m_linesBroken; }

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    // The lines of a block that an edit inside it is changing, as they were before: once it
    // is broken again, only the lines that differ are repainted.
    struct EditedBlock {
        struct Line {
            int start;
            int length;
            double y;
            double height;
        };
        int position = -1;
        int from = 0; // the edit, block-relative
        int removed = 0;
        int added = 0;
        double top = 0;
        double height = 0;
        BlockParagraph paragraph;
        QList<QTextLayout::FormatRange> formats;
        std::vector<Line> lines;
    };
    // The phases of documentChanged: whether a change is heard at all; one within the blocks
    // still waiting for the lazy placement; the blocks a change reached (first, last); those
    // broken again and what follows placed.
    bool hears(int from, int removed, int added);
    void changeWaiting(int from, int added);
    std::pair<QTextBlock, QTextBlock> changedBlocks(int from, int added) const;
    void layOutChanged(const QTextBlock& first, const QTextBlock& last);
    // Notes the lines of the block an edit changes, before anything else hears of the edit
    // (the styling replaces the block's formats, and breaking it replaces its lines).
    void noteEdit(int from, int removed, int added);
    // The text-area band of `block` that differs from the noted lines (an empty band when
    // none does), or nullopt when the block as a whole changed.
    std::optional<std::pair<double, double>> changedLines(const QTextBlock& block) const;
    // Breaks the block into lines, or marks a grid row's lines as due (hold).
    void breakLines(const QTextBlock& block);
    void breakInto(QTextLayout* tl, const BlockParagraph& para, const QString& text) const;
    // The paragraph's alignment for a text layout, which knows left and right only.
    Qt::Alignment visualAlignment(Qt::Alignment alignment, const QString& text) const;
    // Breaks a block that holds no lines of its own in a scratch layout, for their heights.
    const QTextLayout& measure(const QTextBlock& block, const BlockParagraph& para) const;
    BlockStyleData* dataOf(const QTextBlock& block) const;
    // Whether blocks away from the screen give up their formats and lines: only when the
    // styling can be made again (the document has a format source).
    bool dropsBlocks() const;
    bool holds(const BlockStyleData* data) const;
    // Gives a block its formats and lines back, placed where it is, before they are used
    // (a grid row's lines when they are due); every reader of a block's lines goes through
    // here (Qt's cursor code through blockBoundingRect).
    void hold(const QTextBlock& block) const;
    // Hears of nothing while `change` hands formats to held blocks or takes them back.
    void quietly(const std::function<void()>& change) const;
    // When many blocks hold their lines, lets go of those far from `clip` (document y); of
    // those outside document y [from, to].
    void releaseFar(const QRectF& clip) const;
    void releaseOutside(double from, double to) const;
    // Places the block's lines starting at y; returns its bottom.
    double placeBlock(const QTextBlock& block, double y);
    // Places blocks from `block` on; returns the text-area y from which nothing moved (the
    // top of the first block found where it was), or −1 when it went on to the end.
    double paginateFrom(QTextBlock block, const QTextBlock& lastDirty);
    // Lays out pending blocks, as far as the text is styled: for `budgetMs` at most, through
    // `until` at least (when valid), and not past `fillTo` (text coordinates; −1: no bound).
    void continueLayout(double budgetMs, const QTextBlock& until = {}, double fillTo = -1);
    // How far below `y` (or below the view, when that is lower) a change is followed at once:
    // the screen and a few pages under it; the rest of a long text waits for the idle slices.
    double enoughBelow(double y) const;
    bool isStyled(const QTextBlock& b) const { return m_styledUpTo < 0 || b.position() < m_styledUpTo; }
    bool isPending(const QTextBlock& b) const { return m_placement.waits(b.position()); }
    // The end placed ahead of the slices (see placeEnd): its first block (invalid when there
    // is none); whether `b` is one of its blocks; its blocks placed from `top`, broken into
    // lines first when `rebreak`; its start moved up to take in `asked`, a block waiting
    // between, when that is far from the part laid out (false when it is not).
    QTextBlock tailBlock() const;
    bool inTail(const QTextBlock& b) const { return m_placement.tail() >= 0 && b.position() >= m_placement.tail(); }
    double placeTail(double top, bool rebreak);
    void placeTailAtEstimate(bool rebreak);
    bool growTail(const QTextBlock& asked);
    // Where the end's first block lies by the part laid out, whose bottom is `y` and which
    // ends at `position`.
    double estimatedTop(int position, double y) const;
    // The text-area y where `position` lies by the part laid out and the end laid out ahead
    // (pixels per character between them), and the position estimated to lie at `y`.
    double estimatedY(int position) const;
    int estimatedPosition(double y) const;
    double laidOutBottom() const;
    // One step towards `position` (see layOutToward); false when none can be taken.
    bool stepToward(int position, double budgetMs);
    // Whether a pending block asked for is laid out at once (it is close to the part laid
    // out, at the end, or only waits to be moved) rather than estimated (see askedAhead).
    bool laysOutWhenAsked(const QTextBlock& block);
    // A change from before the end laid out ahead into it (a restyle across its start): what
    // it changed of the part laid out is laid out again, and the part within the end anew
    // where it is when the blocks are still where they were, else the end laid out ahead
    // begins after the change. False for any other change.
    bool reachesIntoTail(int from, int removed, int added);
    // Document size and page count after a change; repaints the text-area band from `from`
    // to `to` (to the end when `to` < 0) across the sheets, and the desk below the last sheet
    // both counts share when the number of pages changed; everything from 0 to the end.
    void updateExtent(double from = 0, double to = -1);
    void drawSheets(QPainter* p, const QRectF& clip) const;
    // Has the blocks in `clip` styled first where their styling waits (see styleShown).
    void styleInView(const QRectF& clip);
    // One sheet with its shadow, captions and band lines on the desk around it, drawn once
    // per look and size. The rows between the top's and the bottom's captions, lines and
    // corners are all alike, so only the sheet's head (its first `top` rows and some rows
    // alike) and foot are drawn, and the rows alike are shown again and again between them.
    // Rows are device pixels.
    struct SheetPicture {
        QPixmap head;
        QPixmap foot;   // none when the head is the whole sheet
        QPointF offset; // of the sheet's corner within the picture
        int height = 0; // of the whole sheet's picture
        int top = 0;
    };
    const SheetPicture& sheetPicture(double dpr) const;
    void paintSheet(QPixmap& picture, const QRectF& sheet, double from) const;

    Geometry m_geo;
    Colors m_colors;
    PageMetrics m_metrics;
    Qt::LayoutDirection m_direction = Qt::LayoutDirectionAuto;
    double m_viewportWidth = 0;
    int m_pageCount = 1;
    QSizeF m_announcedSize; // the size documentSizeChanged last carried
    bool m_announcingSize = false;
    double m_usedBottom = 0;
    QSizeF m_lastPageSize;
    // How the layout hears of a change of the text.
    enum class Hearing {
        Each,         // lays out what it changed (see documentChanged)
        WholeIgnored, // a text edit taking the document: a change of the whole text is none
        Batched,      // changes only note that a relayout is due; the batch's end does it
        BatchedDue,   // the same, with a relayout due
        Quiet,        // formats handed to a held block: no change of the text
    };
    mutable Hearing m_hearing = Hearing::Each;
    bool m_withinEdit = false; // see withinEdit
    int m_batchDepth = 0;      // batches begun and not ended
    // What is not laid out yet: an edit far above the end of a long text moves the rest of
    // it in idle slices, not on the keystroke; a new text is laid out a screen first.
    LazyPlacement m_placement;
    int m_styledUpTo = -1;
    // Bottom of the last painted rectangle, in text coordinates.
    double m_paintedBottom = 0;
    mutable std::unordered_set<BlockStyleData*> m_held; // see StyledBlocks::hold
    mutable bool m_sourced = false;
    mutable SheetPicture m_sheet;
    struct SheetLook {
        double pageWidth = 0, sheetHeight = 0, scale = 0, dpr = 0, marginBand = 0;
        QRgb page = 0, caption = 0, bandLine = 0, desk = 0;
        bool operator==(const SheetLook&) const = default;
    };
    mutable SheetLook m_sheetKey;
    mutable qint64 m_linesBroken = 0;
    std::optional<EditedBlock> m_edited;
    // The scratch layouts serve every block in turn (a layout of its own per block was made
    // and freed with its format collection each time): one for blocks with formats, one for
    // those without (clearing a layout's formats would drop its collection).
    mutable QTextLayout m_scratch;
    mutable QTextLayout m_plainScratch;
};
