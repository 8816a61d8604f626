#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// Deterministic documents for comparing renderings: real blocks (tables, fences, lists,
// quotes, footnotes) mixed with line starts and inline pieces chosen to sit on every edge
// of the renderer's tests: unmatched and nested markers, blanks of every kind, controls,
// lone surrogates, digits outside ASCII, CR LF and hostile addresses.
class MarkdownSoup {
public:
    explicit MarkdownSoup(uint32_t seed)
        : m_state(seed * 2654435761u + 1)
    {}

    // A document of about `lines` lines.
    QString document(int lines)
    {
        QString out;
        const bool crlf = pick(8) == 0;
        for (int i = 0; i < lines; ++i) {
            switch (pick(14)) {
            case 0: out += table(); break;
            case 1: out += fence(); break;
            case 2: out += list(); break;
            case 3: out += QStringLiteral("\n"); break;
            case 4: out += quote(); break;
            default: out += line() + u'\n';
            }
        }
        if (pick(2)) out += footnotes();
        if (crlf) out.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        return out;
    }

    // One line's text made of inline pieces.
    QString inlineText(int pieces)
    {
        static const QStringList kPieces{"word",
                                         "alpha",
                                         " ",
                                         " ",
                                         "  ",
                                         "*",
                                         "**",
                                         "***",
                                         "_",
                                         "__",
                                         "~~",
                                         "`",
                                         "``",
                                         "$",
                                         "$$",
                                         "[",
                                         "]",
                                         "(",
                                         ")",
                                         "[[",
                                         "]]",
                                         "|",
                                         "\\|",
                                         "![",
                                         "](",
                                         "\"",
                                         "&quot;",
                                         "&",
                                         "<",
                                         ">",
                                         "&lt;",
                                         "&gt;",
                                         "&amp;",
                                         "http://",
                                         "https://",
                                         "a.com",
                                         "/",
                                         "{.left}",
                                         "{.right}",
                                         "{.center}",
                                         "[^1]",
                                         "[^x]",
                                         "[^a&b]",
                                         "[^",
                                         "\\",
                                         ":",
                                         "\t",
                                         QStringLiteral("\u00A0"),
                                         QStringLiteral("\u3000"),
                                         QStringLiteral("\u00E9"),
                                         QStringLiteral("\u00C9"),
                                         QStringLiteral("\U0001F600"),
                                         QString(QChar(0)),
                                         QString(QChar(0xD800)),
                                         QString(QChar(0xDC01)),
                                         "\r",
                                         "\v",
                                         "\f",
                                         QStringLiteral("\u0085"),
                                         QStringLiteral("\u2028"),
                                         "#",
                                         "-",
                                         "javascript:",
                                         " javascript:alert(1)",
                                         "<!--",
                                         "-->",
                                         "x",
                                         "1",
                                         "42",
                                         QStringLiteral("\u0663"),
                                         QStringLiteral("\U0001D7CE"),
                                         "=",
                                         ".",
                                         ",",
                                         "[x](y)",
                                         "[t](u \"T\")",
                                         "![a](b.png){.right}",
                                         "[[P|l]]",
                                         "`c`",
                                         "**b**",
                                         "*e*",
                                         "_u_",
                                         "~~s~~",
                                         "$m$",
                                         "https://a.com/_x_",
                                         "<https://b.org>",
                                         "snake_case",
                                         "a*b*c",
                                         "(x)",
                                         "&#39;",
                                         "'",
                                         "\n"};
        QString out;
        for (int i = 0; i < pieces; ++i) {
            const QString& p = kPieces.at(pick(int(kPieces.size())));
            if (p != QLatin1String("\n") || pick(4) == 0) out += p;
        }
        return out;
    }

private:
    uint32_t m_state;

    int pick(int n)
    {
        m_state = m_state * 1103515245u + 12345u;
        return int((m_state >> 8) % uint32_t(n));
    }

