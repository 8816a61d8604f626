#include "editor/StyleBridge.h"

#include <cmath>

QFont StyleBridge::scaledFont(QFont f, double scale)
{
    const double points = f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize();
    // Sizes are points of a 96-per-inch page: one point is one pixel at zoom 1.
    f.setPixelSize(std::max(1, int(std::lround(points * scale))));
    return f;
}

namespace {

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

QTextCharFormat charFormat(const TextAttributes& a, double scale)
{
    if (a.markdownConceal)
        return StyledBlocks::concealFormat();
    QTextCharFormat f;
    if (a.font)
        f.setFont(StyleBridge::scaledFont(*a.font, scale), QTextCharFormat::FontPropertiesAll);
    if (a.foreground)
        f.setForeground(*a.foreground);
    if (a.background)
        f.setBackground(*a.background);
    if (a.underline)
        f.setFontUnderline(true);
    if (a.strikethrough)
        f.setFontStrikeOut(true);
    if (a.baselineOffset != 0 && a.font && a.font->pointSizeF() > 0)
        f.setBaselineOffset(100.0 * a.baselineOffset / a.font->pointSizeF());
    return f;
}

} // namespace

StyleResult StyleBridge::convert(const AttributedText& storage, TextRange range, double scale, double gridUnit)
{
    if (scale != m_scale) {
        m_cache.clear();
        m_scale = scale;
    }
    if (m_cache.size() > 4096)
        m_cache.clear();
    StyleResult r;
    r.scope = range;
    storage.forEachRun(range, [&](TextRange run, const TextAttributes& a) {
        auto it = m_cache.find(&a);
        // The address identifies a shared attribute set; the comparison guards against
        // an address reused after the set it named was freed.
        if (it == m_cache.end() || !(it->second.attrs == a))
            it = m_cache.insert_or_assign(&a, Cached{a, charFormat(a, scale)}).first;
        if (!it->second.format.isEmpty())
            r.runs.append({run.location, run.length, it->second.format});
        if (a.paragraphStyle)
            r.paragraphs.append({run.location, run.length, blockParagraph(*a.paragraphStyle, gridUnit)});
        return true;
    });
    return r;
}
