// Line and block operations of the editor controller: each rewrites whole lines of the
// selection's line block as one undoable edit through `replace`.

#include "editor/EditorController.h"

#include "platform/TextUtil.h"

#include <QCollator>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The ICU-style \s and \d of the patterns below are Unicode-aware.
QRegularExpression unicodeRE(const QString& pattern)
{
    return QRegularExpression(pattern, QRegularExpression::UseUnicodePropertiesOption);
}

// The lines of a line block, cut at line feeds. A CR right before a line feed belongs to
// the line break: it is taken off the line and put back at the same position when the
// block is written, so rules never see or eat it and CR LF text keeps its breaks.
struct LineBlock {
    TextRange range;
    QStringList lines;
    QList<bool> crBeforeLf;
    bool endsWithLf = false;

    LineBlock(QStringView text, TextRange blockRange)
        : range(blockRange)
    {
        lines = TextUtil::splitLines(text.mid(blockRange.location, blockRange.length), &endsWithLf);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const bool followedByLf = i + 1 < lines.size() || endsWithLf;
            const bool cr = followedByLf && lines[i].endsWith(u'\r');
            if (cr) lines[i].chop(1);
            crBeforeLf.append(cr);
        }
    }

    // Lines that are not empty: the ones the toggles base their decision on.
    QStringList nonEmptyLines() const
    {
        QStringList out;
        for (const QString& l : lines)
            if (!l.isEmpty()) out.append(l);
        return out;
    }

    QString write(const QStringList& newLines) const
    {
        QString out;
        for (qsizetype i = 0; i < newLines.size(); ++i) {
            out += newLines[i];
            const bool followedByLf = i + 1 < newLines.size() || endsWithLf;
            if (!followedByLf) continue;
            if (i < crBeforeLf.size() && crBeforeLf[i]) out += u'\r';
            out += u'\n';
        }
        return out;
    }
};

bool allMatch(const QStringList& lines, const std::function<bool(const QString&)>& test)
{
    return std::all_of(lines.begin(), lines.end(), test);
}

// Where a caret on a rewritten line goes: onto the same character of the text that
// stayed, so a marker put in front or taken away moves it along; a caret inside the
// part that changed goes to the end of the new part.
int caretAfterLineChange(const QString& before, const QString& after, int column)
{
    qsizetype same = 0;
    while (same < before.size() && same < after.size()
           && before[before.size() - 1 - same] == after[after.size() - 1 - same])
        ++same;
    const qsizetype fromEnd = before.size() - std::clamp<qsizetype>(column, 0, before.size());
    return int(after.size() - std::min(fromEnd, same));
}

// Replaces the block. A selection becomes the whole new block; a caret stays a caret on
// its own text, so the next keystroke goes on typing instead of replacing the line. An
// edit that would change nothing is not made, so no empty undo step or modified mark
// appears; the selection is still what it would be after the edit.
void replaceBlock(EditorController& c, const LineBlock& block, const QStringList& newLines)
{
    const QString newText = block.write(newLines);
    EditorTextView* view = c.textView();
    const TextRange sel = view->selectedRange();
    TextRange after(block.range.location, int(newText.size()));
    if (sel.length == 0 && block.lines.size() == 1 && newLines.size() == 1)
        after = TextRange(block.range.location
                              + caretAfterLineChange(block.lines[0], newLines[0], sel.location - block.range.location),
                          0);
    if (view->textInRange(block.range) == newText)
        view->setSelectedRange(after);
    else
        c.replace(block.range, newText, after);
}

// The line transform shared by the toggles: `rule` sees each line (without its break)
// and its index; the decision, when the toggle needs one, is made before.
void transformLines(EditorController& c, const std::function<QString(const QString&)>& rule)
{
    EditorTextView* view = c.textView();
    if (!view) return;
    const LineBlock block(view->text(), c.selectionLineBlock());
    QStringList out;
    out.reserve(block.lines.size());
    for (const QString& line : block.lines) out.append(rule(line));
    replaceBlock(c, block, out);
    view->focusEditor();
}

LineBlock currentBlock(const EditorController& c)
{
    return LineBlock(c.textView()->text(), c.selectionLineBlock());
}

