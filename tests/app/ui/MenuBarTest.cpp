#include "app/ui/MenuBar.h"
#include "AppTestSupport.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/MenuServices.h"
#include "editor/EditorController.h"
#include "editor/ui/FindBar.h"
#include "editor/ui/MarkdownEditorView.h"
#include "editor/ui/MarkdownTextView.h"
#include "files/FolderAccess.h"
#include "platform/NotificationBus.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "render/ExportPresets.h"
#include "render/export/ui/ExportRequest.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>

namespace {

QString plainTitle(const QAction* a)
{
    QString t = a->text();
    t.replace(u"&&"_qs, QChar(1));
    t.remove(u'&');
    return t.replace(QChar(1), u'&');
}

// The mnemonic of a title, or nothing; "&&" is an ampersand.
std::optional<QChar> mnemonic(const QString& t)
{
    for (qsizetype i = 0; i + 1 < t.size(); ++i) {
        if (t[i] != u'&') continue;
        if (t[i + 1] != u'&') return t[i + 1].toLower();
        ++i;
    }
    return std::nullopt;
}

// Menus and items without a mnemonic of their own in their menu, and window keys that take
// Alt and a menu's letter (which opens that menu).
QStringList mnemonicFaults(QWidget* window)
{
    QStringList faults;
    std::function<void(QMenu*, const QString&)> check = [&](QMenu* menu, const QString& path) {
        Q_EMIT menu->aboutToShow();
        std::map<QChar, QString> taken;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            const QString p = path + u'/' + plainTitle(a);
            const auto m = mnemonic(a->text());
            if (!m)
                faults << p + QStringLiteral(" has no mnemonic");
            else if (const auto [it, fresh] = taken.emplace(*m, p); !fresh)
                faults << QStringLiteral("%1 and %2 share %3").arg(p, it->second, *m);
            if (a->menu()) check(a->menu(), p);
        }
    };
    std::map<QChar, QString> menus;
    for (QAction* top : window->findChild<QMenuBar*>()->actions()) {
        const auto m = mnemonic(top->text());
        if (!m) {
            faults << plainTitle(top) + QStringLiteral(" has no mnemonic");
            continue;
        }
        if (!menus.emplace(*m, plainTitle(top)).second)
            faults << plainTitle(top) + QStringLiteral(" shares its letter");
        const QKeySequence alt(QKeySequence(Qt::ALT).toString() + m->toUpper());
        for (QAction* a : window->findChildren<QAction*>())
            if (a->shortcuts().contains(alt)) faults << plainTitle(a) + QStringLiteral(" takes ") + alt.toString();
        check(top->menu(), plainTitle(top));
    }
    return faults;
}

// Every item of the menu bar by its path ("Format/Align/Left"), submenus included.
void walk(QMenu* menu, const QString& path, std::map<QString, QAction*>& out)
{
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        const QString p = path + u'/' + plainTitle(a);
        out[p] = a;
        if (a->menu()) walk(a->menu(), p, out);
    }
}

class MenuBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        useOwnSettingsAndAutosave(dir);
        // Each test starts without export services and installs those it needs (start-up
        // installs the real ones).
        saved = MenuServices::exports();
        MenuServices::exports() = {};
        savedReceiver = ExportRequest::receiver();
        ExportRequest::receiver() = {};
        DocumentController::instance().prompts().askSaveChanges = [](QWidget*, const QString&, auto answer) {
            answer(DocumentController::SaveChoice::DontSave);
        };
        window = DocumentController::instance().newDocument();
        // Menus are used in the window that has the focus; requests reach that window.
        window->show();
        QApplication::setActiveWindow(window);
        for (QAction* top : window->menuBar()->actions()) {
            menus[plainTitle(top)] = top->menu();
            walk(top->menu(), plainTitle(top), items);
        }
    }
    void TearDown() override
    {
        MenuServices::exports() = saved;
        ExportRequest::receiver() = savedReceiver;
        for (DocumentWindow* w : DocumentController::instance().windows()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DocumentController::instance().prompts() = DocumentController::defaultPrompts();
    }
    QAction* item(const QString& path)
    {
        const auto it = items.find(path);
        return it == items.end() ? nullptr : it->second;
    }
    QTemporaryDir dir;
    MenuServices::Exports saved;
    ExportRequest::Receiver savedReceiver;
    DocumentWindow* window = nullptr;
    std::map<QString, QAction*> items;
    std::map<QString, QMenu*> menus;
};

} // namespace

