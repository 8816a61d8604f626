#include "render/ExportStyleSheet.h"

#include "render/Exporter.h"

#include <QHash>

#include <algorithm>
#include <cmath>

bool ExportTextStyle::isEmpty() const
{
    return !color.isValid() && !background.isValid() && families.isEmpty() && sizePt == 0 && !bold && !italic
           && !underline && !strike && align == Unset && !indentLeft && !spaceBefore && !spaceAfter && !firstLine
           && lineSpacing == 0;
}

ExportTextStyle ExportTextStyle::overlaid(const ExportTextStyle& top) const
{
    ExportTextStyle s = *this;
    if (top.color.isValid()) s.color = top.color;
    if (top.background.isValid()) s.background = top.background;
    if (!top.families.isEmpty()) s.families = top.families;
    if (top.sizePt > 0) s.sizePt = top.sizePt;
    if (top.bold) s.bold = top.bold;
    if (top.italic) s.italic = top.italic;
    if (top.underline) s.underline = top.underline;
    if (top.strike) s.strike = top.strike;
    if (top.align != Unset) s.align = top.align;
    if (top.indentLeft) s.indentLeft = top.indentLeft;
    if (top.spaceBefore) s.spaceBefore = top.spaceBefore;
    if (top.spaceAfter) s.spaceAfter = top.spaceAfter;
    if (top.firstLine) s.firstLine = top.firstLine;
    if (top.lineSpacing > 0) s.lineSpacing = top.lineSpacing;
    return s;
}

bool ExportTextStyles::isEmpty() const
{
    return std::all_of(roles.begin(), roles.end(), [](const ExportTextStyle& s) { return s.isEmpty(); });
}

namespace {

constexpr int kMaxSelectorParts = 16;
constexpr int kMaxDeclarations = 256;
constexpr double kBaseLineHeight = 1.65; // the base sheet's body, which a writer's 1.15 lines stand for
constexpr double kWriterLineSpacing = 1.15;

struct Declaration {
    QString property;
    QString value;
    bool important = false;
};

struct Part {
    QString name;       // lower case, or "*"
    bool child = false; // '>' stands before it
};

struct Rule {
    QList<QList<Part>> selectors;
    QList<Declaration> declarations;
    bool user = false; // the theme's or the user's, not the base sheet's
};

QString withoutComments(QStringView css)
{
    QString out;
    out.reserve(css.size());
    for (qsizetype i = 0; i < css.size(); ++i) {
        if (css[i] == u'/' && i + 1 < css.size() && css[i + 1] == u'*') {
            const qsizetype end = css.indexOf(QLatin1String("*/"), i + 2);
            if (end < 0) break;
            i = end + 1;
            out += u' ';
            continue;
        }
        out += css[i];
    }
    return out;
}

// True while the character at `i` belongs to a quoted string (its quotes included); an
// escape inside one steps `i` over the character it escapes.
bool inString(QStringView text, qsizetype& i, QChar& quote)
{
    const QChar c = text[i];
    if (!quote.isNull()) {
        if (c == u'\\')
            ++i;
        else if (c == quote)
            quote = QChar();
        return true;
    }
    if (c != u'"' && c != u'\'') return false;
    quote = c;
    return true;
}

// The index after the block that opens at `open` (a '{'), strings and nesting respected.
qsizetype blockEnd(QStringView css, qsizetype open)
{
    int depth = 0;
    QChar quote;
    for (qsizetype i = open; i < css.size(); ++i) {
        if (inString(css, i, quote)) continue;
        const QChar c = css[i];
        if (c == u'{') {
            ++depth;
        } else if (c == u'}' && --depth == 0) {
            return i + 1;
        }
    }
    return css.size();
}

// Splits on `sep` outside strings and parentheses.
QList<QStringView> split(QStringView text, QChar sep)
{
    QList<QStringView> out;
    int parens = 0;
    QChar quote;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (inString(text, i, quote)) continue;
        const QChar c = text[i];
        if (c == u'(') {
            ++parens;
        } else if (c == u')') {
            parens = std::max(0, parens - 1);
        } else if (c == sep && parens == 0) {
            out.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
    out.append(text.mid(start));
    return out;
}

bool isName(QStringView s)
{
    if (s == u'*') return true;
    if (s.isEmpty() || !s[0].isLetter()) return false;
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.isLetterOrNumber() || c == u'-'; });
}

