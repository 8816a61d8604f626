// The window's symbols and colours in the light and the dark look.
#include "AppTestSupport.h"
#include "app/ui/AppShell.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/StatusBar.h"
#include "app/ui/WelcomeWindow.h"
#include "app/ui/WhatsNewWindow.h"
#include "commands/ui/CommandPalette.h"
#include "commands/ui/EditorToolbar.h"
#include "editor/ui/FindBar.h"
#include "files/FileBrowserModel.h"
#include "files/VersionStore.h"
#include "files/ui/FileBrowserSidebar.h"
#include "files/ui/VersionHistoryView.h"
#include "render/ui/ExportPresetsView.h"
#include "settings/ui/SettingsWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

struct Shown {
    QString name; // what the control does
    QIcon icon;
    QColor ground; // what it is drawn on
    QIcon::Mode mode = QIcon::Normal;
};

// The contrast ratio of two opaque colours, 1 to 21.
double contrastOf(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString plain(QString text)
{
    return text.remove(u'&');
}

// The symbol's shape whatever its colour, and the contrast of its strongest ink.
struct Drawn {
    QByteArray shape;
    double contrast = 1;
};

Drawn draw(const Shown& s)
{
    const QImage image = s.icon.pixmap(QSize(16, 16), s.mode).toImage().convertToFormat(QImage::Format_ARGB32);
    Drawn d;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            d.shape.append(char(qAlpha(p) / 32));
            if (qAlpha(p) < 200) continue;
            d.contrast = std::max(d.contrast, contrastOf(QColor(p).toRgb(), s.ground));
        }
    return d;
}

// Fails where two controls of one surface that do different things show the same shape, or
// where a symbol stands out less than 3:1 from what it is drawn on.
void expectDistinctAndLegible(const QList<Shown>& surface, const char* look, const char* where)
{
    std::map<QByteArray, QString> byShape;
    for (const Shown& s : surface) {
        const Drawn d = draw(s);
        EXPECT_GE(d.contrast, 3.0) << look << " " << where << ": " << s.name.toStdString();
        const auto [it, fresh] = byShape.emplace(d.shape, s.name);
        EXPECT_TRUE(fresh || it->second == s.name) << look << " " << where << ": \"" << s.name.toStdString()
                                                   << "\" looks like \"" << it->second.toStdString() << "\"";
    }
}

class LookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        useOwnSettingsAndAutosave(dir);
    }
    void TearDown() override
    {
        for (DocumentWindow* w : DocumentController::instance().windows()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Settings::instance().setValue("editorAppearance", "system");
        AppShell::newDocumentWithText(QString())->close(); // the application's look follows
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static bool isDark(const QWidget* w) { return w->palette().color(QPalette::Window).lightness() < 128; }

    QTemporaryDir dir;
};

TEST_F(LookTest, EveryCommandShowsItsOwnLegibleSymbolInBothLooks)
{
    for (const char* look : {"light", "dark"}) {
        Settings::instance().setValue("editorAppearance", look);
        DocumentWindow* w = AppShell::newDocumentWithText(QString("---\ntheme: %1\n---\nText").arg(look));
        w->show();
        ASSERT_EQ(isDark(w), QString(look) == "dark");

        // The commands: toolbar, its two menus and the palette's rows, where "Bold" is one
        // command wherever it is shown. The toolbar's date button is the palette's date command.
        QList<Shown> commands;
        auto* toolbar = w->findChild<EditorToolbar*>();
        ASSERT_NE(toolbar, nullptr);
        for (QToolButton* b : toolbar->findChildren<QToolButton*>())
            if (!b->icon().isNull())
                commands.append({b->accessibleName() == "Insert Date" ? QString("Today's Date") : b->accessibleName(),
                                 b->icon(), b->palette().color(QPalette::Window)});
        for (QMenu* menu : {toolbar->allToolsMenu(), toolbar->exportMenu()}) {
            menu->popup(QPoint(0, 0));
            for (QAction* a : menu->actions())
                if (!a->isSeparator())
                    commands.append({plain(a->text()), a->icon(), menu->palette().color(QPalette::Base)});
            menu->hide();
        }
        auto* palette = new CommandPalette(CommandContext{}, w);
        palette->show();
        QAbstractItemModel* rows = palette->list()->model();
        for (int i = 0; i < rows->rowCount(); ++i) {
            const QModelIndex row = rows->index(i, 0);
            const QIcon icon = qvariant_cast<QIcon>(row.data(Qt::DecorationRole));
            const QPalette& pal = palette->list()->palette();
            commands.append({row.data().toString(), icon, pal.color(QPalette::Base)});
            commands.append({row.data().toString(), icon, pal.color(QPalette::Highlight), QIcon::Selected});
        }
        delete palette;
        EXPECT_GT(commands.size(), 100);
        expectDistinctAndLegible(commands, look, "commands");

        QList<Shown> status;
        for (QToolButton* b : w->findChild<StatusBar*>()->findChildren<QToolButton*>())
            if (!b->icon().isNull())
                status.append({b->accessibleName(), b->icon(), b->palette().color(QPalette::Window)});
        EXPECT_EQ(status.size(), 3);
        expectDistinctAndLegible(status, look, "status bar");

        SettingsWindow* settings = SettingsWindow::showShared();
        QList<Shown> tabs;
        for (int i = 0; i < settings->tabs()->count(); ++i)
            tabs.append({settings->tabs()->tabText(i), settings->tabs()->tabIcon(i),
                         settings->tabs()->palette().color(QPalette::Window)});
        expectDistinctAndLegible(tabs, look, "settings tabs");
        settings->close();

        auto* presets = new ExportPresetsView({}, {}, w);
        presets->show();
        QList<Shown> sheet;
        for (QToolButton* b : presets->findChildren<QToolButton*>())
            sheet.append({b->accessibleName(), b->icon(), b->palette().color(QPalette::Window)});
        EXPECT_GE(sheet.size(), 3);
        expectDistinctAndLegible(sheet, look, "presets sheet");
        delete presets;
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A window in the dark look is dark throughout: its bars, the menus and dialogs it opens, and
// (when the look is the stored one) the windows of no document, such as Settings.
TEST_F(LookTest, TheDarkLookReachesEveryBarMenuAndDialog)
{
    // Dark by its front matter alone: the application stays light.
    DocumentWindow* own = AppShell::newDocumentWithText(QString("---\ntheme: dark\n---\nText"));
    own->show();
    ASSERT_TRUE(isDark(own));
    EXPECT_FALSE(isDark(SettingsWindow::showShared()));
    SettingsWindow::shared()->close();
    EXPECT_TRUE(isDark(own->findChild<StatusBar*>())) << "the status bar stays light";
    auto* toolbar = own->findChild<EditorToolbar*>();
    const QColor ground = toolbar->palette().color(QPalette::Window);
    for (const char* name : {"All tools", "Export"})
        EXPECT_GE(draw({name, toolbar->button(name)->icon(), ground}).contrast, 3.0) << name;
    toolbar->allToolsMenu()->popup(QPoint(0, 0));
    EXPECT_TRUE(isDark(toolbar->allToolsMenu()));
    toolbar->allToolsMenu()->hide();
    auto* print = new QPrintDialog(own);
    print->show();
    EXPECT_TRUE(isDark(print));
    delete print;

    // Dark as stored: every window follows, those of no document included.
    Settings::instance().setValue("editorAppearance", "dark");
    DocumentWindow* stored = AppShell::newDocumentWithText(QString("Text"));
    stored->show();
    EXPECT_TRUE(isDark(stored));
    EXPECT_TRUE(isDark(stored->findChild<StatusBar*>()));
    EXPECT_TRUE(isDark(SettingsWindow::showShared()));
    SettingsWindow::shared()->close();
    QWidget lonely;
    lonely.show();
    EXPECT_TRUE(isDark(&lonely));
}

// What a window shows once the look changed while it was open is what it shows when opened
// in that look: nothing keeps the colours of the look it was opened in.
TEST_F(LookTest, OpenWindowsFollowAChangeOfLookAndShowTheChosenChoice)
{
    Settings::instance().setValue("editorAppearance", "light");
    AppShell::newDocumentWithText(QString("Text"))->close(); // the application's look follows
    auto pages = [](SettingsWindow* settings) {
        QList<QImage> out;
        for (int i = 0; i < settings->tabs()->count(); ++i) {
            settings->tabs()->setCurrentIndex(i);
            out.append(settings->tabs()->currentWidget()->grab().toImage());
        }
        return out;
    };
    // The chosen look of the Theme choice stands out from the window in every look.
    auto expectChosenStandsOut = [](SettingsWindow* settings, const char* look) {
        QToolButton* chosen = nullptr;
        for (QToolButton* b : settings->page("Appearance")->findChildren<QToolButton*>())
            if (b->property("settingValue").toString() == look) chosen = b;
        ASSERT_TRUE(chosen && chosen->isChecked()) << look;
        const QColor fill = chosen->grab().toImage().pixelColor(2, chosen->height() / 2);
        EXPECT_GE(contrastOf(fill, settings->palette().color(QPalette::Window)), 3.0) << look;
    };
    SettingsWindow* settings = SettingsWindow::showShared();
    expectChosenStandsOut(settings, "light");
    auto* welcome = new WelcomeWindow;
    welcome->show();

    Settings::instance().setValue("editorAppearance", "dark");
    // What Qt sends every window when the application's palette changes, once its event
    // loop runs (a test's never does).
    for (QWidget* w : QApplication::topLevelWidgets()) {
        QEvent changed(QEvent::ApplicationPaletteChange);
        QCoreApplication::sendEvent(w, &changed);
    }
    ASSERT_TRUE(isDark(settings));
    ASSERT_TRUE(isDark(welcome));
    expectChosenStandsOut(settings, "dark");
    const QList<QImage> followed = pages(settings);
    const QImage welcomed = welcome->grab().toImage();
    delete settings;
    delete welcome;
    const QList<QImage> fresh = pages(SettingsWindow::showShared());
    ASSERT_EQ(followed.size(), fresh.size());
    for (int i = 0; i < fresh.size(); ++i)
        EXPECT_TRUE(followed[i] == fresh[i]) << SettingsWindow::shared()->tabs()->tabText(i).toStdString();
    SettingsWindow::shared()->close();
    WelcomeWindow freshWelcome;
    freshWelcome.show();
    EXPECT_TRUE(welcomed == freshWelcome.grab().toImage());
}

// The strongest contrast of any pixel of `image` against `ground`.
double inkContrast(const QImage& image, const QColor& ground)
{
    double best = 1;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) >= 200) best = std::max(best, contrastOf(argb.pixelColor(x, y), ground));
    return best;
}

// With the look changed while they are open, every window is in the new look at once, and
// what they show stands out 3:1 from what it is drawn on: the file browser's symbols, the
// boxes of unchecked settings, the caption of the chosen version.
TEST_F(LookTest, AChangeOfLookReachesEveryOpenWindowAndEverythingInItStaysLegible)
{
    Settings::instance().setValue("editorAppearance", "light");
    QDir().mkpath(dir.filePath("docs/sub"));
    for (const char* name : {"docs/a.md", "docs/b.md", "docs/sub/c.md"}) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("text");
    }
    DocumentWindow* first = AppShell::newDocumentWithText(QString("one"));
    DocumentWindow* second = AppShell::newDocumentWithText(QString("two"));
    first->show();
    second->show();
    FileBrowserModel model;
    FileBrowserModel::adoptFolder(dir.filePath("docs"), &model);
    auto* files = new FileBrowserSidebar(
        &model, nullptr, [](const QString&) {}, first);
    files->setCurrentPath(dir.filePath("docs/b.md"));
    files->refreshButton()->click();
    files->show();
    ASSERT_EQ(files->tree()->topLevelItemCount(), 3);
    VersionStore::snapshot("old", dir.filePath("docs/a.md"), QDateTime::fromSecsSinceEpoch(1'700'000'000));
    VersionStore::snapshot("older", dir.filePath("docs/a.md"), QDateTime::fromSecsSinceEpoch(1'600'000'000));
    auto* versions = new VersionHistoryView(dir.filePath("docs/a.md"), "now", nullptr, nullptr, second);
    versions->show();
    ASSERT_EQ(versions->list()->count(), 2);
    versions->list()->setCurrentRow(1);
    SettingsWindow* settings = SettingsWindow::showShared();
    settings->tabs()->setCurrentWidget(settings->page("Appearance"));
    WhatsNewWindow whatsNew(Settings::instance(), [](int, std::function<void()>) {});
    whatsNew.show();

    for (const char* look : {"dark", "light"}) {
        const bool dark = QString(look) == "dark";
        Settings::instance().setValue("editorAppearance", look);
        for (QWidget* w : QApplication::topLevelWidgets()) { // as the event loop would send it
            QEvent changed(QEvent::ApplicationPaletteChange);
            QCoreApplication::sendEvent(w, &changed);
        }
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return isDark(first) == dark && isDark(second) == dark && isDark(settings) == dark;
        })) << look;
        for (DocumentWindow* w : {first, second}) {
            EXPECT_EQ(isDark(w), dark) << look;
            EXPECT_EQ(isDark(w->menuBar()), dark) << look << " menu bar";
            for (QMenu* menu : w->menuBar()->findChildren<QMenu*>()) EXPECT_EQ(isDark(menu), dark) << look;
        }
        EXPECT_EQ(isDark(settings), dark) << look;
        for (QLabel* label : whatsNew.findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            const QColor ink = label->palette().color(label->foregroundRole());
            EXPECT_GE(contrastOf(ink, whatsNew.palette().color(QPalette::Window)), 3.0)
                << look << " What's New: " << label->text().toStdString();
        }

        const QColor treeGround = files->tree()->palette().color(QPalette::Base);
        for (int i = 0; i < files->tree()->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = files->tree()->topLevelItem(i);
            const QImage symbol = item->icon(0).pixmap(16, 16).toImage();
            EXPECT_GE(inkContrast(symbol, treeGround), 3.0) << look << " file browser: " << item->text(0).toStdString();
        }

        int boxes = 0;
        for (QCheckBox* box : settings->page("Appearance")->findChildren<QCheckBox*>()) {
            if (box->isChecked()) continue;
            QStyleOptionButton option;
            option.initFrom(box);
            const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
            const QImage drawn = box->grab(indicator).toImage();
            EXPECT_GE(inkContrast(drawn, settings->palette().color(QPalette::Window)), 3.0)
                << look << " check box: " << box->text().toStdString();
            ++boxes;
        }
        EXPECT_GE(boxes, 2);

        QWidget* chosen = versions->list()->itemWidget(versions->list()->item(1));
        ASSERT_NE(chosen, nullptr);
        const QColor selection = versions->list()->palette().color(QPalette::Highlight);
        for (QLabel* caption : chosen->findChildren<QLabel*>())
            EXPECT_GE(contrastOf(caption->palette().color(caption->foregroundRole()), selection), 3.0)
                << look << " chosen version: " << caption->text().toStdString();
    }
    delete versions;
    settings->close();
}

} // namespace