// The line break that ends a whole-line range (a line or a line block); empty when its
// last line is unterminated.
QString terminatorOf(QStringView text, TextRange lines)
{
    const TextRange content = TextUtil::lineContentRange(text, lines);
    return text.mid(content.end(), lines.end() - content.end()).toString();
}

// The break to add to a line that has none: the one of the line before, else LF.
QString breakBefore(QStringView text, int lineStart)
{
    if (lineStart <= 0) return QStringLiteral("\n");
    const QString t = terminatorOf(text, TextUtil::lineRange(text, lineStart - 1));
    return t.isEmpty() ? QStringLiteral("\n") : t;
}

void setAlignment(EditorController& c, QStringView kind)
{
    EditorTextView* view = c.textView();
    if (!view) return;
    const auto edit = EditorController::alignmentDirectiveEdit(view->text(), view->selectedRange().location, kind);
    // Without a change to make (left alignment where there is no directive) no edit is
    // made, but the caret still collapses to where the edit would have put it.
    if (view->textInRange(edit.range) == edit.replacement)
        view->setSelectedRange(TextRange(edit.caret, 0));
    else
        c.replace(edit.range, edit.replacement, TextRange(edit.caret, 0));
    view->focusEditor();
}

} // namespace

void EditorController::heading(int level)
{
    EditorTextView* view = textView();
    if (!view) return;
    static const QRegularExpression marker = unicodeRE(u"^#{1,6}\\s+"_s);
    const QString prefix = QString(std::max(level, 1), u'#') + u' ';
    const QStringList decisive = currentBlock(*this).nonEmptyLines();
    const bool has = allMatch(decisive, [&](const QString& l) { return l.startsWith(prefix); });
    transformLines(*this, [&](const QString& line) {
        QString l = line;
        const auto m = marker.match(l);
        if (m.hasMatch()) l.remove(0, m.capturedLength());
        return (level != 0 && !has) ? prefix + l : l;
    });
}

int EditorController::currentHeadingLevel() const
{
    EditorTextView* view = textView();
    if (!view) return 0;
    static const QRegularExpression marker = unicodeRE(u"^#{1,6}(?=\\s)"_s);
    const QString line = view->textInRange(view->lineRangeAt(view->selectedRange().location));
    const auto m = marker.match(line);
    return m.hasMatch() ? int(m.capturedLength()) : 0;
}

void EditorController::toggleNumbered()
{
    EditorTextView* view = textView();
    if (!view) return;
    static const QRegularExpression number = unicodeRE(u"^\\d+[.)]\\s+"_s);
    const QStringList decisive = currentBlock(*this).nonEmptyLines();
    const bool has =
        !decisive.isEmpty() && allMatch(decisive, [&](const QString& l) { return number.match(l).hasMatch(); });
    qint64 counter = 0;
    transformLines(*this, [&](const QString& line) -> QString {
        if (TextUtil::trimWhitespace(line).isEmpty()) return line;
        ++counter;
        if (has) {
            const auto m = number.match(line);
            return m.hasMatch() ? line.mid(m.capturedLength()) : line;
        }
        return QString::number(counter) + u". "_s + line;
    });
}

void EditorController::toggleTaskList()
{
    EditorTextView* view = textView();
    if (!view) return;
    static const QRegularExpression task = unicodeRE(u"^(\\s*)[-*+] \\[( |x|X)\\] "_s);
    static const QRegularExpression listItem = unicodeRE(u"^(\\s*)([-*+]|\\d+[.)])\\s+"_s);
    const QStringList decisive = currentBlock(*this).nonEmptyLines();
    const bool has =
        !decisive.isEmpty() && allMatch(decisive, [&](const QString& l) { return task.match(l).hasMatch(); });
    transformLines(*this, [&](const QString& line) -> QString {
        if (TextUtil::trimWhitespace(line).isEmpty()) return line;
        if (has) {
            const auto m = task.match(line);
            return m.hasMatch() ? m.captured(1) + line.mid(m.capturedLength()) : line;
        }
        if (task.match(line).hasMatch()) return line;
        const auto m = listItem.match(line);
        if (m.hasMatch()) {
            qsizetype spaces = 0;
            while (spaces < line.size() && line[spaces] == u' ') ++spaces;
            return QString(spaces, u' ') + u"- [ ] "_s + line.mid(m.capturedLength());
        }
        return u"- [ ] "_s + line;
    });
}