// A selector of element names only; empty when it has anything else.
QList<Part> selectorOf(QStringView text)
{
    QList<Part> parts;
    bool child = false;
    QString spaced = text.toString();
    spaced.replace(u'>', QLatin1String(" > "));
    for (const QStringView token : QStringView(spaced).split(u' ', Qt::SkipEmptyParts)) {
        const QStringView t = token.trimmed();
        if (t.isEmpty()) continue;
        if (t == u'>') {
            if (parts.isEmpty() || child) return {};
            child = true;
            continue;
        }
        if (!isName(t) || parts.size() >= kMaxSelectorParts) return {};
        parts.append({t.toString().toLower(), child});
        child = false;
    }
    if (child) return {};
    return parts;
}

QList<Declaration> declarationsOf(QStringView block)
{
    QList<Declaration> out;
    for (const QStringView item : split(block, u';')) {
        const qsizetype colon = item.indexOf(u':');
        if (colon <= 0) continue;
        Declaration d;
        d.property = item.left(colon).trimmed().toString().toLower();
        QStringView value = item.mid(colon + 1).trimmed();
        const qsizetype bang = value.lastIndexOf(u'!');
        if (bang >= 0 && value.mid(bang + 1).trimmed().compare(QLatin1String("important"), Qt::CaseInsensitive) == 0) {
            d.important = true;
            value = value.left(bang).trimmed();
        }
        d.value = value.toString();
        out.append(d);
        if (out.size() >= kMaxDeclarations) break;
    }
    return out;
}

void readSheet(const QString& text, bool user, QList<Rule>& rules)
{
    const QString css = withoutComments(QStringView(text).left(ExportStyleSheet::maxCssChars));
    const QStringView all(css);
    int count = 0;
    qsizetype at = 0;
    while (at < css.size() && count < ExportStyleSheet::maxRules) {
        // One scan to the block or to the ';' that ends an at-statement (@import and its kind)
        // or stray text before it: nothing to read in either.
        qsizetype open = at;
        while (open < css.size() && css[open] != u'{' && css[open] != u';') ++open;
        if (open == css.size()) break;
        if (css[open] == u';') {
            at = open + 1;
            continue;
        }
        const QStringView prelude = all.mid(at, open - at).trimmed();
        const qsizetype end = blockEnd(all, open);
        const bool closed = css[end - 1] == u'}' && end - 1 > open; // an unclosed block ends with the sheet
        ++count;
        if (!prelude.startsWith(u'@')) { // an at-rule's block (media, fonts, pages) is skipped whole
            Rule rule;
            rule.user = user;
            for (const QStringView s : split(prelude, u',')) {
                QList<Part> parts = selectorOf(s);
                if (!parts.isEmpty()) rule.selectors.append(parts);
            }
            if (!rule.selectors.isEmpty()) {
                rule.declarations = declarationsOf(all.mid(open + 1, end - open - 1 - (closed ? 1 : 0)));
                rules.append(rule);
            }
        }
        at = end;
    }
}

// ---- Values ----

