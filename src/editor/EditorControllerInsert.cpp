// Insertions and wrapping of the editor controller: Markdown constructs put in place of
// the selection, each one undoable edit through `replace`.

#include "editor/EditorController.h"

#include "platform/DateText.h"
#include "platform/TextUtil.h"
#include "render/MarkdownHTMLRenderer.h"
#include "styling/MarkdownCleaner.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Replaces the selection with `text`, puts the caret after it and focuses the editor.
void insertAtSelection(EditorController& c, const QString& text)
{
    EditorTextView* view = c.textView();
    if (!view) return;
    const TextRange sel = view->selectedRange();
    c.replace(sel, text, TextRange(sel.location + int(text.size()), 0));
    view->focusEditor();
}

QString tableRow(int cols, const std::function<QString(int)>& cell)
{
    QStringList cells;
    for (int i = 1; i <= cols; ++i) cells.append(cell(i));
    return u"| "_s + cells.join(u" | "_s) + u" |"_s;
}

// The ids the exported HTML gives the headings on the text's lines `headingLines`
// (indices of the lines cut at line feeds; `titles` are their plain titles). The body
// numbers repeated ids over every heading it renders, also headings this line scan does
// not list (inside quotes, indented) and none of the lines inside fenced code, so the ids
// come from the renderer's own headings. A listed line that renders as no heading, or
// whose title is blank, keeps the slug of its title.
QStringList headingAnchors(const QString& text, const QList<int>& headingLines, const QStringList& titles)
{
    QHash<int, QString> rendered;
    for (const MarkdownHTMLRenderer::HeadingAnchor& a : MarkdownHTMLRenderer::headingAnchors(text))
        rendered.insert(a.line, a.id);
    QStringList anchors = MarkdownHTMLRenderer::uniqueSlugs(titles);
    for (qsizetype i = 0; i < headingLines.size(); ++i)
        if (const auto it = rendered.constFind(headingLines[i]);
            it != rendered.cend() && !TextUtil::trimWhitespaceAndNewlines(titles[i]).isEmpty())
            anchors[i] = *it;
    return anchors;
}

enum class MarkersAround { EmptyPair, BeforeClosing };

// Whether the caret at `caret` stands between an opening and a closing marker with nothing
// between them, or right after a span's text and before its closing marker. A marker that is
// part of a longer run of its character ("*" before "**" closes bold, not italic) or that
// follows a blank (it opens a span) is neither.
std::optional<MarkersAround> markersAroundCaret(const EditorTextView& view, int caret, const QString& opening,
                                                const QString& close)
{
    if (close.isEmpty()) return std::nullopt;
    const int before = int(opening.size());
    const int at = std::min(caret, before);
    const QString near = view.textInRange(TextRange(caret - at, at + int(close.size()) + 1));
    if (near.mid(at, close.size()) != close || near.mid(at + close.size(), 1) == close.right(1)) return std::nullopt;
    if (at == before && near.left(at) == opening) return MarkersAround::EmptyPair;
    if (at == 0 || near.at(at - 1).isSpace() || near.at(at - 1) == close.front()) return std::nullopt;
    return MarkersAround::BeforeClosing;
}

} // namespace

void EditorController::wrap(const QString& opening, const std::optional<QString>& closing)
{
    EditorTextView* view = textView();
    if (!view) return;
    const QString close = closing.value_or(opening);
    TextRange sel = view->selectedRange();
    QString selected;
    if (sel.length > 0) {
        // A selected line (Select Line, Shift+Down from its start) ends with its line break:
        // markers around it would put the closing one at the start of the next line, which
        // makes no span and breaks that line's own marker ("**> more"). The markers go
        // around the text alone, leaving line breaks at either end outside.
        selected = view->textInRange(sel);
        const auto isBreak = [](QChar ch) { return ch == u'\n' || ch == u'\r'; };
        qsizetype from = 0;
        qsizetype to = selected.size();
        while (to > 0 && isBreak(selected[to - 1])) --to;
        while (from < to && isBreak(selected[from])) ++from;
        // Nothing but breaks: a pair where the selection starts, as at a caret.
        if (from == to) from = to = 0;
        sel = TextRange(sel.location + int(from), int(to - from));
        selected = selected.mid(from, to - from);
    }
    if (sel.length > 0) {
        if (selected.startsWith(opening) && selected.endsWith(close)
            && selected.size() >= opening.size() + close.size()) {
            const QString inner = selected.mid(opening.size(), selected.size() - opening.size() - close.size());
            replace(sel, inner, TextRange(sel.location, int(inner.size())));
        } else {
            replace(sel, opening + selected + close, TextRange(sel.location + int(opening.size()), sel.length));
        }
    } else if (const auto around = markersAroundCaret(*view, sel.location, opening, close)) {
        // The same key again ends what it began: an empty pair goes away, and a caret just
        // before the closing marker steps over it, so typing goes on after the span instead
        // of into a second, empty pair.
        if (*around == MarkersAround::EmptyPair)
            replace(TextRange(sel.location - int(opening.size()), int(opening.size() + close.size())), QString(),
                    TextRange(sel.location - int(opening.size()), 0));
        else
            view->setSelectedRange(TextRange(sel.location + int(close.size()), 0));
    } else {
        replace(sel, opening + close, TextRange(sel.location + int(opening.size()), 0));
    }
    view->focusEditor();
}

void EditorController::insertLinkTemplate()
{
    EditorTextView* view = textView();
    if (!view) return;
    const TextRange sel = view->selectedRange();
    const QString label = sel.length >= 1 ? view->text().mid(sel.location, sel.length) : u"text"_s;
    const QString link = u'[' + label + u"](https://)"_s;
    replace(sel, link, TextRange(sel.location + int(label.size()) + 3, 8));
    view->focusEditor();
}

