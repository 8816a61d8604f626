#include "styling/TableTools.h"

#include "styling/TableModel.h"

#include "platform/TextUtil.h"

#include <QCollator>

#include <algorithm>
#include <cmath>

namespace TableTools {

namespace {

bool isTerm(QChar c)
{
    return TextUtil::isLineTerminator(c);
}

// Length of the terminator starting at `i` (CR LF counts as one), 0 at the end.
int terminatorLength(QStringView t, int i)
{
    if (i >= t.size()) return 0;
    return (t[i] == u'\r' && i + 1 < t.size() && t[i + 1] == u'\n') ? 2 : 1;
}

int lineStartAt(QStringView t, int k)
{
    while (k > 0 && !isTerm(t[k - 1])) --k;
    return k;
}

int lineEndFrom(QStringView t, int start)
{
    int e = start;
    while (e < t.size() && !isTerm(t[e])) ++e;
    return e;
}

// The line just above the line starting at `start` (which must be > 0).
TextRange previousLine(QStringView t, int start)
{
    int termStart = start - 1;
    if (t[termStart] == u'\n' && termStart > 0 && t[termStart - 1] == u'\r') --termStart;
    const int s = lineStartAt(t, termStart);
    return {s, termStart - s};
}

QString padded(const QString& s, int width, Align a)
{
    const int pad = std::max(0, width - int(s.size()));
    if (pad == 0) return s;
    switch (a) {
    case Align::center: return QString(pad / 2, u' ') + s + QString(pad - pad / 2, u' ');
    case Align::right: return QString(pad, u' ') + s;
    case Align::none:
    case Align::left: break;
    }
    return s + QString(pad, u' ');
}

void appendRow(QString& out, const QStringList& cells, const QList<int>& w, const QList<Align>& aligns)
{
    out += u"| ";
    for (int i = 0; i < w.size(); ++i) {
        if (i > 0) out += u" | ";
        out += padded(i < cells.size() ? cells[i] : QString(), w[i], aligns.value(i, Align::none));
    }
    out += u" |";
}

void insertColumn(Model& m, int i)
{
    m.header.insert(std::min<qsizetype>(i, m.header.size()), QString());
    m.aligns.insert(std::min<qsizetype>(i, m.aligns.size()), Align::none);
    for (QStringList& r : m.rows) r.insert(std::min<qsizetype>(i, r.size()), QString());
}

// Start offset of line `index` in `s` ("\n"-separated, as render produces).
int startOfLine(QStringView s, int index)
{
    int pos = 0;
    for (int l = 0; l < index; ++l) {
        const qsizetype nl = s.indexOf(u'\n', pos);
        if (nl < 0) break;
        pos = int(nl) + 1;
    }
    return pos;
}

// Offset in `s` of the text of cell `column` (the last cell for one beyond) of the line
// starting at `lineStart`; for an empty cell, just after its first blank.
int startOfCell(QStringView s, int lineStart, int column)
{
    qsizetype lineEnd = s.indexOf(u'\n', lineStart);
    if (lineEnd < 0) lineEnd = s.size();
    if (lineEnd > lineStart && s[lineEnd - 1] == u'\r') --lineEnd;
    const QList<TextRange> cells = TableModel::cellRanges(lineStart, s.mid(lineStart, lineEnd - lineStart));
    if (cells.isEmpty()) return lineStart;
    const TextRange cell = cells[std::clamp(column, 0, int(cells.size()) - 1)];
    for (int i = cell.location; i < cell.end(); ++i)
        if (s[i] != u' ' && s[i] != u'\t') return i;
    return cell.location + std::min(1, cell.length);
}

// The rendered table with the block's own line break: a table in a CR LF document
// stays CR LF instead of getting bare LFs in the middle of the text.
QString withBlockLineBreaks(QStringView text, const Block& block, QString rendered)
{
    const int firstEnd = block.range.location + int(block.lines.value(0).size());
    if (firstEnd + 1 < text.size() && text[firstEnd] == u'\r' && text[firstEnd + 1] == u'\n')
        rendered.replace(u'\n', QStringLiteral("\r\n"));
    return rendered;
}

// Calls `f` with the offset of every "|" not escaped by a backslash.
template <typename F> void forEachPipe(QStringView line, F&& f)
{
    bool escaped = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (escaped)
            escaped = false;
        else if (c == u'\\')
            escaped = true;
        else if (c == u'|')
            f(i);
    }
}

} // namespace