QColor colorOf(QStringView value)
{
    const QString v = value.trimmed().toString().toLower();
    if (v.startsWith(QLatin1String("rgb"))) {
        const qsizetype open = v.indexOf(u'('), close = v.indexOf(u')');
        if (open < 0 || close < open) return {};
        QString inner = v.mid(open + 1, close - open - 1);
        inner.replace(u'/', u' ').replace(u',', u' ');
        const QStringList parts = inner.split(u' ', Qt::SkipEmptyParts);
        if (parts.size() < 3) return {};
        double c[4] = {0, 0, 0, 1};
        for (int i = 0; i < std::min<int>(4, int(parts.size())); ++i) {
            QString p = parts[i];
            const bool percent = p.endsWith(u'%');
            if (percent) p.chop(1);
            bool ok = false;
            const double x = p.toDouble(&ok);
            if (!ok || !std::isfinite(x)) return {};
            c[i] = percent ? x / 100 * (i < 3 ? 255 : 1) : x;
        }
        // On paper a translucent colour shows over white.
        const double a = std::clamp(c[3], 0.0, 1.0);
        auto over = [a](double x) { return int(std::lround(std::clamp(x, 0.0, 255.0) * a + 255 * (1 - a))); };
        return QColor(over(c[0]), over(c[1]), over(c[2]));
    }
    if (v == QLatin1String("transparent") || v.size() > 32) return {};
    QColor color = QColor::fromString(v);
    if (color.isValid() && color.alpha() < 255) {
        const double a = color.alphaF();
        color = QColor(int(std::lround(color.red() * a + 255 * (1 - a))),
                       int(std::lround(color.green() * a + 255 * (1 - a))),
                       int(std::lround(color.blue() * a + 255 * (1 - a))));
    }
    return color;
}

struct Length {
    double value = 0;
    QString unit; // "px", "em", "%", "" for a plain number
    bool valid = false;
};

Length lengthOf(QStringView text)
{
    const QString t = text.trimmed().toString().toLower();
    qsizetype i = 0;
    while (i < t.size() && (t[i].isDigit() || t[i] == u'.' || t[i] == u'-' || t[i] == u'+')) ++i;
    bool ok = false;
    const double v = t.left(i).toDouble(&ok);
    if (!ok || !std::isfinite(v) || std::abs(v) > 1e5) return {};
    const QString unit = t.mid(i);
    static const QStringList kUnits = {"", "px", "pt", "pc", "in", "cm", "mm", "em", "rem", "%", "ex", "ch", "q"};
    if (!kUnits.contains(unit)) return {};
    return {v, unit, true};
}

// In CSS pixels; `em` is the size ems count from.
double pixels(const Length& l, double em)
{
    static const QHash<QString, double> kPerUnit = {
        {"px", 1},         {"pt", 96.0 / 72},  {"pc", 16},        {"in", 96},
        {"cm", 96 / 2.54}, {"mm", 9.6 / 2.54}, {"q", 2.4 / 2.54}, {"", 1}};
    if (l.unit == QLatin1String("em")) return l.value * em;
    if (l.unit == QLatin1String("rem")) return l.value * 16;
    if (l.unit == QLatin1String("%")) return l.value / 100 * em;
    if (l.unit == QLatin1String("ex") || l.unit == QLatin1String("ch")) return l.value * em / 2;
    return l.value * kPerUnit.value(l.unit, 1);
}

template <typename T> struct Value {
    T v{};
    bool user = false;
};

// One element's computed style, as far as it is read here.
struct Computed {
    Value<QColor> color;
    Value<QColor> background;
    Value<QStringList> families;
    Value<double> sizePx{16};
    Value<bool> bold;
    Value<bool> italic;
    Value<bool> underline;
    Value<bool> strike;
    Value<int> align{ExportTextStyle::Unset};
    Value<double> lineHeight{kBaseLineHeight}; // a multiple of the font size
    Value<Length> textIndent;
    Value<Length> marginTop, marginBottom, marginLeft, paddingLeft;
};

// The child's start: what CSS inherits, the rest back to nothing.
Computed inherit(const Computed& parent)
{
    Computed c;
    c.color = parent.color;
    c.families = parent.families;
    c.sizePx = parent.sizePx;
    c.bold = parent.bold;
    c.italic = parent.italic;
    c.underline = parent.underline; // decorations are drawn through the element's text
    c.strike = parent.strike;
    c.align = parent.align;
    c.lineHeight = parent.lineHeight;
    c.textIndent = parent.textIndent;
    return c;
}

