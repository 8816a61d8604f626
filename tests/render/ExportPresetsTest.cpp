#include "render/ExportPresets.h"
#include "platform/KeptAside.h"
#include "platform/Settings.h"
#include "render/BatchExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(ExportPresets, SeedsOnceThenKeepsWhatIsStoredAndWritesMembersInOrder)
{
    QTemporaryDir dir;
    Settings s(dir.filePath("s.ini"));
    const auto first = ExportPresetStore::all(s);
    ASSERT_EQ(first, ExportPresetStore::seeds());
    EXPECT_EQ(ExportPresetStore::revision(s), 1);
    EXPECT_EQ(ExportPresetStore::all(s), first);
    EXPECT_EQ(ExportPresetStore::revision(s), 1); // a readable list is not written again

    // Members in any order, extra members ignored; written back in the fixed order.
    s.setValue("exportPresets", QByteArray(R"([{"customCSS":"b{}","x":1,"themeID":"Dark","formatID":"PDF",)"
                                           R"("name":"Mine \"1\"","id":"p"}])"));
    const auto mine = ExportPresetStore::all(s);
    ASSERT_EQ(mine.size(), 1);
    EXPECT_EQ(ExportPresetStore::encode(mine),
              QByteArray(R"([{"id":"p","name":"Mine \"1\"","formatID":"PDF","themeID":"Dark","customCSS":"b{}"}])"));
    EXPECT_EQ(ExportFormats::fromId(mine[0].formatID), ExportFormat::html); // letter case matters
    EXPECT_TRUE(ExportThemes::cssFor(mine[0].themeID).isEmpty());
    EXPECT_EQ(ExportThemes::titleFor(mine[0].themeID), "Standard");

    s.setValue("exportPresets", QByteArray("[]"));
    EXPECT_TRUE(ExportPresetStore::all(s).isEmpty()); // a user who deleted every preset keeps none
}

TEST(ExportPresets, AnUnreadableListIsKeptAsideBeforeTheSeedsReplaceIt)
{
    QTemporaryDir dir;
    Settings s(dir.filePath("s.ini"));
    const QByteArray broken = R"([{"id":"a","name":"Mine","formatID":"pdf","themeID":"dark"}])"; // no customCSS
    s.setValue("exportPresets", broken);
    EXPECT_EQ(ExportPresetStore::all(s), ExportPresetStore::seeds());
    const QStringList kept = QDir(KeptAside::folder(s)).entryList(QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    QFile f(KeptAside::folder(s) + "/" + kept.first());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), broken);
}

TEST(ExportPresets, ThemeTextsAreExact)
{
    EXPECT_EQ(ExportThemes::css(ExportTheme::github).toUtf8().size(), 391);
    EXPECT_EQ(ExportThemes::css(ExportTheme::academic).toUtf8().size(), 374);
    EXPECT_EQ(ExportThemes::css(ExportTheme::dark).toUtf8().size(), 433);
    EXPECT_EQ(ExportThemes::css(ExportTheme::compact).toUtf8().size(), 201);
    EXPECT_TRUE(ExportThemes::css(ExportTheme::standard).isEmpty());
    EXPECT_TRUE(ExportThemes::css(ExportTheme::academic).contains("line-height: 1.75;\n       max-width: 680px;"));
}

TEST(ExportPresets, ListEditsFollowTheIdRuleAndNeverRepeatAnId)
{
    ExportPresetList list;
    list.presets = ExportPresetStore::seeds();
    list.selection = list.presets[0].id;
    list.add();
    list.add();
    EXPECT_EQ(list.presets[3].id, "preset-3-1");
    EXPECT_EQ(list.presets[4].id, "preset-4-2");
    EXPECT_EQ(list.selection, "preset-4-2");

    list.selection = list.presets[1].id;
    list.duplicate();
    EXPECT_EQ(list.presets[2].name, "Academic PDF Copy");
    EXPECT_EQ(list.presets[2].id, "preset-5-3");
    EXPECT_EQ(list.selection, list.presets[2].id);

    list.remove();
    EXPECT_EQ(list.selection, "seed-github-html"); // the first, not a neighbour
    // A fresh sheet's first id for four presets is "preset-4-1"; when a stored preset already
    // has it (made before a deletion), it is skipped.
    ExportPresetList later;
    later.presets = ExportPresetStore::seeds();
    later.presets.append({"preset-4-1", "Old", "pdf", "standard", ""});
    later.add();
    EXPECT_EQ(later.presets.last().id, "preset-4-2");

    ExportPresetList empty;
    empty.remove();
    empty.duplicate();
    EXPECT_TRUE(empty.presets.isEmpty());
    EXPECT_FALSE(empty.selectedIndex());
}

