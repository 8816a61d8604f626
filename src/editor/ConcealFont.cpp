#include "editor/ConcealFont.h"

#include <QFontDatabase>
#include <QList>
#include <QtEndian>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <vector>

namespace {

class Writer {
public:
    QByteArray bytes;
    void u8(quint8 v) { bytes.append(char(v)); }
    void u16(quint16 v)
    {
        u8(quint8(v >> 8));
        u8(quint8(v));
    }
    void u32(quint32 v)
    {
        u16(quint16(v >> 16));
        u16(quint16(v));
    }
    void zeros(int n) { bytes.append(QByteArray(n, '\0')); }
};

quint32 checksum(const QByteArray& table)
{
    QByteArray padded = table;
    while (padded.size() % 4) padded.append('\0');
    quint32 sum = 0;
    for (qsizetype i = 0; i < padded.size(); i += 4) sum += qFromBigEndian<quint32>(padded.constData() + i);
    return sum;
}

constexpr quint16 kUnitsPerEm = 1000;

// Glyph 1 is the empty glyph every code point shows; the three after it carry advances of
// 1, 2 and 3 units (0.003 px at the 1 px the font is used at: nothing) for U+0000 to U+0002.
// Registering a font, fontconfig reads the advance of every code point in turn until it has
// seen three different ones: with only zero advances that is all 1,114,112 of them (about
// 20 ms of opening the first window), with these three it stops at the third.
constexpr int kGlyphCount = 5;
constexpr quint16 kAdvances[kGlyphCount] = {0, 0, 1, 2, 3};

QByteArray headTable()
{
    Writer w;
    w.u32(0x00010000); // version
    w.u32(0x00010000); // font revision
    w.u32(0);          // checksum adjustment, patched at the end
    w.u32(0x5F0F3CF5); // magic
    w.u16(0x000B);     // flags: baseline at y 0, integer ppem, lsb at x 0
    w.u16(kUnitsPerEm);
    w.zeros(16); // created, modified
    w.zeros(8);  // bounding box
    w.u16(0);    // mac style
    w.u16(1);    // lowest readable size
    w.u16(2);    // direction hint
    w.u16(0);    // short loca offsets
    w.u16(0);    // glyph data format
    return w.bytes;
}

QByteArray hheaTable()
{
    Writer w;
    w.u32(0x00010000);
    w.u16(kUnitsPerEm);                // ascender: 1 em
    w.u16(0);                          // descender
    w.u16(0);                          // line gap
    w.u16(kAdvances[kGlyphCount - 1]); // advance width max
    w.zeros(6);                        // min lsb, min rsb, x max extent
    w.u16(1);                          // caret slope rise
    w.u16(0);                          // caret slope run
    w.u16(0);                          // caret offset
    w.zeros(8);                        // reserved
    w.u16(0);                          // metric data format
    w.u16(kGlyphCount);                // a metric for each glyph
    return w.bytes;
}

QByteArray maxpTable()
{
    Writer w;
    w.u32(0x00010000);
    w.u16(kGlyphCount); // .notdef, the empty glyph and the three of the first code points
    w.zeros(8);
    w.u16(2); // max zones
    w.zeros(16);
    return w.bytes;
}

QByteArray hmtxTable()
{
    Writer w;
    for (quint16 advance : kAdvances) {
        w.u16(advance);
        w.u16(0); // lsb
    }
    return w.bytes;
}

QByteArray locaTable()
{
    Writer w;
    w.zeros(2 * (kGlyphCount + 1)); // every glyph empty
    return w.bytes;
}

// The code points the font maps. Fontconfig works out the languages a font supports from
// the code points it maps, and the toolkit looks a font up per script among those that
// claim it, so every code point of every language fontconfig knows is mapped: the whole
// Basic Multilingual Plane, and beyond it each 256-code-point page a language's characters
// fall in. Anything else reaches the empty glyph 0 (font merging is off where the font is
// used). Mapping all 1,114,112 code points made registering 17 ms slower: fontconfig reads
// each in turn.
std::vector<std::pair<quint32, quint32>> mappedRanges()
{
    std::set<quint32> pages;
    if (FcStrSet* langs = FcGetLangs()) {
        if (FcStrList* list = FcStrListCreate(langs)) {
            while (FcChar8* lang = FcStrListNext(list)) {
                const FcCharSet* chars = FcLangGetCharSet(lang);
                if (!chars) continue;
                FcChar32 map[FC_CHARSET_MAP_SIZE];
                FcChar32 next = 0;
                for (FcChar32 base = FcCharSetFirstPage(chars, map, &next); base != FC_CHARSET_DONE;
                     base = FcCharSetNextPage(chars, map, &next))
                    if (base > 0xFFFF) pages.insert(base & ~0xFFu);
            }
            FcStrListDone(list);
        }
        FcStrSetDestroy(langs);
    }
    std::vector<std::pair<quint32, quint32>> ranges{{0, 0xFFFF}};
    for (quint32 page : pages) {
        if (ranges.back().second + 1 == page)
            ranges.back().second = page + 0xFF;
        else
            ranges.emplace_back(page, page + 0xFF);
    }
    return ranges;
}

QByteArray cmapTable()
{
    // Many-to-one ranges: U+0000 to U+0002 each to a glyph of its own, the rest to glyph 1.
    struct Group {
        quint32 first, last, glyph;
    };
    std::vector<Group> groups = {{0, 0, 2}, {1, 1, 3}, {2, 2, 4}};
    for (const auto& [first, last] : mappedRanges()) groups.push_back({std::max<quint32>(first, 3), last, 1});
    Writer sub;
    sub.u16(13);
    sub.u16(0);
    sub.u32(quint32(16 + 12 * groups.size()));
    sub.u32(0);
    sub.u32(quint32(groups.size()));
    for (const Group& g : groups) {
        sub.u32(g.first);
        sub.u32(g.last);
        sub.u32(g.glyph);
    }
    Writer w;
    w.u16(0);
    w.u16(2);
    w.u16(0);
    w.u16(4);
    w.u32(20); // Unicode, full repertoire
    w.u16(3);
    w.u16(10);
    w.u32(20); // Windows, full repertoire
    w.bytes.append(sub.bytes);
    return w.bytes;
}

QByteArray nameTable(const QString& family)
{
    const QList<std::pair<quint16, QString>> names = {
        {1, family}, {2, QStringLiteral("Regular")}, {4, family}, {6, family}};
    Writer strings;
    Writer w;
    w.u16(0);
    w.u16(quint16(names.size()));
    w.u16(quint16(6 + 12 * names.size()));
    for (const auto& [id, text] : names) {
        const int offset = int(strings.bytes.size());
        for (QChar c : text) strings.u16(c.unicode());
        w.u16(3);
        w.u16(1);
        w.u16(0x409);
        w.u16(id);
        w.u16(quint16(text.size() * 2));
        w.u16(quint16(offset));
    }
    w.bytes.append(strings.bytes);
    return w.bytes;
}

QByteArray os2Table()
{
    Writer w;
    w.u16(4);    // version
    w.u16(0);    // average width
    w.u16(400);  // weight
    w.u16(5);    // width class
    w.u16(0);    // embedding: installable
    w.zeros(20); // sub/superscript and strike-out metrics
    w.u16(0);    // family class
    w.zeros(10); // panose
    w.zeros(16); // unicode ranges
    w.bytes.append("NONE", 4);
    w.u16(0x40); // regular
    w.u16(0);
    w.u16(0xFFFF);
    w.u16(kUnitsPerEm); // typo ascender
    w.u16(0);           // typo descender
    w.u16(0);           // typo line gap
    w.u16(kUnitsPerEm); // win ascent
    w.u16(0);           // win descent
    w.zeros(8);         // code pages
    w.u16(0);
    w.u16(0); // x height, cap height
    w.u16(0);
    w.u16(32);
    w.u16(0);
    return w.bytes;
}

QByteArray postTable()
{
    Writer w;
    w.u32(0x00030000); // no glyph names
    w.zeros(28);
    return w.bytes;
}

// Empties the charset and language set of the registered pattern so fontconfig never
// offers this font as a fallback for text in another font.
void removeFromFallback(const QString& family)
{
    FcFontSet* set = FcConfigGetFonts(nullptr, FcSetApplication);
    if (!set) return;
    const QByteArray name = family.toUtf8();
    for (int i = 0; i < set->nfont; ++i) {
        FcPattern* p = set->fonts[i];
        FcChar8* fam = nullptr;
        if (FcPatternGetString(p, FC_FAMILY, 0, &fam) != FcResultMatch || !fam) continue;
        if (qstrcmp(reinterpret_cast<const char*>(fam), name.constData()) != 0) continue;
        FcCharSet* empty = FcCharSetCreate();
        FcPatternDel(p, FC_CHARSET);
        FcPatternAddCharSet(p, FC_CHARSET, empty);
        FcCharSetDestroy(empty);
        FcLangSet* noLang = FcLangSetCreate();
        FcPatternDel(p, FC_LANG);
        FcPatternAddLangSet(p, FC_LANG, noLang);
        FcLangSetDestroy(noLang);
    }
}

} // namespace

