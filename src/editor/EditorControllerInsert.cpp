// Insertions and wrapping of the editor controller: Markdown constructs put in place of
// the selection, each one undoable edit through `replace`.

#include "editor/EditorController.h"

#include "platform/TextUtil.h"
#include "render/MarkdownHTMLRenderer.h"
#include "styling/MarkdownCleaner.h"

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

// The ids the exported HTML gives the headings on `lines` (whose plain titles are
// `titles`). The body derives a heading's id from its rendered text, which differs from
// the plain title when the title holds inline Markdown ("a_b_c" renders as emphasis and
// gets the id "abc"), so each line is matched, in order, to the rendered heading of the
// same level and content, and takes that heading's id. A line the body renders as no
// heading (inside fenced code, "#" with nothing after it) keeps the slug of its title.
QStringList headingAnchors(const QString& text, const QStringList& lines, const QStringList& titles)
{
    static const QRegularExpression renderedRE(u"<h([1-6]) id=\"([^\"]*)\">(.*?)</h\\1>"_s);
    struct Rendered {
        int level;
        QString inner, id;
    };
    QList<Rendered> rendered;
    auto it = renderedRE.globalMatch(MarkdownHTMLRenderer::renderBody(text));
    while (it.hasNext()) {
        const auto m = it.next();
        rendered.append({m.captured(1).toInt(), m.captured(3), m.captured(2)});
    }
    QStringList anchors = MarkdownHTMLRenderer::uniqueSlugs(titles);
    qsizetype next = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto heading = MarkdownHTMLRenderer::parseHeading(TextUtil::trimBlanks(lines[i]));
        if (heading.level == 0) continue;
        const QString inner = MarkdownHTMLRenderer::renderInline(heading.text);
        for (qsizetype k = next; k < rendered.size(); ++k) {
            if (rendered[k].level != heading.level || rendered[k].inner != inner) continue;
            anchors[i] = rendered[k].id;
            next = k + 1;
            break;
        }
    }
    return anchors;
}

} // namespace

void EditorController::wrap(const QString& opening, const std::optional<QString>& closing)
{
    EditorTextView* view = textView();
    if (!view) return;
    const QString close = closing.value_or(opening);
    const TextRange sel = view->selectedRange();
    if (sel.length > 0) {
        const QString selected = view->text().mid(sel.location, sel.length);
        if (selected.startsWith(opening) && selected.endsWith(close)
            && selected.size() >= opening.size() + close.size()) {
            const QString inner = selected.mid(opening.size(), selected.size() - opening.size() - close.size());
            replace(sel, inner, TextRange(sel.location, int(inner.size())));
        } else {
            replace(sel, opening + selected + close, TextRange(sel.location + int(opening.size()), sel.length));
        }
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
    QList<int> levels;
    QStringList titles, lines;
    for (QStringView line : QStringView(text).split(u'\n')) {
        // A CR before the line feed is part of the line break, not of the title.
        if (line.endsWith(u'\r')) line.chop(1);
        const auto m = headingRE.match(line);
        if (!m.hasMatch()) continue;
        levels.append(int(m.capturedLength()));
        titles.append(TextUtil::trimBlanks(line.mid(m.capturedLength())));
        lines.append(line.toString());
    }
    if (titles.isEmpty()) return;
    const QStringList anchors = headingAnchors(text, lines, titles);
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
    insertAtSelection(*this, mediumDate(QDate::currentDate(), QLocale()));
}

QString EditorController::mediumDate(const QDate& date, const QLocale& locale)
{
    // Qt offers long and short date formats only; the medium style is the long one
    // without the weekday and with abbreviated month names.
    static const QRegularExpression weekdayFirst(u"^\\s*dddd[\\s,]*"_s);
    static const QRegularExpression weekdayElsewhere(u"[\\s,]*dddd"_s);
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.remove(weekdayFirst);
    format.remove(weekdayElsewhere);
    format.replace(u"MMMM"_s, u"MMM"_s);
    return locale.toString(date, format);
}

void EditorController::replaceDocumentText(const QString& newText)
{
    EditorTextView* view = textView();
    if (!view) return;
    const QString old = view->text();
    if (old == newText) return;
    const qsizetype shorter = std::min(old.size(), newText.size());
    qsizetype prefix = 0;
    while (prefix < shorter && old[prefix] == newText[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && old[old.size() - 1 - suffix] == newText[newText.size() - 1 - suffix])
        ++suffix;
    // Never cut a surrogate pair: the edit covers whole code points.
    if (prefix > 0 && old[prefix - 1].isHighSurrogate()) --prefix;
    if (suffix > 0 && old[old.size() - suffix].isLowSurrogate()) --suffix;

    const TextRange changed(int(prefix), int(old.size() - prefix - suffix));
    const QString inserted = newText.mid(prefix, newText.size() - prefix - suffix);
    const int delta = int(inserted.size()) - changed.length;
    const TextRange sel = view->selectedRange();
    TextRange after(changed.location + int(inserted.size()), 0);
    if (sel.end() <= changed.location) after = sel;
    else if (sel.location >= changed.end()) after = TextRange(sel.location + delta, sel.length);
    replace(changed, inserted, after);
}
