#include "render/PageInserts.h"

#include <algorithm>

namespace {

constexpr qsizetype kGroup = 32; // siblings in a group, and groups in a group

void groupRange(const QList<qsizetype>& starts, qsizetype from, qsizetype to, qsizetype end, QList<PageInsert>& inserts)
{
    const qsizetype n = to - from;
    if (n <= kGroup) return;
    static const QString open = QStringLiteral("<div class=\"bw-group\">");
    static const QString close = QStringLiteral("</div>");
    // As few in each as keeps their number at most kGroup.
    const qsizetype size = (n + kGroup - 1) / kGroup;
    for (qsizetype first = from; first < to; first += size) {
        const qsizetype last = std::min(first + size, to);
        inserts.append({starts[first], open});
        groupRange(starts, first, last, end, inserts);
        inserts.append({last < qsizetype(starts.size()) ? starts[last] : end, close});
    }
}

} // namespace

namespace PageInserts {

QString applied(const QString& page, QList<PageInsert> inserts)
{
    if (inserts.isEmpty()) return page;
    std::stable_sort(inserts.begin(), inserts.end(),
                     [](const PageInsert& a, const PageInsert& b) { return a.at < b.at; });
    qsizetype added = 0;
    for (const PageInsert& i : std::as_const(inserts)) added += i.text.size();
    QString result;
    result.reserve(page.size() + added);
    qsizetype copied = 0;
    for (const PageInsert& i : std::as_const(inserts)) {
        result += QStringView(page).mid(copied, i.at - copied);
        result += i.text;
        copied = i.at;
    }
    result += QStringView(page).mid(copied);
    return result;
}

void group(const QList<qsizetype>& starts, qsizetype end, QList<PageInsert>& inserts)
{
    groupRange(starts, 1, starts.size(), end, inserts);
}

} // namespace PageInserts
