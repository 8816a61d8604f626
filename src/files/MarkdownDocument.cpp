#include "files/MarkdownDocument.h"

#include "files/LineDiff.h"
#include "platform/OpenableFile.h"
#include "platform/SafeWrite.h"
#include "platform/TextUtil.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kBom("\xEF\xBB\xBF", 3);

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(MarkdownDocument)
};

void setError(QString* error, const QString& message)
{
    if (error) *error = message;
}

} // namespace

qsizetype MarkdownDocument::firstInvalidUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        // Runs of ASCII (most of a Markdown file) eight bytes at a time.
        for (quint64 word; i + 8 <= n; i += 8) {
            std::memcpy(&word, p + i, 8);
            if (word & 0x8080808080808080ULL) break;
        }
        if (i == n) break;
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int len;
        unsigned char lo = 0x80, hi = 0xBF; // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF)
            len = 2;
        else if (c == 0xE0) {
            len = 3;
            lo = 0xA0;
        } // no overlong forms
        else if (c >= 0xE1 && c <= 0xEC)
            len = 3;
        else if (c == 0xED) {
            len = 3;
            hi = 0x9F;
        } // no surrogates
        else if (c >= 0xEE && c <= 0xEF)
            len = 3;
        else if (c == 0xF0) {
            len = 4;
            lo = 0x90;
        } // no overlong forms
        else if (c >= 0xF1 && c <= 0xF3)
            len = 4;
        else if (c == 0xF4) {
            len = 4;
            hi = 0x8F;
        } // nothing above U+10FFFF
        else
            return i;
        if (i + len > n) return i;
        if (p[i + 1] < lo || p[i + 1] > hi) return i;
        for (int k = 2; k < len; ++k)
            if (p[i + k] < 0x80 || p[i + k] > 0xBF) return i;
        i += len;
    }
    return -1;
}

namespace {

// True when `bytes` are valid UTF-8 (after a byte-order mark); otherwise sets `error`.
// `fileName` names the file in the message; none says "The file".
bool checkUtf8(const QByteArray& bytes, const QString& fileName, QString* error)
{
    const qsizetype start = bytes.startsWith(kBom) ? kBom.size() : 0;
    const qsizetype bad = MarkdownDocument::firstInvalidUtf8(QByteArrayView(bytes).sliced(start));
    if (bad < 0) return true;
    const qsizetype at = bad + start;
    const QString hex = QString::number(uchar(bytes[at]), 16).toUpper().rightJustified(2, u'0');
    setError(error, fileName.isEmpty()
                        ? Tr::tr("The file is not valid UTF-8 text (byte 0x%1 at offset %2).").arg(hex).arg(at)
                        : Tr::tr("“%1” is not valid UTF-8 text (byte 0x%2 at offset %3).").arg(fileName, hex).arg(at));
    return false;
}

} // namespace

