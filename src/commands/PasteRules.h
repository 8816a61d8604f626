#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QMimeData;

// What pasting and dropping turn into Markdown, as plain functions over the clipboard's
// data and the text, so the rules are tested without a view.
namespace PasteRules {

// Tab-separated lines to a pipe table: the first line is the header and gives the column
// count; missing cells are empty, extra cells dropped, nothing trimmed; lines end at LF,
// CR LF or CR, and empty lines are dropped. Every line of the result ends with "\n".
QString makeTable(const QString& text);
// At least two non-empty lines, each holding a tab.
bool isTabSeparated(const QString& text);

enum class Kind {
    image,    // save `png`, then insert imageLink(); if saving fails decide again with skipImage
    text,     // replace the selection by `text`
    html,     // `text` is HTML too long to convert while the window waits: convert it
              // elsewhere, then take `afterConversion`
    platform, // the ordinary paste of the clipboard's plain text
};
struct Decision {
    Kind kind = Kind::platform;
    QString text;
    QByteArray png;
};

// The first rule that applies: an image (only when there is no plain text), a web
// address over a one-line selection (a link around it), HTML converted to Markdown,
// tab-separated lines as a table, else the platform's paste. HTML above `maxHtmlBytes`
// is not converted.
inline constexpr qsizetype maxHtmlBytes = 16 * 1024 * 1024;
// HTML from this size on is converted away from the window (a megabyte takes a few tenths
// of a second).
inline constexpr qsizetype convertApartBytes = 256 * 1024;
Decision decide(const QMimeData& mime, const QString& selectedText, bool skipImage = false);
// The paste once its HTML is converted: the Markdown, or when there is none the rules after
// HTML over the clipboard's plain text (`plainText`, none when it held no text).
Decision afterConversion(const QString& markdown, const std::optional<QString>& plainText);

// The clipboard's PNG data as it is, else any image it holds converted to PNG.
QByteArray pngFrom(const QMimeData& mime);

// "pasted-<seconds>.png", then "pasted-<seconds>-1.png", "-2", … for later attempts.
QString pastedImageName(qint64 secondsSinceEpoch, int attempt);

// An image link to the file at `filePath`, written `target` ("![name](target)"): its name
// without the extension is the alternative text, so that the link shows where the image is
// not drawn (markers of a link with none are hidden, leaving nothing to see).
QString imageLink(const QString& filePath, const QString& target);

// The links for dropped files, one per line: "![name](path)" for images (name without
// extension), "[file name](path)" for anything else; paths as MarkdownPathHelper makes them.
QString dropLinks(const QStringList& filePaths, const QString& documentPath);

// The edit a click at `index` makes on a task checkbox: the offset of the mark between
// the brackets and its new character (" " <-> "x"); none when the click is not on the
// "- [ ]" part of a task item.
struct CheckboxToggle {
    int position = 0;
    QChar mark;
};
std::optional<CheckboxToggle> checkboxToggleAt(QStringView text, int index);

} // namespace PasteRules
