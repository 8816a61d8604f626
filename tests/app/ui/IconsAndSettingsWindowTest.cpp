#include "app/ui/SettingsWindow.h"
#include "platform/ui/Icons.h"

#include <QDirIterator>
#include <QCoreApplication>
#include <QFile>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

TEST(Icons, EverySymbolHasABundledFallbackThatLoads)
{
    for (const char* symbol : {"doc.text", "folder.badge.plus", "magnifyingglass", "sparkles", "tablecells",
                               "no.such.symbol"}) {
        const Icons::Entry e = Icons::entry(symbol);
        const QString path = QString(":/icons/%1.svg").arg(e.fallback);
        EXPECT_TRUE(QFile::exists(path)) << symbol;
        EXPECT_FALSE(Icons::icon(symbol).pixmap(16, 16).isNull()) << symbol;
    }
    EXPECT_TRUE(Icons::isKnown("clock.arrow.circlepath"));
    EXPECT_FALSE(Icons::isKnown("no.such.symbol"));
    EXPECT_STREQ(Icons::entry("plus.magnifyingglass").themeName, "zoom-in");
}

TEST(SettingsWindow, OneSharedWindowWithItsPages)
{
    SettingsWindow* w = SettingsWindow::showShared();
    EXPECT_EQ(SettingsWindow::showShared(), w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->tabs()->count(), 8);
    EXPECT_EQ(w->tabs()->tabText(0), "Editor");
    EXPECT_NE(w->page("Shortcuts"), nullptr);
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
