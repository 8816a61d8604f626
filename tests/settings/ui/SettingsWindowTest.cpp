#include "settings/ui/SettingsWindow.h"
#include "commands/ui/ShortcutsSettingsView.h"
#include "platform/ui/Icons.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QKeySequence>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

TEST(Icons, EverySymbolHasABundledFileThatDraws)
{
    QStringList symbols = Icons::symbols();
    symbols.append("no.such.symbol");
    for (const QString& symbol : symbols) {
        EXPECT_TRUE(QFile::exists(Icons::file(symbol))) << symbol.toStdString();
        const QImage image = Icons::icon(symbol, QColor(Qt::black)).pixmap(16, 16).toImage();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) inked += qAlpha(image.pixel(x, y)) > 128;
        EXPECT_GT(inked, 10) << symbol.toStdString();
    }
    EXPECT_TRUE(Icons::isKnown("clock.arrow.circlepath"));
    EXPECT_FALSE(Icons::isKnown("no.such.symbol"));
}

TEST(SettingsWindow, OneSharedWindowWithItsPages)
{
    SettingsWindow* w = SettingsWindow::showShared();
    EXPECT_EQ(SettingsWindow::showShared(), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->tabs()->count(), 8);
    EXPECT_EQ(w->tabs()->tabText(0), "Editor");
    EXPECT_NE(qobject_cast<ShortcutsSettingsView*>(w->page("Shortcuts")), nullptr);
    w->close();
}

// Every tab title is shown whole: none is pushed behind scroll arrows or cut at the edge.
TEST(SettingsWindow, EveryTabTitleFitsTheWindow)
{
    SettingsWindow* w = SettingsWindow::showShared();
    QCoreApplication::processEvents();
    const QTabBar* bar = w->tabs()->tabBar();
    for (int i = 0; i < bar->count(); ++i)
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(i))) << bar->tabText(i).toStdString();
    w->close();
}

// A title holding "&" ("Links & media") is shown as written, not as a mnemonic with its "&" dropped.
TEST(SettingsWindow, AmpersandsInControlTitlesAreShownAsText)
{
    SettingsWindow* w = SettingsWindow::showShared();
    int withAmpersand = 0;
    for (int i = 0; i < w->tabs()->count(); ++i)
        for (const QAbstractButton* b : w->tabs()->widget(i)->findChildren<QAbstractButton*>()) {
            EXPECT_TRUE(QKeySequence::mnemonic(b->text()).isEmpty()) << b->text().toStdString();
            withAmpersand += b->text().contains(u'&');
        }
    EXPECT_GE(withAmpersand, 2);
    w->close();
}

#include "assist/ApiKeyStore.h"
#include "editor/SpellChecker.h"
#include "platform/Settings.h"
#include "settings/SettingsModel.h"
#include "settings/ui/CustomThemesEditor.h"
#include "settings/ui/SettingsPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <sys/stat.h>