void EditorController::insertLink(const QString& text, const QString& url)
{
    insertAtSelection(*this, u'[' + (text.isEmpty() ? url : text) + u"]("_s + url + u')');
}

void EditorController::insertImageMarkdown(const QString& alt, const QString& path)
{
    insertAtSelection(*this, u"!["_s + alt + u"]("_s + path + u')');
}

void EditorController::insertCodeBlock(const QString& language)
{
    EditorTextView* view = textView();
    if (!view) return;
    const QString text = view->text();
    const TextRange sel = view->selectedRange();
    const QString br = lineBreakOf(text);
    const QString selected = text.mid(sel.location, sel.length);
    const QString opening = u"```"_s + language + br;
    replace(sel, opening + selected + br + u"```"_s,
            TextRange(sel.location + int(opening.size()), int(selected.size())));
    view->focusEditor();
}

void EditorController::insertTable(int rows, int cols)
{
    EditorTextView* view = textView();
    if (!view) return;
    // A table needs a column; callers promise one, a stray 0 still gives a usable table.
    cols = std::max(cols, 1);
    const QString br = lineBreakOf(view->text());
    const QString header = tableRow(cols, [](int i) { return u"Column "_s + QString::number(i); });
    const QString separator = tableRow(cols, [](int) { return u"---"_s; });
    const QString body = tableRow(cols, [](int) { return u"    "_s; });
    QStringList bodies(std::max(rows, 1), body);
    insertAtSelection(*this, br + header + br + separator + br + bodies.join(br) + br);
}

void EditorController::insertHorizontalRule()
{
    EditorTextView* view = textView();
    if (!view) return;
    const QString br = lineBreakOf(view->text());
    insertAtSelection(*this, br + u"---"_s + br);
}

void EditorController::insertFootnote()
{
    EditorTextView* view = textView();
    if (!view) return;
    const QString before = view->text();
    const TextRange sel = view->selectedRange();
    int n = 1;
    while (before.contains(u"[^"_s + QString::number(n) + u']')) ++n;
    const QString ref = u"[^"_s + QString::number(n) + u']';
    replace(sel, ref, TextRange(sel.location + int(ref.size()), 0));

    // Only a reference that went in gets a definition: a refused or impossible first
    // edit must not leave an orphan "[^n]: " at the end of the document.
    QString expected = before;
    if (sel.location >= 0 && sel.end() <= before.size()) expected.replace(sel.location, sel.length, ref);
    if (sel.end() > before.size() || view->text() != expected) {
        view->focusEditor();
        return;
    }
    const QString br = lineBreakOf(before);
    const QString definition = (before.endsWith(u'\n') ? br : br + br) + ref + u": "_s;
    const int end = view->textLength();
    replace(TextRange(end, 0), definition, TextRange(end + int(definition.size()), 0));
    view->focusEditor();
}

void EditorController::insertTableOfContents()
{
    EditorTextView* view = textView();
    if (!view) return;
    static const QRegularExpression headingRE(u"^#{1,6}(?=\\s)"_s, QRegularExpression::UseUnicodePropertiesOption);
    const QString text = view->text();
    QList<int> levels, headingLines;
    QStringList titles;
    int index = 0;
    for (QStringView line : QStringView(text).split(u'\n')) {
        const int lineIndex = index++;
        // A CR before the line feed is part of the line break, not of the title.
        if (line.endsWith(u'\r')) line.chop(1);
        const auto m = headingRE.match(line);
        if (!m.hasMatch()) continue;
        levels.append(int(m.capturedLength()));
        titles.append(TextUtil::trimBlanks(line.mid(m.capturedLength())));
        headingLines.append(lineIndex);
    }
    if (titles.isEmpty()) return;
    const QStringList anchors = headingAnchors(text, headingLines, titles);
    const QString br = lineBreakOf(text);
    QStringList entries;
    for (qsizetype i = 0; i < titles.size(); ++i)
        entries.append(QString(2 * (levels[i] - 1), u' ') + u"- ["_s + titles[i] + u"](#"_s + anchors.value(i) + u')');
    insertAtSelection(*this, br + entries.join(br) + br);
}

void EditorController::tableOp(TableTools::Op op)
{
    EditorTextView* view = textView();
    if (!view) return;
    const auto edit = TableTools::apply(op, view->text(), view->selectedRange().location);
    if (!edit) {
        view->beep();
        return;
    }
    replace(edit->range, edit->replacement, TextRange(edit->caret, 0));
    view->focusEditor();
}

void EditorController::cleanUpMarkdown()
{
    EditorTextView* view = textView();
    if (!view) return;
    const QString text = view->text();
    const QString cleaned = MarkdownCleaner::clean(text);
    if (cleaned == text) {
        view->beep();
        return;
    }
    const int caret = std::min(int(cleaned.size()), view->selectedRange().location);
    replace(TextRange(0, int(text.size())), cleaned, TextRange(caret, 0));
    view->focusEditor();
}

void EditorController::insertDate()
{
    insertAtSelection(*this, DateText::mediumDate(QDate::currentDate(), QLocale()));
}

void EditorController::replaceDocumentText(const QString& newText)
{
    EditorTextView* view = textView();
    if (!view) return;
    const QString old = view->text();
    if (old == newText) return;
    const TextRange changed = TextUtil::differingStretch(old, newText);
    const QString inserted = newText.mid(changed.location, newText.size() - old.size() + changed.length);
    const int delta = int(inserted.size()) - changed.length;
    const TextRange sel = view->selectedRange();
    TextRange after(changed.location + int(inserted.size()), 0);
    if (sel.end() <= changed.location)
        after = sel;
    else if (sel.location >= changed.end())
        after = TextRange(sel.location + delta, sel.length);
    replace(changed, inserted, after);
}
