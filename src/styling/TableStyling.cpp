#include "styling/TableStyling.h"

#include "platform/TextUtil.h"
#include "styling/ColumnWidths.h"
#include "styling/MarkdownCleaner.h"
#include "styling/TableGrid.h"
#include "styling/TableModel.h"
#include "styling/TableTools.h"

#include <QRegularExpression>

#include <algorithm>
#include <iterator>
#include <memory>

namespace TableStyling {

namespace {

struct Line {
    TextRange range;    // without terminator
    int terminator = 0; // length of its terminator (0 for the text's last line)
    QStringView text;
};

QList<Line> linesOf(QStringView text, TextRange scope, qsizetype most = -1)
{
    QList<Line> out;
    const int end = std::min(scope.end(), int(text.size()));
    int s = std::max(scope.location, 0);
    while (s < end && out.size() != most) {
        int e = s;
        while (e < end && !TextUtil::isLineTerminator(text[e])) ++e;
        int term = 0;
        if (e < int(text.size())) term = (text[e] == u'\r' && e + 1 < int(text.size()) && text[e + 1] == u'\n') ? 2 : 1;
        out.append(Line{TextRange(s, e - s), term, text.mid(s, e - s)});
        s = e + term;
        if (term == 0) break;
    }
    return out;
}

enum class Kind { content, separator, blank };

// A grid column is centred or right-aligned as its alignment cell says, else left.
Qt::Alignment gridAlignment(QStringView cell)
{
    switch (TableTools::alignOf(cell)) {
    case TableTools::Align::center: return Qt::AlignHCenter;
    case TableTools::Align::right: return Qt::AlignRight;
    case TableTools::Align::none:
    case TableTools::Align::left: break;
    }
    return Qt::AlignLeft;
}

// A row's line hidden and held at `height`: the style covers the line with its own
// terminator, so it lands on the row's paragraph and never on the line above.
void holdLine(AttributedText& storage, const Line& line, double height)
{
    ParagraphStyle style;
    style.minimumLineHeight = height;
    style.maximumLineHeight = height;
    style.clipsLines = true;
    storage.addParagraphStyle(TextRange(line.range.location, line.range.length + line.terminator), style);
    storage.addMarkdownConceal(line.range);
}

void styleSource(AttributedText& storage, const QList<Line>& lines, const QList<Kind>& kinds, const EditorTheme& theme)
{
    const QColor dim = theme.legibleTextColor(0.35);
    const QColor band = theme.textColor(0.04);
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const Line& l = lines[k];
        if (kinds[k] == Kind::blank) continue;
        if (kinds[k] == Kind::separator) {
            storage.addForeground(l.range, dim);
            continue;
        }
        storage.addBackground(l.range, band);
        for (int p : TableTools::pipePositions(l.text)) storage.addForeground(TextRange(l.range.location + p, 1), dim);
    }
}

// The grid tables built last. Typing in a table restyles all of it; with these, only
// the rows of lines the edit touched are split and measured again. A row depends on
// nothing but its line's text (and where it stands), so a line found unchanged in an
// earlier table's text gives the same row. Small tables are cheap and not kept.
struct GridMemo {
    QString source; // the table's text, first line start to last line end
    int start = 0;  // where it stood
    QList<TableModel::Row> rows;
    TableGridRenderer::Measurements measured;
};
constexpr qsizetype memoMinimumRows = 64;
constexpr qsizetype memoEntries = 4;

QList<GridMemo>& gridMemos()
{
    thread_local QList<GridMemo> memos; // most recent first
    return memos;
}

// How much of `now` equals an earlier table's text: a common prefix and a common suffix
// that do not overlap.
struct Overlap {
    qsizetype prefix = 0;
    qsizetype suffix = 0;
};
Overlap overlapOf(QStringView now, QStringView before)
{
    const qsizetype most = std::min(now.size(), before.size());
    Overlap o;
    o.prefix = std::mismatch(now.begin(), now.begin() + most, before.begin()).first - now.begin();
    const auto rnow = std::make_reverse_iterator(now.end());
    o.suffix = std::mismatch(rnow, rnow + (most - o.prefix), std::make_reverse_iterator(before.end())).first - rnow;
    return o;
}

TableModel::Row shifted(const TableModel::Row& row, int by, bool isHeader)
{
    TableModel::Row out = row;
    out.isHeader = isHeader;
    if (by != 0) {
        out.range.location += by;
        for (TextRange& r : out.cellRanges) r.location += by;
    }
    return out;
}

// The earlier table that shares the most text with `source` (an index into the memos, -1
// for none), and how much it shares.
qsizetype bestMemo(QStringView source, qsizetype contentCount, Overlap& overlap)
{
    qsizetype best = -1;
    if (contentCount < memoMinimumRows) return best;
    const QList<GridMemo>& memos = gridMemos();
    for (qsizetype m = 0; m < memos.size(); ++m) {
        const Overlap o = overlapOf(source, memos[m].source);
        if (o.prefix + o.suffix > overlap.prefix + overlap.suffix) {
            overlap = o;
            best = m;
        }
    }
    return best;
}

// The model's rows and column alignments; a row whose line `memo` holds unchanged is
// taken from it (its index there in `previousRow`, else -1).
void buildRows(TableModel& model, QList<qsizetype>& previousRow, const QList<Line>& lines, const QList<Kind>& kinds,
               TextRange whole, const GridMemo* memo, const Overlap& overlap)
{
    const qsizetype contentCount = std::count(kinds.cbegin(), kinds.cend(), Kind::content);
    model.rows.reserve(contentCount);
    previousRow.reserve(contentCount);
    QStringList alignCells;
    bool haveAligns = false;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        if (kinds[k] == Kind::separator && !haveAligns) {
            alignCells = TableModel::cells(lines[k].text);
            haveAligns = true;
        } else if (kinds[k] == Kind::content) {
            const qsizetype index = model.rows.size();
            const bool isHeader = index == 0;
            const qsizetype a = lines[k].range.location - whole.location;
            const qsizetype b = a + lines[k].range.length;
            qsizetype from = -1;
            int by = 0;
            if (memo && b < overlap.prefix) {
                // Everything up to here, this line's end included, is as it was.
                from = index;
                by = whole.location - memo->start;
            } else if (memo && a > whole.length - overlap.suffix) {
                // Everything from the line break before this line on is as it was.
                from = memo->rows.size() - (contentCount - index);
                by = int(whole.end() - (memo->start + memo->source.size()));
            }
            if (from >= 0 && from < memo->rows.size()) {
                model.rows.append(shifted(memo->rows[from], by, isHeader));
                previousRow.append(from);
            } else {
                model.rows.append(TableModel::row(lines[k].range.location, lines[k].text, isHeader));
                previousRow.append(-1);
            }
            model.columns = std::max(model.columns, int(model.rows.last().cells.size()));
        }
    }
    for (int c = 0; c < model.columns; ++c)
        model.aligns.append(c < alignCells.size() ? gridAlignment(alignCells[c]) : Qt::AlignLeft);
}