namespace {

// Names a screen reader gives the controls of `root` that show no words of their own.
void expectNamed(QWidget* root, const char* where)
{
    for (QWidget* w : root->findChildren<QWidget*>()) {
        auto* button = qobject_cast<QAbstractButton*>(w);
        const bool iconOnly = button && button->text().isEmpty() && !button->icon().isNull();
        if (!iconOnly && !qobject_cast<QLineEdit*>(w)) continue;
        // The overflow arrows of the menu bar and the tool bar are Qt's own.
        if (w->objectName().startsWith("qt_") && w->objectName().endsWith("_ext_button")) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(a, nullptr);
        EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty())
            << where << ": a " << w->metaObject()->className() << " with the tip \"" << w->toolTip().toStdString()
            << "\" in a " << w->parentWidget()->metaObject()->className() << " has no name";
    }
}

TEST_F(LookTest, EveryControlWithoutWordsHasANameAndTheWordCountIsAButton)
{
    Settings::instance().setValue("showOutline", true);
    Settings::instance().setValue("showFileBrowser", true);
    DocumentWindow* w = AppShell::newDocumentWithText(QString("# Title\n\nText"));
    w->show();
    for (FindBar* find : w->findChildren<FindBar*>()) find->showBar(true);
    expectNamed(w, "window");
    auto* palette = new CommandPalette(CommandContext{}, w);
    palette->show();
    expectNamed(palette, "palette");
    delete palette;
    auto* presets = new ExportPresetsView({}, {}, w);
    presets->show();
    expectNamed(presets, "presets");
    delete presets;
    SettingsWindow* settings = SettingsWindow::showShared();
    expectNamed(settings, "settings");
    settings->close();

    StatusBar* status = w->findChild<StatusBar*>();
    QToolButton* words = nullptr;
    for (QToolButton* b : status->findChildren<QToolButton*>())
        if (b->text().endsWith("words")) words = b;
    ASSERT_NE(words, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(words)->role(), QAccessible::Button);
}

} // namespace