void EditorController::toggleTaskDone()
{
    static const QRegularExpression open = unicodeRE(u"^\\s*[-*+] \\[ \\] "_s);
    static const QRegularExpression done = unicodeRE(u"^\\s*[-*+] \\[(x|X)\\] "_s);
    transformLines(*this, [](const QString& line) -> QString {
        QString l = line;
        if (open.match(l).hasMatch()) return l.replace(u"[ ]"_s, u"[x]"_s);
        if (done.match(l).hasMatch()) return l.replace(u"[x]"_s, u"[ ]"_s).replace(u"[X]"_s, u"[ ]"_s);
        return l;
    });
}

void EditorController::indent()
{
    transformLines(*this, [](const QString& line) { return u"  "_s + line; });
}

void EditorController::outdent()
{
    transformLines(*this, [](const QString& line) -> QString {
        if (line.startsWith(u'\t')) return line.mid(1);
        if (line.startsWith(u"  "_s)) return line.mid(2);
        if (line.startsWith(u' ')) return line.mid(1);
        return line;
    });
}

void EditorController::toggleLinePrefix(const QString& prefix, const QStringList& alternates)
{
    EditorTextView* view = textView();
    if (!view) return;
    const QStringList markers = QStringList{prefix} + alternates;
    const QStringList decisive = currentBlock(*this).nonEmptyLines();
    const bool has = !decisive.isEmpty() && allMatch(decisive, [&](const QString& l) { return l.startsWith(prefix); });
    transformLines(*this, [&](const QString& line) -> QString {
        const auto m = std::find_if(markers.begin(), markers.end(),
                                    [&](const QString& mk) { return !mk.isEmpty() && line.startsWith(mk); });
        if (has) return m == markers.end() ? line : line.mid(m->size());
        return prefix + (m == markers.end() ? line : line.mid(m->size()));
    });
}

void EditorController::moveLineUp()
{
    EditorTextView* view = textView();
    if (!view) return;
    const QString text = view->text();
    const TextRange sel = view->selectedRange();
    const TextRange block = selectionLineBlock();
    if (block.location == 0) return;
    const TextRange prev = TextUtil::lineRange(text, block.location - 1);
    QString blockText = text.mid(block.location, block.length);
    QString prevText = text.mid(prev.location, prev.length);
    if (terminatorOf(text, block).isEmpty()) {
        // The block is the last line: it borrows the previous line's break.
        const QString brk = terminatorOf(text, prev);
        blockText += brk;
        prevText.chop(brk.size());
    }
    replace(TextRange(prev.location, block.end() - prev.location), blockText + prevText,
            TextRange(prev.location + (sel.location - block.location), sel.length));
    view->focusEditor();
}

void EditorController::moveLineDown()
{
    EditorTextView* view = textView();
    if (!view) return;
    const QString text = view->text();
    const TextRange sel = view->selectedRange();
    const TextRange block = selectionLineBlock();
    if (block.end() >= text.size()) return;
    const TextRange next = TextUtil::lineRange(text, block.end());
    QString blockText = text.mid(block.location, block.length);
    QString nextText = text.mid(next.location, next.length);
    const QString nextBreak = terminatorOf(text, next);
    if (nextBreak.isEmpty()) {
        // The next line is the last: it takes over the block's break.
        const QString brk = terminatorOf(text, block);
        nextText += brk;
        blockText.chop(brk.size());
    }
    replace(TextRange(block.location, next.end() - block.location), nextText + blockText,
            TextRange(block.location + int(nextText.size()) + (sel.location - block.location), sel.length));
    view->focusEditor();
}

void EditorController::duplicateLine()
{
    EditorTextView* view = textView();
    if (!view) return;
    const QString text = view->text();
    const TextRange sel = view->selectedRange();
    const TextRange block = selectionLineBlock();
    QString copy = text.mid(block.location, block.length);
    if (terminatorOf(text, block).isEmpty()) copy += breakBefore(text, TextUtil::lineRange(text, block.end()).location);
    replace(TextRange(block.location, 0), copy, TextRange(sel.location + int(copy.size()), sel.length));
    view->focusEditor();
}

void EditorController::deleteLine()
{
    EditorTextView* view = textView();
    if (!view) return;
    const int length = view->textLength();
    const TextRange block = selectionLineBlock();
    replace(block, QString(), TextRange(std::min(block.location, std::max(length - block.length, 0)), 0));
    view->focusEditor();
}