TEST_F(MenuBarTest, EveryItemHasItsTitleAndLinuxKey)
{
    // Path -> key ("" for none), in menu order.
    const QList<std::pair<QString, QString>> expected{
        {"File/New from Template/Blank", ""},
        {"File/New from Template/To-Do List", ""},
        {"File/New from Template/Table Starter", ""},
        {"File/Quick Open…", "Ctrl+Shift+O"},
        {"File/Export/As HTML…", ""},
        {"File/Export/As PDF…", ""},
        {"File/Export/As Word…", ""},
        {"File/Export/As OpenDocument…", ""},
        {"File/Export/As Rich Text…", ""},
        {"File/Export/Copy as HTML", ""},
        {"File/Export/Presets", ""},
        {"File/Export/Batch Export Folder/As Rich Text…", ""},
        {"File/Header & Footer…", ""},
        {"File/Page Setup…", ""},
        {"File/Print…", "Ctrl+P"},
        {"File/Allow Access to Folder…", ""},
        {"Edit/Find/Find…", "Ctrl+F"},
        {"Edit/Find/Find & Replace…", "Ctrl+Alt+F"},
        {"Edit/Find/Find Next", "Ctrl+G"},
        {"Edit/Find/Find Previous", "Ctrl+Shift+G"},
        {"Edit/Find/Use Selection for Find", "Ctrl+E"},
        {"Edit/Settings…", "Ctrl+,"},
        {"Format/Bold", "Ctrl+B"},
        {"Format/Italic", "Ctrl+I"},
        {"Format/Strikethrough", "Ctrl+Shift+X"},
        {"Format/Inline Code", ""},
        {"Format/Heading/Heading 1", "Ctrl+1"},
        {"Format/Heading/Heading 6", "Ctrl+6"},
        {"Format/Heading/Body Text", "Ctrl+0"},
        {"Format/Lists/Bulleted List", "Ctrl+Shift+7"},
        {"Format/Lists/Numbered List", "Ctrl+Shift+8"},
        {"Format/Lists/Task List", "Ctrl+Shift+9"},
        {"Format/Lists/Toggle Task Done", ""},
        {"Format/Lists/Indent", "Ctrl+]"},
        {"Format/Lists/Outdent", "Ctrl+["},
        {"Format/Blockquote", "Ctrl+Shift+'"},
        {"Format/Align/Left", "Ctrl+{"},
        {"Format/Align/Center", "Ctrl+|"},
        {"Format/Align/Right", "Ctrl+}"},
        {"Format/Align/Justify", ""},
        {"Format/Transform/UPPERCASE", ""},
        {"Format/Transform/lowercase", ""},
        {"Format/Transform/Title Case", ""},
        {"Format/Transform/Sort Lines A→Z", ""},
        {"Format/Transform/Sort Lines Z→A", ""},
        {"Format/Transform/Remove Duplicate Lines", ""},
        {"Format/Lines/Move Line Up", "Alt+Up"},
        {"Format/Lines/Move Line Down", "Alt+Down"},
        {"Format/Lines/Duplicate Line", "Ctrl+Shift+D"},
        {"Format/Lines/Delete Line", "Ctrl+Shift+K"},
        {"Format/Lines/Select Line", "Ctrl+L"},
        {"Insert/Link…", "Ctrl+K"},
        {"Insert/Code Block", ""},
        {"Insert/Table/Insert 3×3", ""},
        {"Insert/Table/Format Table", "Ctrl+Meta+T"},
        {"Insert/Table/Insert Row Above", ""},
        {"Insert/Table/Delete Column", ""},
        {"Insert/Table/Align Column Right", ""},
        {"Insert/Horizontal Rule", ""},
        {"Insert/Footnote", ""},
        {"Insert/Table of Contents", ""},
        {"Insert/Today's Date", ""},
        {"Insert/Comment", ""},
        {"Tools/Document Info…", ""},
        {"Tools/AI Assist…", "Ctrl+Meta+I"},
        {"Tools/Translate…", ""},
        {"Tools/Suggest Continuation", "Ctrl+Meta+/"},
        {"Tools/Clean Up Markdown", ""},
        {"Tools/Version History…", "Ctrl+Shift+H"},
        {"Tools/Snapshot Now", "Ctrl+Meta+S"},
        {"View/Zoom In", "Ctrl++"},
        {"View/Zoom Out", "Ctrl+-"},
        {"View/Actual Size", "Ctrl+Shift+0"},
        {"View/Fit Width", "Ctrl+Meta+9"},
        {"View/Fit Page", ""},
        {"View/Show File Browser", "Ctrl+Meta+B"},
        {"View/Open Folder…", "Ctrl+Shift+B"},
        {"View/Show Outline", "Ctrl+Meta+O"},
        {"View/Show Minimap", "Ctrl+Meta+M"},
        {"View/Toggle Distraction-Free", "Ctrl+Meta+D"},
        {"View/Show Ruler", "Ctrl+Meta+R"},
        {"View/Show Markdown Source", "Ctrl+Shift+M"},
        {"View/Command Palette…", "Ctrl+Shift+P"},
        {"View/Full Screen", "F11"},
        {"Help/Welcome to Brindlewick", ""},
        {"Help/What's New", ""},
        {"Help/Markdown Cheat Sheet", ""},
        {"Help/About Brindlewick", ""},
    };
    for (const auto& [path, keys] : expected) {
        QAction* a = item(path);
        ASSERT_TRUE(a) << path.toStdString();
        EXPECT_EQ(a->shortcut(), QKeySequence(keys))
            << path.toStdString() << ": " << a->shortcut().toString().toStdString();
    }
    EXPECT_EQ(item("View/Zoom In")->shortcuts().value(1), QKeySequence("Ctrl+="));
    // Keys Linux users press, beside those above.
    EXPECT_TRUE(item("Edit/Find/Find & Replace…")->shortcuts().contains(QKeySequence("Ctrl+H")));
    EXPECT_EQ(item("Format/Lines/Move Line Up")->shortcuts().value(1), QKeySequence("Ctrl+Alt+Up"));
    EXPECT_EQ(item("Format/Lines/Move Line Down")->shortcuts().value(1), QKeySequence("Ctrl+Alt+Down"));
    // Items that moved to their own menus are found only there.
    for (const char* gone : {"File/Open Folder…", "File/Version History…", "File/Snapshot Now"})
        EXPECT_FALSE(item(gone)) << gone;
    EXPECT_EQ(window->menuBar()->actions().size(), 7); // File Edit Format Insert Tools View Help

    // Show/Hide titles follow their settings when the menu opens.
    QMenu* view = menus["View"];
    Settings::instance().setValue("showOutline", true);
    Settings::instance().setValue("editorViewMode", "source");
    Q_EMIT view->aboutToShow();
    EXPECT_EQ(plainTitle(item("View/Show Outline")), "Hide Outline");
    EXPECT_EQ(plainTitle(item("View/Show Markdown Source")), "Show WYSIWYG");
    item("View/Show Markdown Source")->trigger();
    EXPECT_EQ(Settings::instance().string("editorViewMode"), "wysiwyg");
    item("View/Show Outline")->trigger();
    EXPECT_FALSE(Settings::instance().boolean("showOutline"));

    // Without an export service the export and print items are shown disabled.
    EXPECT_FALSE(item("File/Print…")->isEnabled());
    EXPECT_FALSE(item("File/Export/As PDF…")->isEnabled());
}

