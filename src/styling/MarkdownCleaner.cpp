#include "styling/MarkdownCleaner.h"

#include "platform/TextUtil.h"
#include "styling/TableTools.h"

#include <QRegularExpression>

#include <algorithm>
#include <span>

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
    qsizetype b = 0;
    while (b < line.size() && (line[b] == u' ' || line[b] == u'\t')) ++b;
    if (line.mid(b).startsWith(u"```")) return u"```";
    return {};
}

using Lines = QList<QStringView>;
using Span = std::span<const QStringView>;

// The text's lines, CR LF read as LF (a CR before the end of the text is kept).
Lines splitLines(QStringView text)
{
    Lines lines;
    lines.reserve(text.size() / 40 + 1);
    qsizetype from = 0;
    for (;;) {
        const qsizetype nl = text.indexOf(u'\n', from);
        if (nl < 0) break;
        const qsizetype end = nl > from && text[nl - 1] == u'\r' ? nl - 1 : nl;
        lines.append(text.mid(from, end - from));
        from = nl + 1;
    }
    lines.append(text.mid(from));
    return lines;
}

// Hands every run of lines outside fenced code to `process`, keeps fenced blocks
// unchanged. Lines `process` makes are kept in `storage`.
template <typename Process> Lines fenceWalk(const Lines& lines, QStringList& storage, Process process)
{
    Lines out;
    out.reserve(lines.size());
    qsizetype pending = 0; // the first line not yet handed on
    const auto flush = [&](qsizetype to) {
        if (pending < to) out.append(process(Span(lines.constData() + pending, size_t(to - pending)), storage));
    };
    for (qsizetype i = 0; i < lines.size();) {
        const QStringView open = fenceMarker(lines[i]);
        if (open.isEmpty()) {
            ++i;
            continue;
        }
        flush(i);
        out.append(lines[i++]);
        while (i < lines.size()) {
            const bool closes = fenceMarker(lines[i]) == open;
            out.append(lines[i++]);
            if (closes) break;
        }
        pending = i;
    }
    flush(lines.size());
    return out;
}

QString joined(const Lines& lines)
{
    qsizetype size = lines.size();
    for (QStringView l : lines) size += l.size();
    QString out;
    out.reserve(size);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i) out += u'\n';
        out += lines[i];
    }
    return out;
}

// The first alignment row among a block's rows, or -1.
qsizetype firstAlignmentRow(Span lines, const QList<qsizetype>& rows)
{
    for (qsizetype k = 0; k < rows.size(); ++k)
        if (TableTools::isAlignmentRow(lines[rows[k]])) return k;
    return -1;
}

// True when the run of rows starting at `from` (up to the next blank or non-row line)
// holds an alignment row below its first line: those rows are a table of their own.
bool rowsStartATable(Span lines, qsizetype from)
{
    for (qsizetype k = from + 1; k < qsizetype(lines.size()) && rowLike(lines[k]); ++k)
        if (TableTools::isAlignmentRow(lines[k])) return true;
    return false;
}

// Finds pipe-table blocks and re-renders them aligned, inserting an alignment row where
// one is missing. Blank lines between rows of one table are dropped; a blank line before
// rows that hold their own header and alignment row keeps the tables apart.
Lines repairTables(Span lines, QStringList& storage)
{
    const qsizetype n = lines.size();
    Lines out;
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
            const QStringView l = lines[end];
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
                out.append(repairTables(lines.subspan(size_t(i), size_t(blank - 1 - i)), storage));
                i = blank - 1;
            }
            while (i < header) out.append(lines[i++]);
            continue;
        }

        QStringList block;
        block.reserve(rows.size() + 1);
        for (qsizetype r : rows) block.append(lines[r].toString());
        if (align < 0) {
            qsizetype k = 1;
            for (const QString& r : std::as_const(block)) k = std::max(k, TableTools::splitCells(r).size());
            QStringList dashes(k, QStringLiteral("---"));
            block.insert(1, QStringLiteral("| ") + dashes.join(QStringLiteral(" | ")) + QStringLiteral(" |"));
        }
        if (const std::optional<TableTools::Model> m = TableTools::parse(block)) {
            storage.append(TableTools::render(*m));
            out.append(splitLines(storage.constLast()));
        } else {
            for (qsizetype r = i; r < end; ++r) out.append(lines[r]);
        }
        i = end;
    }
    return out;
}

Lines cleanProse(Span lines, QStringList& storage)
{
    Lines tidy;
    tidy.reserve(lines.size());
    bool inRun = false;
    for (QStringView l : lines) {
        // Blank runs are collapsed before the tables are repaired: a run of blank lines
        // between two rows would otherwise end the table on this pass and, collapsed to
        // one blank line, join it on the next, so cleaning twice would change the text again.
        if (TextUtil::isBlank(l)) {
            if (!inRun) tidy.append(QStringView());
            inRun = true;
            continue;
        }
        inRun = false;
        storage.append(decodeSpacingEntities(TextUtil::trimBlanksTrailing(l)));
        tidy.append(storage.constLast());
    }
    return repairTables(tidy, storage);
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
    QStringList storage;
    QString result = joined(fenceWalk(splitLines(text), storage, cleanProse));
    while (result.endsWith(u"\n\n")) result.chop(1);
    if (!result.isEmpty() && !result.endsWith(u'\n')) result.append(u'\n');
    return result;
}

QList<QStringView> repairedTableLines(QStringView text, QStringList& storage)
{
    return fenceWalk(splitLines(text), storage, repairTables);
}

QString repairingTables(const QString& text)
{
    QStringList storage;
    return joined(repairedTableLines(text, storage));
}

} // namespace MarkdownCleaner