    QString line()
    {
        static const QStringList kStarts{"",
                                         "",
                                         "",
                                         "",
                                         "# ",
                                         "## ",
                                         "###### ",
                                         "####### ",
                                         "#",
                                         "# x #",
                                         "> ",
                                         ">> ",
                                         "> > ",
                                         "> [!NOTE] ",
                                         "> [!tip]",
                                         ">  [!WARNING]",
                                         "- ",
                                         "* ",
                                         "+ ",
                                         "1. ",
                                         "2) ",
                                         "  - ",
                                         "    - ",
                                         "        - ",
                                         "\t- ",
                                         "- [ ] ",
                                         "- [x] ",
                                         "* [X] ",
                                         ": ",
                                         "[^1]: ",
                                         "[^x]: ",
                                         "  [^1]: ",
                                         "    ",
                                         "\t",
                                         "```",
                                         "```python",
                                         "```mermaid",
                                         "```Mermaid",
                                         " ```js",
                                         "{.right}",
                                         "{.center}",
                                         "{.justify}",
                                         "<!-- bwk:colwidths=0.5,0.5 -->",
                                         "<!-- bwk:colwidths=x -->",
                                         "---",
                                         "***",
                                         "- - -",
                                         "___",
                                         "_ _ _ _",
                                         "|",
                                         "| a | b |",
                                         "|---|---|",
                                         "|:--|--:|",
                                         ":-:|---",
                                         "$$",
                                         QStringLiteral("\u3000"),
                                         QStringLiteral("\u00A0# "),
                                         "\v- ",
                                         "1.",
                                         "-",
                                         "\\"};
        QString l = kStarts.at(pick(int(kStarts.size())));
        if (pick(3)) l += inlineText(pick(12));
        return l;
    }

    QString cell() { return pick(3) ? inlineText(pick(4)).remove(u'\n') : QStringLiteral("cell"); }

    QString table()
    {
        const int cols = 1 + pick(4);
        const auto row = [&] {
            QString r = pick(4) ? QStringLiteral("|") : QString();
            for (int c = 0; c < cols; ++c) r += u' ' + cell() + QStringLiteral(" |");
            return r + u'\n';
        };
        static const QStringList kAligns{"---", ":--", "--:", ":-:", "-", " --- "};
        QString out = pick(6) ? QString() : QStringLiteral("{.right}\n");
        if (pick(4) == 0) out += QStringLiteral("<!-- bwk:colwidths=0.3,0.7 -->\n");
        out += row();
        if (pick(5)) {
            out += u'|';
            for (int c = 0; c < cols; ++c) out += kAligns.at(pick(int(kAligns.size()))) + u'|';
            out += u'\n';
        }
        for (int r = pick(5); r > 0; --r) out += pick(8) ? row() : QStringLiteral("\n");
        return out + u'\n';
    }

    QString fence()
    {
        static const QStringList kInfos{"", "", "python", "cpp", "mermaid", "c\"x", "js"};
        QString out = QStringLiteral("```") + kInfos.at(pick(int(kInfos.size()))) + u'\n';
        for (int n = pick(5); n > 0; --n) out += inlineText(pick(8)).remove(u'\n') + u'\n';
        if (pick(6)) out += QStringLiteral("```\n");
        return out;
    }

    QString list()
    {
        QString out;
        for (int n = 1 + pick(6); n > 0; --n)
            out += QString(2 * pick(4), u' ') + (pick(3) ? QStringLiteral("- ") : QStringLiteral("1. "))
                   + inlineText(1 + pick(6)).remove(u'\n') + u'\n';
        return out;
    }

    QString quote()
    {
        QString out;
        for (int n = 1 + pick(4); n > 0; --n) out += QString(1 + pick(2), u'>') + u' ' + line() + u'\n';
        return out;
    }

    QString footnotes()
    {
        QString out = QStringLiteral("\n");
        for (const char* id : {"1", "x", "a&b", "unused"})
            if (pick(3))
                out += QStringLiteral("[^") + QLatin1String(id) + QStringLiteral("]: ") + inlineText(4) + u'\n';
        if (pick(2)) out += QStringLiteral("    continued ") + inlineText(3) + u'\n';
        return out;
    }
};