namespace ConcealFont {

QString familyName()
{
    // In small letters: laying out a run, the toolkit looks its family up in small letters,
    // and a name already so is not copied first (every hidden marker of every block).
    return QStringLiteral("brindlewickconceal");
}

QByteArray fontData()
{
    std::map<QByteArray, QByteArray> tables = {
        {"OS/2", os2Table()},  {"cmap", cmapTable()}, {"glyf", QByteArray()},
        {"head", headTable()}, {"hhea", hheaTable()}, {"hmtx", hmtxTable()},
        {"loca", locaTable()}, {"maxp", maxpTable()}, {"name", nameTable(familyName())},
        {"post", postTable()}};
    const quint16 count = quint16(tables.size());
    quint16 power = 1, log2 = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log2;
    }
    Writer dir;
    dir.u32(0x00010000);
    dir.u16(count);
    dir.u16(quint16(power * 16));
    dir.u16(log2);
    dir.u16(quint16(count * 16 - power * 16));
    quint32 offset = 12 + 16 * count;
    QByteArray body;
    int headOffset = -1;
    for (const auto& [tag, data] : tables) { // std::map keeps the tags sorted
        dir.bytes.append(tag);
        dir.u32(checksum(data));
        dir.u32(offset);
        dir.u32(quint32(data.size()));
        if (tag == "head") headOffset = int(offset);
        QByteArray padded = data;
        while (padded.size() % 4) padded.append('\0');
        body.append(padded);
        offset += quint32(padded.size());
    }
    QByteArray file = dir.bytes + body;
    const quint32 adjustment = 0xB1B0AFBA - checksum(file);
    qToBigEndian(adjustment, file.data() + headOffset + 8);
    return file;
}

bool ensureRegistered()
{
    static const bool ok = [] {
        if (QFontDatabase::addApplicationFontFromData(fontData()) < 0) return false;
        removeFromFallback(familyName());
        return true;
    }();
    return ok;
}

QFont font()
{
    ensureRegistered();
    QFont f(familyName());
    f.setPixelSize(1);
    f.setStyleStrategy(QFont::NoFontMerging);
    f.setKerning(false);
    return f;
}

} // namespace ConcealFont
