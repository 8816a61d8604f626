#include "styling/TableStyling.h"

#include "platform/TextUtil.h"
#include "styling/ColumnWidths.h"
#include "styling/MarkdownCleaner.h"
#include "styling/TableGrid.h"
#include "styling/TableModel.h"
#include "styling/TableTools.h"

#include <QRegularExpression>

#include <memory>

namespace TableStyling {

namespace {

struct Line {
    TextRange range;   // without terminator
    int terminator = 0; // length of its terminator (0 for the text's last line)
    QStringView text;
};

QList<Line> linesOf(QStringView text, TextRange scope)
{
    QList<Line> out;
    const int end = std::min(scope.end(), int(text.size()));
    int s = std::max(scope.location, 0);
    while (s < end) {
        int e = s;
        while (e < end && !TextUtil::isLineTerminator(text[e]))
            ++e;
        int term = 0;
        if (e < int(text.size()))
            term = (text[e] == u'\r' && e + 1 < int(text.size()) && text[e + 1] == u'\n') ? 2 : 1;
        out.append(Line{TextRange(s, e - s), term, text.mid(s, e - s)});
        s = e + term;
        if (term == 0)
            break;
    }
    return out;
}

enum class Kind { content, separator, blank };

// A grid column is centred or right-aligned as its alignment cell says, else left.
Qt::Alignment gridAlignment(QStringView cell)
{
    switch (TableTools::alignOf(cell)) {
    case TableTools::Align::center:
        return Qt::AlignHCenter;
    case TableTools::Align::right:
        return Qt::AlignRight;
    case TableTools::Align::none:
    case TableTools::Align::left:
        break;
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
    const QColor dim = theme.textColor(0.35);
    const QColor band = theme.textColor(0.04);
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const Line& l = lines[k];
        if (kinds[k] == Kind::blank)
            continue;
        if (kinds[k] == Kind::separator) {
            storage.addForeground(l.range, dim);
            continue;
        }
        storage.addBackground(l.range, band);
        for (int p : TableTools::pipePositions(l.text))
            storage.addForeground(TextRange(l.range.location + p, 1), dim);
    }
}

void styleGrid(AttributedText& storage, const QList<Line>& lines, const QList<Kind>& kinds,
               const Line* comment, const EditorTheme& theme, double contentWidth)
{
    auto model = std::make_shared<TableModel>();
    QStringList alignCells;
    bool haveAligns = false;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        if (kinds[k] == Kind::separator && !haveAligns) {
            alignCells = TableModel::cells(lines[k].text);
            haveAligns = true;
        } else if (kinds[k] == Kind::content) {
            model->rows.append(TableModel::row(lines[k].range.location, lines[k].text, model->rows.isEmpty()));
            model->columns = std::max(model->columns, int(model->rows.last().cells.size()));
        }
    }
    for (int c = 0; c < model->columns; ++c)
        model->aligns.append(c < alignCells.size() ? gridAlignment(alignCells[c]) : Qt::AlignLeft);

    std::optional<QList<double>> explicitWidths;
    if (comment) {
        if (const auto fractions = TableColumnWidths::parse(comment->text); fractions && fractions->size() == model->columns) {
            QList<double> w;
            for (double f : *fractions)
                w.append(f * contentWidth);
            explicitWidths = w;
        }
    }
    const TableGridRenderer::Layout layout = TableGridRenderer::layout(
        model->rows, model->columns, theme.scaledFont(theme.baseSize), contentWidth, explicitWidths);
    model->columnWidths = layout.widths;
    model->rowHeights = layout.rowHeights;

    const TextRange whole(lines.first().range.location, lines.last().range.end() - lines.first().range.location);
    storage.addTableModel(whole, model);
    int row = 0;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        if (kinds[k] == Kind::content) {
            holdLine(storage, lines[k], model->rowHeights.value(row++, TableGridRenderer::fallbackRowHeight));
        } else {
            holdLine(storage, lines[k], 1.0);
        }
    }
    if (comment && explicitWidths)
        holdLine(storage, *comment, 1.0);
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
    qsizetype i = 0;
    while (i < n) {
        const Line& first = lines[i];
        if (TextUtil::isBlank(first.text) || !MarkdownCleaner::rowLike(first.text) || (inFence && inFence(first.range))) {
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < n) {
            const QStringView l = lines[end].text;
            if (!TextUtil::isBlank(l)) {
                if (!MarkdownCleaner::rowLike(l))
                    break;
                ++end;
                continue;
            }
            const bool rowFollows = end + 1 < n && MarkdownCleaner::rowLike(lines[end + 1].text);
            const bool newTable = end + 2 < n && isSeparatorLine(lines[end + 2].text);
            if (!rowFollows || newTable)
                break;
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
            styleGrid(storage, block, kinds, comment, theme, contentWidth);
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
