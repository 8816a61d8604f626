#include "commands/PasteRules.h"

#include "commands/MarkdownPathHelper.h"
#include "editor/TypingRules.h"
#include "render/HtmlToMarkdown.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace PasteRules {

namespace {

// Hands `f` the non-empty lines of `text`, cut at LF, CR LF or a lone CR (spreadsheets
// copy rows with CR LF; a CR left in a row would end up in its last cell), until it
// returns false.
template <typename F> void forEachLine(QStringView text, F f)
{
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i <= n; ++i) {
        if (i < n && text[i] != u'\n' && text[i] != u'\r') continue;
        if (i > start && !f(text.sliced(start, i - start))) return;
        start = i + 1;
    }
}

QList<QStringView> lines(QStringView text)
{
    QList<QStringView> out;
    forEachLine(text, [&out](QStringView line) {
        out.append(line);
        return true;
    });
    return out;
}

void appendRow(QString& out, const QList<QStringView>& cells, qsizetype columns)
{
    out += u"| "_s;
    for (qsizetype c = 0; c < columns; ++c) {
        if (c > 0) out += u" | "_s;
        if (c < cells.size()) out += cells[c];
    }
    out += u" |\n"_s;
}

} // namespace

QString makeTable(const QString& text)
{
    const QList<QStringView> rows = lines(text);
    if (rows.isEmpty()) return text;
    const QList<QStringView> header = rows.first().split(u'\t');
    const qsizetype n = header.size();
    QString out;
    out.reserve(text.size() + rows.size() * (n * 3 + 4));
    appendRow(out, header, n);
    out += u"| "_s;
    for (qsizetype c = 0; c < n; ++c) out += c == 0 ? u"---"_s : u" | ---"_s;
    out += u" |\n"_s;
    for (qsizetype r = 1; r < rows.size(); ++r) appendRow(out, rows[r].split(u'\t'), n);
    return out;
}

bool isTabSeparated(const QString& text)
{
    // Stops at the first line without a tab: a long paste of prose is not cut into a list
    // of its lines to find that its first line has none.
    qsizetype rows = 0;
    bool tabs = true;
    forEachLine(text, [&](QStringView line) {
        tabs = line.contains(u'\t');
        rows += tabs;
        return tabs;
    });
    return tabs && rows >= 2;
}

QByteArray pngFrom(const QMimeData& mime)
{
    const QByteArray png = mime.data(u"image/png"_s);
    if (!png.isEmpty()) return png;
    if (!mime.hasImage()) return {};
    const QImage image = qvariant_cast<QImage>(mime.imageData());
    if (image.isNull()) return {};
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return out;
}

Decision decide(const QMimeData& mime, const QString& selectedText, bool skipImage)
{
    const bool hasText = mime.hasText();
    if (!skipImage && !hasText) {
        const QByteArray png = pngFrom(mime);
        if (!png.isEmpty()) return {Kind::image, {}, png};
    }
    const QString plain = hasText ? mime.text() : QString();
    if (!selectedText.isEmpty() && hasText) {
        const QString address = plain.trimmed();
        if (TypingRules::isLinkAddress(address))
            if (const auto link = TypingRules::linkOverSelection(selectedText, address)) return {Kind::text, *link, {}};
    }
    if (mime.hasHtml()) {
        const QByteArray bytes = mime.data(u"text/html"_s);
        if (!bytes.isEmpty() && bytes.size() <= maxHtmlBytes) {
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString html = utf8(bytes);
            if (!utf8.hasError()) {
                if (bytes.size() >= convertApartBytes) return {Kind::html, html, {}};
                const QString markdown = HtmlToMarkdown::convert(html);
                if (!markdown.isEmpty()) return {Kind::text, markdown, {}};
            }
        }
    }
    return afterConversion(QString(), hasText ? std::optional<QString>(plain) : std::nullopt);
}

Decision afterConversion(const QString& markdown, const std::optional<QString>& plainText)
{
    if (!markdown.isEmpty()) return {Kind::text, markdown, {}};
    if (plainText && isTabSeparated(*plainText)) return {Kind::text, makeTable(*plainText), {}};
    return {};
}

QString pastedImageName(qint64 seconds, int attempt)
{
    QString name = u"pasted-"_s + QString::number(seconds);
    if (attempt > 0) name += u'-' + QString::number(attempt);
    return name + u".png"_s;
}

QString imageLink(const QString& filePath, const QString& target)
{
    return u"!["_s + QFileInfo(filePath).completeBaseName() + u"]("_s + target + u')';
}

QString dropLinks(const QStringList& filePaths, const QString& documentPath)
{
    static const QMimeDatabase db;
    QStringList links;
    for (const QString& path : filePaths) {
        const QFileInfo info(path);
        const QString target = MarkdownPathHelper::relativePath(path, documentPath);
        // By name only: reading a dropped file (a pipe, a device) to sniff its type could block.
        if (db.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension).name().startsWith(u"image/"_s))
            links.append(imageLink(path, target));
        else
            links.append(u'[' + info.fileName() + u"]("_s + target + u')');
    }
    return links.join(u'\n');
}

std::optional<CheckboxToggle> checkboxToggleAt(QStringView text, int index)
{
    if (index < 0 || index >= text.size()) return std::nullopt;
    qsizetype lineStart = index;
    while (lineStart > 0 && text[lineStart - 1] != u'\n') --lineStart;
    qsizetype lineEnd = index;
    while (lineEnd < text.size() && text[lineEnd] != u'\n') ++lineEnd;
    static const QRegularExpression box(u"^[^\\S\\n]*[-*+] \\[([ xX])\\]"_s,
                                        QRegularExpression::UseUnicodePropertiesOption);
    const auto m = box.match(text.sliced(lineStart, lineEnd - lineStart).toString());
    if (!m.hasMatch() || index > lineStart + m.capturedEnd(0)) return std::nullopt;
    const int position = int(lineStart + m.capturedStart(1));
    return CheckboxToggle{position, text[position] == u' ' ? u'x' : u' '};
}

} // namespace PasteRules
