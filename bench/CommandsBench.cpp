// Commands on the keystroke path and big pastes: a palette search over the 58 commands, a
// user-shortcut lookup with 58 stored combinations, the toolbar's heading label on a 1 MiB
// document, pasting 1 MiB of HTML or 10,000 tab-separated rows into the editor, and caret
// jumps across 1 MiB.
#include "commands/CommandRegistry.h"
#include "commands/PasteRules.h"
#include "commands/ShortcutStore.h"
#include "commands/ui/TextViewCommands.h"
#include "editor/EditorConfig.h"
#include "editor/EditorController.h"
#include "editor/ui/EditorCoordinator.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QMimeData>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

void BM_PaletteSearchAll58(benchmark::State& state)
{
    const QStringList queries{"t", "ta", "tab", "tabl", "table", "x", "hd", "export", "dup", "code"};
    qsizetype n = 0;
    for (auto _ : state)
        for (const QString& q : queries) n += CommandRegistry::search(q).size();
    benchmark::DoNotOptimize(n);
    state.SetItemsProcessed(state.iterations() * queries.size()); // items: keystrokes
}
BENCHMARK(BM_PaletteSearchAll58)->Unit(benchmark::kMicrosecond);

void BM_ShortcutLookupWith58Stored(benchmark::State& state)
{
    ShortcutStore::Combos combos;
    int i = 0;
    for (const EditorCommand& c : CommandRegistry::all()) {
        const QChar key = QChar(u'a' + i % 26);
        combos.insert(c.id, KeyCombo{QString(key), KeyCombo::commandBit | (i >= 26 ? KeyCombo::controlBit : 0)
                                                       | (i >= 52 ? KeyCombo::optionBit : 0)});
        ++i;
    }
    ShortcutStore::save(combos);
    // A press that matches nothing walks the whole table in a scan; a hash lookup does not care.
    bool found = false;
    for (auto _ : state) {
        found ^= ShortcutStore::commandID(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier).has_value();
        found ^= ShortcutStore::commandID(Qt::Key_C, Qt::ControlModifier | Qt::MetaModifier).has_value();
    }
    benchmark::DoNotOptimize(found);
    state.SetItemsProcessed(state.iterations() * 2);
    Settings::instance().remove(PrefKey::customShortcuts);
}
BENCHMARK(BM_ShortcutLookupWith58Stored)->Unit(benchmark::kMicrosecond);

QString megabyteOf(const QString& unit)
{
    QString s;
    s.reserve((1 << 20) + unit.size());
    while (s.size() < (1 << 20)) s += unit;
    return s;
}

struct PasteFixture {
    EditorController controller;
    MarkdownEditorView editor;
    TextViewCommands* commands;
    PasteFixture()
    {
        editor.resize(900, 700);
        editor.setController(&controller);
        editor.show();
        commands = new TextViewCommands(editor.markdownTextView(), [] { return QString(); });
    }
};

void pasteBench(benchmark::State& state, QMimeData& data)
{
    PasteFixture f;
    MarkdownTextView* view = f.editor.markdownTextView();
    for (auto _ : state) {
        state.PauseTiming();
        f.editor.loadText(QString());
        state.ResumeTiming();
        const bool converted = f.commands->insert(&data);
        state.PauseTiming();
        view->undo();
        // One undo takes the whole paste away.
        const bool restored = view->text().isEmpty() && !view->document()->isUndoAvailable();
        if (!converted || !restored) {
            state.SkipWithError(converted ? "the paste was not one undo step" : "the paste was not converted");
            break;
        }
        state.ResumeTiming();
    }
}

