#pragma once

#include "editor/StyledBlocks.h"
#include "editor/ui/EditorCoordinator.h"
#include "platform/TextUtil.h"

#include <QRegularExpression>

// A hand-made stand-in for the styler: "**bold**" with hidden (or dimmed) markers and
// "# " headings, enough to drive the view's concealment, reveal and restyle paths.
inline StyleResult testStyle(const QString& text, std::optional<TextRange> window, const StylerState& st)
{
    static const QRegularExpression bold(QStringLiteral(R"(\*\*(.+?)\*\*)"));
    static const QRegularExpression heading(QStringLiteral(R"((?m)^(#{1,6} )(.*)$)"));
    StyleResult r;
    r.scope = window ? TextUtil::lineRange(text, *window) : TextRange(0, int(text.size()));
    auto marker = [&](int start, int len) {
        StyleRun run{start, len, {}};
        const bool reveal = !st.revealRange.isNotFound() && TextRange(start, len).intersects(st.revealRange);
        if (st.concealMarkers && !reveal) {
            run.format = StyledBlocks::concealFormat();
        } else {
            run.format.setForeground(QColor(0, 0, 0, 90));
        }
        r.runs.append(run);
    };
    QList<StyleRun> content;
    auto it = heading.globalMatch(text.mid(r.scope.location, r.scope.length));
    while (it.hasNext()) {
        const auto m = it.next();
        QTextCharFormat f;
        QFont font;
        font.setPixelSize(int(28 * st.scale));
        font.setBold(true);
        f.setFont(font, QTextCharFormat::FontPropertiesSpecifiedOnly);
        content.append({r.scope.location + int(m.capturedStart(2)), int(m.capturedLength(2)), f});
        marker(r.scope.location + int(m.capturedStart(1)), int(m.capturedLength(1)));
    }
    auto bit = bold.globalMatch(text.mid(r.scope.location, r.scope.length));
    while (bit.hasNext()) {
        const auto m = bit.next();
        const int s = r.scope.location + int(m.capturedStart(0));
        marker(s, 2);
        QTextCharFormat f;
        f.setFontWeight(QFont::Bold);
        content.append({s + 2, int(m.capturedLength(1)), f});
        marker(s + 2 + int(m.capturedLength(1)), 2);
    }
    r.runs.append(content);
    std::sort(r.runs.begin(), r.runs.end(), [](const StyleRun& a, const StyleRun& b) { return a.start < b.start; });
    return r;
}