void EditorController::selectLine()
{
    EditorTextView* view = textView();
    if (!view) return;
    view->setSelectedRange(selectionLineBlock());
}

void EditorController::sortLines(bool ascending)
{
    if (!textView()) return;
    const LineBlock block = currentBlock(*this);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QStringList sorted = block.lines;
    std::stable_sort(sorted.begin(), sorted.end(), [&](const QString& a, const QString& b) {
        const int c = collator.compare(a, b);
        return ascending ? c < 0 : c > 0;
    });
    replaceBlock(*this, block, sorted);
}

void EditorController::removeDuplicateLines()
{
    if (!textView()) return;
    const LineBlock block = currentBlock(*this);
    QSet<QString> seen;
    QStringList kept;
    for (const QString& line : block.lines) {
        // Canonically equivalent spellings ("é" precomposed or not) are the same line.
        const QString key = line.normalized(QString::NormalizationForm_C);
        if (seen.contains(key)) continue;
        seen.insert(key);
        kept.append(line);
    }
    replaceBlock(*this, block, kept);
}

void EditorController::alignLeft()
{
    setAlignment(*this, u"left"_s);
}
void EditorController::alignCenter()
{
    setAlignment(*this, u"center"_s);
}
void EditorController::alignRight()
{
    setAlignment(*this, u"right"_s);
}
void EditorController::alignJustify()
{
    setAlignment(*this, u"justify"_s);
}

EditorController::TextEdit EditorController::alignmentDirectiveEdit(QStringView text, int selectionStart,
                                                                    QStringView kind)
{
    static const QRegularExpression directive(u"^\\{\\.(left|right|center|justify)\\}$"_s);
    const TextRange line = TextUtil::lineRange(text, std::clamp(selectionStart, 0, int(text.size())));
    TextRange target(line.location, 0);
    if (line.location != 0) {
        const TextRange prev = TextUtil::lineRange(text, line.location - 1);
        const QString trimmed = TextUtil::trimWhitespaceAndNewlines(text.mid(prev.location, prev.length));
        if (directive.match(trimmed).hasMatch()) target = prev;
    }
    TextEdit edit;
    edit.range = target;
    if (kind != u"left"_s) edit.replacement = u"{."_s + kind.toString() + u'}' + breakBefore(text, line.location);
    edit.caret = std::max(0, selectionStart + int(edit.replacement.size()) - target.length);
    return edit;
}

void EditorController::transformSelection(const std::function<QString(const QString&)>& transform)
{
    EditorTextView* view = textView();
    if (!view) return;
    const QString text = view->text();
    const TextRange sel = view->selectedRange();
    const TextRange target = sel.length > 0 ? sel : rangeOfWord(text, sel.location);
    if (target.length < 1) return;
    const QString result = transform(text.mid(target.location, target.length));
    // The transformed selection stays selected; a caret in a word stays a caret there
    // (after it when it stood at its end), so the next key typed does not replace the word.
    const int grown = int(result.size()) - target.length;
    const TextRange after = sel.length > 0 ? TextRange(target.location, int(result.size()))
                                           : TextRange(sel.location + (sel.location == target.end() ? grown : 0), 0);
    replace(target, result, after);
    view->focusEditor();
}

void EditorController::requestContinuation()
{
    if (textView() && m_continuationRequester) m_continuationRequester();
}

TextRange EditorController::rangeOfWord(QStringView text, int index)
{
    const int n = int(text.size());
    if (n == 0) return TextRange(index, 0);
    auto isWord = [&](int pos) {
        if (pos < 0 || pos >= n) return false;
        const QChar c = text[pos];
        return !c.isSurrogate() && c.isLetterOrNumber();
    };
    int p = std::min(index, n - 1);
    if (!isWord(p) && !isWord(p - 1)) return TextRange(index, 0);
    if (!isWord(p)) --p;
    int start = p, end = p;
    while (isWord(start - 1)) --start;
    while (isWord(end)) ++end;
    return TextRange(start, end - start);
}

QString EditorController::lineBreakOf(QStringView text)
{
    const qsizetype lf = text.indexOf(u'\n');
    return (lf > 0 && text[lf - 1] == u'\r') ? QStringLiteral("\r\n") : QStringLiteral("\n");
}