void BM_Paste1MiBHtml(benchmark::State& state)
{
    QMimeData data;
    data.setHtml(megabyteOf(QStringLiteral(
        "<h2>Part</h2><p>Some <b>bold</b> and <i>slanted</i> words with <a href=\"https://example.net/x\">a link</a> "
        "and <code>code</code>.</p><ul><li>one</li><li>two &amp; three</li></ul>\n")));
    pasteBench(state, data);
}
BENCHMARK(BM_Paste1MiBHtml)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Paste10000TabSeparatedRows(benchmark::State& state)
{
    QString rows;
    for (int r = 0; r < 10000; ++r) rows += QStringLiteral("cell %1\t%2\tsome longer text\t42.5\r\n").arg(r).arg(r * 7);
    QMimeData data;
    data.setText(rows);
    pasteBench(state, data);
}
BENCHMARK(BM_Paste10000TabSeparatedRows)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_HeadingLabelOn1MiB(benchmark::State& state)
{
    PasteFixture f;
    QString text = megabyteOf(QStringLiteral("Some paragraph text that goes on for a while.\n\n### A heading\n\n"));
    f.editor.loadText(text);
    f.editor.markdownTextView()->setSelectedRange({int(text.size() / 2), 0});
    int level = 0;
    for (auto _ : state) level += f.controller.currentHeadingLevel();
    benchmark::DoNotOptimize(level);
}
BENCHMARK(BM_HeadingLabelOn1MiB)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {
void BM_PasteRulesOnly1MiBHtml(benchmark::State& state)
{
    QMimeData data;
    data.setHtml(megabyteOf(QStringLiteral(
        "<h2>Part</h2><p>Some <b>bold</b> and <i>slanted</i> words with <a href=\"https://example.net/x\">a link</a> "
        "and <code>code</code>.</p><ul><li>one</li><li>two &amp; three</li></ul>\n")));
    for (auto _ : state) benchmark::DoNotOptimize(PasteRules::decide(data, QString()));
}
BENCHMARK(BM_PasteRulesOnly1MiBHtml)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PasteRulesOnly10000Rows(benchmark::State& state)
{
    QString rows;
    for (int r = 0; r < 10000; ++r) rows += QStringLiteral("cell %1\t%2\tsome longer text\t42.5\r\n").arg(r).arg(r * 7);
    QMimeData data;
    data.setText(rows);
    for (auto _ : state) benchmark::DoNotOptimize(PasteRules::decide(data, QString()));
}
BENCHMARK(BM_PasteRulesOnly10000Rows)->Unit(benchmark::kMillisecond)->Iterations(10);
} // namespace

namespace {
void BM_InsertConverted1MiBHtmlOnly(benchmark::State& state)
{
    QMimeData data;
    data.setHtml(megabyteOf(QStringLiteral(
        "<h2>Part</h2><p>Some <b>bold</b> and <i>slanted</i> words with <a href=\"https://example.net/x\">a link</a> "
        "and <code>code</code>.</p><ul><li>one</li><li>two &amp; three</li></ul>\n")));
    const QString md = PasteRules::decide(data, QString()).text;
    PasteFixture f;
    MarkdownTextView* view = f.editor.markdownTextView();
    state.counters["units"] = double(md.size());
    for (auto _ : state) {
        state.PauseTiming();
        f.editor.loadText(QString());
        state.ResumeTiming();
        view->replaceRange(TextRange(0, 0), md);
    }
}
BENCHMARK(BM_InsertConverted1MiBHtmlOnly)->Unit(benchmark::kMillisecond)->Iterations(5);
} // namespace

namespace {
// Jumping between the two ends of a 1 MiB text with markers revealed on the caret's line:
// only the two lines are restyled, not the megabyte between them.
void BM_CaretJumpOn1MiBWithRevealedMarkers(benchmark::State& state)
{
    PasteFixture f;
    EditorConfig c = MarkdownEditorView::configFromSettings();
    c.revealMarkers = true;
    f.editor.applyConfig(c);
    const QString text =
        megabyteOf(QStringLiteral("Some **bold** paragraph with [a link](https://x.org) text.\n\n## Heading\n\n"));
    f.editor.loadText(text);
    MarkdownTextView* view = f.editor.markdownTextView();
    view->coordinator()->finishStyling();
    view->setSelectedRange(TextRange(int(text.size()) - 5, 0)); // lays the whole text out once
    bool end = false;
    for (auto _ : state) {
        end = !end;
        view->setSelectedRange(TextRange(end ? 2 : int(text.size()) - 5, 0));
    }
}
BENCHMARK(BM_CaretJumpOn1MiBWithRevealedMarkers)->Unit(benchmark::kMillisecond)->Iterations(6);
} // namespace