// A menu is made from its path's English title and shown translated: a title missing from
// the list would never reach the translators.
TEST(MenuTable, EveryMenuOfEveryPathIsListedForTranslation)
{
    QStringList titles;
    for (const char* t : MenuBar::menuTitles()) titles.append(QString::fromUtf8(t));
    for (const MenuBar::Row& row : MenuBar::table())
        for (const QString& part : QString::fromUtf8(row.menu).split(u'/'))
            EXPECT_TRUE(titles.contains(part)) << part.toStdString();
}

TEST_F(MenuBarTest, NoKeyIsBoundTwiceAndEachKeyFiresItsItem)
{
    // Every service present, so that every item is enabled.
    ExportRequest::receiver() = [](const ExportRequest&) {};
    MenuServices::exports().print = [](const QString&, const QString&, const QString&, QWidget*) {};
    MenuServices::exports().batchExport = [](ExportFormat, QWidget*) {};
    DocumentWindow* w = DocumentController::instance().newDocument();
    w->show();
    QApplication::setActiveWindow(w);
    QWidget* editor = static_cast<MarkdownEditorView*>(w->editorHost())->markdownTextView();
    editor->setFocus();

    std::map<QString, QString> owner; // key -> item
    QList<QAction*> withKeys;
    for (QAction* a : w->findChildren<QAction*>()) {
        if (a->shortcuts().isEmpty()) continue;
        withKeys << a;
        for (const QKeySequence& k : a->shortcuts()) {
            const auto [it, fresh] = owner.emplace(k.toString(), plainTitle(a));
            EXPECT_TRUE(fresh) << k.toString().toStdString() << " is bound to " << it->second.toStdString() << " and "
                               << plainTitle(a).toStdString();
        }
    }
    EXPECT_GE(withKeys.size(), 50);
    // The keys added for Linux reach their items: nothing else holds them.
    const std::map<QString, QString> added{{"Ctrl+H", "Find & Replace…"},
                                           {"F11", "Full Screen"},
                                           {"Alt+Up", "Move Line Up"},
                                           {"Alt+Down", "Move Line Down"},
                                           {"F10", "Open the Menu Bar"}};
    for (const auto& [key, title] : added) EXPECT_EQ(owner[key], title) << key.toStdString();
    // Keys the editor acts on itself (completion, snippets, new lines, dismissing) belong to
    // no item: an item would take them before the text view sees them.
    for (const char* own : {"Ctrl+Space", "Tab", "Shift+Tab", "Backtab", "Return", "Enter", "Esc"})
        EXPECT_FALSE(owner.count(QKeySequence(own).toString())) << own << " is bound to " << owner[own].toStdString();

    // The key as a person presses it in the editor reaches the item, and only that item.
    int fired = 0;
    QAction* last = nullptr;
    for (QAction* a : withKeys) {
        QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
        QObject::connect(a, &QAction::triggered, [&fired, &last, a] {
            ++fired;
            last = a;
        });
    }
    // The text view answers its own editing keys (undo, redo, the clipboard, select all) before
    // any menu item, with the same effect.
    QList<QKeySequence> editorKeys;
    for (auto std : {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
                     QKeySequence::SelectAll})
        editorKeys += QKeySequence::keyBindings(std);
    for (QAction* a : withKeys) {
        for (const QKeySequence& k : a->shortcuts()) {
            if (editorKeys.contains(k)) continue;
            fired = 0;
            QTest::keySequence(editor, k);
            EXPECT_EQ(fired, 1) << k.toString().toStdString();
            EXPECT_EQ(last, a) << k.toString().toStdString();
        }
    }
}