TEST(BatchExport, ListsSourcesInPathOrderAndNeverLetsTwoShareAnOutput)
{
    QTemporaryDir dir;
    const auto touch = [&](const QString& name, const QByteArray& bytes = "x") {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    touch("b.MD");
    touch("a.markdown");
    touch("a.md");
    touch(".hidden.txt");
    touch("notes.rtf");
    QDir(dir.path()).mkdir("sub.md"); // a folder named like a source
    touch("sub.md/inner.md");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.md")).constData(), 0600), 0);

    const QStringList sources = BatchExport::markdownFiles(dir.path());
    EXPECT_EQ(sources, (QStringList{dir.filePath(".hidden.txt"), dir.filePath("a.markdown"), dir.filePath("a.md"),
                                    dir.filePath("b.MD")}));

    const auto plan = BatchExport::plan(sources, ExportFormat::html);
    ASSERT_EQ(plan.size(), 4);
    EXPECT_EQ(plan[1].output, dir.filePath("a.html")); // the first in path order keeps the name
    EXPECT_TRUE(plan[2].output.isEmpty());
    EXPECT_FALSE(plan[2].skipReason.isEmpty());
    EXPECT_EQ(plan[3].output, dir.filePath("b.html"));
    EXPECT_TRUE(BatchExport::plan(sources, ExportFormat::copyHTML).isEmpty());

    touch("b.html");
    EXPECT_EQ(BatchExport::existingOutputs(plan), QStringList{dir.filePath("b.html")});

    // An output's name held by a link, to a file elsewhere or to none yet, is not written through.
    QTemporaryDir elsewhere;
    QFile victim(elsewhere.filePath("victim"));
    ASSERT_TRUE(victim.open(QIODevice::WriteOnly));
    victim.close();
    touch("c.md");
    touch("d.md");
    ASSERT_TRUE(QFile::link(elsewhere.filePath("victim"), dir.filePath("c.html")));
    ASSERT_TRUE(QFile::link(elsewhere.filePath("missing"), dir.filePath("d.html")));
    const auto linked = BatchExport::plan({dir.filePath("c.md"), dir.filePath("d.md")}, ExportFormat::html);
    ASSERT_EQ(linked.size(), 2);
    for (const auto& p : linked) {
        EXPECT_TRUE(p.output.isEmpty()) << p.output.toStdString();
        EXPECT_TRUE(p.skipReason.contains("link")) << p.skipReason.toStdString();
    }

    touch("bad.md", "caf\xe9");
    QString why;
    EXPECT_FALSE(BatchExport::readSource(dir.filePath("bad.md"), &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(BatchExport::readSource(dir.filePath("pipe.md"), &why)); // never blocks on a FIFO
}

TEST(BatchExport, ReportSaysWhatWasNotWritten)
{
    using BatchExport::Report;
    EXPECT_EQ(BatchExport::reportText(Report{0, 0, {}, false}, "docs").message, "Nothing to export");
    EXPECT_EQ(BatchExport::reportText(Report{1, 1, {}, false}, "docs").message, "Exported 1 file");
    const auto all = BatchExport::reportText(Report{3, 3, {}, false}, "docs");
    EXPECT_EQ(all.message, "Exported 3 files");
    EXPECT_EQ(all.informative, "Saved to docs.");
    // Every file failing is not "no Markdown files".
    const auto failed = BatchExport::reportText(Report{2, 0, {{"a.md", "It is not valid UTF-8 text."}}, false}, "d");
    EXPECT_EQ(failed.message, "Exported 0 of 2 files");
    EXPECT_TRUE(failed.informative.contains("a.md: It is not valid UTF-8 text."));
}

TEST(BatchExport, QuestionsAndReportsNameAFewFilesAndCountTheRest)
{
    QStringList existing;
    for (int i = 0; i < 300; ++i) existing << QStringLiteral("/docs/file%1.pdf").arg(i, 3, 10, QLatin1Char('0'));
    const auto question = BatchExport::replaceQuestion(existing);
    EXPECT_EQ(question.message, "300 files to be written already exist.");
    EXPECT_TRUE(question.informative.contains("file004.pdf"));
    EXPECT_FALSE(question.informative.contains("file005.pdf"));
    EXPECT_TRUE(question.informative.endsWith("and 295 more")) << question.informative.toStdString();
    EXPECT_LE(question.informative.count(u'\n'), 7);
    EXPECT_TRUE(BatchExport::replaceQuestion(existing.mid(0, 6)).informative.endsWith("file005.pdf"));

    BatchExport::Report report{300, 0, {}, false};
    for (int i = 0; i < 300; ++i) report.failures.append({QStringLiteral("f%1.md").arg(i), QStringLiteral("why")});
    const auto text = BatchExport::reportText(report, "docs");
    EXPECT_LE(text.informative.count(u'\n'), 12);
    EXPECT_TRUE(text.informative.endsWith("and 292 more")) << text.informative.toStdString();
}