MarkdownDocument MarkdownDocument::fromValidBytes(const QByteArray& bytes)
{
    MarkdownDocument doc;
    QByteArrayView body(bytes);
    if (bytes.startsWith(kBom)) {
        doc.hasByteOrderMark = true;
        body = body.sliced(kBom.size());
    }
    // QString::fromUtf8 would drop a second U+FEFF, which is text here, not a mark.
    QStringDecoder decode(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    doc.text = decode(body);
    return doc;
}

std::optional<MarkdownDocument> MarkdownDocument::fromBytes(const QByteArray& bytes, QString* error)
{
    if (!checkUtf8(bytes, QString(), error)) return std::nullopt;
    return fromValidBytes(bytes);
}

QByteArray MarkdownDocument::toBytes() const
{
    QByteArray out;
    if (hasByteOrderMark) out = kBom;
    out += text.toUtf8();
    return out;
}

std::optional<QByteArray> MarkdownDocument::readBytes(const QString& path, QString* error)
{
    OpenableFile::Verdict why;
    std::optional<QByteArray> bytes = OpenableFile::read(path, &why);
    if (!bytes) {
        setError(error, OpenableFile::message(path, why));
        return std::nullopt;
    }
    if (!checkUtf8(*bytes, QFileInfo(path).fileName(), error)) return std::nullopt;
    return bytes;
}

std::optional<MarkdownDocument> MarkdownDocument::read(const QString& path, QString* error)
{
    const std::optional<QByteArray> bytes = readBytes(path, error);
    if (!bytes) return std::nullopt;
    return fromValidBytes(*bytes);
}

namespace {

QString writeFailure(const QString& path, const QString& why, QString* reason)
{
    if (reason) *reason = why;
    return Tr::tr("“%1” could not be saved: %2").arg(QFileInfo(path).fileName(), why);
}

} // namespace

bool MarkdownDocument::hasOtherLinks(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink > 1;
}

bool MarkdownDocument::write(const QString& path, QString* error, QString* reason) const
{
    return writeBytes(path, toBytes(), error, reason);
}

bool MarkdownDocument::writeBytes(const QString& path, const QByteArray& bytes, QString* error, QString* reason)
{
    QString why;
    // Replacing a file with several hard links would leave its other names on the old text.
    const bool written =
        hasOtherLinks(path) ? SafeWrite::overwrite(path, bytes, &why) : SafeWrite::replace(path, bytes, &why);
    if (!written) setError(error, writeFailure(path, why, reason));
    return written;
}

namespace {

// Length of the line break at `i` (CR LF, CR, LF or U+2029), 0 when there is none.
qsizetype breakAt(QStringView text, qsizetype i)
{
    const QChar c = text[i];
    if (c == u'\r') return i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
    return c == u'\n' || c == QChar::ParagraphSeparator ? 1 : 0;
}

} // namespace

bool MarkdownDocument::hasUniformLineEndings(QStringView text)
{
    // Only line feeds, the usual case, is told by the vectorised search alone (a piece at a
    // time, so that both searches read it from the cache): 25 ms instead of 100 at 100 MB.
    constexpr qsizetype piece = 16 * 1024;
    bool onlyLineFeeds = true;
    for (qsizetype i = 0; onlyLineFeeds && i < text.size(); i += piece) {
        const QStringView part = text.sliced(i, std::min(piece, text.size() - i));
        onlyLineFeeds = !part.contains(u'\r') && !part.contains(QChar::ParagraphSeparator);
    }
    if (onlyLineFeeds) return true;
    QStringView first;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = breakAt(text, i);
        if (n == 0) {
            ++i;
            continue;
        }
        const QStringView brk = text.sliced(i, n);
        if (brk[0] == QChar::ParagraphSeparator) return false;
        if (first.isEmpty())
            first = brk;
        else if (brk != first)
            return false;
        i += n;
    }
    return true;
}

QString MarkdownDocument::withLineEndingsOf(const QString& lineFeedText, const QString& original)
{
    // The original cut into lines the way the editor shows it, each with its own break.
    QString originalLines;
    originalLines.reserve(original.size());
    std::vector<QStringView> breaks;
    qsizetype start = 0;
    for (qsizetype i = 0; i < original.size();) {
        const qsizetype n = breakAt(original, i);
        if (n == 0) {
            ++i;
            continue;
        }
        originalLines += QStringView(original).sliced(start, i - start);
        originalLines += u'\n';
        breaks.push_back(QStringView(original).sliced(i, n));
        i += n;
        start = i;
    }
    originalLines += QStringView(original).sliced(start);
    breaks.emplace_back(); // the last line ends the text

    // A new line takes the break of the line before it; a paragraph separator is a break
    // of its own line only, never one to copy.
    const QString firstEnding = LineEndings::detect(original);
    QStringView previous = firstEnding;
    QString out;
    out.reserve(lineFeedText.size() + lineFeedText.size() / 32);
    qsizetype pos = 0;
    const auto writeLine = [&](QStringView brk) {
        const qsizetype lf = lineFeedText.indexOf(u'\n', pos);
        if (lf < 0) {
            out += QStringView(lineFeedText).sliced(pos);
            pos = lineFeedText.size();
            return;
        }
        out += QStringView(lineFeedText).sliced(pos, lf - pos);
        if (brk.isEmpty()) brk = previous;
        // An empty line's LF right after a lone CR would read back as one CR LF break and the
        // line would be gone: it takes the CR of the line before it instead.
        if (lf == pos && brk == u"\n" && out.endsWith(u'\r')) brk = u"\r";
        out += brk;
        if (brk[0] != QChar::ParagraphSeparator) previous = brk;
        pos = lf + 1;
    };

    // Unchanged lines keep their break; within a changed stretch the n-th new line takes
    // the break of the n-th line it replaced.
    std::vector<QStringView> replaced;
    size_t used = 0;
    size_t o = 0;
    for (const DiffLine& d : LineDiff::compute(originalLines, lineFeedText)) {
        switch (d.kind) {
        case DiffLine::Kind::Equal:
            replaced.clear();
            used = 0;
            writeLine(breaks[o++]);
            break;
        case DiffLine::Kind::Delete: replaced.push_back(breaks[o++]); break;
        case DiffLine::Kind::Insert: writeLine(used < replaced.size() ? replaced[used++] : QStringView()); break;
        }
    }
    return out;
}

QStringList MarkdownDocument::nameFilters()
{
    return {Tr::tr("Markdown (*.md *.markdown *.mdown *.mkd *.mkdn)"), Tr::tr("Plain text (*.txt *.text)"),
            Tr::tr("All files (*)")};
}