TEST_F(MenuBarTest, ThePresetsSubmenuIsReadAgainAfterThePresetsAreSaved)
{
    QMenu* presets = item("File/Export/Presets")->menu();
    const auto titles = [presets] {
        Q_EMIT presets->aboutToShow();
        QStringList out;
        for (QAction* a : presets->actions()) out << (a->isSeparator() ? u"-"_qs : plainTitle(a));
        return out;
    };
    const QStringList seeded = titles();
    ASSERT_GE(seeded.size(), 3);
    EXPECT_EQ(seeded.mid(seeded.size() - 2), QStringList({"-", "Manage Export Presets…"}));
    ExportPresetStore::save({});
    EXPECT_EQ(titles(), QStringList({"-", "Manage Export Presets…"}));
    ExportPresetStore::save({ExportPreset{"p1", "Mine", "pdf", "dark", ""}});
    EXPECT_EQ(titles(), QStringList({"Mine", "-", "Manage Export Presets…"}));

    // A preset exports with its format, its theme's CSS and its (empty, but given) custom CSS.
    ExportRequest seen;
    ExportRequest::receiver() = [&seen](const ExportRequest& r) { seen = r; };
    Q_EMIT presets->aboutToShow();
    presets->actions().first()->trigger();
    EXPECT_EQ(seen.format, ExportFormat::pdf);
    EXPECT_EQ(seen.themeCSS, ExportThemes::cssFor("dark"));
    EXPECT_EQ(seen.extraCSS, std::optional<QString>(QString()));
    EXPECT_EQ(seen.suggestedName, "Untitled");
    EXPECT_EQ(seen.baseDir, "");
}

TEST_F(MenuBarTest, AllowAccessToFolderStoresTheGrant)
{
    QDir(dir.path()).mkpath("images");
    const QString folder = QFileInfo(dir.filePath("images")).canonicalFilePath();
    item("File/Allow Access to Folder…")->trigger();
    auto* panel = window->findChild<QFileDialog*>();
    ASSERT_TRUE(panel);
    EXPECT_TRUE(panel->isModal());
    Q_EMIT panel->fileSelected(folder);
    EXPECT_TRUE(FolderAccess::hasAccess(folder + "/figure.png"));
    panel->close();
}

