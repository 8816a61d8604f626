#include "editor/WikiLinks.h"

#include "platform/RecentDocuments.h"
#include "platform/Settings.h"
#include "platform/TextUtil.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace WikiLinks {

namespace {

// The extension of a path's last component: text after its last ".", when that dot is
// neither the component's first nor its last character.
QString extensionOf(QStringView path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const QStringView last = path.mid(slash + 1);
    const qsizetype dot = last.lastIndexOf(u'.');
    if (dot <= 0 || dot == last.size() - 1) return {};
    return last.mid(dot + 1).toString();
}

QString baseNameOf(QStringView fileName)
{
    const QString ext = extensionOf(fileName);
    return ext.isEmpty() ? fileName.toString() : fileName.chopped(ext.size() + 1).toString();
}

bool hasMarkdownExtension(QStringView fileName)
{
    return markdownExtensions().contains(extensionOf(fileName).toLower());
}

bool isRegularFile(const QString& path)
{
    return QFileInfo(path).isFile();
}

} // namespace

const QStringList& markdownExtensions()
{
    static const QStringList exts = {u"md"_s, u"markdown"_s, u"mdown"_s, u"mkd"_s, u"txt"_s};
    return exts;
}

QString resolve(QStringView name, const QString& documentPath)
{
    if (documentPath.isEmpty()) return {};
    const QString folder = QFileInfo(documentPath).absolutePath();
    const QString t = TextUtil::trimWhitespace(name);
    const QString base = folder + u'/' + t;
    if (!extensionOf(t).isEmpty() && isRegularFile(base)) return QDir::cleanPath(base);
    for (const QString& ext : markdownExtensions()) {
        const QString candidate = base + u'.' + ext;
        if (isRegularFile(candidate)) return QDir::cleanPath(candidate);
    }
    return {};
}

QStringList candidates(const QString& documentPath, const QStringList& recentPaths)
{
    QSet<QString> names;
    if (!documentPath.isEmpty()) {
        const QDir folder = QFileInfo(documentPath).absoluteDir();
        const auto entries = folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QFileInfo& fi : entries) {
            if (fi.isFile() && hasMarkdownExtension(fi.fileName())) names.insert(baseNameOf(fi.fileName()));
        }
    }
    for (const QString& recent : recentPaths) {
        const QString fileName = QFileInfo(recent).fileName();
        if (hasMarkdownExtension(fileName)) names.insert(baseNameOf(fileName));
    }
    if (!documentPath.isEmpty()) names.remove(baseNameOf(QFileInfo(documentPath).fileName()));

    QStringList sorted(names.begin(), names.end());
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Exact order as a tie-break keeps the result independent of hashing.
    std::sort(sorted.begin(), sorted.end(), [&](const QString& a, const QString& b) {
        const int c = collator.compare(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    return sorted;
}

QStringList candidates(const QString& documentPath)
{
    return candidates(documentPath, RecentDocuments::paths(Settings::instance()));
}

QStringList matches(QStringView partial, const QString& documentPath)
{
    return matches(partial, documentPath, RecentDocuments::paths(Settings::instance()));
}

QStringList matches(QStringView partial, const QString& documentPath, const QStringList& recentPaths)
{
    const QStringList all = candidates(documentPath, recentPaths);
    const QString q = TextUtil::trimWhitespace(partial).toLower();
    if (q.isEmpty()) return all;
    QStringList kept;
    for (const QString& c : all)
        if (c.toLower().contains(q)) kept.append(c);
    std::stable_sort(kept.begin(), kept.end(), [&](const QString& a, const QString& b) {
        const bool pa = a.toLower().startsWith(q), pb = b.toLower().startsWith(q);
        if (pa != pb) return pa;
        return TextUtil::graphemeCount(a) < TextUtil::graphemeCount(b);
    });
    return kept;
}

TextRange completionRange(QStringView text, int caret)
{
    if (caret < 0 || caret > text.size()) return TextRange::notFound();
    const int lineStart = TextUtil::lineRange(text, caret).location;
    if (caret - lineStart < 2) return TextRange::notFound();
    const QStringView before = text.mid(lineStart, caret - lineStart);
    const qsizetype open = before.lastIndexOf(u"[["_s);
    if (open < 0) return TextRange::notFound();
    if (before.mid(open + 2).contains(u"]]"_s)) return TextRange::notFound();
    const int start = lineStart + int(open) + 2;
    return TextRange(start, caret - start);
}

QString targetAt(QStringView text, int index)
{
    if (index < 0 || index >= text.size()) return {};
    static const QRegularExpression wikiLinkRE(u"\\[\\[([^\\]|\\n]+?)(\\|([^\\]\\n]+?))?\\]\\]"_s);
    const TextRange line = TextUtil::lineContentRange(text, TextRange(index, 0));
    auto it = wikiLinkRE.globalMatch(text.mid(line.location, line.length));
    while (it.hasNext()) {
        const auto m = it.next();
        const int group = m.capturedStart(3) >= 0 ? 3 : 1;
        const int start = line.location + int(m.capturedStart(group));
        if (index >= start && index < start + int(m.capturedLength(group)))
            return TextUtil::trimBlanks(m.capturedView(1));
    }
    return {};
}

} // namespace WikiLinks
