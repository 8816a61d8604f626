#include "commands/CommandRegistry.h"

#include "commands/KeyCombo.h"
#include "editor/CaseTransform.h"
#include "editor/EditorController.h"

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

QString title(CommandCategory category)
{
    switch (category) {
    case CommandCategory::headings: return u"Headings"_s;
    case CommandCategory::format: return u"Format"_s;
    case CommandCategory::lists: return u"Lists & Blocks"_s;
    case CommandCategory::insert: return u"Insert"_s;
    case CommandCategory::transform: return u"Transform"_s;
    case CommandCategory::lines: return u"Lines"_s;
    case CommandCategory::view: return u"View"_s;
    case CommandCategory::exportAs: return u"Export"_s;
    }
    return {};
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
    auto add = [&l](const char16_t* id, const QString& title, C cat, const char16_t* symbol, const char16_t* hint,
                    Action action) {
        l.append({QString::fromUtf16(id), title, cat, QString::fromUtf16(symbol), QString::fromUtf16(hint),
                  std::move(action)});
    };
    auto heading = [](int level) { return onEditor([level](EditorController& e) { e.heading(level); }); };
    auto t = [](const char* s) { return QString::fromUtf8(s); };

    add(u"h1", t("Heading 1"), C::headings, u"1.square", u"⌘1", heading(1));
    add(u"h2", t("Heading 2"), C::headings, u"2.square", u"⌘2", heading(2));
    add(u"h3", t("Heading 3"), C::headings, u"3.square", u"⌘3", heading(3));
    add(u"h4", t("Heading 4"), C::headings, u"4.square", u"⌘4", heading(4));
    add(u"h5", t("Heading 5"), C::headings, u"5.square", u"⌘5", heading(5));
    add(u"h6", t("Heading 6"), C::headings, u"6.square", u"⌘6", heading(6));
    add(u"body", t("Body Text"), C::headings, u"text.justify.left", u"⌘0", heading(0));

    add(u"bold", t("Bold"), C::format, u"bold", u"⌘B", wrapWith(u"**"_s));
    add(u"italic", t("Italic"), C::format, u"italic", u"⌘I", wrapWith(u"*"_s));
    add(u"boldItalic", t("Bold Italic"), C::format, u"bold.italic.underline", u"", wrapWith(u"***"_s));
    add(u"strike", t("Strikethrough"), C::format, u"strikethrough", u"⇧⌘X", wrapWith(u"~~"_s));
    // The menu gives Ctrl+E to another item, so Inline Code shows no key.
    add(u"code", t("Inline Code"), C::format, u"chevron.left.forwardslash.chevron.right", u"", wrapWith(u"`"_s));
    add(u"comment", t("Comment (HTML)"), C::format, u"text.bubble", u"", wrapWith(u"<!-- "_s, u" -->"_s));

    add(u"bullet", t("Bulleted List"), C::lists, u"list.bullet", u"⇧⌘7", onEditor([](EditorController& e) {
            e.toggleLinePrefix(u"- "_s, {u"* "_s, u"+ "_s});
        }));
    add(u"numbered", t("Numbered List"), C::lists, u"list.number", u"⇧⌘8",
        onEditor([](EditorController& e) { e.toggleNumbered(); }));
    add(u"task", t("Task List"), C::lists, u"checklist", u"⇧⌘9",
        onEditor([](EditorController& e) { e.toggleTaskList(); }));
    add(u"taskDone", t("Toggle Task Done"), C::lists, u"checkmark.circle", u"",
        onEditor([](EditorController& e) { e.toggleTaskDone(); }));
    add(u"quote", t("Blockquote"), C::lists, u"text.quote", u"⇧⌘'",
        onEditor([](EditorController& e) { e.toggleLinePrefix(u"> "_s, {}); }));
    add(u"codeBlock", t("Code Block"), C::lists, u"curlybraces", u"",
        onEditor([](EditorController& e) { e.insertCodeBlock(QString()); }));
    add(u"indent", t("Indent"), C::lists, u"increase.indent", u"⌘]", onEditor([](EditorController& e) { e.indent(); }));
    add(u"outdent", t("Outdent"), C::lists, u"decrease.indent", u"⌘[",
        onEditor([](EditorController& e) { e.outdent(); }));

    add(u"hr", t("Horizontal Rule"), C::insert, u"line.horizontal", u"",
        onEditor([](EditorController& e) { e.insertHorizontalRule(); }));
    add(u"footnote", t("Footnote"), C::insert, u"text.append", u"",
        onEditor([](EditorController& e) { e.insertFootnote(); }));
    add(u"toc", t("Table of Contents"), C::insert, u"list.bullet.indent", u"",
        onEditor([](EditorController& e) { e.insertTableOfContents(); }));
    add(u"date", t("Today's Date"), C::insert, u"calendar", u"", onEditor([](EditorController& e) { e.insertDate(); }));
    add(u"table22", t("Table (2×2)"), C::insert, u"square.grid.2x2", u"",
        onEditor([](EditorController& e) { e.insertTable(2, 2); }));
    add(u"table33", t("Table (3×3)"), C::insert, u"square.grid.3x3", u"",
        onEditor([](EditorController& e) { e.insertTable(3, 3); }));
    add(u"math", t("Inline Math"), C::insert, u"x.squareroot", u"", wrapWith(u"$"_s));
    using Op = TableTools::Op;
    add(u"tblformat", t("Format Table"), C::insert, u"tablecells.badge.ellipsis", u"", table(Op::format));
    add(u"tblrowabove", t("Table: Insert Row Above"), C::insert, u"table.row.above", u"", table(Op::insertRowAbove));
    add(u"tblrowbelow", t("Table: Insert Row Below"), C::insert, u"table.row.below", u"", table(Op::insertRowBelow));
    add(u"tbldelrow", t("Table: Delete Row"), C::insert, u"table.row.delete", u"", table(Op::deleteRow));
    add(u"tblcolleft", t("Table: Insert Column Left"), C::insert, u"table.column.left", u"",
        table(Op::insertColumnLeft));
    add(u"tblcolright", t("Table: Insert Column Right"), C::insert, u"table.column.right", u"",
        table(Op::insertColumnRight));
    add(u"tbldelcol", t("Table: Delete Column"), C::insert, u"table.column.delete", u"", table(Op::deleteColumn));
    add(u"tblalignl", t("Table: Align Column Left"), C::insert, u"table.align.left", u"", table(Op::alignLeft));
    add(u"tblalignc", t("Table: Align Column Center"), C::insert, u"table.align.center", u"", table(Op::alignCenter));
    add(u"tblalignr", t("Table: Align Column Right"), C::insert, u"table.align.right", u"", table(Op::alignRight));

    add(u"upper", t("UPPERCASE"), C::transform, u"characters.uppercase", u"",
        onEditor([](EditorController& e) { e.transformSelection(CaseTransform::upper); }));
    add(u"lower", t("lowercase"), C::transform, u"characters.lowercase", u"",
        onEditor([](EditorController& e) { e.transformSelection(CaseTransform::lower); }));
    add(u"title", t("Title Case"), C::transform, u"textformat", u"",
        onEditor([](EditorController& e) { e.transformSelection(CaseTransform::title); }));
    add(u"sortAZ", t("Sort Lines A→Z"), C::transform, u"arrow.up.arrow.down", u"",
        onEditor([](EditorController& e) { e.sortLines(true); }));
    add(u"sortZA", t("Sort Lines Z→A"), C::transform, u"arrow.down.arrow.up", u"",
        onEditor([](EditorController& e) { e.sortLines(false); }));
    add(u"dedupe", t("Remove Duplicate Lines"), C::transform, u"rectangle.stack.badge.minus", u"",
        onEditor([](EditorController& e) { e.removeDuplicateLines(); }));

    add(u"lineUp", t("Move Line Up"), C::lines, u"arrow.up.to.line", u"⌥↑",
        onEditor([](EditorController& e) { e.moveLineUp(); }));
    add(u"lineDown", t("Move Line Down"), C::lines, u"arrow.down.to.line", u"⌥↓",
        onEditor([](EditorController& e) { e.moveLineDown(); }));
    add(u"dupLine", t("Duplicate Line"), C::lines, u"plus.square.on.square", u"⇧⌘D",
        onEditor([](EditorController& e) { e.duplicateLine(); }));
    add(u"delLine", t("Delete Line"), C::lines, u"xmark.square", u"⇧⌘K",
        onEditor([](EditorController& e) { e.deleteLine(); }));
    add(u"selLine", t("Select Line"), C::lines, u"selection.pin.in.out", u"⌘L",
        onEditor([](EditorController& e) { e.selectLine(); }));

    add(u"toggleMode", t("Toggle WYSIWYG / Markdown Source"), C::view, u"eye", u"⇧⌘M", [](const CommandContext& ctx) {
        if (ctx.isAlive() && ctx.toggleMode) ctx.toggleMode();
    });
    add(u"aisuggest", t("Suggest Continuation"), C::view, u"lightbulb", u"⌃⌘/",
        onEditor([](EditorController& e) { e.requestContinuation(); }));
    add(u"cleanup", t("Clean Up Markdown"), C::view, u"wand.and.stars", u"",
        onEditor([](EditorController& e) { e.cleanUpMarkdown(); }));

    add(u"exportHTML", t("Export as HTML…"), C::exportAs, u"filetype.html", u"", exportTo(ExportFormat::html));
    add(u"exportPDF", t("Export as PDF…"), C::exportAs, u"filetype.pdf", u"", exportTo(ExportFormat::pdf));
    add(u"exportRTF", t("Export as Rich Text…"), C::exportAs, u"filetype.rtf", u"", exportTo(ExportFormat::rtf));
    add(u"exportDOCX", t("Export as Word…"), C::exportAs, u"filetype.docx", u"", exportTo(ExportFormat::docx));
    add(u"exportODT", t("Export as OpenDocument…"), C::exportAs, u"filetype.odt", u"", exportTo(ExportFormat::odt));
    add(u"copyHTML", t("Copy as HTML"), C::exportAs, u"doc.on.clipboard", u"", exportTo(ExportFormat::copyHTML));
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
            l.append({graphemes(c.title.toLower()), graphemes(CommandCategories::title(c.category).toLower())});
        return l;
    }();
    return list;
}

} // namespace

QString EditorCommand::linuxHint() const
{
    return CommandRegistry::linuxKeys(shortcutHint);
}

void EditorCommand::run(const CommandContext& context) const
{
    if (action) action(context);
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