TEST_F(MenuBarTest, ItemsReachTheirWindowTheFinderAndTheSettings)
{
    item("Edit/Find/Find & Replace…")->trigger();
    FindBar* bar = FindBar::of(window);
    ASSERT_TRUE(bar);
    EXPECT_TRUE(bar->isReplaceShown());
    item("Edit/Find/Find…")->trigger();
    EXPECT_FALSE(bar->isReplaceShown());

    QStringList posted;
    QObject::connect(&NotificationBus::instance(), &NotificationBus::posted, window,
                     [&posted](const QString& name, const QVariant&) { posted << name; });
    Settings::instance().setValue("showFileBrowser", true);
    item("View/Open Folder…")->trigger();
    EXPECT_TRUE(Settings::instance().boolean("showFileBrowser")); // stays shown
    EXPECT_EQ(posted, QStringList{"Brindlewick.openFileBrowserFolder"});

    window->editorController()->setZoom(2.0, false);
    item("View/Actual Size")->trigger();
    EXPECT_DOUBLE_EQ(window->editorController()->zoom(), 1.0);

    item("Help/Markdown Cheat Sheet")->trigger();
    item("Help/Markdown Cheat Sheet")->trigger();
    const auto windows = DocumentController::instance().windows();
    ASSERT_EQ(windows.size(), 3);
    EXPECT_TRUE(windows[1]->documentText().startsWith("# Markdown Cheat Sheet\n"));
    EXPECT_TRUE(windows[2]->documentText().endsWith("\n---"));
}

TEST_F(MenuBarTest, F10OpensTheFirstMenuAndF11TogglesFullScreenWithItsCheckMark)
{
    window->show();
    QApplication::setActiveWindow(window);
    QWidget* editor = static_cast<MarkdownEditorView*>(window->editorHost())->markdownTextView();
    editor->setFocus();

    QTest::keyClick(editor, Qt::Key_F10);
    ASSERT_EQ(window->menuBar()->activeAction(), window->menuBar()->actions().first());
    QMenu* file = window->menuBar()->actions().first()->menu();
    EXPECT_TRUE(file->isVisible());
    QTest::keyClick(file, Qt::Key_Escape);
    EXPECT_FALSE(file->isVisible());

    QAction* fullScreen = item("View/Full Screen");
    ASSERT_TRUE(fullScreen && fullScreen->isCheckable());
    EXPECT_FALSE(fullScreen->isChecked());
    QTest::keyClick(editor, Qt::Key_F11);
    EXPECT_TRUE(window->isFullScreen());
    EXPECT_TRUE(fullScreen->isChecked());
    fullScreen->trigger();
    EXPECT_FALSE(window->isFullScreen());
    EXPECT_FALSE(fullScreen->isChecked());
    // The mark follows the window however it changed.
    window->showFullScreen();
    EXPECT_TRUE(fullScreen->isChecked());
    window->showNormal();
    EXPECT_FALSE(fullScreen->isChecked());
}

TEST_F(MenuBarTest, EveryMenuAndItemHasAMnemonicOfItsOwn)
{
    // Lists the program fills in: recent files and presets, with clashing initials and an ampersand.
    for (const char* name : {"notes.md", "novel.md", "R&D.md"}) {
        const QString path = dir.filePath(name);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        DocumentController::instance().noteRecent(path);
    }
    ExportPresetStore::save({ExportPreset{"p1", "Mine", "pdf", "dark", ""}, ExportPreset{"p2", "R&D", "html", "", ""},
                             ExportPreset{"p3", "Report", "html", "", ""}});

    const QStringList faults = mnemonicFaults(window);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
    const auto recent = item("File/Open Recent")->menu()->actions();
    EXPECT_EQ(plainTitle(recent.first()), "R&D.md");
}

// In every language the program carries, each menu and item keeps a letter of its own.
TEST_F(MenuBarTest, EveryLanguageKeepsAMnemonicOfItsOwnOnEveryMenuAndItem)
{
    const QStringList languages = QDir(u":/i18n"_qs).entryList({u"*.qm"_qs});
    EXPECT_EQ(languages.size(), 8);
    for (const QString& file : languages) {
        QTranslator texts;
        ASSERT_TRUE(texts.load(u":/i18n/"_qs + file)) << file.toStdString();
        QCoreApplication::installTranslator(&texts);
        DocumentWindow* translated = DocumentController::instance().newDocument();
        const QStringList faults = mnemonicFaults(translated);
        EXPECT_TRUE(faults.isEmpty()) << file.toStdString() << ":\n" << faults.join(u'\n').toStdString();
        translated->close();
        QCoreApplication::removeTranslator(&texts);
    }
}
