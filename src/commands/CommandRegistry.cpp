#include "commands/CommandRegistry.h"

#include "commands/KeyCombo.h"
#include "editor/CaseTransform.h"
#include "editor/EditorController.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QTextBoundaryFinder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace CommandCategories {

const QList<CommandCategory>& all()
{
    static const QList<CommandCategory> list{
        CommandCategory::headings,  CommandCategory::format, CommandCategory::lists, CommandCategory::insert,
        CommandCategory::transform, CommandCategory::lines,  CommandCategory::view,  CommandCategory::exportAs,
    };
    return list;
}

namespace {
const char* titleSource(CommandCategory category)
{
    switch (category) {
    case CommandCategory::headings: return QT_TRANSLATE_NOOP("CommandCategory", "Headings");
    case CommandCategory::format: return QT_TRANSLATE_NOOP("CommandCategory", "Format");
    case CommandCategory::lists: return QT_TRANSLATE_NOOP("CommandCategory", "Lists & Blocks");
    case CommandCategory::insert: return QT_TRANSLATE_NOOP("CommandCategory", "Insert");
    case CommandCategory::transform: return QT_TRANSLATE_NOOP("CommandCategory", "Transform");
    case CommandCategory::lines: return QT_TRANSLATE_NOOP("CommandCategory", "Lines");
    case CommandCategory::view: return QT_TRANSLATE_NOOP("CommandCategory", "View");
    case CommandCategory::exportAs: return QT_TRANSLATE_NOOP("CommandCategory", "Export");
    }
    return "";
}
} // namespace

QString title(CommandCategory category)
{
    return QString::fromUtf8(titleSource(category));
}

QString shownTitle(CommandCategory category)
{
    return QCoreApplication::translate("CommandCategory", titleSource(category));
}

std::optional<CommandCategory> fromTitle(const QString& t)
{
    for (CommandCategory c : all())
        if (title(c) == t) return c;
    return std::nullopt;
}

} // namespace CommandCategories