// The column widths the comment above the table gives, when it gives one for each column.
std::optional<QList<double>> explicitWidths(const Line* comment, int columns, double contentWidth)
{
    if (!comment) return std::nullopt;
    const auto fractions = TableColumnWidths::parse(comment->text);
    if (!fractions || fractions->size() != columns) return std::nullopt;
    QList<double> w;
    for (double f : *fractions) w.append(f * contentWidth);
    return w;
}

void styleGrid(AttributedText& storage, QStringView text, const QList<Line>& lines, const QList<Kind>& kinds,
               const Line* comment, const EditorTheme& theme, double contentWidth)
{
    // Phases: the earlier table to reuse rows and measurements from, the model's rows, its
    // column widths and row heights, then the model and the hidden, sized lines in the text.
    const TextRange whole(lines.first().range.location, lines.last().range.end() - lines.first().range.location);
    const QStringView source = text.mid(whole.location, whole.length);
    const qsizetype contentCount = std::count(kinds.cbegin(), kinds.cend(), Kind::content);
    QList<GridMemo>& memos = gridMemos();
    Overlap overlap;
    const qsizetype best = bestMemo(source, contentCount, overlap);
    const GridMemo* memo = best >= 0 ? &memos[best] : nullptr;

    auto model = std::make_shared<TableModel>();
    QList<qsizetype> previousRow;
    buildRows(*model, previousRow, lines, kinds, whole, memo, overlap);

    const std::optional<QList<double>> widths = explicitWidths(comment, model->columns, contentWidth);
    TableGridRenderer::Measurements measured;
    const TableGridRenderer::Layout layout =
        TableGridRenderer::relayout(model->rows, model->columns, theme.scaledFont(theme.baseSize), contentWidth, widths,
                                    memo ? memo->measured : TableGridRenderer::Measurements(), previousRow, measured);
    model->columnWidths = layout.widths;
    model->rowHeights = layout.rowHeights;

    if (contentCount >= memoMinimumRows) {
        if (best >= 0) memos.removeAt(best);
        memos.prepend(GridMemo{source.toString(), whole.location, model->rows, std::move(measured)});
        if (memos.size() > memoEntries) memos.removeLast();
    }

    storage.addTableModel(whole, model);
    int row = 0;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        if (kinds[k] == Kind::content) {
            holdLine(storage, lines[k], model->rowHeights.value(row++, TableGridRenderer::fallbackRowHeight));
        } else {
            holdLine(storage, lines[k], 1.0);
        }
    }
    if (comment && widths) holdLine(storage, *comment, 1.0);
}

} // namespace

