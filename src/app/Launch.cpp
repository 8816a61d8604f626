#include "app/Launch.h"

#include <QDir>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>

namespace Launch {

bool closedByLaunchPass(const WindowFacts& window)
{
    return window.origin == Origin::StartWindow && !window.hasFile && !window.edited && window.empty;
}

bool showsWelcome(bool showWelcomeOnLaunch, bool reopensSession, bool namedItems)
{
    return showWelcomeOnLaunch && !reopensSession && !namedItems;
}

namespace {

// "scheme://..." or "scheme:" of a known kind; a file name with a colon inside stays a path.
bool looksLikeUrl(const QString& s)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    const QRegularExpressionMatch m = scheme.match(s);
    if (!m.hasMatch()) return false;
    const QString name = m.captured().chopped(1).toLower();
    return s.mid(m.capturedLength()).startsWith(QStringLiteral("//")) || name == u"file" || name == u"brindlewick";
}

} // namespace

QList<Item> classify(const QStringList& arguments, const QString& workingDir)
{
    QList<Item> items;
    const QDir base(workingDir);
    for (const QString& arg : arguments) {
        if (arg.isEmpty()) continue;
        if (looksLikeUrl(arg)) {
            const QUrl url(arg);
            if (url.isLocalFile()) {
                const QString path = url.toLocalFile();
                if (!path.isEmpty()) items.append({Item::Kind::File, QDir::cleanPath(base.absoluteFilePath(path))});
            } else {
                items.append({Item::Kind::Url, arg});
            }
            continue;
        }
        items.append({Item::Kind::File, QDir::cleanPath(base.absoluteFilePath(arg))});
    }
    return items;
}

QStringList toStrings(const QList<Item>& items)
{
    QStringList out;
    out.reserve(items.size());
    for (const Item& item : items) out.append(item.value);
    return out;
}

QList<Item> fromStrings(const QStringList& strings)
{
    QList<Item> items;
    for (const QString& s : strings) {
        if (s.startsWith(u'/'))
            items.append({Item::Kind::File, QDir::cleanPath(s)});
        else if (looksLikeUrl(s) && !QUrl(s).isLocalFile())
            items.append({Item::Kind::Url, s});
    }
    return items;
}

Capped cap(const QList<Item>& items, int max)
{
    const qsizetype n = std::clamp<qsizetype>(max, 0, items.size());
    return {items.first(n), items.mid(n)};
}

} // namespace Launch
