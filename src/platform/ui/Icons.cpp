#include "platform/ui/Icons.h"

#include <QHash>

namespace Icons {

namespace {
const QHash<QString, Entry>& table()
{
    static const QHash<QString, Entry> t{
        // Documents and files
        {"doc", {"text-x-generic", "document"}},
        {"doc.text", {"text-x-generic", "document"}},
        {"doc.fill", {"text-x-generic", "document"}},
        {"doc.plaintext", {"text-plain", "document"}},
        {"doc.richtext", {"text-richtext", "document"}},
        {"doc.badge.plus", {"document-new", "document"}},
        {"doc.badge.gearshape", {"document-properties", "document"}},
        {"doc.on.clipboard", {"edit-paste", "document"}},
        {"text.book.closed", {"accessories-dictionary", "document"}},
        {"character.book.closed", {"accessories-dictionary", "document"}},
        {"chart.bar.doc.horizontal", {"x-office-spreadsheet", "document"}},
        {"folder", {"folder", "folder"}},
        {"folder.badge.plus", {"folder-new", "folder"}},
        {"externaldrive.badge.exclamationmark", {"drive-harddisk", "folder"}},
        {"square.and.arrow.up", {"document-send", "arrow"}},
        {"square.and.arrow.up.on.square", {"document-export", "arrow"}},
        {"square.and.pencil", {"document-edit", "text"}},
        {"trash", {"edit-delete", "minus"}},
        {"clock.arrow.circlepath", {"document-open-recent", "clock"}},
        {"clock.badge.questionmark", {"document-open-recent", "clock"}},
        {"calendar", {"x-office-calendar", "clock"}},
        {"arrow.clockwise", {"view-refresh", "arrow"}},
        {"arrow.triangle.2.circlepath", {"view-refresh", "arrow"}},
        // Text formatting
        {"textformat", {"format-text-bold", "text"}},
        {"bold", {"format-text-bold", "text"}},
        {"italic", {"format-text-italic", "text"}},
        {"strikethrough", {"format-text-strikethrough", "text"}},
        {"bold.italic.underline", {"format-text-underline", "text"}},
        {"characters.uppercase", {"format-text-uppercase", "text"}},
        {"characters.lowercase", {"format-text-lowercase", "text"}},
        {"text.alignleft", {"format-justify-left", "text"}},
        {"text.aligncenter", {"format-justify-center", "text"}},
        {"text.alignright", {"format-justify-right", "text"}},
        {"text.justify", {"format-justify-fill", "text"}},
        {"text.justify.left", {"format-justify-fill", "text"}},
        {"text.quote", {"format-text-blockquote", "text"}},
        {"text.append", {"insert-text", "text"}},
        {"text.bubble", {"insert-text", "text"}},
        {"text.badge.plus", {"insert-text", "text"}},
        {"text.line.first.and.arrowtriangle.forward", {"format-indent-more", "text"}},
        {"increase.indent", {"format-indent-more", "list"}},
        {"decrease.indent", {"format-indent-less", "list"}},
        {"1.square", {"format-text-bold", "text"}},
        {"2.square", {"format-text-bold", "text"}},
        {"3.square", {"format-text-bold", "text"}},
        {"4.square", {"format-text-bold", "text"}},
        {"5.square", {"format-text-bold", "text"}},
        {"6.square", {"format-text-bold", "text"}},
        {"chevron.left.forwardslash.chevron.right", {"text-html", "text"}},
        {"curlybraces", {"text-x-script", "text"}},
        {"x.squareroot", {"accessories-calculator", "text"}},
        // Lists, tables, lines
        {"list.bullet", {"format-list-unordered", "list"}},
        {"list.bullet.indent", {"format-list-unordered", "list"}},
        {"list.number", {"format-list-ordered", "list"}},
        {"checklist", {"checkbox", "list"}},
        {"checkmark.circle", {"emblem-ok", "list"}},
        {"tablecells", {"x-office-spreadsheet", "table"}},
        {"tablecells.fill", {"x-office-spreadsheet", "table"}},
        {"tablecells.badge.ellipsis", {"x-office-spreadsheet", "table"}},
        {"square.grid.2x2", {"view-grid", "table"}},
        {"arrow.up.arrow.down", {"view-sort-ascending", "arrow"}},
        {"arrow.down.arrow.up", {"view-sort-descending", "arrow"}},
        {"arrow.up.to.line", {"go-top", "arrow"}},
        {"arrow.down.to.line", {"go-bottom", "arrow"}},
        {"arrow.left.to.line", {"go-first", "arrow"}},
        {"arrow.right.to.line", {"go-last", "arrow"}},
        {"arrow.down.right.and.arrow.up.left", {"view-restore", "arrow"}},
        {"arrow.up.left.and.arrow.down.right", {"view-fullscreen", "arrow"}},
        {"plus.square.on.square", {"edit-copy", "plus"}},
        {"rectangle.stack.badge.minus", {"edit-delete", "minus"}},
        {"selection.pin.in.out", {"edit-select-all", "text"}},
        {"xmark.square", {"edit-clear", "minus"}},
        {"xmark.circle.fill", {"edit-clear", "minus"}},
        {"plus", {"list-add", "plus"}},
        {"minus", {"list-remove", "minus"}},
        // View, search, settings
        {"magnifyingglass", {"edit-find", "magnifier"}},
        {"plus.magnifyingglass", {"zoom-in", "magnifier"}},
        {"minus.magnifyingglass", {"zoom-out", "magnifier"}},
        {"eye", {"view-visible", "generic"}},
        {"link", {"insert-link", "text"}},
        {"photo", {"insert-image", "document"}},
        {"ruler", {"measure", "generic"}},
        {"sidebar.left", {"view-left-pane", "generic"}},
        {"sidebar.squares.left", {"view-left-pane", "generic"}},
        {"chevron.down", {"go-down", "arrow"}},
        {"ellipsis.circle", {"view-more", "generic"}},
        {"paintpalette", {"preferences-desktop-theme", "gear"}},
        {"slider.horizontal.3", {"preferences-system", "gear"}},
        {"slider.horizontal.below.rectangle", {"preferences-system", "gear"}},
        {"keyboard", {"input-keyboard", "gear"}},
        {"command", {"input-keyboard", "gear"}},
        {"globe", {"applications-internet", "generic"}},
        {"questionmark.circle", {"help-about", "generic"}},
        {"exclamationmark.triangle", {"dialog-warning", "generic"}},
        {"person.2", {"system-users", "generic"}},
        {"briefcase", {"applications-office", "generic"}},
        {"tag", {"tag", "generic"}},
        {"face.smiling", {"face-smile", "generic"}},
        {"symbol", {"accessories-character-map", "text"}},
        // Language-model features
        {"sparkles", {"tools-wizard", "sparkle"}},
        {"wand.and.stars", {"tools-wizard", "sparkle"}},
        {"character.bubble", {"preferences-desktop-locale", "sparkle"}},
    };
    return t;
}
} // namespace

Entry entry(const QString& symbol)
{
    return table().value(symbol, Entry{"", "generic"});
}

bool isKnown(const QString& symbol)
{
    return table().contains(symbol);
}

QIcon icon(const QString& symbol)
{
    const Entry e = entry(symbol);
    const QIcon bundled(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(e.fallback)));
    if (!*e.themeName) return bundled;
    return QIcon::fromTheme(QLatin1String(e.themeName), bundled);
}

} // namespace Icons
