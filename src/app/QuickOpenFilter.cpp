#include "app/QuickOpenFilter.h"

#include "platform/TextUtil.h"

#include <QTextBoundaryFinder>

namespace {

// Printable ASCII (and tab) never combines into a larger cluster, so each unit is a cluster.
bool isSimple(QStringView s)
{
    for (QChar c : s)
        if (c.unicode() < 0x20 || c.unicode() >= 0x7F) return false;
    return true;
}

QList<QStringView> clusters(QStringView s)
{
    QList<QStringView> out;
    if (s.isEmpty()) return out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, s.data(), int(s.size()));
    qsizetype prev = 0;
    for (qsizetype next = finder.toNextBoundary(); next >= 0; next = finder.toNextBoundary()) {
        if (next > prev) out.append(s.mid(prev, next - prev));
        prev = next;
    }
    return out;
}

} // namespace

bool QuickOpenFilter::fuzzy(QStringView query, QStringView name)
{
    if (query.isEmpty()) return true;
    if (isSimple(query) && isSimple(name)) {
        qsizetype q = 0;
        for (QChar c : name)
            if (c == query[q] && ++q == query.size()) return true;
        return false;
    }
    // Clusters are compared whole: "e" does not match the first half of "é" written as
    // "e" plus a combining accent. The callers hand in composed text, so canonically
    // equal clusters are equal strings.
    const QList<QStringView> wanted = clusters(query);
    qsizetype q = 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, name.data(), int(name.size()));
    qsizetype prev = 0;
    for (qsizetype next = finder.toNextBoundary(); next >= 0; next = finder.toNextBoundary()) {
        if (next <= prev) continue;
        if (name.mid(prev, next - prev) == wanted[q] && ++q == wanted.size()) return true;
        prev = next;
    }
    return false;
}

QString QuickOpenFilter::normalizedQuery(const QString& query)
{
    return TextUtil::trimWhitespace(query).toLower().normalized(QString::NormalizationForm_C);
}

QString QuickOpenFilter::normalizedName(const QString& fileName)
{
    return fileName.toLower().normalized(QString::NormalizationForm_C);
}

QList<int> QuickOpenFilter::filter(const QString& normalizedQuery, const QStringList& normalizedNames)
{
    QList<int> out;
    out.reserve(normalizedNames.size());
    for (int i = 0; i < normalizedNames.size(); ++i)
        if (fuzzy(normalizedQuery, normalizedNames[i])) out.append(i);
    return out;
}
