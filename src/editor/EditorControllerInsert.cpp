// Insertions and wrapping of the editor controller: Markdown constructs put in place of
// the selection, each one undoable edit through `replace`.

#include "editor/EditorController.h"

#include "platform/TextUtil.h"

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
