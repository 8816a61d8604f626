#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// What an export's theme and user CSS say about the text of each kind of block, for the
// formats that cannot show a page's CSS (Rich Text, Word, OpenDocument). Their writers stand
// for the base style sheet already, so only what differs from it is set here: a Standard
// export without user CSS has every style empty.
struct ExportTextStyle {
    enum Align { Unset = -1, Left, Center, Right, Justify };
    QColor color;             // invalid: as the writer has it
    QColor background;        // the text's; the page's for the body
    QStringList families;     // in the order the CSS lists them, generic names in lower case
    double sizePt = 0;        // 0: as the writer has it
    std::optional<bool> bold; // each of these: unset when the CSS says nothing new
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<bool> strike;
    int align = Unset;
    std::optional<double> indentLeft; // points, the block's left edge from the text's
    std::optional<double> spaceBefore;
    std::optional<double> spaceAfter;
    std::optional<double> firstLine;
    double lineSpacing = 0; // a word processor's line multiple (1.15 for the base sheet's 1.65); 0: unset

    bool isEmpty() const;
    // This style with every field that `top` sets taken from `top`.
    ExportTextStyle overlaid(const ExportTextStyle& top) const;
};

struct ExportTextStyles {
    enum Role {
        Body,      // the page: default text, and the page's background
        Paragraph, // p
        Heading1,  // h1 .. h6 follow in order
        Heading2,
        Heading3,
        Heading4,
        Heading5,
        Heading6,
        Quote,     // blockquote p
        ListItem,  // li
        CodeBlock, // pre code
        TableCell, // td: a cell's text is no paragraph
        Code,      // code inside a paragraph
        Link,      // a
        Strong,    // strong, b
        Emphasis,  // em, i
        RoleCount
    };
    std::array<ExportTextStyle, RoleCount> roles;

    const ExportTextStyle& operator[](Role r) const { return roles[r]; }
    bool isEmpty() const;
};

namespace ExportStyleSheet {

// Reads the base style sheet, then `themeCSS`, then `userCSS`, as a page would, and gives
// each role what the last two change. Understood: rules of element selectors, descendant
// and child combinators (any class, id, attribute or pseudo-class drops that selector),
// !important, and color, background(-color), font and its parts, text-decoration,
// text-align, line-height, text-indent, margin and padding(-left). At-rules and anything
// else are skipped. Each sheet is read up to maxCssChars and maxRules rules.
ExportTextStyles read(const QString& themeCSS, const QString& userCSS);

constexpr qsizetype maxCssChars = 256 * 1024;
constexpr int maxRules = 4096;

} // namespace ExportStyleSheet