const QRegularExpression& separatorRE()
{
    // Possessive runs match exactly what the plain ones would (no run can give back a
    // character the next token takes), without the backtracking that made a long line of
    // blanks quadratic.
    static const QRegularExpression re(QStringLiteral(R"(^\s*+\|?\s*+:?-{1,}+:?\s*+(\|\s*+:?-{1,}+:?\s*+)*+\|?\s*+$)"),
                                       QRegularExpression::UseUnicodePropertiesOption);
    return re;
}

bool isAlignmentRow(QStringView line)
{
    // The pattern needs a dash; skipping lines without one keeps the matcher off prose.
    if (!line.contains(u'-')) return false;
    return separatorRE().match(line).hasMatch();
}

QList<int> pipePositions(QStringView line)
{
    QList<int> out;
    forEachPipe(line, [&](int i) { out.append(i); });
    return out;
}

int pipeCount(QStringView line)
{
    // Counted without building the position list: the row tests run on every line of
    // a restyled table.
    int count = 0;
    forEachPipe(line, [&](int) { ++count; });
    return count;
}

bool looksLikeRow(QStringView line)
{
    return pipeCount(line) > 0 && !TextUtil::isBlank(line);
}

QStringList splitCells(QStringView line)
{
    const QString t = TextUtil::trimBlanks(line);
    QStringView body(t);
    if (body.startsWith(u'|')) body = body.mid(1);
    if (body.endsWith(u'|')) body.chop(1);
    QStringList cells;
    int from = 0;
    for (int p : pipePositions(body)) {
        cells.append(TextUtil::trimBlanks(body.mid(from, p - from)));
        from = p + 1;
    }
    cells.append(TextUtil::trimBlanks(body.mid(from)));
    return cells;
}

QString unescapeCell(QStringView cell)
{
    QString out;
    out.reserve(cell.size());
    for (int i = 0; i < cell.size(); ++i) {
        if (cell[i] == u'\\' && i + 1 < cell.size()) {
            // A backslash escapes the one character after it, which is never an escape itself.
            if (cell[i + 1] != u'|') out += u'\\';
            out += cell[++i];
            continue;
        }
        out += cell[i];
    }
    return out;
}

QString escapeCell(QStringView text)
{
    QString out;
    out.reserve(text.size() + 8);
    int backslashes = 0;
    for (QChar c : text) {
        if (c == u'|') {
            if (backslashes % 2) out += u'\\';
            out += QStringLiteral("\\|");
        } else {
            out += c;
        }
        backslashes = c == u'\\' ? backslashes + 1 : 0;
    }
    return out;
}

Align alignOf(QStringView cell)
{
    const bool lead = cell.startsWith(u':');
    const bool trail = cell.endsWith(u':');
    if (lead && trail) return Align::center;
    if (trail) return Align::right;
    if (lead) return Align::left;
    return Align::none;
}

std::optional<Block> tableRange(QStringView text, int caret)
{
    const int n = int(text.size());
    if (n == 0) return std::nullopt;
    int k = std::clamp(caret, 0, n);
    // Between the CR and LF of one terminator, or after the final terminator: the line
    // that ends just before holds the caret.
    if (k > 0 && k < n && text[k - 1] == u'\r' && text[k] == u'\n')
        --k;
    else if (k == n && isTerm(text[n - 1]))
        k = (n >= 2 && text[n - 1] == u'\n' && text[n - 2] == u'\r') ? n - 2 : n - 1;

    const int caretStart = lineStartAt(text, k);
    const int caretEnd = lineEndFrom(text, caretStart);
    if (!looksLikeRow(text.mid(caretStart, caretEnd - caretStart))) return std::nullopt;

    QList<TextRange> above;
    for (int s = caretStart; s > 0;) {
        const TextRange prev = previousLine(text, s);
        if (!looksLikeRow(text.mid(prev.location, prev.length))) break;
        above.append(prev);
        s = prev.location;
    }
    QStringList lines;
    lines.reserve(above.size() + 1);
    for (auto it = above.crbegin(); it != above.crend(); ++it)
        lines.append(text.mid(it->location, it->length).toString());
    const int first = above.isEmpty() ? caretStart : above.last().location;

    int lastEnd = caretEnd;
    lines.append(text.mid(caretStart, caretEnd - caretStart).toString());
    while (lastEnd < n) {
        const int s = lastEnd + terminatorLength(text, lastEnd);
        const int e = lineEndFrom(text, s);
        if (s >= n || !looksLikeRow(text.mid(s, e - s))) break;
        lines.append(text.mid(s, e - s).toString());
        lastEnd = e;
    }

    if (lines.size() < 2 || !isAlignmentRow(lines[1])) return std::nullopt;
    return Block{TextRange(first, lastEnd - first), lines};
}