bool isSeparatorLine(QStringView line)
{
    // Possessive runs: the same lines match, in linear time on long runs of blanks.
    static const QRegularExpression re(QStringLiteral(R"(^\s*+\|?[ :|-]++\|?\s*+$)"),
                                       QRegularExpression::UseUnicodePropertiesOption);
    return line.contains(u'-') && re.match(line).hasMatch();
}

void styleTables(AttributedText& storage, QStringView text, TextRange scope,
                 const std::function<bool(TextRange)>& inFence, const EditorTheme& theme, bool grid,
                 double contentWidth)
{
    const QList<Line> lines = linesOf(text, scope);
    const qsizetype n = lines.size();
    // Whether rows across a blank line join is decided by the line below the row after
    // it, which may lie past the scope's end: read the two lines there as the whole text
    // holds them (the caller's text holds a few lines past the scope).
    const QList<Line> below = n > 0 && lines.last().terminator > 0
                                  ? linesOf(text, TextRange(scope.end(), int(text.size()) - scope.end()), 2)
                                  : QList<Line>();
    auto textOf = [&](qsizetype k) { return k < n ? lines[k].text : below.value(k - n).text; };
    qsizetype i = 0;
    while (i < n) {
        const Line& first = lines[i];
        if (TextUtil::isBlank(first.text) || !MarkdownCleaner::rowLike(first.text)
            || (inFence && inFence(first.range))) {
            ++i;
            continue;
        }
        // Fenced code is no Markdown: a table ends where it begins.
        auto row = [&](qsizetype k) {
            return MarkdownCleaner::rowLike(lines[k].text) && !(inFence && inFence(lines[k].range));
        };
        qsizetype end = i + 1;
        while (end < n) {
            const QStringView l = lines[end].text;
            if (!TextUtil::isBlank(l)) {
                if (!row(end)) break;
                ++end;
                continue;
            }
            const bool rowFollows = end + 1 < n && row(end + 1);
            const bool newTable = isSeparatorLine(textOf(end + 2));
            if (!rowFollows || newTable) break;
            ++end;
        }

        QList<Line> block = lines.mid(i, end - i);
        QList<Kind> kinds;
        int contents = 0;
        bool hasSeparator = false;
        for (const Line& l : block) {
            if (TextUtil::isBlank(l.text)) {
                kinds.append(Kind::blank);
            } else if (isSeparatorLine(l.text)) {
                kinds.append(Kind::separator);
                hasSeparator = true;
            } else {
                kinds.append(Kind::content);
                ++contents;
            }
        }
        if (!(hasSeparator ? contents >= 1 : contents >= 2)) {
            ++i;
            continue;
        }

        if (grid) {
            const Line* comment = (i > 0 && !TextUtil::isBlank(lines[i - 1].text)) ? &lines[i - 1] : nullptr;
            styleGrid(storage, text, block, kinds, comment, theme, contentWidth);
        } else {
            styleSource(storage, block, kinds, theme);
        }
        i = end;
    }
}

} // namespace TableStyling

void MarkdownStyler::styleTables(AttributedText& storage, QStringView ns, TextRange full,
                                 const std::function<bool(TextRange)>& inFence)
{
    TableStyling::styleTables(storage, ns, full, inFence, theme, concealMarkers, contentWidth);
}