QStringList familiesOf(QStringView value)
{
    QStringList out;
    for (const QStringView item : split(value, u',')) {
        QString name = item.trimmed().toString();
        if (name.size() >= 2 && (name[0] == u'"' || name[0] == u'\'') && name.endsWith(name[0]))
            name = name.mid(1, name.size() - 2).trimmed();
        else
            name = name.simplified();
        static const QStringList kGeneric = {"serif",     "sans-serif",   "monospace", "cursive",      "fantasy",
                                             "system-ui", "ui-monospace", "ui-serif",  "ui-sans-serif"};
        if (kGeneric.contains(name.toLower())) name = name.toLower();
        if (!name.isEmpty() && name.size() <= 64 && out.size() < 16) out.append(name);
    }
    return out;
}

void setWeight(Computed& c, QStringView v, bool user)
{
    const QString w = v.trimmed().toString().toLower();
    bool ok = false;
    const int n = w.toInt(&ok);
    if (ok)
        c.bold = {n >= 600, user};
    else if (w == QLatin1String("bold") || w == QLatin1String("bolder"))
        c.bold = {true, user};
    else if (w == QLatin1String("normal") || w == QLatin1String("lighter"))
        c.bold = {false, user};
}

void setSize(Computed& c, const Computed& parent, QStringView v, bool user)
{
    static const QHash<QString, double> kKeywords = {{"xx-small", 9},  {"x-small", 10},  {"small", 13},
                                                     {"medium", 16},   {"large", 18},    {"x-large", 24},
                                                     {"xx-large", 32}, {"xxx-large", 48}};
    const QString w = v.trimmed().toString().toLower();
    if (kKeywords.contains(w)) {
        c.sizePx = {kKeywords.value(w), user};
    } else if (w == QLatin1String("smaller") || w == QLatin1String("larger")) {
        c.sizePx = {parent.sizePx.v * (w == QLatin1String("smaller") ? 0.833 : 1.2), user || parent.sizePx.user};
    } else {
        const Length l = lengthOf(w);
        if (!l.valid || l.value <= 0) return;
        const bool relative = l.unit == QLatin1String("em") || l.unit == QLatin1String("%")
                              || l.unit == QLatin1String("ex") || l.unit == QLatin1String("ch");
        c.sizePx = {std::clamp(pixels(l, parent.sizePx.v), 1.0, 1000.0), user || (relative && parent.sizePx.user)};
    }
}

void setLineHeight(Computed& c, QStringView v, bool user)
{
    const QString w = v.trimmed().toString().toLower();
    if (w == QLatin1String("normal")) {
        c.lineHeight = {1.2, user};
        return;
    }
    const Length l = lengthOf(w);
    if (!l.valid || l.value <= 0) return;
    double multiple = l.value;
    if (l.unit == QLatin1String("%"))
        multiple = l.value / 100;
    else if (!l.unit.isEmpty() && l.unit != QLatin1String("em"))
        multiple = pixels(l, c.sizePx.v) / c.sizePx.v;
    c.lineHeight = {std::clamp(multiple, 0.5, 5.0), user};
}

// font: [style] [variant] [weight] size[/line-height] family, family...
void setFont(Computed& c, const Computed& parent, QStringView v, bool user)
{
    const QList<QStringView> words = v.trimmed().split(u' ', Qt::SkipEmptyParts);
    c.italic = {false, user};
    c.bold = {false, user};
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString w = words[i].toString().toLower();
        if (w == QLatin1String("italic") || w == QLatin1String("oblique")) {
            c.italic = {true, user};
            continue;
        }
        if (w == QLatin1String("normal") || w == QLatin1String("small-caps")) continue;
        bool isWeight = false;
        w.toInt(&isWeight);
        if (isWeight || w == QLatin1String("bold") || w == QLatin1String("bolder") || w == QLatin1String("lighter")) {
            setWeight(c, w, user);
            continue;
        }
        const qsizetype slash = w.indexOf(u'/');
        setSize(c, parent, QStringView(w).left(slash < 0 ? w.size() : slash), user);
        if (slash >= 0) setLineHeight(c, QStringView(w).mid(slash + 1), user);
        // The rest is the family list, commas and quotes as written.
        QStringList rest;
        for (qsizetype k = i + 1; k < words.size(); ++k) rest.append(words[k].toString());
        const QStringList families = familiesOf(rest.join(u' '));
        if (!families.isEmpty()) c.families = {families, user};
        return;
    }
}