std::optional<Model> parse(const QStringList& lines)
{
    if (lines.size() < 2 || !isAlignmentRow(lines[1])) return std::nullopt;
    Model m;
    m.header = splitCells(lines[0]);
    for (const QString& c : splitCells(lines[1])) m.aligns.append(alignOf(c));
    qsizetype columns = std::max(m.header.size(), m.aligns.size());
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (!looksLikeRow(lines[i])) continue;
        m.rows.append(splitCells(lines[i]));
        columns = std::max(columns, m.rows.last().size());
    }
    // Widen to the widest row: cells beyond the header are kept, not cut.
    while (m.header.size() < columns) m.header.append(QString());
    while (m.aligns.size() < columns) m.aligns.append(Align::none);
    for (QStringList& r : m.rows)
        while (r.size() < columns) r.append(QString());
    return m;
}

QString render(const Model& model)
{
    qsizetype n = model.header.size();
    for (const QStringList& r : model.rows) n = std::max(n, r.size());

    QList<int> w(n, 3);
    qsizetype total = 0;
    for (qsizetype i = 0; i < model.header.size(); ++i) w[i] = std::max(w[i], int(model.header[i].size()));
    for (const QStringList& r : model.rows)
        for (qsizetype i = 0; i < r.size(); ++i) w[i] = std::max(w[i], int(r[i].size()));
    for (int x : w) total += x + 3;

    QString out;
    out.reserve((total + 2) * (model.rows.size() + 2));
    appendRow(out, model.header, w, model.aligns);
    out += u'\n';
    out += u"| ";
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0) out += u" | ";
        switch (model.aligns.value(i, Align::none)) {
        case Align::none: out += QString(w[i], u'-'); break;
        case Align::left: out += u':' + QString(w[i] - 1, u'-'); break;
        case Align::right: out += QString(w[i] - 1, u'-') + u':'; break;
        case Align::center: out += u':' + QString(std::max(w[i] - 2, 1), u'-') + u':'; break;
        }
    }
    out += u" |";
    for (const QStringList& r : model.rows) {
        out += u'\n';
        appendRow(out, r, w, model.aligns);
    }
    return out;
}

CellPos cellAt(QStringView tableText, int offset)
{
    const int n = int(tableText.size());
    offset = std::clamp(offset, 0, n);
    int line = 0;
    int start = 0;
    for (;;) {
        const int end = lineEndFrom(tableText, start);
        if (offset <= end || end >= n) break;
        const int next = end + terminatorLength(tableText, end);
        if (offset < next) // between CR and LF: still the line that ended
            break;
        start = next;
        ++line;
    }
    const QStringView prefix = tableText.mid(start, std::max(0, offset - start));
    int col = pipeCount(prefix);
    if (TextUtil::trimBlanksLeading(prefix).startsWith(u'|')) --col;
    return {line, std::max(col, 0)};
}

