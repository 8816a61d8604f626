#include "editor/StyledBlocks.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <functional>
#include <unordered_map>

namespace {

size_t hashCombine(size_t seed, size_t v)
{
    return seed ^ (v + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

size_t formatHash(const QTextCharFormat& f)
{
    // QTextFormat has no qHash; its properties map does.
    size_t h = 0;
    const auto props = f.properties();
    for (auto it = props.cbegin(); it != props.cend(); ++it) {
        h = hashCombine(h, size_t(it.key()));
        h = hashCombine(h, std::hash<QString>{}(it.value().toString()));
        h = hashCombine(h, size_t(it.value().typeId()));
        if (it.value().canConvert<QColor>()) h = hashCombine(h, size_t(it.value().value<QColor>().rgba64()));
    }
    return h;
}

size_t paragraphHash(const BlockParagraph& p)
{
    size_t h = std::hash<double>{}(p.lineSpacing);
    h = hashCombine(h, std::hash<double>{}(p.spacingAfter));
    h = hashCombine(h, size_t(int(p.alignment)));
    return hashCombine(h, std::hash<double>{}(p.rowHeight));
}

// Calls fn(start, end, run) for the runs of `result` from `runIndex` on that fall into the
// block [bStart, bEnd) (its break left out), clipped to it.
template <typename Fn> void forEachRangeIn(const StyleResult& result, qsizetype runIndex, int bStart, int bEnd, Fn&& fn)
{
    for (qsizetype i = runIndex; i < result.runs.size() && result.runs[i].start < std::max(bEnd, bStart + 1); ++i) {
        const StyleRun& r = result.runs[i];
        const int s = std::max(r.start, bStart);
        const int e = std::min(r.start + r.length, bEnd);
        if (e > s) fn(s, e, r);
    }
}

// Holds a document's format source as a child of the document, so it lives as long.
class FormatSourceHolder : public QObject {
public:
    explicit FormatSourceHolder(QObject* parent)
        : QObject(parent)
    {
        setObjectName(name());
    }
    static QString name() { return QStringLiteral("brindlewick-format-source"); }
    static FormatSourceHolder* of(const QTextDocument* doc)
    {
        // Without a meta-object of its own the holder is found by its name.
        return dynamic_cast<FormatSourceHolder*>(doc->findChild<QObject*>(name(), Qt::FindDirectChildrenOnly));
    }
    StyledBlocks::FormatSource source;
};

} // namespace

BlockStyleData::~BlockStyleData()
{
    if (heldLayout) StyledBlocks::release(this);
}

void BlockStyleData::setLineHeights(const QTextLayout& tl)
{
    lineCount = tl.lineCount();
    lineHeight = lineCount > 0 ? float(tl.lineAt(0).height()) : 0;
    lineHeights.reset();
    for (int i = 1; i < lineCount; ++i) {
        if (float(tl.lineAt(i).height()) == lineHeight) continue;
        lineHeights = std::make_unique<float[]>(std::size_t(lineCount));
        for (int k = 0; k < lineCount; ++k) lineHeights[k] = float(tl.lineAt(k).height());
        break;
    }
}

namespace StyledBlocks {

int apply(QTextDocument* doc, const StyleResult& result)
{
    if (!doc || result.scope.isNotFound()) return 0;
    QTextBlock block = doc->findBlock(std::max(0, result.scope.location));
    const int scopeEnd = result.scope.end();
    // Runs and paragraphs are sorted; walk them alongside the blocks.
    qsizetype runIndex = 0;
    qsizetype paraIndex = 0;
    int changed = 0;
    // One relayout request for the whole changed span: a request per block would make
    // the layout carry positions forward once per block.
    int dirtyFrom = -1, dirtyTo = -1;
    // With a format source, a block whose layout holds no formats (off screen) keeps
    // only the hash: its formats are made again when it is shown.
    const bool sourced = hasFormatSource(doc);
    // The scope is whole lines: a block starting at its end lies outside it, unless the
    // scope is empty or the block is the empty last line. (A last line with text that
    // starts where the scope ends is not in it: given no runs, it would lose its styling.)
    const QTextBlock last = doc->lastBlock();
    auto inScope = [&](const QTextBlock& b) {
        return b.position() < scopeEnd
               || (b.position() == scopeEnd && (result.scope.length == 0 || (b == last && b.length() <= 1)));
    };
    while (block.isValid() && inScope(block)) {
        const int bStart = block.position();
        const int bEnd = bStart + block.length() - 1; // without the separator
        while (runIndex < result.runs.size() && result.runs[runIndex].start + result.runs[runIndex].length <= bStart
               && !(result.runs[runIndex].length == 0 && result.runs[runIndex].start == bStart))
            ++runIndex;
        QList<QTextLayout::FormatRange> ranges;
        size_t h = 0;
        forEachRangeIn(result, runIndex, bStart, bEnd, [&](int s, int e, const StyleRun& r) {
            ranges.append({s - bStart, e - s, r.format});
            h = hashCombine(h, size_t(s - bStart));
            h = hashCombine(h, size_t(e - s));
            h = hashCombine(h, r.formatId ? size_t(r.formatId) : formatHash(r.format));
        });
        if (ranges.size() > maxRunsPerBlock) ranges.clear();
        BlockParagraph para;
        while (paraIndex < result.paragraphs.size()
               && result.paragraphs[paraIndex].start + std::max(result.paragraphs[paraIndex].length, 1) <= bStart)
            ++paraIndex;
        for (qsizetype i = paraIndex; i < result.paragraphs.size() && result.paragraphs[i].start <= bStart; ++i) {
            const ParagraphRun& p = result.paragraphs[i];
            if (bStart >= p.start && bStart < p.start + std::max(p.length, 1)) para = p.style;
        }
        h = hashCombine(h, paragraphHash(para));
        auto* data = static_cast<BlockStyleData*>(block.userData());
        if (!data) {
            data = new BlockStyleData;
            block.setUserData(data);
        }
        const bool holds = !sourced || data->heldLayout;
        if (!data->styled || data->runsHash != h || (holds && block.layout()->formats().size() != ranges.size())) {
            data->styled = true;
            data->runsHash = h;
            data->paragraph = para;
            if (holds) block.layout()->setFormats(ranges);
            ++changed;
            if (dirtyFrom < 0) dirtyFrom = bStart;
            dirtyTo = bStart + block.length();
        }
        block = block.next();
    }
    if (dirtyFrom >= 0) doc->markContentsDirty(dirtyFrom, dirtyTo - dirtyFrom);
    return changed;
}

QList<QTextLayout::FormatRange> formatsIn(const StyleResult& result, const QTextBlock& block)
{
    QList<QTextLayout::FormatRange> ranges;
    const int bStart = block.position();
    const int bEnd = bStart + block.length() - 1;
    forEachRangeIn(result, 0, bStart, bEnd, [&](int s, int e, const StyleRun& r) {
        ranges.append({s - bStart, e - s, r.format});
    });
    if (ranges.size() > maxRunsPerBlock) ranges.clear();
    return ranges;
}

void setFormatSource(QTextDocument* doc, FormatSource source)
{
    FormatSourceHolder* holder = FormatSourceHolder::of(doc);
    if (!holder) holder = new FormatSourceHolder(doc);
    holder->source = std::move(source);
}

namespace {

std::unordered_map<const BlockStyleData*, HeldList*>& heldLists()
{
    static std::unordered_map<const BlockStyleData*, HeldList*> lists;
    return lists;
}

} // namespace

void hold(BlockStyleData* data, QTextLayout* layout, HeldList* list)
{
    data->heldLayout = layout;
    list->insert(data);
    heldLists()[data] = list;
}

void release(BlockStyleData* data)
{
    data->heldLayout = nullptr;
    const auto it = heldLists().find(data);
    if (it == heldLists().end()) return;
    it->second->erase(data);
    heldLists().erase(it);
}

bool hasFormatSource(const QTextDocument* doc)
{
    const FormatSourceHolder* holder = doc ? FormatSourceHolder::of(doc) : nullptr;
    return holder && holder->source;
}

QList<QTextLayout::FormatRange> formatsOf(const QTextBlock& block)
{
    if (!block.isValid()) return {};
    const FormatSourceHolder* holder = FormatSourceHolder::of(block.document());
    if (holder && holder->source) return holder->source(block);
    // Without a source the layout's formats are the styling.
    return block.layout()->formats();
}

BlockParagraph paragraphOf(const QTextBlock& block)
{
    const auto* data = static_cast<const BlockStyleData*>(block.userData());
    return data ? data->paragraph : BlockParagraph{};
}

} // namespace StyledBlocks

#include "editor/ConcealFont.h"

namespace StyledBlocks {

QTextCharFormat concealFormat()
{
    QTextCharFormat f;
    f.setFont(ConcealFont::font(), QTextCharFormat::FontPropertiesAll);
    f.setForeground(Qt::transparent);
    f.setProperty(ConcealProperty, true);
    return f;
}

bool isConcealed(const QTextCharFormat& f)
{
    return f.boolProperty(ConcealProperty);
}

bool isConcealedAt(const QTextBlock& block, int index)
{
    if (!block.isValid() || index < 0 || index >= block.length() - 1) return false;
    bool concealed = false;
    const auto* data = static_cast<const BlockStyleData*>(block.userData());
    const bool holds = !hasFormatSource(block.document()) || (data && data->heldLayout);
    for (const auto& r : holds ? block.layout()->formats() : formatsOf(block))
        if (index >= r.start && index < r.start + r.length)
            concealed = isConcealed(r.format); // later ranges win, as in drawing
    return concealed;
}

} // namespace StyledBlocks
