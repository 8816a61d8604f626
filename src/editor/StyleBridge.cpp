#include "editor/StyleBridge.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

QFont StyleBridge::scaledFont(QFont f, double scale)
{
    const double points = f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize();
    // Sizes are points of a 96-per-inch page: one point is one pixel at zoom 1.
    f.setPixelSize(std::max(1, int(std::lround(points * scale))));
    return f;
}

namespace {

size_t mix(size_t seed, size_t v)
{
    return seed ^ (v + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

size_t attributesHash(const TextAttributes& a)
{
    size_t h = size_t(a.markdownConceal) | size_t(a.underline) << 1 | size_t(a.strikethrough) << 2;
    if (a.font)
        h = mix(mix(mix(h, std::hash<QString>{}(a.font->family())), std::hash<double>{}(a.font->pointSizeF())),
                size_t(a.font->weight()) << 1 | size_t(a.font->italic()));
    if (a.foreground) h = mix(h, size_t(a.foreground->rgba64()));
    if (a.background) h = mix(h, size_t(a.background->rgba64()) + 1);
    h = mix(h, std::hash<double>{}(a.baselineOffset));
    if (a.paragraphStyle)
        h = mix(mix(h, std::hash<double>{}(a.paragraphStyle->minimumLineHeight)),
                std::hash<double>{}(a.paragraphStyle->lineSpacing) + size_t(a.paragraphStyle->alignment));
    return h;
}

// Only what the layout shows: link targets and table models do not change the look.
bool sameLook(const TextAttributes& x, const TextAttributes& y)
{
    return x.markdownConceal == y.markdownConceal && x.underline == y.underline && x.strikethrough == y.strikethrough
           && x.baselineOffset == y.baselineOffset && x.foreground == y.foreground && x.background == y.background
           && x.paragraphStyle == y.paragraphStyle && x.font == y.font;
}

BlockParagraph blockParagraph(const ParagraphStyle& p, double gridUnit)
{
    BlockParagraph b;
    b.lineSpacing = p.lineSpacing;
    b.spacingAfter = p.paragraphSpacing;
    switch (p.alignment) {
    case ParagraphStyle::Alignment::Natural: b.alignment = Qt::AlignLeading; break;
    case ParagraphStyle::Alignment::Left: b.alignment = Qt::AlignLeft | Qt::AlignAbsolute; break;
    case ParagraphStyle::Alignment::Right: b.alignment = Qt::AlignRight | Qt::AlignAbsolute; break;
    case ParagraphStyle::Alignment::Center: b.alignment = Qt::AlignHCenter; break;
    case ParagraphStyle::Alignment::Justified: b.alignment = Qt::AlignJustify; break;
    }
    if (p.minimumLineHeight > 0 && p.minimumLineHeight == p.maximumLineHeight)
        b.rowHeight = p.minimumLineHeight * gridUnit;
    return b;
}

QTextCharFormat charFormat(const TextAttributes& a, double scale, const QFont& body)
{
    if (a.markdownConceal) return StyledBlocks::concealFormat();
    QTextCharFormat f;
    if (a.font) {
        const QFont font = StyleBridge::scaledFont(*a.font, scale);
        if (font != body) f.setFont(font, QTextCharFormat::FontPropertiesAll);
    }
    if (a.foreground) f.setForeground(*a.foreground);
    if (a.background) f.setBackground(*a.background);
    if (a.underline) f.setFontUnderline(true);
    if (a.strikethrough) f.setFontStrikeOut(true);
    if (a.baselineOffset != 0 && a.font && a.font->pointSizeF() > 0)
        f.setBaselineOffset(100.0 * a.baselineOffset / a.font->pointSizeF());
    return f;
}

} // namespace

const StyleBridge::Look& StyleBridge::lookFor(const TextAttributes& a)
{
    QList<const Look*>& bucket = m_looks[attributesHash(a)];
    for (const Look* l : bucket)
        if (sameLook(l->attrs, a)) return *l;
    TextAttributes key = a;
    key.tableModel.reset();
    key.wikiLinkTarget.reset();
    bucket.append(&m_store.emplace_back(Look{key, charFormat(a, m_scale, m_body), m_nextId++}));
    return *bucket.last();
}

StyleResult StyleBridge::convert(const AttributedText& storage, TextRange range, double scale, double gridUnit,
                                 const QFont& body)
{
    if (scale != m_scale || gridUnit != m_gridUnit || body != m_body || m_store.size() > 20000) {
        m_looks.clear();
        m_store.clear();
        m_scale = scale;
        m_gridUnit = gridUnit;
        m_body = body;
    }
    StyleResult r;
    r.scope = range;
    // Within one call the storage does not change, so an attribute set's address names
    // it; the last few are remembered to skip the lookup, since runs take turns among a
    // handful of sets (text, hidden markers, emphasis, code).
    struct Recent {
        const TextAttributes* attrs = nullptr;
        const Look* look = nullptr;
    };
    std::array<Recent, 8> recent{};
    std::size_t replaced = 0;
    const TextAttributes* lastPara = nullptr;
    storage.forEachRun(range, [&](TextRange run, const TextAttributes& a) {
        const auto known = std::find_if(recent.begin(), recent.end(), [&](const Recent& x) { return x.attrs == &a; });
        const Look& look = known != recent.end() ? *known->look : lookFor(a);
        if (known == recent.end()) recent[replaced++ % recent.size()] = {&a, &look};
        if (!look.format.isEmpty()) {
            if (!r.runs.isEmpty() && r.runs.last().formatId == look.id
                && r.runs.last().start + r.runs.last().length == run.location)
                r.runs.last().length += run.length;
            else
                r.runs.append({run.location, run.length, look.format, look.id});
        }
        if (a.paragraphStyle) {
            if (&a == lastPara && !r.paragraphs.isEmpty()
                && r.paragraphs.last().start + r.paragraphs.last().length == run.location)
                r.paragraphs.last().length += run.length;
            else
                r.paragraphs.append({run.location, run.length, blockParagraph(*a.paragraphStyle, gridUnit)});
            lastPara = &a;
        }
        return true;
    });
    return r;
}