void setDecoration(Computed& c, QStringView v, bool user)
{
    const QString w = v.toString().toLower();
    if (w.contains(QLatin1String("none"))) {
        c.underline = {false, user};
        c.strike = {false, user};
        return;
    }
    if (w.contains(QLatin1String("underline"))) c.underline = {true, user};
    if (w.contains(QLatin1String("line-through"))) c.strike = {true, user};
}

// margin: 1 to 4 lengths; only the top, bottom and left ones matter here.
void setMargins(Computed& c, QStringView v, bool user)
{
    const QList<QStringView> parts = v.trimmed().split(u' ', Qt::SkipEmptyParts);
    QList<Length> l;
    for (const QStringView p : parts) {
        const Length one =
            p.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0 ? Length{0, "", true} : lengthOf(p);
        if (!one.valid) return;
        l.append(one);
    }
    if (l.isEmpty() || l.size() > 4) return;
    c.marginTop = {l[0], user};
    c.marginBottom = {l[l.size() >= 3 ? 2 : 0], user};
    c.marginLeft = {l[l.size() == 4 ? 3 : (l.size() >= 2 ? 1 : 0)], user};
}

void apply(Computed& c, const Computed& parent, const Declaration& d, bool user)
{
    const QString& p = d.property;
    const QStringView v(d.value);
    if (v.compare(QLatin1String("inherit"), Qt::CaseInsensitive) == 0) return; // as inherited, or as the writer has it
    if (p == QLatin1String("color")) {
        if (const QColor col = colorOf(v); col.isValid()) c.color = {col, user};
    } else if (p == QLatin1String("background-color") || p == QLatin1String("background")) {
        QColor col = colorOf(v);
        const QList<QStringView> words = col.isValid() ? QList<QStringView>() : split(v, u' ');
        for (qsizetype i = 0; !col.isValid() && i < words.size(); ++i) col = colorOf(words[i]);
        if (col.isValid()) c.background = {col, user};
    } else if (p == QLatin1String("font-family")) {
        if (const QStringList f = familiesOf(v); !f.isEmpty()) c.families = {f, user};
    } else if (p == QLatin1String("font-size")) {
        setSize(c, parent, v, user);
    } else if (p == QLatin1String("font-weight")) {
        setWeight(c, v, user);
    } else if (p == QLatin1String("font-style")) {
        const QString w = v.toString().trimmed().toLower();
        if (w == QLatin1String("italic") || w == QLatin1String("oblique") || w == QLatin1String("normal"))
            c.italic = {w != QLatin1String("normal"), user};
    } else if (p == QLatin1String("font")) {
        setFont(c, parent, v, user);
    } else if (p == QLatin1String("text-decoration") || p == QLatin1String("text-decoration-line")) {
        setDecoration(c, v, user);
    } else if (p == QLatin1String("text-align")) {
        static const QHash<QString, int> kAlign = {
            {"left", ExportTextStyle::Left},   {"start", ExportTextStyle::Left}, {"center", ExportTextStyle::Center},
            {"right", ExportTextStyle::Right}, {"end", ExportTextStyle::Right},  {"justify", ExportTextStyle::Justify}};
        const QString w = v.toString().trimmed().toLower();
        if (kAlign.contains(w)) c.align = {kAlign.value(w), user};
    } else if (p == QLatin1String("line-height")) {
        setLineHeight(c, v, user);
    } else if (p == QLatin1String("text-indent")) {
        if (const Length l = lengthOf(v); l.valid) c.textIndent = {l, user};
    } else if (p == QLatin1String("margin")) {
        setMargins(c, v, user);
    } else if (p == QLatin1String("margin-top") || p == QLatin1String("margin-bottom")
               || p == QLatin1String("margin-left") || p == QLatin1String("padding-left")) {
        const Length l = lengthOf(v);
        if (!l.valid) return;
        Value<Length>& target = p == QLatin1String("margin-top")      ? c.marginTop
                                : p == QLatin1String("margin-bottom") ? c.marginBottom
                                : p == QLatin1String("margin-left")   ? c.marginLeft
                                                                      : c.paddingLeft;
        target = {l, user};
    } else if (p == QLatin1String("padding")) {
        const QList<QStringView> parts = v.trimmed().split(u' ', Qt::SkipEmptyParts);
        if (parts.isEmpty() || parts.size() > 4) return;
        const Length l = lengthOf(parts[parts.size() == 4 ? 3 : (parts.size() >= 2 ? 1 : 0)]);
        if (l.valid) c.paddingLeft = {l, user};
    }
}

