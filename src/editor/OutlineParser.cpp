#include "editor/OutlineParser.h"

#include <atomic>

namespace {

std::atomic<quint64> nextId{1};

bool isHorizontalSpace(QChar c)
{
    return c == u'\t' || c == u' ' || c.category() == QChar::Separator_Space;
}

// What the heading pattern accepts after the markers: any white space, line breaks included.
bool isSpaceAfterMarkers(QChar c)
{
    return c.isSpace();
}

QStringView trimmedHorizontal(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isHorizontalSpace(s[b])) ++b;
    while (e > b && isHorizontalSpace(s[e - 1])) --e;
    return s.mid(b, e - b);
}

} // namespace

QList<OutlineItem> OutlineParser::headings(QStringView text)
{
    QList<OutlineItem> items;
    bool insideFence = false;
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start <= n) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0) end = n;
        QStringView line = text.mid(start, end - start);
        // A CR before the line feed belongs to the line break, not to the title.
        if (line.endsWith(u'\r')) line.chop(1);

        const QStringView trimmed = trimmedHorizontal(line);
        if (trimmed.startsWith(u"```")) {
            insideFence = !insideFence;
        } else if (!insideFence && !line.isEmpty() && line[0] == u'#') {
            int level = 0;
            while (level < line.size() && line[level] == u'#') ++level;
            if (level <= 6 && level < line.size() && isSpaceAfterMarkers(line[level])) {
                qsizetype titleStart = level;
                while (titleStart < line.size() && isSpaceAfterMarkers(line[titleStart])) ++titleStart;
                OutlineItem item;
                item.id = nextId.fetch_add(1, std::memory_order_relaxed);
                item.level = level;
                item.title = trimmedHorizontal(line.mid(titleStart)).toString();
                item.offset = start;
                items.append(std::move(item));
            }
        }
        start = end + 1;
    }
    return items;
}