namespace {
QByteArray settingsBytes()
{
    Settings::instance().sync();
    QFile f(Settings::instance().filePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
QToolButton* segment(QWidget* page, const QString& text)
{
    for (auto* b : page->findChildren<QToolButton*>())
        if (b->text() == text) return b;
    return nullptr;
}
} // namespace

TEST(SettingsWindow, OpeningWritesNothingAndEachPageStoresWhatTheUserChanges)
{
    Settings& s = Settings::instance();
    s.setValue("editorFontSize", 15.0);
    const QByteArray before = settingsBytes();
    SettingsWindow* w = SettingsWindow::showShared();
    QCoreApplication::processEvents();
    EXPECT_EQ(settingsBytes(), before);

    // Editor: labels from the registered defaults, a segment and a slider step.
    QWidget* editor = w->page("Editor");
    QStringList labels;
    for (auto* l : editor->findChildren<QLabel*>()) labels << l->text();
    EXPECT_TRUE(labels.contains("15 pt") && labels.contains("3") && labels.contains("Off"));
    segment(editor, "Markdown Source")->click();
    EXPECT_EQ(s.string("editorViewMode"), "source");
    s.setValue("editorViewMode", "wysiwyg"); // a menu switching back shows on the page
    EXPECT_TRUE(segment(editor, "WYSIWYG")->isChecked());
    QSlider* size = editor->findChildren<QSlider*>().first();
    QTest::keyClick(size, Qt::Key_Right);
    EXPECT_EQ(s.number("editorFontSize"), 16);

    // Export: the CSS is stored as typed.
    auto* css = w->page("Export")->findChild<QPlainTextEdit*>();
    QTest::keyClicks(css, "h1{}");
    EXPECT_EQ(s.string("exportCSS"), "h1{}");

    // Behavior: a toggle.
    QCheckBox* reveal = w->page("Behavior")->findChildren<QCheckBox*>().first();
    reveal->click();
    EXPECT_EQ(s.boolean("revealActiveLineMarkers"), reveal->isChecked());
    w->close();
}

TEST(SettingsWindow, AddingAThemeUsesItAndTurnsTheThemeControlIntoAMenu)
{
    Settings& s = Settings::instance();
    s.remove("editorCustomThemes");
    s.setValue("editorAppearance", "dark");
    SettingsWindow* w = SettingsWindow::showShared();
    QWidget* page = w->page("Appearance");
    EXPECT_NE(segment(page, "Dark"), nullptr); // segmented while there is no custom theme
    page->findChild<CustomThemesEditor*>()->addTheme();
    const auto themes = SettingsModel::customThemes(s);
    ASSERT_EQ(themes.size(), 1);
    EXPECT_EQ(themes[0].name, "My Theme 1");
    EXPECT_EQ(s.string("editorAppearance"), "custom:" + themes[0].id);
    QCoreApplication::processEvents(QEventLoop::AllEvents); // the old control is deleted later
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto combos = page->findChildren<QComboBox*>();
    ASSERT_FALSE(combos.isEmpty());
    EXPECT_EQ(combos.first()->currentText(), "My Theme 1");
    page->findChild<CustomThemesEditor*>()->remove(themes[0].id);
    EXPECT_EQ(s.string("editorAppearance"), "system");
    w->close();
}

// The spelling languages without an installed dictionary say so in the picker.
TEST(SettingsWindow, TheSpellingPickerSaysWhichLanguagesHaveNoDictionary)
{
    QTemporaryDir folder;
    for (const char* file : {"de_CH.aff", "de_CH.dic", "pt_PT.aff", "pt_PT.dic", "fr_FR.aff"}) {
        QFile f(folder.filePath(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    SpellChecker::shared().useDictionaryFolders({folder.path()});
    std::unique_ptr<QWidget> page(SettingsPages::appearance(nullptr));
    SpellChecker::shared().useDictionaryFolders({});
    auto* picker = page->findChild<QComboBox*>("spellingLanguage");
    ASSERT_NE(picker, nullptr);
    QStringList items;
    for (int i = 0; i < picker->count(); ++i) items << picker->itemData(i).toString() + " " + picker->itemText(i);
    EXPECT_EQ(items, (QStringList{"auto Automatic", "en English (no dictionary installed)",
                                  "es Español (no dictionary installed)", "fr Français (no dictionary installed)",
                                  "de Deutsch", "it Italiano (no dictionary installed)", "pt Português"}));
}

TEST(SettingsWindow, ProviderKeysGoToTheKeyFileOnly)
{
    Settings& s = Settings::instance();
    s.setValue("aiProvider", "custom");
    SettingsWindow* w = SettingsWindow::showShared();
    QWidget* page = w->page("AI");
    auto* fields = page->findChild<QStackedWidget*>("providerFields");
    EXPECT_EQ(fields->currentIndex(), 2);
    QLineEdit* key = nullptr;
    for (auto* e : fields->currentWidget()->findChildren<QLineEdit*>())
        if (e->echoMode() == QLineEdit::Password) key = e;
    ASSERT_NE(key, nullptr);
    QTest::keyClicks(key, "sk-secret-123");
    EXPECT_EQ(ApiKeyStore::instance().key(ApiKeyStore::customKeyName()), "sk-secret-123");
    EXPECT_FALSE(settingsBytes().contains("sk-secret"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(ApiKeyStore::instance().filePath()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    s.setValue("aiProvider", "ollama");
    EXPECT_EQ(fields->currentIndex(), 1);
    w->close();
}

// Rows replaced by Add Theme, Duplicate and Delete linger until they are deleted; the rows
// shown must be the ones brought up to date: each with its name, one "in use" only, and
// "Use This Theme" off on that one alone.
TEST(SettingsWindow, ThemeRowsShowTheirNamesAndOneThemeInUse)
{
    Settings& s = Settings::instance();
    s.remove("editorCustomThemes");
    s.setValue("editorAppearance", "light");
    CustomThemesEditor editor;
    auto shown = [&editor] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList rows;
        for (QWidget* row : editor.findChildren<QWidget*>(QRegularExpression("^theme:"))) {
            const bool inUse = !row->findChild<QLabel*>("inUse")->isHidden();
            const bool canUse = row->findChild<QPushButton*>("use")->isEnabled();
            rows << row->findChild<QLabel*>("name")->text() + (inUse ? " in use" : "") + (canUse ? "" : " (no use)");
        }
        return rows.join(", ").toStdString();
    };
    editor.addTheme();
    EXPECT_EQ(shown(), "My Theme 1 in use (no use)");
    editor.duplicate(SettingsModel::customThemes(s)[0].id);
    EXPECT_EQ(shown(), "My Theme 1 in use (no use), My Theme 2");
    editor.addTheme();
    EXPECT_EQ(shown(), "My Theme 1, My Theme 2, My Theme 3 in use (no use)");
    editor.remove(SettingsModel::customThemes(s)[1].id);
    EXPECT_EQ(shown(), "My Theme 1, My Theme 3 in use (no use)");
}
