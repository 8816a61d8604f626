#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// One Markdown file held whole in memory as text. It only converts between the file's
// bytes and that text: UTF-8 both ways, line endings untouched, and a leading byte-order
// mark remembered so that the file is written back exactly as it was read.
struct MarkdownDocument {
    QString text;
    // The file began with the UTF-8 byte-order mark; it is not part of `text` (so a
    // front-matter fence at the top is still at offset 0) and is written back on save.
    bool hasByteOrderMark = false;

    bool operator==(const MarkdownDocument&) const = default;

    // Decodes strictly: any byte sequence that is not valid UTF-8 is refused, with a
    // reason naming the first bad byte and its offset.
    static std::optional<MarkdownDocument> fromBytes(const QByteArray& bytes, QString* error = nullptr);
    QByteArray toBytes() const;

    // Reads a file; on failure returns nothing and sets `error` to a sentence for the user
    // ("…" is not a folder, cannot be read, is not valid UTF-8 text). The file is never touched.
    static std::optional<MarkdownDocument> read(const QString& path, QString* error = nullptr);
    // The same in two steps: the file's bytes, read and checked (a long file's window is made
    // while another thread decodes them), and the document in bytes that readBytes() accepted or
    // toBytes() made (not checked again; they are also what toBytes() gives back).
    static std::optional<QByteArray> readBytes(const QString& path, QString* error = nullptr);
    static MarkdownDocument fromValidBytes(const QByteArray& bytes);
    // Atomic save (SafeWrite::replace): the bytes replace `path` only once all of them are on
    // the disk, so a failed write leaves the previous file whole; the new file keeps the old
    // one's owner, group and mode where permitted. A file with several hard links is written
    // over in place instead (SafeWrite::overwrite, see hasOtherLinks). False with `error`
    // saying what happened, and `reason` the same without the file's name ("the disk is full.").
    bool write(const QString& path, QString* error = nullptr, QString* reason = nullptr) const;
    // The same for bytes already made by toBytes().
    static bool writeBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                           QString* reason = nullptr);
    // True when `path` is a regular file with more than one hard link: a save writes it in
    // place, which is not atomic, so the caller keeps the text aside first.
    static bool hasOtherLinks(const QString& path);

    // File dialog filters: Markdown first (the type new documents are saved as), then plain text.
    static QStringList nameFilters();
    static QString defaultSuffix() { return QStringLiteral("md"); }

    // True when every line break of `text` is the same one of LF, CR LF and CR (or there is
    // none). A paragraph separator (U+2029) makes it false: an editor shows it as a break.
    static bool hasUniformLineEndings(QStringView text);
    // `lineFeedText` (breaks as LF only, as the editor holds the text) written with the line
    // breaks of `original`, an earlier version of the same text whose breaks may be mixed:
    // a line that is still there keeps its own break, a changed line the break of the line it
    // replaced, and a new line the break of the line before it.
    static QString withLineEndingsOf(const QString& lineFeedText, const QString& original);

    // Offset of the first byte that is not part of a well-formed UTF-8 sequence (overlong
    // forms, surrogates and values above U+10FFFF included), or -1 when all are valid.
    static qsizetype firstInvalidUtf8(QByteArrayView bytes);
};
