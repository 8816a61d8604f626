#include "platform/ui/Icons.h"

#include "platform/ColorContrast.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QTabWidget>

namespace Icons {

namespace {

// Symbol name → file under :/icons/symbols. Each file means one thing: two commands that do
// different things never share one.
const QHash<QString, QString>& table()
{
    static const QHash<QString, QString> t = [] {
        const std::pair<const char*, const char*> rows[] = {
            {"1.square", "1-square"},
            {"2.square", "2-square"},
            {"3.square", "3-square"},
            {"4.square", "4-square"},
            {"5.square", "5-square"},
            {"6.square", "6-square"},
            {"text.justify.left", "paragraph"},
            {"bold", "type-bold"},
            {"italic", "type-italic"},
            {"bold.italic.underline", "bw-bold-italic"},
            {"strikethrough", "type-strikethrough"},
            {"chevron.left.forwardslash.chevron.right", "code-slash"},
            {"text.bubble", "chat-square-text"},
            {"list.bullet", "list-ul"},
            {"list.number", "list-ol"},
            {"checklist", "list-check"},
            {"checkmark.circle", "check2-square"},
            {"text.quote", "quote"},
            {"curlybraces", "braces"},
            {"increase.indent", "indent"},
            {"decrease.indent", "unindent"},
            {"line.horizontal", "hr"},
            {"text.append", "superscript"},
            {"list.bullet.indent", "list-nested"},
            {"calendar", "calendar-date"},
            {"tablecells", "table"},
            {"square.grid.2x2", "grid"},
            {"square.grid.3x3", "grid-3x3"},
            {"x.squareroot", "plus-slash-minus"},
            {"tablecells.badge.ellipsis", "layout-three-columns"},
            {"table.row.above", "border-top"},
            {"table.row.below", "border-bottom"},
            {"table.column.left", "border-left"},
            {"table.column.right", "border-right"},
            {"table.row.delete", "bw-table-row-delete"},
            {"table.column.delete", "bw-table-column-delete"},
            {"table.align.left", "align-start"},
            {"table.align.center", "align-center"},
            {"table.align.right", "align-end"},
            {"characters.uppercase", "bw-uppercase"},
            {"characters.lowercase", "bw-lowercase"},
            {"textformat", "bw-titlecase"},
            {"arrow.up.arrow.down", "sort-alpha-down"},
            {"arrow.down.arrow.up", "sort-alpha-down-alt"},
            {"rectangle.stack.badge.minus", "funnel"},
            {"arrow.up.to.line", "arrow-bar-up"},
            {"arrow.down.to.line", "arrow-bar-down"},
            {"plus.square.on.square", "files"},
            {"xmark.square", "x-square"},
            {"selection.pin.in.out", "input-cursor-text"},
            {"eye", "eye"},
            {"markdown", "markdown"},
            {"lightbulb", "lightbulb"},
            {"sparkles", "stars"},
            {"wand.and.stars", "magic"},
            {"filetype.html", "filetype-html"},
            {"filetype.pdf", "filetype-pdf"},
            {"filetype.rtf", "bw-filetype-rtf"},
            {"filetype.docx", "filetype-docx"},
            {"filetype.odt", "bw-filetype-odt"},
            {"doc.on.clipboard", "clipboard"},
            {"text.alignleft", "text-left"},
            {"text.aligncenter", "text-center"},
            {"text.alignright", "text-right"},
            {"text.justify", "justify"},
            {"link", "link-45deg"},
            {"photo", "image"},
            {"character.bubble", "translate"},
            {"clock.arrow.circlepath", "clock-history"},
            {"sidebar.squares.left", "folder2-open"},
            {"sidebar.left", "layout-sidebar-inset"},
            {"ruler", "rulers"},
            {"command", "command"},
            {"ellipsis.circle", "three-dots"},
            {"square.and.arrow.up", "box-arrow-up"},
            {"doc", "file-earmark"},
            {"doc.text", "file-earmark-text"},
            {"doc.badge.plus", "file-earmark-plus"},
            {"doc.badge.gearshape", "file-earmark-code"},
            {"doc.on.doc", "files-alt"},
            {"text.book.closed", "book"},
            {"character.book.closed", "journal-text"},
            {"chart.bar.doc.horizontal", "bar-chart-line"},
            {"folder", "folder"},
            {"folder.badge.plus", "folder-plus"},
            {"externaldrive.badge.exclamationmark", "hdd"},
            {"square.and.arrow.up.on.square", "box-arrow-up-right"},
            {"square.and.pencil", "pencil-square"},
            {"pencil.line", "pencil"},
            {"trash", "trash"},
            {"clock.badge.questionmark", "clock"},
            {"arrow.clockwise", "arrow-clockwise"},
            {"arrow.triangle.2.circlepath", "arrow-repeat"},
            {"arrow.down.right.and.arrow.up.left", "arrows-angle-contract"},
            {"arrow.up.left.and.arrow.down.right", "arrows-angle-expand"},
            {"text.line.first.and.arrowtriangle.forward", "text-paragraph"},
            {"xmark.circle.fill", "x-circle-fill"},
            {"plus", "bw-plus"},
            {"minus", "bw-minus"},
            {"magnifyingglass", "search"},
            {"plus.magnifyingglass", "zoom-in"},
            {"minus.magnifyingglass", "zoom-out"},
            {"paintpalette", "palette"},
            {"slider.horizontal.3", "sliders"},
            {"slider.horizontal.below.rectangle", "tools"},
            {"keyboard", "keyboard"},
            {"globe", "globe"},
            {"questionmark.circle", "question-circle"},
            {"exclamationmark.triangle", "exclamation-triangle"},
            {"person.2", "people"},
            {"briefcase", "briefcase"},
            {"tag", "tag"},
            {"face.smiling", "emoji-smile"},
            {"spellcheck", "spellcheck"},
            {"chevron.down", "chevron-down"},
            {"text.badge.plus", "card-text"},
        };
        QHash<QString, QString> h;
        for (const auto& [symbol, name] : rows) h.insert(QString::fromLatin1(symbol), QString::fromLatin1(name));
        return h;
    }();
    return t;
}

const char* const kProperty = "bwSymbol";
const char* const kAccentProperty = "bwSymbolAccent";
const char* const kSizeProperty = "bwSymbolSize";
const char* const kDrawnProperty = "bwSymbolDrawnIn";

// The palette and pixel ratio a widget's symbols are drawn in.
QString drawnIn(const QWidget* w)
{
    return QString::number(w->palette().cacheKey()) + u' ' + QString::number(w->devicePixelRatioF());
}

QByteArray svgOf(const QString& path)
{
    static QHash<QString, QByteArray> cache;
    auto it = cache.find(path);
    if (it == cache.end()) {
        QFile f(path);
        it = cache.insert(path, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    }
    return *it;
}

// Draws the SVG with "currentColor" replaced by the colour for the icon's mode.
class TintedEngine : public QIconEngine {
public:
    TintedEngine(QString path, QColor normal, QColor disabled, QColor selected)
        : m_path(std::move(path)),
          m_normal(normal),
          m_disabled(disabled),
          m_selected(selected)
    {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const QColor c = mode == QIcon::Disabled ? m_disabled : mode == QIcon::Selected ? m_selected : m_normal;
        const QString key = QStringLiteral("bwicon:%1:%2:%3x%4")
                                .arg(m_path, c.name(QColor::HexArgb))
                                .arg(size.width())
                                .arg(size.height());
        QPixmap pm;
        if (QPixmapCache::find(key, &pm)) return pm;
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QByteArray svg = svgOf(m_path);
        svg.replace("currentColor", c.name(QColor::HexRgb).toLatin1());
        QSvgRenderer renderer(svg);
        if (renderer.isValid()) {
            QPainter p(&image);
            p.setOpacity(c.alphaF());
            const int side = std::min(size.width(), size.height());
            renderer.render(&p, QRectF((size.width() - side) / 2.0, (size.height() - side) / 2.0, side, side));
        }
        pm = QPixmap::fromImage(image);
        QPixmapCache::insert(key, pm);
        return pm;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = pixmap(rect.size() * dpr, mode, state);
        pm.setDevicePixelRatio(dpr);
        painter->drawPixmap(rect, pm);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new TintedEngine(*this); }
    QString key() const override { return QStringLiteral("bwtinted"); }

private:
    QString m_path;
    QColor m_normal, m_disabled, m_selected;
};

QIcon iconFor(QObject* object, const QPalette& palette)
{
    const QString symbol = object->property(kProperty).toString();
    return object->property(kAccentProperty).toBool() ? icon(symbol, legibleAccent(palette)) : icon(symbol, palette);
}

// Draws the symbols of a widget, its actions and its tabs again in its palette.
class Follower : public QObject {
public:
    static Follower& instance()
    {
        static auto* f = new Follower(qApp);
        return *f;
    }
    void follow(QWidget* w)
    {
        watch(w);
        redraw(w);
    }
    void watch(QWidget* w)
    {
        w->removeEventFilter(this);
        w->installEventFilter(this);
    }
    static void redraw(QWidget* w)
    {
        const QPalette& pal = w->palette();
        w->setProperty(kDrawnProperty, drawnIn(w));
        if (!w->property(kProperty).isNull()) {
            if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setIcon(iconFor(b, pal));
            if (auto* l = qobject_cast<QLabel*>(w)) {
                const int side = l->property(kSizeProperty).toInt();
                l->setPixmap(iconFor(l, pal).pixmap(QSize(side, side), l->devicePixelRatioF()));
            }
        }
        for (QAction* a : w->actions())
            if (!a->property(kProperty).isNull()) a->setIcon(iconFor(a, pal));
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                if (const QString s = tabs->widget(i)->property(kProperty).toString(); !s.isEmpty())
                    tabs->setTabIcon(i, icon(s, pal));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A menu is a window of its own: it is drawn again each time it opens, unless its
        // symbols were last drawn in the palette and pixel ratio it has.
        auto* w = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::PaletteChange
            || (event->type() == QEvent::Show && w->property(kDrawnProperty).toString() != drawnIn(w)))
            redraw(w);
        return false;
    }

private:
    using QObject::QObject;
};

} // namespace

QString file(const QString& symbol)
{
    return QStringLiteral(":/icons/symbols/%1.svg").arg(table().value(symbol, QStringLiteral("circle")));
}

bool isKnown(const QString& symbol)
{
    return table().contains(symbol);
}

QStringList symbols()
{
    return table().keys();
}

QIcon icon(const QString& symbol, const QPalette& palette)
{
    return QIcon(new TintedEngine(file(symbol), palette.color(QPalette::Active, QPalette::WindowText),
                                  palette.color(QPalette::Disabled, QPalette::WindowText),
                                  palette.color(QPalette::Active, QPalette::HighlightedText)));
}

QIcon icon(const QString& symbol)
{
    return icon(symbol, QApplication::palette());
}

QIcon icon(const QString& symbol, const QColor& color)
{
    return QIcon(new TintedEngine(file(symbol), color, color, color));
}

QIcon icon(const QString& symbol, const QColor& colour, const QPalette& palette)
{
    return QIcon(new TintedEngine(file(symbol), colour, palette.color(QPalette::Disabled, QPalette::WindowText),
                                  palette.color(QPalette::Active, QPalette::HighlightedText)));
}

QColor legibleAccent(const QPalette& palette)
{
    const QColor back = palette.color(QPalette::Window);
    QColor c = palette.color(QPalette::Highlight);
    const bool darkBack = ColorContrast::luminance(back) < 0.18;
    for (int i = 0; i < 20 && ColorContrast::ratio(c, back) < 3.0; ++i) c = darkBack ? c.lighter(112) : c.darker(112);
    return c;
}

void set(QAbstractButton* button, const QString& symbol, bool accent)
{
    button->setProperty(kProperty, symbol);
    button->setProperty(kAccentProperty, accent);
    Follower::instance().follow(button);
}

void set(QLabel* label, const QString& symbol, int size)
{
    label->setProperty(kProperty, symbol);
    label->setProperty(kSizeProperty, size);
    Follower::instance().follow(label);
}

void set(QAction* action, const QString& symbol, QWidget* shownIn)
{
    action->setProperty(kProperty, symbol);
    action->setIcon(icon(symbol, shownIn->palette()));
    // Only watched: drawing every other symbol of `shownIn` again made filling a menu
    // quadratic in its length.
    Follower::instance().watch(shownIn);
}

void setTab(QTabWidget* tabs, int index, const QString& symbol)
{
    tabs->widget(index)->setProperty(kProperty, symbol);
    Follower::instance().follow(tabs);
}

QString symbolOf(const QObject* object)
{
    return object->property(kProperty).toString();
}

} // namespace Icons
