// The folders of src/ form layers, and an include may only point down them: every
// `#include "…"` of every file under src/ is checked against the ranks below.
//
// Core folders (bwcore): a folder may include itself or a folder of a strictly lower rank,
// never another folder of its own rank. Widget folders (*/ui, bwui) sit above every core
// folder: they may include any core folder and a widget folder of a strictly lower rank.
// A core folder never includes a widget folder. The program's entry (src/app/main.cpp)
// sits above everything. A folder inside another belongs to its layer. A new top folder
// must be given its rank here first.

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

const QHash<QString, int>& coreRanks()
{
    static const QHash<QString, int> ranks{
        {"platform", 0},
        {"styling", 1},
        {"files", 1},
        // The settings model edits the styler's custom themes.
        {"settings", 2},
        {"render", 2},
        {"editor", 3},
        {"assist", 4},
        {"commands", 5},
        {"app", 6},
    };
    return ranks;
}

const QHash<QString, int>& uiRanks()
{
    static const QHash<QString, int> ranks{
        {"platform/ui", 0}, {"editor/ui", 1},   {"files/ui", 2},    {"render/ui", 2},
        {"assist/ui", 3},   {"commands/ui", 4}, {"settings/ui", 5}, {"app/ui", 6},
    };
    return ranks;
}

// A folder's layer: its top folder, or that folder's widget layer for a ui folder at any
// depth ("render/export" is render, "render/export/ui" is render/ui).
QString layerOf(const QString& path)
{
    const QStringList parts = path.split(u'/');
    return parts.contains(QLatin1String("ui")) ? parts.first() + QLatin1String("/ui") : parts.first();
}

bool isUi(const QString& folder)
{
    return folder.endsWith(QLatin1String("/ui"));
}

// Why `from` may not include a file of `to`; empty when it may.
QString violation(const QString& from, const QString& to)
{
    if (from == to) return {};
    if (!coreRanks().contains(to) && !uiRanks().contains(to)) return QStringLiteral("\"%1\" has no rank").arg(to);
    if (isUi(from)) {
        if (!isUi(to)) return {};
        if (uiRanks().value(to) < uiRanks().value(from)) return {};
        return QStringLiteral("%1 (rank %2) may not include %3 (rank %4)")
            .arg(from)
            .arg(uiRanks().value(from))
            .arg(to)
            .arg(uiRanks().value(to));
    }
    if (isUi(to)) return QStringLiteral("core folder %1 may not include widget folder %2").arg(from, to);
    if (coreRanks().value(to) < coreRanks().value(from)) return {};
    return QStringLiteral("%1 (rank %2) may not include %3 (rank %4)")
        .arg(from)
        .arg(coreRanks().value(from))
        .arg(to)
        .arg(coreRanks().value(to));
}

} // namespace

TEST(Layering, EveryIncludePointsDownTheLayers)
{
    const QString src = QStringLiteral(BW_SOURCE_DIR "/src/");
    // Quoted or angled: `#include <editor/X.h>` finds our headers as well, through the same
    // include path. An angled include of anything else (Qt, the standard library) names a
    // first folder that has no rank and is not ours to check.
    const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s*(["<])([^">]+)[">])re"));
    int files = 0;
    QStringList faults;
    QDirIterator it(src, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(src.size());
        const QString folder = layerOf(QFileInfo(relative).path());
        if (!coreRanks().contains(folder) && !uiRanks().contains(folder)) {
            faults << QStringLiteral("src/%1: folder \"%2\" has no rank").arg(relative, folder);
            continue;
        }
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        ++files;
        const bool entry = relative == QLatin1String("app/main.cpp");
        int line = 0;
        while (!f.atEnd()) {
            const QString text = QString::fromUtf8(f.readLine());
            ++line;
            const QRegularExpressionMatch m = include.match(text);
            if (!m.hasMatch() || entry) continue;
            const QString target = layerOf(QFileInfo(m.captured(2)).path());
            if (m.captured(1) == u"<" && !coreRanks().contains(target.section(u'/', 0, 0))) continue;
            if (const QString why = violation(folder, target); !why.isEmpty())
                faults << QStringLiteral("src/%1:%2: %3: %4").arg(relative).arg(line).arg(m.captured(0).trimmed(), why);
        }
    }
    EXPECT_GT(files, 100) << "no sources found under " << src.toStdString();
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}

// Qt's save file reports a write that the disk refused as done (it ignores its own failed
// flush): every file is written through SafeWrite instead, which checks each step.
TEST(Layering, EveryFileIsWrittenThroughSafeWrite)
{
    QStringList faults;
    for (const char* top : {"/src/", "/tools/"}) {
        const QString root = QStringLiteral(BW_SOURCE_DIR) + QLatin1String(top);
        QDirIterator it(root, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
            if (f.readAll().contains("QSaveFile")) faults << f.fileName().mid(QStringLiteral(BW_SOURCE_DIR).size() + 1);
        }
    }
    EXPECT_TRUE(faults.isEmpty()) << "QSaveFile in " << faults.join(u' ').toStdString();
}