std::optional<Edit> apply(Op op, QStringView text, int caret)
{
    const std::optional<Block> block = tableRange(text, caret);
    if (!block) return std::nullopt;
    std::optional<Model> parsed = parse(block->lines);
    if (!parsed) return std::nullopt;
    Model& m = *parsed;
    const TextRange range = block->range;

    const int rel = std::min(range.end(), caret) - range.location;
    const CellPos pos = cellAt(text.mid(range.location, range.length), std::max(rel, 0));
    const int line = pos.line;
    const int col = pos.column;
    const int bodyIndex = std::max(line - 2, 0);
    const int rowCount = int(m.rows.size());
    const int headerCount = int(m.header.size());

    auto setAlign = [&](Align a) {
        if (col >= 0 && col < m.aligns.size()) m.aligns[col] = a;
    };

    switch (op) {
    case Op::format: break;
    case Op::insertRowAbove: m.rows.insert(std::min(bodyIndex, rowCount), QStringList(headerCount, QString())); break;
    case Op::insertRowBelow:
        m.rows.insert(line < 2 ? 0 : std::min(bodyIndex + 1, rowCount), QStringList(headerCount, QString()));
        break;
    case Op::deleteRow:
        if (line >= 2 && bodyIndex < rowCount) m.rows.removeAt(bodyIndex);
        break;
    case Op::insertColumnLeft: insertColumn(m, std::min(std::max(col, 0), headerCount)); break;
    case Op::insertColumnRight: insertColumn(m, std::min(std::max(col + 1, 0), headerCount)); break;
    case Op::deleteColumn:
        if (headerCount >= 2 && col < headerCount) {
            m.header.removeAt(col);
            if (col < m.aligns.size()) m.aligns.removeAt(col);
            for (QStringList& r : m.rows)
                if (col < r.size()) r.removeAt(col);
        }
        break;
    case Op::alignLeft: setAlign(Align::left); break;
    case Op::alignCenter: setAlign(Align::center); break;
    case Op::alignRight: setAlign(Align::right); break;
    case Op::alignNone: setAlign(Align::none); break;
    }

    Edit e;
    e.range = range;
    e.replacement = withBlockLineBreaks(text, *block, render(m));
    const int lineCount = int(e.replacement.count(u'\n')) + 1;
    const int target = std::min(line, std::max(lineCount, 1) - 1);
    // The caret stays in its column (the new one after an insertion), at the start of the
    // cell's text, so that the next command acts on the same cell.
    int column = col;
    if (op == Op::insertColumnRight) ++column;
    e.caret = range.location + startOfCell(e.replacement, startOfLine(e.replacement, target), column);
    return e;
}

std::optional<double> numericKey(QStringView key)
{
    static const QRegularExpression decimalRE(
        QStringLiteral(R"(^[+-]?(?:[0-9]+(?:\.[0-9]*)?|\.[0-9]+)(?:[eE][+-]?[0-9]+)?$)"));
    if (key.isEmpty() || !decimalRE.match(key).hasMatch()) return std::nullopt;
    bool ok = false;
    const double v = key.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

bool sortRows(Model& model, int column)
{
    if (column < 0 || column >= model.header.size() || model.rows.isEmpty()) return false;

    struct Key {
        QString text;
        std::optional<double> number;
    };
    const qsizetype count = model.rows.size();
    QList<Key> keys;
    keys.reserve(count);
    bool anyNonEmpty = false;
    bool allNumeric = true;
    for (const QStringList& r : model.rows) {
        Key k{TextUtil::trimBlanks(r.value(column)), std::nullopt};
        if (!k.text.isEmpty()) {
            anyNonEmpty = true;
            k.number = numericKey(k.text);
            allNumeric = allNumeric && k.number.has_value();
        }
        keys.append(std::move(k));
    }
    const bool numeric = anyNonEmpty && allNumeric;

    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    auto before = [&](const Key& a, const Key& b) {
        if (a.text.isEmpty()) return false;
        if (b.text.isEmpty()) return true;
        if (numeric && a.number && b.number) return *a.number < *b.number;
        return collator.compare(a.text, b.text) < 0;
    };

    bool ascending = true;
    for (qsizetype i = 0; i + 1 < count && ascending; ++i) ascending = !before(keys[i + 1], keys[i]);
    const bool descending = ascending;

    QList<qsizetype> order(count);
    for (qsizetype i = 0; i < count; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return descending ? before(keys[b], keys[a]) : before(keys[a], keys[b]);
    });
    QList<QStringList> sorted;
    sorted.reserve(count);
    for (qsizetype i : order) sorted.append(std::move(model.rows[i]));
    model.rows = std::move(sorted);
    return true;
}

std::optional<Edit> sortTable(QStringView text, int tableStart, int column)
{
    const std::optional<Block> block = tableRange(text, std::min(int(text.size()), tableStart));
    if (!block) return std::nullopt;
    std::optional<Model> m = parse(block->lines);
    if (!m || !sortRows(*m, column)) return std::nullopt;
    return Edit{block->range, withBlockLineBreaks(text, *block, render(*m)), block->range.location};
}

} // namespace TableTools
