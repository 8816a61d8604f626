#pragma once

#include "render/ExportStyleSheet.h"
#include "render/ImageAccess.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QSize>
#include <QString>
#include <QTextDocument>

#include <memory>

// The exported page as word-processing structure: what the Rich Text and Word writers
// need of a QTextDocument, read once so both write the same blocks.

struct RichRun {
    QString text; // U+2028 stands for a line break inside the block
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool mono = false;
    bool superscript = false;
    QString href;        // "#name": a link to the bookmark `name`, one the document holds
    QStringList anchors; // bookmarks that begin at this run, named as every format accepts
    QColor color;        // set for the highlighted tokens of code; invalid: the paragraph's colour
    QByteArray png;      // an image run when not empty; `text` is unused then
    QSize imageSize;     // in CSS pixels (1/96 inch)
};

struct RichTable;

struct RichBlock {
    enum Kind { Paragraph, Heading, ListItem, Code, Rule, Quote, Table };
    enum Align { Left, Center, Right, Justify };
    Kind kind = Paragraph;
    Align align = Left;
    int headingLevel = 0; // 1..6 for headings
    int listLevel = 0;    // 1-based nesting depth of a list item
    bool ordered = false;
    int number = 0; // an ordered item's number
    int listId = 0; // the same for every item of one list
    QList<RichRun> runs;
    std::shared_ptr<RichTable> table;
};

struct RichTable {
    QList<QList<QList<RichBlock>>> rows; // row -> cell -> blocks
    int columns = 0;
    int headerRows = 0;
};

// The font a word processor names for a CSS family list, and its kind for the formats that
// record one.
struct RichFont {
    enum Kind { Sans, Serif, Mono };
    QString name;
    Kind kind = Sans;
};

// A QTextDocument that loads images only from the files `ImageAccess` allows, each at most
// maxImageBytes; anything else (other folders, devices, pipes, the network) loads nothing
// and the image is left out. An SVG is drawn only when it refers to no other file (an
// <image> inside it could otherwise bring in any picture on the disk); a compressed one,
// whose references cannot be read here, is left out.
class ExportTextDocument : public QTextDocument {
public:
    static constexpr qint64 maxImageBytes = 32 * 1024 * 1024;
    explicit ExportTextDocument(const ImageAccess& images);

    // The first number of each list of the page (1 for a bulleted one), in the order the
    // lists open: Qt's reader numbers every list from 1.
    QList<int> listStarts;
    // For each list the reader makes, in the same order, the index of the list of the page
    // it is a part of: a long list is read in parts.
    QList<int> listParts;

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    ImageAccess m_images;
};

namespace RichText {

// The export page read as rich text: task boxes become ☐ and ☑ (Qt drops <input>), the
// page is parsed with the document's folder as its base, and the result is ready for the
// writers.
std::unique_ptr<ExportTextDocument> textDocument(const QString& page, const ImageAccess& images);

// The blocks of `doc` in order, tables with their cells. A code block is one block whose
// lines are joined by U+2028; only quotes and callouts are Quote. An element's id is a
// bookmark of its first run, renamed so that Word, OpenDocument and Rich Text all keep it;
// links into the document name their bookmark, and a link to an id the document does not hold
// is no link.
QList<RichBlock> blocks(const ExportTextDocument& doc);

// The first family of the list this system has, so the file looks as its PDF does; else the
// list's generic family as a Liberation face; else the first family named. Empty for an
// empty list.
RichFont font(const QStringList& families);

// The style a run's text gets from the roles it stands in (code outside a code block, a link,
// strong or emphasised text) on top of its flags; a code block's runs have their flags only.
ExportTextStyle runStyle(const RichRun& run, const RichBlock& block, const ExportTextStyles& styles);

} // namespace RichText
