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
        {"platform/ui", 0}, {"styling/ui", 1},  {"editor/ui", 2},   {"files/ui", 3}, {"render/ui", 3},
        {"assist/ui", 4},   {"commands/ui", 5}, {"settings/ui", 6}, {"app/ui", 7},
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
    const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s*"([^"]+)")re"));
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
            const QString target = layerOf(QFileInfo(m.captured(1)).path());
            if (const QString why = violation(folder, target); !why.isEmpty())
                faults
                    << QStringLiteral("src/%1:%2: #include \"%3\": %4").arg(relative).arg(line).arg(m.captured(1), why);
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