// One element of a role's chain of ancestors: the names it answers to.
using Element = QStringList;

// Whether `selector` picks the last element of chain[0 .. end).
bool matches(const QList<Part>& selector, const QList<Element>& chain, qsizetype end)
{
    auto fits = [](const Part& part, const Element& e) { return part.name == u'*' || e.contains(part.name); };
    qsizetype at = end - 1;
    qsizetype s = selector.size() - 1;
    if (!fits(selector[s], chain[at])) return false;
    while (s > 0) {
        const bool child = selector[s].child;
        --s;
        --at;
        if (child) {
            if (at < 0 || !fits(selector[s], chain[at])) return false;
            continue;
        }
        while (at >= 0 && !fits(selector[s], chain[at])) --at;
        if (at < 0) return false;
    }
    return true;
}

struct Ranked {
    const Declaration* d;
    bool user;
    bool important;
    int specificity;
    int order;
};

Computed computeElement(const QList<Rule>& rules, const QList<Element>& chain, qsizetype end, const Computed& parent)
{
    QList<Ranked> ranked;
    int order = 0;
    for (const Rule& rule : rules) {
        ++order;
        int specificity = -1;
        for (const QList<Part>& s : rule.selectors)
            if (matches(s, chain, end))
                specificity = std::max(
                    specificity, int(std::count_if(s.begin(), s.end(), [](const Part& p) { return p.name != u'*'; })));
        if (specificity < 0) continue;
        for (const Declaration& d : rule.declarations) ranked.append({&d, rule.user, d.important, specificity, order});
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        if (a.important != b.important) return b.important;
        if (a.specificity != b.specificity) return a.specificity < b.specificity;
        return a.order < b.order;
    });
    Computed c = inherit(parent);
    for (const Ranked& r : ranked) apply(c, parent, *r.d, r.user);
    return c;
}

struct RoleChain {
    QList<Element> chain;
    int box; // the element whose margins and background are the block's
};

RoleChain chainOf(int role)
{
    const Element html{"html"}, body{"body"}, p{"p"};
    switch (role) {
    case ExportTextStyles::Body: return {{html, body}, 1};
    case ExportTextStyles::Paragraph: return {{html, body, p}, 2};
    case ExportTextStyles::Quote: return {{html, body, {"blockquote"}, p}, 2};
    case ExportTextStyles::ListItem: return {{html, body, {"ul", "ol"}, {"li"}}, 3};
    case ExportTextStyles::CodeBlock: return {{html, body, {"pre"}, {"code"}}, 2};
    case ExportTextStyles::TableCell: return {{html, body, {"table"}, {"tbody"}, {"tr"}, {"td"}}, 5};
    case ExportTextStyles::Code: return {{html, body, p, {"code"}}, 3};
    case ExportTextStyles::Link: return {{html, body, p, {"a"}}, 3};
    case ExportTextStyles::Strong: return {{html, body, p, {"strong", "b"}}, 3};
    case ExportTextStyles::Emphasis: return {{html, body, p, {"em", "i"}}, 3};
    default: return {{html, body, {QStringLiteral("h%1").arg(role - ExportTextStyles::Heading1 + 1)}}, 2};
    }
}