namespace {

using Action = std::function<void(const CommandContext&)>;

// An action on the context's editor; nothing once the editor is gone.
template <typename F> Action onEditor(F f)
{
    return [f](const CommandContext& ctx) {
        if (EditorController* e = ctx.editor.data()) f(*e);
    };
}

Action wrapWith(const QString& opening, std::optional<QString> closing = std::nullopt)
{
    return onEditor([opening, closing](EditorController& e) { e.wrap(opening, closing); });
}

Action table(TableTools::Op op)
{
    return onEditor([op](EditorController& e) { e.tableOp(op); });
}

Action exportTo(ExportFormat format)
{
    return [format](const CommandContext& ctx) {
        if (ctx.isAlive() && ctx.exportAs) ctx.exportAs(format);
    };
}

QList<EditorCommand> buildAll()
{
    using C = CommandCategory;
    QList<EditorCommand> l;
    l.reserve(58);
    // Each title in English, marked for translation where it stands.
    auto add = [&l](const char16_t* id, const char* title, C cat, const char16_t* symbol, const char16_t* hint,
                    Action action) {
        l.append({QString::fromUtf16(id), QString::fromUtf8(title), cat, QString::fromUtf16(symbol),
                  QString::fromUtf16(hint), std::move(action)});
    };
    auto heading = [](int level) { return onEditor([level](EditorController& e) { e.heading(level); }); };

    add(u"h1", QT_TRANSLATE_NOOP("CommandRegistry", "Heading 1"), C::headings, u"1.square", u"⌘1", heading(1));
    add(u"h2", QT_TRANSLATE_NOOP("CommandRegistry", "Heading 2"), C::headings, u"2.square", u"⌘2", heading(2));
    add(u"h3", QT_TRANSLATE_NOOP("CommandRegistry", "Heading 3"), C::headings, u"3.square", u"⌘3", heading(3));
    add(u"h4", QT_TRANSLATE_NOOP("CommandRegistry", "Heading 4"), C::headings, u"4.square", u"⌘4", heading(4));
    add(u"h5", QT_TRANSLATE_NOOP("CommandRegistry", "Heading 5"), C::headings, u"5.square", u"⌘5", heading(5));
    add(u"h6", QT_TRANSLATE_NOOP("CommandRegistry", "Heading 6"), C::headings, u"6.square", u"⌘6", heading(6));
    add(u"body", QT_TRANSLATE_NOOP("CommandRegistry", "Body Text"), C::headings, u"text.justify.left", u"⌘0",
        heading(0));

    add(u"bold", QT_TRANSLATE_NOOP("CommandRegistry", "Bold"), C::format, u"bold", u"⌘B", wrapWith(u"**"_s));
    add(u"italic", QT_TRANSLATE_NOOP("CommandRegistry", "Italic"), C::format, u"italic", u"⌘I", wrapWith(u"*"_s));
    add(u"boldItalic", QT_TRANSLATE_NOOP("CommandRegistry", "Bold Italic"), C::format, u"bold.italic.underline", u"",
        wrapWith(u"***"_s));
    add(u"strike", QT_TRANSLATE_NOOP("CommandRegistry", "Strikethrough"), C::format, u"strikethrough", u"⇧⌘X",
        wrapWith(u"~~"_s));
    // The menu gives Ctrl+E to another item, so Inline Code shows no key.
    add(u"code", QT_TRANSLATE_NOOP("CommandRegistry", "Inline Code"), C::format,
        u"chevron.left.forwardslash.chevron.right", u"", wrapWith(u"`"_s));
    add(u"comment", QT_TRANSLATE_NOOP("CommandRegistry", "Comment (HTML)"), C::format, u"text.bubble", u"",
        wrapWith(u"<!-- "_s, u" -->"_s));

    add(u"bullet", QT_TRANSLATE_NOOP("CommandRegistry", "Bulleted List"), C::lists, u"list.bullet", u"⇧⌘7",
        onEditor([](EditorController& e) {
            e.toggleLinePrefix(u"- "_s, {u"* "_s, u"+ "_s});
        }));
    add(u"numbered", QT_TRANSLATE_NOOP("CommandRegistry", "Numbered List"), C::lists, u"list.number", u"⇧⌘8",
        onEditor([](EditorController& e) { e.toggleNumbered(); }));
    add(u"task", QT_TRANSLATE_NOOP("CommandRegistry", "Task List"), C::lists, u"checklist", u"⇧⌘9",
        onEditor([](EditorController& e) { e.toggleTaskList(); }));
    add(u"taskDone", QT_TRANSLATE_NOOP("CommandRegistry", "Toggle Task Done"), C::lists, u"checkmark.circle", u"",
        onEditor([](EditorController& e) { e.toggleTaskDone(); }));
    add(u"quote", QT_TRANSLATE_NOOP("CommandRegistry", "Blockquote"), C::lists, u"text.quote", u"⇧⌘'",
        onEditor([](EditorController& e) { e.toggleLinePrefix(u"> "_s, {}); }));
    add(u"codeBlock", QT_TRANSLATE_NOOP("CommandRegistry", "Code Block"), C::lists, u"curlybraces", u"",
        onEditor([](EditorController& e) { e.insertCodeBlock(QString()); }));
    add(u"indent", QT_TRANSLATE_NOOP("CommandRegistry", "Indent"), C::lists, u"increase.indent", u"⌘]",
        onEditor([](EditorController& e) { e.indent(); }));
    add(u"outdent", QT_TRANSLATE_NOOP("CommandRegistry", "Outdent"), C::lists, u"decrease.indent", u"⌘[",
        onEditor([](EditorController& e) { e.outdent(); }));

    add(u"hr", QT_TRANSLATE_NOOP("CommandRegistry", "Horizontal Rule"), C::insert, u"line.horizontal", u"",
        onEditor([](EditorController& e) { e.insertHorizontalRule(); }));
    add(u"footnote", QT_TRANSLATE_NOOP("CommandRegistry", "Footnote"), C::insert, u"text.append", u"",
        onEditor([](EditorController& e) { e.insertFootnote(); }));
    add(u"toc", QT_TRANSLATE_NOOP("CommandRegistry", "Table of Contents"), C::insert, u"list.bullet.indent", u"",
        onEditor([](EditorController& e) { e.insertTableOfContents(); }));
    add(u"date", QT_TRANSLATE_NOOP("CommandRegistry", "Today's Date"), C::insert, u"calendar", u"",
        onEditor([](EditorController& e) { e.insertDate(); }));
    add(u"table22", QT_TRANSLATE_NOOP("CommandRegistry", "Table (2×2)"), C::insert, u"square.grid.2x2", u"",
        onEditor([](EditorController& e) { e.insertTable(2, 2); }));
    add(u"table33", QT_TRANSLATE_NOOP("CommandRegistry", "Table (3×3)"), C::insert, u"square.grid.3x3", u"",
        onEditor([](EditorController& e) { e.insertTable(3, 3); }));
    add(u"math", QT_TRANSLATE_NOOP("CommandRegistry", "Inline Math"), C::insert, u"x.squareroot", u"",
        wrapWith(u"$"_s));
    using Op = TableTools::Op;
    add(u"tblformat", QT_TRANSLATE_NOOP("CommandRegistry", "Format Table"), C::insert, u"tablecells.badge.ellipsis",
        u"", table(Op::format));
    add(u"tblrowabove", QT_TRANSLATE_NOOP("CommandRegistry", "Table: Insert Row Above"), C::insert, u"table.row.above",
        u"", table(Op::insertRowAbove));
    add(u"tblrowbelow", QT_TRANSLATE_NOOP("CommandRegistry", "Table: Insert Row Below"), C::insert, u"table.row.below",
        u"", table(Op::insertRowBelow));
    add(u"tbldelrow", QT_TRANSLATE_NOOP("CommandRegistry", "Table: Delete Row"), C::insert, u"table.row.delete", u"",
        table(Op::deleteRow));
    add(u"tblcolleft", QT_TRANSLATE_NOOP("CommandRegistry", "Table: Insert Column Left"), C::insert,
        u"table.column.left", u"", table(Op::insertColumnLeft));
    add(u"tblcolright", QT_TRANSLATE_NOOP("CommandRegistry", "Table: Insert Column Right"), C::insert,
        u"table.column.right", u"", table(Op::insertColumnRight));
    add(u"tbldelcol", QT_TRANSLATE_NOOP("CommandRegistry", "Table: Delete Column"), C::insert, u"table.column.delete",
        u"", table(Op::deleteColumn));
    add(u"tblalignl", QT_TRANSLATE_NOOP("CommandRegistry", "Table: Align Column Left"), C::insert, u"table.align.left",
        u"", table(Op::alignLeft));
    add(u"tblalignc", QT_TRANSLATE_NOOP("CommandRegistry", "Table: Align Column Center"), C::insert,
        u"table.align.center", u"", table(Op::alignCenter));
    add(u"tblalignr", QT_TRANSLATE_NOOP("CommandRegistry", "Table: Align Column Right"), C::insert,
        u"table.align.right", u"", table(Op::alignRight));

    add(u"upper", QT_TRANSLATE_NOOP("CommandRegistry", "UPPERCASE"), C::transform, u"characters.uppercase", u"",
        onEditor([](EditorController& e) { e.transformSelection(CaseTransform::upper); }));
    add(u"lower", QT_TRANSLATE_NOOP("CommandRegistry", "lowercase"), C::transform, u"characters.lowercase", u"",
        onEditor([](EditorController& e) { e.transformSelection(CaseTransform::lower); }));
    add(u"title", QT_TRANSLATE_NOOP("CommandRegistry", "Title Case"), C::transform, u"textformat", u"",
        onEditor([](EditorController& e) { e.transformSelection(CaseTransform::title); }));
    add(u"sortAZ", QT_TRANSLATE_NOOP("CommandRegistry", "Sort Lines A→Z"), C::transform, u"arrow.up.arrow.down", u"",
        onEditor([](EditorController& e) { e.sortLines(true); }));
    add(u"sortZA", QT_TRANSLATE_NOOP("CommandRegistry", "Sort Lines Z→A"), C::transform, u"arrow.down.arrow.up", u"",
        onEditor([](EditorController& e) { e.sortLines(false); }));
    add(u"dedupe", QT_TRANSLATE_NOOP("CommandRegistry", "Remove Duplicate Lines"), C::transform,
        u"rectangle.stack.badge.minus", u"", onEditor([](EditorController& e) { e.removeDuplicateLines(); }));

    add(u"lineUp", QT_TRANSLATE_NOOP("CommandRegistry", "Move Line Up"), C::lines, u"arrow.up.to.line", u"⌥↑",
        onEditor([](EditorController& e) { e.moveLineUp(); }));
    add(u"lineDown", QT_TRANSLATE_NOOP("CommandRegistry", "Move Line Down"), C::lines, u"arrow.down.to.line", u"⌥↓",
        onEditor([](EditorController& e) { e.moveLineDown(); }));
    add(u"dupLine", QT_TRANSLATE_NOOP("CommandRegistry", "Duplicate Line"), C::lines, u"plus.square.on.square", u"⇧⌘D",
        onEditor([](EditorController& e) { e.duplicateLine(); }));
    add(u"delLine", QT_TRANSLATE_NOOP("CommandRegistry", "Delete Line"), C::lines, u"xmark.square", u"⇧⌘K",
        onEditor([](EditorController& e) { e.deleteLine(); }));
    add(u"selLine", QT_TRANSLATE_NOOP("CommandRegistry", "Select Line"), C::lines, u"selection.pin.in.out", u"⌘L",
        onEditor([](EditorController& e) { e.selectLine(); }));

    add(u"toggleMode", QT_TRANSLATE_NOOP("CommandRegistry", "Toggle WYSIWYG / Markdown Source"), C::view, u"eye",
        u"⇧⌘M", [](const CommandContext& ctx) {
            if (ctx.isAlive() && ctx.toggleMode) ctx.toggleMode();
        });
    add(u"aisuggest", QT_TRANSLATE_NOOP("CommandRegistry", "Suggest Continuation"), C::view, u"lightbulb", u"⌃⌘/",
        onEditor([](EditorController& e) { e.requestContinuation(); }));
    add(u"cleanup", QT_TRANSLATE_NOOP("CommandRegistry", "Clean Up Markdown"), C::view, u"wand.and.stars", u"",
        onEditor([](EditorController& e) { e.cleanUpMarkdown(); }));

    add(u"exportHTML", QT_TRANSLATE_NOOP("CommandRegistry", "Export as HTML…"), C::exportAs, u"filetype.html", u"",
        exportTo(ExportFormat::html));
    add(u"exportPDF", QT_TRANSLATE_NOOP("CommandRegistry", "Export as PDF…"), C::exportAs, u"filetype.pdf", u"",
        exportTo(ExportFormat::pdf));
    add(u"exportRTF", QT_TRANSLATE_NOOP("CommandRegistry", "Export as Rich Text…"), C::exportAs, u"filetype.rtf", u"",
        exportTo(ExportFormat::rtf));
    add(u"exportDOCX", QT_TRANSLATE_NOOP("CommandRegistry", "Export as Word…"), C::exportAs, u"filetype.docx", u"",
        exportTo(ExportFormat::docx));
    add(u"exportODT", QT_TRANSLATE_NOOP("CommandRegistry", "Export as OpenDocument…"), C::exportAs, u"filetype.odt",
        u"", exportTo(ExportFormat::odt));
    add(u"copyHTML", QT_TRANSLATE_NOOP("CommandRegistry", "Copy as HTML"), C::exportAs, u"doc.on.clipboard", u"",
        exportTo(ExportFormat::copyHTML));
    return l;
}

// A lower-cased text cut into user-perceived characters, for comparing whole characters.
QStringList graphemes(const QString& s)
{
    QStringList out;
    QTextBoundaryFinder f(QTextBoundaryFinder::Grapheme, s);
    int from = 0;
    while (f.toNextBoundary() != -1) {
        const int to = f.position();
        out.append(s.mid(from, to - from));
        from = to;
    }
    return out;
}

bool startsWith(const QStringList& t, const QStringList& q)
{
    return q.size() <= t.size() && std::equal(q.begin(), q.end(), t.begin());
}

bool containsRun(const QStringList& t, const QStringList& q)
{
    return std::search(t.begin(), t.end(), q.begin(), q.end()) != t.end();
}

bool isSubsequence(const QStringList& t, const QStringList& q)
{
    auto it = t.begin();
    for (const QString& c : q) {
        it = std::find(it, t.end(), c);
        if (it == t.end()) return false;
        ++it;
    }
    return true;
}

bool isBlank(QChar c)
{
    return c == u'\t' || c.category() == QChar::Separator_Space;
}

struct Searchable {
    QStringList title;
    QStringList category;
};

const QList<Searchable>& searchables()
{
    static const QList<Searchable> list = [] {
        QList<Searchable> l;
        for (const EditorCommand& c : CommandRegistry::all())
            l.append(
                {graphemes(c.shownTitle().toLower()), graphemes(CommandCategories::shownTitle(c.category).toLower())});
        return l;
    }();
    return list;
}

} // namespace

