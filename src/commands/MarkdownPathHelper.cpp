#include "commands/MarkdownPathHelper.h"

#include "files/FilePaths.h"

#include <QFileInfo>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace MarkdownPathHelper {

namespace {
QString escapeParentheses(QString s)
{
    return s.replace(u'(', u"%28"_s).replace(u')', u"%29"_s);
}
} // namespace

QString relativePath(const QString& filePath, const QString& documentPath)
{
    const QString absolute =
        escapeParentheses(QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath()).toString(QUrl::FullyEncoded));
    if (documentPath.isEmpty()) return absolute;
    QString folder = FilePaths::standardized(QFileInfo(documentPath).absolutePath());
    if (!folder.endsWith(u'/')) folder += u'/';
    const QString path = FilePaths::standardized(filePath);
    if (!path.startsWith(folder) || path.size() == folder.size()) return absolute;
    // The characters a URL path keeps as they are, less the parentheses.
    static const QByteArray keep = "/!$&'*+,;=:@"_ba;
    return QString::fromLatin1(QUrl::toPercentEncoding(path.mid(folder.size()), keep));
}

} // namespace MarkdownPathHelper