double points(double px)
{
    return px * 0.75;
}

// What the CSS of a run's own element changes on top of its paragraph.
ExportTextStyle runStyle(const Computed& run, const Computed& paragraph)
{
    ExportTextStyle s;
    // Said for the run, not merely inherited from a paragraph whose style holds it already.
    auto changed = [](const auto& mine, const auto& outer) {
        return mine.user && (!outer.user || !(mine.v == outer.v));
    };
    if (changed(run.color, paragraph.color)) s.color = run.color.v;
    if (run.background.user) s.background = run.background.v;
    if (changed(run.families, paragraph.families)) s.families = run.families.v;
    if (changed(run.sizePx, paragraph.sizePx)) s.sizePt = points(run.sizePx.v);
    if (changed(run.bold, paragraph.bold)) s.bold = run.bold.v;
    if (changed(run.italic, paragraph.italic)) s.italic = run.italic.v;
    if (changed(run.underline, paragraph.underline)) s.underline = run.underline.v;
    if (changed(run.strike, paragraph.strike)) s.strike = run.strike.v;
    return s;
}

ExportTextStyle blockStyle(const Computed& leaf, const Computed& box)
{
    ExportTextStyle s;
    if (leaf.color.user) s.color = leaf.color.v;
    if (box.background.user)
        s.background = box.background.v;
    else if (leaf.background.user)
        s.background = leaf.background.v;
    if (leaf.families.user) s.families = leaf.families.v;
    if (leaf.sizePx.user) s.sizePt = points(leaf.sizePx.v);
    if (leaf.bold.user) s.bold = leaf.bold.v;
    if (leaf.italic.user) s.italic = leaf.italic.v;
    if (leaf.underline.user) s.underline = leaf.underline.v;
    if (leaf.strike.user) s.strike = leaf.strike.v;
    if (leaf.align.user) s.align = leaf.align.v;
    if (leaf.lineHeight.user) s.lineSpacing = leaf.lineHeight.v * kWriterLineSpacing / kBaseLineHeight;
    if (leaf.textIndent.user) s.firstLine = points(pixels(leaf.textIndent.v, leaf.sizePx.v));
    const double em = box.sizePx.v;
    if (box.marginTop.user) s.spaceBefore = std::max(0.0, points(pixels(box.marginTop.v, em)));
    if (box.marginBottom.user) s.spaceAfter = std::max(0.0, points(pixels(box.marginBottom.v, em)));
    if (box.marginLeft.user || box.paddingLeft.user)
        s.indentLeft = std::max(0.0, points(pixels(box.marginLeft.v, em) + pixels(box.paddingLeft.v, em)));
    return s;
}

} // namespace

ExportTextStyles ExportStyleSheet::read(const QString& themeCSS, const QString& userCSS)
{
    ExportTextStyles out;
    if (themeCSS.trimmed().isEmpty() && userCSS.trimmed().isEmpty()) return out;
    QList<Rule> rules;
    readSheet(Exporter::baseStyleSheet(), false, rules);
    const qsizetype base = rules.size();
    readSheet(themeCSS, true, rules);
    readSheet(userCSS, true, rules);
    if (rules.size() == base) return out;
    for (int role = 0; role < ExportTextStyles::RoleCount; ++role) {
        const RoleChain rc = chainOf(role);
        QList<Computed> computed;
        Computed parent;
        for (qsizetype i = 1; i <= rc.chain.size(); ++i) {
            parent = computeElement(rules, rc.chain, i, parent);
            computed.append(parent);
        }
        const bool run = role >= ExportTextStyles::Code;
        out.roles[role] =
            run ? runStyle(computed.last(), computed[rc.box - 1]) : blockStyle(computed.last(), computed[rc.box]);
        if (role == ExportTextStyles::ListItem) { // a list's levels set its items' indents
            out.roles[role].indentLeft.reset();
            out.roles[role].firstLine.reset();
        }
    }
    return out;
}
