#include "styling/MarkdownCleaner.h"

#include "platform/TextUtil.h"
#include "styling/TableTools.h"

#include <QRegularExpression>

#include <algorithm>

namespace MarkdownCleaner {

namespace {

const QRegularExpression& codeSpanRE()
{
    static const QRegularExpression re(QStringLiteral("`[^`]*`"));
    return re;
}

const QRegularExpression& nbspRE()
{
    static const QRegularExpression re(QStringLiteral("&(?:nbsp|#0*160|#x0*a0);"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

// The fence a line opens or closes: "```", else empty. Only backticks make a fence, as
// for the styler and the renderer: a "~~~" line is prose, and clean-up may not leave the
// rest of the document alone because of it.
QStringView fenceMarker(QStringView line)
{
    // Only spaces and tabs are trimmed: a decoded no-break space before "```" must not
    // turn a prose line into a fence the next time the text is cleaned.
    const QString t = TextUtil::trimBlanksLeading(line);
    if (t.startsWith(u"```")) return u"```";
    return {};
}

// Splits the text into lines (CR LF as LF), hands every run of lines outside fenced
// code to `process`, copies fenced blocks unchanged, and joins the result with LF.
template <typename Process> QString fenceWalk(const QString& text, Process process)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = t.split(u'\n');

    QStringList out;
    out.reserve(lines.size());
    QStringList pending;
    auto flush = [&] {
        if (!pending.isEmpty()) {
            out.append(process(pending));
            pending.clear();
        }
    };
    for (qsizetype i = 0; i < lines.size();) {
        const QStringView open = fenceMarker(lines[i]);
        if (open.isEmpty()) {
            pending.append(lines[i++]);
            continue;
        }
        flush();
        out.append(lines[i++]);
        while (i < lines.size()) {
            const bool closes = fenceMarker(lines[i]) == open;
            out.append(lines[i++]);
            if (closes) break;
        }
    }
    flush();
    return out.join(u'\n');
}

// The first alignment row among a block's rows, or -1.
qsizetype firstAlignmentRow(const QStringList& lines, const QList<qsizetype>& rows)
{
    for (qsizetype k = 0; k < rows.size(); ++k)
        if (TableTools::isAlignmentRow(lines[rows[k]])) return k;
    return -1;
}

// True when the run of rows starting at `from` (up to the next blank or non-row line)
// holds an alignment row below its first line: those rows are a table of their own.
bool rowsStartATable(const QStringList& lines, qsizetype from)
{
    for (qsizetype k = from + 1; k < lines.size() && rowLike(lines[k]); ++k)
        if (TableTools::isAlignmentRow(lines[k])) return true;
    return false;
}

// Finds pipe-table blocks and re-renders them aligned, inserting an alignment row where
// one is missing. Blank lines between rows of one table are dropped; a blank line before
// rows that hold their own header and alignment row keeps the tables apart.
QStringList repairTables(const QStringList& lines)
{
    const qsizetype n = lines.size();
    QStringList out;
    out.reserve(n);
    qsizetype i = 0;
    while (i < n) {
        if (TextUtil::isBlank(lines[i]) || !rowLike(lines[i])) {
            out.append(lines[i++]);
            continue;
        }
        QList<qsizetype> rows;
        qsizetype end = i;
        while (end < n) {
            const QString& l = lines[end];
            if (!TextUtil::isBlank(l)) {
                if (!rowLike(l)) break;
                rows.append(end++);
                continue;
            }
            const bool rowFollows = end + 1 < n && rowLike(lines[end + 1]);
            if (!rowFollows || rowsStartATable(lines, end + 1)) break;
            ++end;
        }
        if (rows.size() < 2) {
            out.append(lines[i++]);
            continue;
        }

        const qsizetype align = firstAlignmentRow(lines, rows);
        if (align == 0) {
            // An alignment row with no header above it: nothing to repair here.
            out.append(lines[i++]);
            continue;
        }
        if (align >= 2) {
            // The table starts at the line above its alignment row. Rows before the last
            // blank line above it are repaired on their own; the pipe lines directly
            // above its header are not part of it and stay as they are.
            const qsizetype header = rows[align - 1];
            qsizetype blank = header;
            while (blank > i && !TextUtil::isBlank(lines[blank - 1])) --blank;
            if (blank > i) {
                out.append(repairTables(lines.mid(i, blank - 1 - i)));
                i = blank - 1;
            }
            while (i < header) out.append(lines[i++]);
            continue;
        }

        QStringList block;
        block.reserve(rows.size() + 1);
        for (qsizetype r : rows) block.append(lines[r]);
        if (align < 0) {
            qsizetype k = 1;
            for (const QString& r : std::as_const(block)) k = std::max(k, TableTools::splitCells(r).size());
            QStringList dashes(k, QStringLiteral("---"));
            block.insert(1, QStringLiteral("| ") + dashes.join(QStringLiteral(" | ")) + QStringLiteral(" |"));
        }
        if (const std::optional<TableTools::Model> m = TableTools::parse(block)) {
            out.append(TableTools::render(*m).split(u'\n'));
        } else {
            for (qsizetype r = i; r < end; ++r) out.append(lines[r]);
        }
        i = end;
    }
    return out;
}

QStringList collapseBlankRuns(const QStringList& lines)
{
    QStringList out;
    out.reserve(lines.size());
    bool inRun = false;
    for (const QString& l : lines) {
        if (!TextUtil::isBlank(l)) {
            out.append(l);
            inRun = false;
        } else if (!inRun) {
            out.append(QString());
            inRun = true;
        }
    }
    return out;
}

QStringList cleanProse(const QStringList& lines)
{
    QStringList tidy;
    tidy.reserve(lines.size());
    for (const QString& l : lines) tidy.append(decodeSpacingEntities(TextUtil::trimBlanksTrailing(l)));
    // Blank runs are collapsed before the tables are repaired: a run of blank lines
    // between two rows would otherwise end the table on this pass and, collapsed to one
    // blank line, join it on the next, so cleaning twice would change the text again.
    return repairTables(collapseBlankRuns(tidy));
}

} // namespace

bool rowLike(QStringView line)
{
    qsizetype first = 0;
    while (first < line.size() && (line[first] == u' ' || line[first] == u'\t')) ++first;
    // Blanks never hold a pipe, so counting over the untrimmed line is the same.
    return first < line.size() && line[first] != u'>' && TableTools::pipeCount(line.mid(first)) >= 2;
}

QString decodeSpacingEntities(const QString& line)
{
    if (!line.contains(u'&')) return line;
    QList<std::pair<qsizetype, qsizetype>> spans;
    for (auto it = codeSpanRE().globalMatch(line); it.hasNext();) {
        const auto m = it.next();
        spans.append({m.capturedStart(), m.capturedEnd()});
    }
    QList<std::pair<qsizetype, qsizetype>> entities;
    for (auto it = nbspRE().globalMatch(line); it.hasNext();) {
        const auto m = it.next();
        entities.append({m.capturedStart(), m.capturedEnd()});
    }
    QString out = line;
    for (auto e = entities.crbegin(); e != entities.crend(); ++e) {
        const bool inCode = std::any_of(spans.cbegin(), spans.cend(),
                                        [&](const auto& s) { return s.first < e->second && e->first < s.second; });
        if (!inCode) out.replace(e->first, e->second - e->first, QChar(0x00A0));
    }
    return out;
}

QString clean(const QString& text)
{
    QString result = fenceWalk(text, cleanProse);
    while (result.endsWith(u"\n\n")) result.chop(1);
    if (!result.isEmpty() && !result.endsWith(u'\n')) result.append(u'\n');
    return result;
}

QString repairingTables(const QString& text)
{
    return fenceWalk(text, repairTables);
}

} // namespace MarkdownCleaner