// The map in docs/ARCHITECTURE.md draws the same layers as the ranks above: a rank changed
// here without the drawing (or the other way round) fails.
TEST(Layering, TheArchitectureMapDrawsTheseRanks)
{
    QFile doc(QStringLiteral(BW_SOURCE_DIR "/docs/ARCHITECTURE.md"));
    ASSERT_TRUE(doc.open(QIODevice::ReadOnly));
    QString core, ui;
    QString* into = nullptr;
    for (QString line : QString::fromUtf8(doc.readAll()).split(u'\n')) {
        if (line.startsWith(QLatin1String("core:")))
            into = &core, line.remove(0, 5);
        else if (line.startsWith(QLatin1String("ui:")))
            into = &ui, line.remove(0, 3);
        else if (!line.trimmed().startsWith(u'→'))
            into = nullptr;
        if (into) *into += line.section(u'(', 0, 0) + u' ';
    }
    const auto ranksDrawn = [](const QString& drawing) {
        QHash<QString, int> ranks;
        const QStringList steps = drawing.split(u'→');
        for (int rank = 0; rank < steps.size(); ++rank)
            for (const QString& folder : steps[rank].split(u',', Qt::SkipEmptyParts))
                if (!folder.trimmed().isEmpty()) ranks.insert(folder.trimmed(), rank);
        return ranks;
    };
    EXPECT_EQ(ranksDrawn(core), coreRanks()) << core.toStdString();
    EXPECT_EQ(ranksDrawn(ui), uiRanks()) << ui.toStdString();
    // A layer drawn is a folder that exists.
    for (const auto* ranks : {&coreRanks(), &uiRanks()})
        for (auto it = ranks->cbegin(); it != ranks->cend(); ++it)
            EXPECT_TRUE(QFileInfo(QStringLiteral(BW_SOURCE_DIR "/src/") + it.key()).isDir()) << it.key().toStdString();
}

namespace {

// The text of a file with its line comments blanked out (line breaks kept, for line numbers).
QString codeOf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split(u'\n');
    for (QString& line : lines) line = line.section(QLatin1String("//"), 0, 0);
    return lines.join(u'\n');
}

int lineAt(const QString& code, qsizetype offset)
{
    return int(QStringView(code).left(offset).count(u'\n')) + 1;
}

} // namespace

// Settings keys and request names are spelt once, in PrefKey.h and Requests.h: a literal
// elsewhere is a key no reader of those files knows about, and a typo in it fails silently.
// Two checks: no name declared there is spelt elsewhere, and every call that reads, writes
// or watches a setting names its key through PrefKey, not with a literal or a constant of
// its own (which would hide a key the first check cannot know).
TEST(Layering, SettingsKeysAndRequestNamesAreSpeltOnlyWhereTheyAreNamed)
{
    const QString root = QStringLiteral(BW_SOURCE_DIR "/");
    const QStringList namers{QStringLiteral("src/platform/PrefKey.h"), QStringLiteral("src/platform/Requests.h")};
    const QRegularExpression named(QStringLiteral(R"re(QLatin1String\s+\w+\{"(\w+)"\})re"));
    QSet<QString> names;
    for (const QString& namer : namers) {
        QFile f(root + namer);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << namer.toStdString();
        for (const auto& m : named.globalMatch(QString::fromUtf8(f.readAll()))) names.insert(m.captured(1));
    }
    ASSERT_GT(names.size(), 40);

    QHash<QString, QString> code; // relative path -> code without line comments
    for (const char* top : {"src", "tools"}) {
        QDirIterator it(root + QLatin1String(top), {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString relative = it.next().mid(root.size());
            if (!namers.contains(relative)) code.insert(relative, codeOf(root + relative));
        }
    }
    // Constants spelt with a literal anywhere ("constexpr auto kKey = \"x\";"): a call that
    // names its key through one of them spells the key outside PrefKey.h.
    const QRegularExpression constant(
        QStringLiteral(R"re(\b(?:constexpr|const)\b[\w\s:<>*&]*?\b(\w+)\s*(?:=|\{)\s*(?:[\w:]+\()?u?"\w*")re"));
    QSet<QString> spelt;
    for (const QString& text : std::as_const(code))
        for (const auto& m : constant.globalMatch(text)) spelt.insert(m.captured(1));
    // Whatever holds the settings store: Settings::instance(), and in each file the names it
    // or its header declares as a Settings.
    const QRegularExpression holder(QStringLiteral(R"re(\bSettings\s*[&*]\s*(\w+))re"));
    const QRegularExpression quoted(QStringLiteral(R"re("(\w+)")re"));
    const QRegularExpression identifier(QStringLiteral(R"(\b\w+\b)"));
    QStringList faults;
    for (auto it = code.cbegin(); it != code.cend(); ++it) {
        const QString& text = it.value();
        for (const auto& m : quoted.globalMatch(text))
            if (names.contains(m.captured(1)))
                faults << QStringLiteral("%1:%2: \"%3\"")
                              .arg(it.key())
                              .arg(lineAt(text, m.capturedStart()))
                              .arg(m.captured(1));
        QStringList holders{QStringLiteral(R"(\bSettings::instance\(\))")};
        const QString header = it.key().section(u'.', 0, -2) + QStringLiteral(".h");
        for (const QString& declaring : {text, code.value(header)})
            for (const auto& m : holder.globalMatch(declaring))
                if (m.captured(1) != QLatin1String("instance"))
                    holders << QStringLiteral(R"(\b%1\b)").arg(m.captured(1));
        const QRegularExpression call(
            QStringLiteral(R"re((?:%1)\s*(?:\.|->)\s*(?:value|contains|isStored|string|number|integer|boolean|)re"
                           R"re(setValue|remove|onChange|defaultValue)\s*\(\s*([^,;]*?)\s*[,)])re")
                .arg(holders.join(u'|')));
        for (const auto& m : call.globalMatch(text)) {
            const QString key = m.captured(1);
            bool wrong = key.contains(u'"');
            for (const auto& word : identifier.globalMatch(key))
                if (spelt.contains(word.captured()) && !key.contains(QLatin1String("PrefKey::"))) wrong = true;
            if (wrong)
                faults << QStringLiteral("%1:%2: a setting named by %3")
                              .arg(it.key())
                              .arg(lineAt(text, m.capturedStart()))
                              .arg(key);
        }
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}
