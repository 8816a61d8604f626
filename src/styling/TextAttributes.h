#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <memory>
#include <optional>

// Defined with the grid tables; the text only carries a shared pointer to it.
class TableModel;

// Paragraph layout of the lines a run covers. Lengths in points.
struct ParagraphStyle {
    enum class Alignment { Natural, Left, Right, Center, Justified };

    double lineSpacing = 0;      // extra space between the lines of a paragraph
    double paragraphSpacing = 0; // space after the paragraph
    Alignment alignment = Alignment::Natural;
    double firstLineHeadIndent = 0;
    double headIndent = 0;
    double tailIndent = 0;
    double minimumLineHeight = 0; // 0: no minimum
    double maximumLineHeight = 0; // 0: no maximum
    bool clipsLines = false;      // lines that do not fit are clipped, not wrapped

    bool operator==(const ParagraphStyle&) const = default;
};

// The attributes one run of text carries. An absent optional means "not set"
// (the view falls back to its defaults there).
struct TextAttributes {
    std::optional<QFont> font;
    std::optional<QColor> foreground;
    std::optional<QColor> background;
    bool underline = false;     // single underline
    bool strikethrough = false; // single strike-through line
    double baselineOffset = 0;  // points, positive raises the text
    std::optional<ParagraphStyle> paragraphStyle;
    bool markdownConceal = false;           // glyphs are hidden by the layout
    std::optional<QString> wikiLinkTarget;  // target of a wiki link
    std::shared_ptr<TableModel> tableModel; // grid table drawn over the text
    bool aiGhost = false;                   // inline suggestion text
    bool notProse = false;                  // code or markup (markers, link targets): never spell-checked

    bool operator==(const TextAttributes& o) const;
};

// Names of the attributes, for removing one of them over a range.
enum class TextAttribute {
    Font,
    Foreground,
    Background,
    Underline,
    Strikethrough,
    BaselineOffset,
    ParagraphStyle,
    MarkdownConceal,
    WikiLinkTarget,
    TableModel,
    AiGhost,
};