QString EditorCommand::shownTitle() const
{
    return QCoreApplication::translate("CommandRegistry", title.toUtf8().constData());
}

QString EditorCommand::linuxHint() const
{
    return CommandRegistry::linuxKeys(shortcutHint);
}

void EditorCommand::run(const CommandContext& context, EditorTextView::Turn turn) const
{
    if (!action) return;
    if (EditorController* editor = context.editor.data())
        editor->inTurn([action = action, context] { action(context); }, turn);
    else
        action(context);
}

namespace CommandRegistry {

const QList<EditorCommand>& all()
{
    static const QList<EditorCommand> list = buildAll();
    return list;
}

QList<EditorCommand> inCategory(CommandCategory category)
{
    QList<EditorCommand> out;
    for (const EditorCommand& c : all())
        if (c.category == category) out.append(c);
    return out;
}

const EditorCommand* command(const QString& id)
{
    for (const EditorCommand& c : all())
        if (c.id == id) return &c;
    return nullptr;
}

QList<const EditorCommand*> search(const QString& query)
{
    const QList<EditorCommand>& commands = all();
    int from = 0, to = int(query.size());
    while (from < to && isBlank(query[from])) ++from;
    while (to > from && isBlank(query[to - 1])) --to;
    QList<const EditorCommand*> out;
    out.reserve(commands.size());
    if (from == to) {
        for (const EditorCommand& c : commands) out.append(&c);
        return out;
    }
    const QStringList q = graphemes(query.mid(from, to - from).toLower());
    const QList<Searchable>& s = searchables();
    QList<const EditorCommand*> ranks[4];
    for (int i = 0; i < commands.size(); ++i) {
        int score;
        if (startsWith(s[i].title, q))
            score = 0;
        else if (containsRun(s[i].title, q))
            score = 1;
        else if (containsRun(s[i].category, q))
            score = 2;
        else if (isSubsequence(s[i].title, q))
            score = 3;
        else
            continue;
        ranks[score].append(&commands[i]);
    }
    for (const auto& r : ranks) out.append(r);
    return out;
}

QString linuxKeys(const QString& glyphHint)
{
    if (glyphHint.isEmpty()) return {};
    quint64 mods = 0;
    int i = 0;
    for (; i < glyphHint.size(); ++i) {
        const QChar c = glyphHint[i];
        if (c == u'⌃')
            mods |= KeyCombo::controlBit;
        else if (c == u'⌥')
            mods |= KeyCombo::optionBit;
        else if (c == u'⇧')
            mods |= KeyCombo::shiftBit;
        else if (c == u'⌘')
            mods |= KeyCombo::commandBit;
        else
            break;
    }
    QString key = glyphHint.mid(i);
    if (key == u"↑")
        key = u"up"_s;
    else if (key == u"↓")
        key = u"down"_s;
    return KeyCombo{key.toLower(), mods}.display();
}

} // namespace CommandRegistry
