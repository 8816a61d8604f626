#include "editor/LineBreaking.h"

#include <QTextBoundaryFinder>
#include <QTextLayout>

namespace {

// Letters without a space between them beyond which a text is broken line by line here: a
// shorter run costs the layout's own wrapping at most a few milliseconds.
constexpr int longRun = 2048;

bool hasLongRun(const QString& text)
{
    if (text.size() < longRun) return false;
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run >= longRun) return true;
    }
    return false;
}

// Whether the line's first word ends within [start, end]: a space or a place to break
// after its first character. Where it does not, the word is wider than the line.
bool firstWordEndsBy(const QString& text, QTextBoundaryFinder& breaks, int start, int end)
{
    for (int i = start + 1; i <= end; ++i) {
        if (text.at(i - 1).isSpace() || text.at(i).isSpace()) return true;
        breaks.setPosition(i);
        if (breaks.isAtBoundary()) return true;
    }
    return false;
}

} // namespace

namespace LineBreaking {

void breakLines(QTextLayout& layout, const QString& text, double width)
{
    const QTextOption words = layout.textOption();
    if (words.wrapMode() != QTextOption::WrapAtWordBoundaryOrAnywhere || !hasLongRun(text)) {
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) line.setLineWidth(width);
        return;
    }
    // Each line is broken anywhere first, which costs only its own length. Where its first
    // word ends within it, the word fits: the line is broken again at word boundaries, as
    // the layout would (reading at most to the end of the word after the line). Where it
    // does not, the layout would break the line anywhere too, after measuring the whole word.
    QTextOption anywhere = words;
    anywhere.setWrapMode(QTextOption::WrapAnywhere);
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    const int n = int(text.size());
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        layout.setTextOption(anywhere);
        line.setLineWidth(width);
        const int start = line.textStart();
        const int end = start + line.textLength();
        if (end < n && firstWordEndsBy(text, breaks, start, end)) {
            layout.setTextOption(words);
            line.setLineWidth(width);
        }
    }
    layout.setTextOption(words);
}

} // namespace LineBreaking
