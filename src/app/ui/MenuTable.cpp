#include "app/ui/MenuBar.h"

#include "app/CheatSheet.h"
#include "app/Mnemonics.h"
#include "app/TemplateStore.h"
#include "app/ui/AppShell.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/MenuServices.h"
#include "app/ui/WelcomeWindow.h"
#include "app/ui/WhatsNewWindow.h"
#include "commands/CommandContext.h"
#include "editor/CaseTransform.h"
#include "editor/EditorController.h"
#include "editor/ui/EditorHost.h"
#include "platform/NotificationBus.h"
#include "platform/PrefKey.h"
#include "platform/Requests.h"
#include "platform/Settings.h"
#include "render/ExportPresets.h"
#include "render/export/ui/ExportRequest.h"
#include "settings/ui/SettingsWindow.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>

using namespace Qt::StringLiterals;

namespace {

using W = DocumentWindow;
using K = QKeySequence;
using Row = MenuBar::Row;

// ---- How items act ----
// On the window's editor, on the program's own windows, or by a request that the feature
// acting on it observes in the key window: the table names no feature.

void post(QLatin1String request)
{
    NotificationBus::instance().post(NotificationBus::name(request));
}

void flip(QLatin1String key)
{
    Settings& s = Settings::instance();
    s.setValue(key, !s.boolean(key));
}

void exportAs(W& w, ExportFormat format)
{
    ExportRequest::fromWindow(w, format).send();
}

void exportPreset(W& w, const ExportPreset& preset)
{
    ExportRequest::fromPreset(w, preset).send();
}

void batchExport(W& w, ExportFormat format)
{
    if (const auto& run = MenuServices::exports().batchExport) run(format, &w);
}

bool canExport(W&)
{
    return bool(ExportRequest::receiver());
}
bool canBatchExport(W&)
{
    return bool(MenuServices::exports().batchExport);
}
bool canPrint(W&)
{
    return bool(MenuServices::exports().print);
}

void print(W& w)
{
    const auto& run = MenuServices::exports().print;
    if (!run) return;
    // What an export reads of the window: its text, its name and its folder.
    const ExportRequest r = ExportRequest::fromWindow(w, ExportFormat::html);
    run(r.text, r.suggestedName, r.baseDir, r.window);
}

void pageSetup(W& w)
{
    // Window-modal on the document window, on the printer printing uses.
    auto* dialog = new QPageSetupDialog(&MenuServices::printer(), &w);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->open();
}

EditorController& editor(W& w)
{
    return *w.editorController();
}

void toggleViewMode()
{
    Settings& s = Settings::instance();
    s.setValue(PrefKey::editorViewMode,
               CommandContexts::toggledViewMode(s.string(PrefKey::editorViewMode, u"wysiwyg"_s)));
}

// A Show/Hide item: its title follows the setting each time its menu opens.
template <const QLatin1String& Key, const char* Show, const char* Hide> void showHideTitle(QAction* a, W&)
{
    const auto update = [a] {
        a->setText(QCoreApplication::translate("MenuBar", Settings::instance().boolean(Key) ? Hide : Show));
    };
    update();
    QObject::connect(qobject_cast<QMenu*>(a->parent()), &QMenu::aboutToShow, a, update);
}
constexpr const QLatin1String& kShowFileBrowser = PrefKey::showFileBrowser;
constexpr const QLatin1String& kShowOutline = PrefKey::showOutline;
constexpr const QLatin1String& kShowMinimap = PrefKey::editorShowMinimap;
constexpr const QLatin1String& kShowRuler = PrefKey::editorShowRuler;
constexpr char kShowFileBrowserTitle[] = QT_TRANSLATE_NOOP("MenuBar", "Show File &Browser"),
               kHideFileBrowserTitle[] = QT_TRANSLATE_NOOP("MenuBar", "Hide File &Browser"),
               kShowOutlineTitle[] = QT_TRANSLATE_NOOP("MenuBar", "Show Out&line"),
               kHideOutlineTitle[] = QT_TRANSLATE_NOOP("MenuBar", "Hide Out&line"),
               kShowMinimapTitle[] = QT_TRANSLATE_NOOP("MenuBar", "Show &Minimap"),
               kHideMinimapTitle[] = QT_TRANSLATE_NOOP("MenuBar", "Hide &Minimap"),
               kShowRulerTitle[] = QT_TRANSLATE_NOOP("MenuBar", "Show &Ruler"),
               kHideRulerTitle[] = QT_TRANSLATE_NOOP("MenuBar", "Hide &Ruler");

void viewModeTitle(QAction* a, W&)
{
    const auto update = [a] {
        const bool wysiwyg = Settings::instance().string(PrefKey::editorViewMode, u"wysiwyg"_s) == u"wysiwyg"_s;
        a->setText(wysiwyg ? MenuBar::tr("&Show Markdown Source") : MenuBar::tr("&Show WYSIWYG"));
    };
    update();
    QObject::connect(qobject_cast<QMenu*>(a->parent()), &QMenu::aboutToShow, a, update);
}

void templatesMenu(QAction* a, W&)
{
    QMenu* menu = a->menu<QMenu*>();
    QStringList names;
    for (const DocumentTemplate& t : TemplateStore::all()) names.append(t.shownName());
    names = Mnemonics::assign(names);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString body = TemplateStore::all()[i].body;
        menu->addAction(names[i], [body] { AppShell::newDocumentWithText(body); });
    }
}

// The presets are read when the menu first opens, and again each time it opens after they
// were saved.
void presetsMenu(QAction* a, W& w)
{
    QMenu* menu = a->menu<QMenu*>();
    const auto rebuild = [menu, &w] {
        const qint64 rev = ExportPresetStore::revision(Settings::instance());
        const QVariant built = menu->property("bwPresetsRev");
        if (!built.isValid() || built.toLongLong() != rev) {
            menu->setProperty("bwPresetsRev", rev);
            menu->clear();
            const QList<ExportPreset> presets = ExportPresetStore::all();
            QStringList names;
            for (const ExportPreset& preset : presets) names.append(preset.name);
            // A user's name is shown as written: "&" is no mnemonic marker here.
            const QString manageTitle = MenuBar::tr("&Manage Export Presets…");
            names = Mnemonics::assign(names, Mnemonics::of(manageTitle));
            for (qsizetype i = 0; i < presets.size(); ++i)
                menu->addAction(names[i], &w, [&w, preset = presets[i]] { exportPreset(w, preset); })->setData(true);
            menu->addSeparator();
            menu->addAction(manageTitle, [] { post(Requests::showExportPresets); });
        }
        for (QAction* item : menu->actions())
            if (item->data().toBool()) item->setEnabled(canExport(w));
    };
    QObject::connect(menu, &QMenu::aboutToShow, menu, rebuild);
}

void toggleFullScreen(W& w)
{
    w.setWindowState(w.windowState() ^ Qt::WindowFullScreen);
}

// The check mark follows the window, however it entered or left full screen.
class FullScreenCheck : public QObject {
public:
    explicit FullScreenCheck(QAction* action)
        : QObject(action),
          m_action(action)
    {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowStateChange)
            m_action->setChecked(static_cast<QWidget*>(watched)->isFullScreen());
        return false;
    }

private:
    QAction* m_action;
};

void fullScreenCheck(QAction* a, W& w)
{
    a->setCheckable(true);
    a->setChecked(w.isFullScreen());
    w.installEventFilter(new FullScreenCheck(a));
}

void about(W& w)
{
    auto* box =
        new QMessageBox(QMessageBox::NoIcon, MenuBar::tr("About Brindlewick"),
                        MenuBar::tr("Brindlewick %1").arg(QCoreApplication::applicationVersion()), QMessageBox::Ok, &w);
    box->setInformativeText(MenuBar::tr("A Markdown editor."));
    box->setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

constexpr auto UK = K::UnknownKey;
// Items that do not act on this window's text (windows of their own, the view, panels that
// take the keys typed next) act at once; the others take their turn with the keys.
constexpr auto AtOnce = MenuBar::Turn::AtOnce;

} // namespace

// The titles of the menus and submenus that rows name in their paths, for translation.
const QList<const char*>& MenuBar::menuTitles()
{
    static const QList<const char*> titles{
        QT_TR_NOOP("&File"),      QT_TR_NOOP("&Export"), QT_TR_NOOP("&Batch Export Folder"),
        QT_TR_NOOP("&Edit"),      QT_TR_NOOP("&Find"),   QT_TR_NOOP("F&ormat"),
        QT_TR_NOOP("&Heading"),   QT_TR_NOOP("&Lists"),  QT_TR_NOOP("&Align"),
        QT_TR_NOOP("&Transform"), QT_TR_NOOP("Li&nes"),  QT_TR_NOOP("&Insert"),
        QT_TR_NOOP("&Table"),     QT_TR_NOOP("&Tools"),  QT_TR_NOOP("&View"),
        QT_TR_NOOP("&Help"),
    };
    return titles;
}

// Titles are the exact ones (single ellipsis, ×, →); "&" marks the mnemonic, unique in its
// menu, and "&&" shows one ampersand. Keys are the Linux names: Command is Ctrl, Option is
// Alt, Control is Meta. Keys Linux users press stand beside them: Ctrl+H, the platform's
// standard keys, and F11; Move Line Up and Down come first as Alt+Up and Alt+Down, since
// window managers take Ctrl+Alt and Shift+Alt with the arrows for switching desktops.
const QList<Row>& MenuBar::table()
{
    static const QList<Row> rows{
        // File
        {"&File", QT_TR_NOOP("&New"), K::New, nullptr, [](W&) { DocumentController::instance().newDocument(); },
         nullptr, nullptr, AtOnce},
        {"&File", QT_TR_NOOP("&Open…"), K::Open, nullptr,
         [](W& w) { DocumentController::instance().openWithDialog(&w); }, nullptr, nullptr, AtOnce},
        // A row with no action but a set-up is a submenu.
        {"&File", QT_TR_NOOP("Open &Recent"), UK, nullptr, nullptr,
         [](QAction* a, W& w) {
             auto* recent = a->menu<QMenu*>();
             QObject::connect(recent, &QMenu::aboutToShow, &w,
                              [recent] { DocumentController::instance().populateRecentMenu(recent); });
             DocumentController::instance().populateRecentMenu(recent);
         }},
        {"&File", QT_TR_NOOP("New from &Template"), UK, nullptr, nullptr, &templatesMenu},
        {"&File", QT_TR_NOOP("Quic&k Open…"), UK, "Ctrl+Shift+O", [](W&) { post(Requests::showQuickOpen); }, nullptr,
         nullptr, AtOnce},
        {"&File"},
        {"&File", QT_TR_NOOP("&Close"), K::Close, nullptr, [](W& w) { w.close(); }},
        {"&File", QT_TR_NOOP("&Save"), K::Save, nullptr, [](W& w) { w.saveThen({}); }},
        {"&File", QT_TR_NOOP("Save &As…"), K::SaveAs, "Ctrl+Shift+S", [](W& w) { w.saveAsThen({}); }},
        {"&File"},
        {"&File/&Export", QT_TR_NOOP("As &HTML…"), UK, nullptr, [](W& w) { exportAs(w, ExportFormat::html); }, nullptr,
         &canExport},
        {"&File/&Export", QT_TR_NOOP("As &PDF…"), UK, nullptr, [](W& w) { exportAs(w, ExportFormat::pdf); }, nullptr,
         &canExport},
        {"&File/&Export", QT_TR_NOOP("As &Word…"), UK, nullptr, [](W& w) { exportAs(w, ExportFormat::docx); }, nullptr,
         &canExport},
        {"&File/&Export", QT_TR_NOOP("As &OpenDocument…"), UK, nullptr, [](W& w) { exportAs(w, ExportFormat::odt); },
         nullptr, &canExport},
        {"&File/&Export", QT_TR_NOOP("As &Rich Text…"), UK, nullptr, [](W& w) { exportAs(w, ExportFormat::rtf); },
         nullptr, &canExport},
        {"&File/&Export"},
        {"&File/&Export", QT_TR_NOOP("&Copy as HTML"), UK, nullptr, [](W& w) { exportAs(w, ExportFormat::copyHTML); },
         nullptr, &canExport},
        {"&File/&Export"},
        {"&File/&Export", QT_TR_NOOP("Pre&sets"), UK, nullptr, nullptr, &presetsMenu},
        {"&File/&Export"},
        {"&File/&Export/&Batch Export Folder", QT_TR_NOOP("As &HTML…"), UK, nullptr,
         [](W& w) { batchExport(w, ExportFormat::html); }, nullptr, &canBatchExport},
        {"&File/&Export/&Batch Export Folder", QT_TR_NOOP("As &PDF…"), UK, nullptr,
         [](W& w) { batchExport(w, ExportFormat::pdf); }, nullptr, &canBatchExport},
        {"&File/&Export/&Batch Export Folder", QT_TR_NOOP("As &Word…"), UK, nullptr,
         [](W& w) { batchExport(w, ExportFormat::docx); }, nullptr, &canBatchExport},
        {"&File/&Export/&Batch Export Folder", QT_TR_NOOP("As &OpenDocument…"), UK, nullptr,
         [](W& w) { batchExport(w, ExportFormat::odt); }, nullptr, &canBatchExport},
        {"&File/&Export/&Batch Export Folder", QT_TR_NOOP("As &Rich Text…"), UK, nullptr,
         [](W& w) { batchExport(w, ExportFormat::rtf); }, nullptr, &canBatchExport},
        {"&File"},
        {"&File", QT_TR_NOOP("&Header && Footer…"), UK, nullptr, [](W&) { post(Requests::editHeaderFooter); }},
        {"&File", QT_TR_NOOP("Page Set&up…"), UK, nullptr, &pageSetup, nullptr, nullptr, AtOnce},
        {"&File", QT_TR_NOOP("&Print…"), K::Print, "Ctrl+P", &print, nullptr, &canPrint},
        {"&File", QT_TR_NOOP("Allow Access to &Folder…"), UK, nullptr, [](W&) { post(Requests::allowFolderAccess); },
         nullptr, nullptr, AtOnce},
        {"&File"},
        {"&File", QT_TR_NOOP("&Quit"), K::Quit, nullptr, [](W&) { DocumentController::instance().quit(); },
         [](QAction* a, W&) { a->setMenuRole(QAction::QuitRole); }, nullptr, AtOnce},

        // Edit
        {"&Edit", QT_TR_NOOP("&Undo"), K::Undo, nullptr, [](W& w) { w.editorHost()->undo(); },
         [](QAction* a, W& w) {
             a->setEnabled(false);
             QObject::connect(w.editorHost(), &EditorHost::undoAvailable, a, &QAction::setEnabled);
         }},
        {"&Edit", QT_TR_NOOP("&Redo"), K::Redo, nullptr, [](W& w) { w.editorHost()->redo(); },
         [](QAction* a, W& w) {
             a->setEnabled(false);
             QObject::connect(w.editorHost(), &EditorHost::redoAvailable, a, &QAction::setEnabled);
         }},
        {"&Edit"},
        {"&Edit", QT_TR_NOOP("Cu&t"), K::Cut, nullptr, [](W& w) { w.editorHost()->cut(); }},
        {"&Edit", QT_TR_NOOP("&Copy"), K::Copy, nullptr, [](W& w) { w.editorHost()->copy(); }},
        {"&Edit", QT_TR_NOOP("&Paste"), K::Paste, nullptr, [](W& w) { w.editorHost()->paste(); }},
        {"&Edit", QT_TR_NOOP("Select &All"), K::SelectAll, nullptr, [](W& w) { w.editorHost()->selectAll(); }},
        {"&Edit"},
        {"&Edit/&Find", QT_TR_NOOP("&Find…"), K::Find, "Ctrl+F", [](W&) { post(Requests::showFind); }, nullptr, nullptr,
         AtOnce},
        {"&Edit/&Find", QT_TR_NOOP("Find && &Replace…"), K::Replace, "Ctrl+Alt+F; Ctrl+H",
         [](W&) { post(Requests::showFindAndReplace); }, nullptr, nullptr, AtOnce},
        {"&Edit/&Find", QT_TR_NOOP("Find &Next"), K::FindNext, "Ctrl+G", [](W&) { post(Requests::findNext); }},
        {"&Edit/&Find", QT_TR_NOOP("Find Pre&vious"), K::FindPrevious, "Ctrl+Shift+G",
         [](W&) { post(Requests::findPrevious); }},
        {"&Edit/&Find", QT_TR_NOOP("Use &Selection for Find"), UK, "Ctrl+E",
         [](W&) { post(Requests::useSelectionForFind); }},
        {"&Edit"},
        {"&Edit", QT_TR_NOOP("&Settings…"), K::Preferences, "Ctrl+,", [](W&) { SettingsWindow::showShared(); },
         [](QAction* a, W&) { a->setMenuRole(QAction::PreferencesRole); }, nullptr, AtOnce},

        // Format
        {"F&ormat", QT_TR_NOOP("&Bold"), K::Bold, "Ctrl+B", [](W& w) { editor(w).wrap(u"**"_s); }},
        {"F&ormat", QT_TR_NOOP("&Italic"), K::Italic, "Ctrl+I", [](W& w) { editor(w).wrap(u"*"_s); }},
        {"F&ormat", QT_TR_NOOP("&Strikethrough"), UK, "Ctrl+Shift+X", [](W& w) { editor(w).wrap(u"~~"_s); }},
        // Ctrl+E belongs to "Use Selection for Find", earlier in menu order.
        {"F&ormat", QT_TR_NOOP("Inline &Code"), UK, nullptr, [](W& w) { editor(w).wrap(u"`"_s); }},
        {"F&ormat"},
        {"F&ormat/&Heading", QT_TR_NOOP("Heading &1"), UK, "Ctrl+1", [](W& w) { editor(w).heading(1); }},
        {"F&ormat/&Heading", QT_TR_NOOP("Heading &2"), UK, "Ctrl+2", [](W& w) { editor(w).heading(2); }},
        {"F&ormat/&Heading", QT_TR_NOOP("Heading &3"), UK, "Ctrl+3", [](W& w) { editor(w).heading(3); }},
        {"F&ormat/&Heading", QT_TR_NOOP("Heading &4"), UK, "Ctrl+4", [](W& w) { editor(w).heading(4); }},
        {"F&ormat/&Heading", QT_TR_NOOP("Heading &5"), UK, "Ctrl+5", [](W& w) { editor(w).heading(5); }},
        {"F&ormat/&Heading", QT_TR_NOOP("Heading &6"), UK, "Ctrl+6", [](W& w) { editor(w).heading(6); }},
        {"F&ormat/&Heading"},
        {"F&ormat/&Heading", QT_TR_NOOP("&Body Text"), UK, "Ctrl+0", [](W& w) { editor(w).heading(0); }},
        {"F&ormat/&Lists", QT_TR_NOOP("&Bulleted List"), UK, "Ctrl+Shift+7",
         [](W& w) {
             editor(w).toggleLinePrefix(u"- "_s, {u"* "_s, u"+ "_s});
         }},
        {"F&ormat/&Lists", QT_TR_NOOP("&Numbered List"), UK, "Ctrl+Shift+8", [](W& w) { editor(w).toggleNumbered(); }},
        {"F&ormat/&Lists", QT_TR_NOOP("&Task List"), UK, "Ctrl+Shift+9", [](W& w) { editor(w).toggleTaskList(); }},
        {"F&ormat/&Lists", QT_TR_NOOP("Toggle Task &Done"), UK, nullptr, [](W& w) { editor(w).toggleTaskDone(); }},
        {"F&ormat/&Lists"},
        {"F&ormat/&Lists", QT_TR_NOOP("&Indent"), UK, "Ctrl+]", [](W& w) { editor(w).indent(); }},
        {"F&ormat/&Lists", QT_TR_NOOP("&Outdent"), UK, "Ctrl+[", [](W& w) { editor(w).outdent(); }},
        {"F&ormat", QT_TR_NOOP("Block&quote"), UK, "Ctrl+Shift+'", [](W& w) { editor(w).toggleLinePrefix(u"> "_s); }},
        {"F&ormat"},
        {"F&ormat/&Align", QT_TR_NOOP("&Left"), UK, "Ctrl+{", [](W& w) { editor(w).alignLeft(); }},
        {"F&ormat/&Align", QT_TR_NOOP("&Center"), UK, "Ctrl+|", [](W& w) { editor(w).alignCenter(); }},
        {"F&ormat/&Align", QT_TR_NOOP("&Right"), UK, "Ctrl+}", [](W& w) { editor(w).alignRight(); }},
        {"F&ormat/&Align", QT_TR_NOOP("&Justify"), UK, nullptr, [](W& w) { editor(w).alignJustify(); }},
        {"F&ormat"},
        {"F&ormat/&Transform", QT_TR_NOOP("&UPPERCASE"), UK, nullptr,
         [](W& w) { editor(w).transformSelection(&CaseTransform::upper); }},
        {"F&ormat/&Transform", QT_TR_NOOP("&lowercase"), UK, nullptr,
         [](W& w) { editor(w).transformSelection(&CaseTransform::lower); }},
        {"F&ormat/&Transform", QT_TR_NOOP("&Title Case"), UK, nullptr,
         [](W& w) { editor(w).transformSelection(&CaseTransform::title); }},
        {"F&ormat/&Transform"},
        {"F&ormat/&Transform", QT_TR_NOOP("Sort Lines &A→Z"), UK, nullptr, [](W& w) { editor(w).sortLines(true); }},
        {"F&ormat/&Transform", QT_TR_NOOP("Sort Lines &Z→A"), UK, nullptr, [](W& w) { editor(w).sortLines(false); }},
        {"F&ormat/&Transform", QT_TR_NOOP("Remove &Duplicate Lines"), UK, nullptr,
         [](W& w) { editor(w).removeDuplicateLines(); }},
        {"F&ormat/Li&nes", QT_TR_NOOP("Move Line &Up"), UK, "Alt+Up; Ctrl+Alt+Up",
         [](W& w) { editor(w).moveLineUp(); }},
        {"F&ormat/Li&nes", QT_TR_NOOP("Move Line &Down"), UK, "Alt+Down; Ctrl+Alt+Down",
         [](W& w) { editor(w).moveLineDown(); }},
        {"F&ormat/Li&nes", QT_TR_NOOP("Du&plicate Line"), UK, "Ctrl+Shift+D", [](W& w) { editor(w).duplicateLine(); }},
        {"F&ormat/Li&nes", QT_TR_NOOP("D&elete Line"), UK, "Ctrl+Shift+K", [](W& w) { editor(w).deleteLine(); }},
        {"F&ormat/Li&nes", QT_TR_NOOP("&Select Line"), UK, "Ctrl+L", [](W& w) { editor(w).selectLine(); }},

        // Insert
        {"&Insert", QT_TR_NOOP("&Link…"), UK, "Ctrl+K", [](W& w) { editor(w).insertLinkTemplate(); }},
        {"&Insert", QT_TR_NOOP("Code &Block"), UK, nullptr, [](W& w) { editor(w).insertCodeBlock(QString()); }},
        {"&Insert/&Table", QT_TR_NOOP("&Insert 3×3"), UK, nullptr, [](W& w) { editor(w).insertTable(3, 3); }},
        {"&Insert/&Table"},
        {"&Insert/&Table", QT_TR_NOOP("Format &Table"), UK, "Ctrl+Meta+T",
         [](W& w) { editor(w).tableOp(TableTools::Op::format); }},
        {"&Insert/&Table"},
        {"&Insert/&Table", QT_TR_NOOP("Insert Row &Above"), UK, nullptr,
         [](W& w) { editor(w).tableOp(TableTools::Op::insertRowAbove); }},
        {"&Insert/&Table", QT_TR_NOOP("Insert Row &Below"), UK, nullptr,
         [](W& w) { editor(w).tableOp(TableTools::Op::insertRowBelow); }},
        {"&Insert/&Table", QT_TR_NOOP("&Delete Row"), UK, nullptr,
         [](W& w) { editor(w).tableOp(TableTools::Op::deleteRow); }},
        {"&Insert/&Table"},
        {"&Insert/&Table", QT_TR_NOOP("Insert Column &Left"), UK, nullptr,
         [](W& w) { editor(w).tableOp(TableTools::Op::insertColumnLeft); }},
        {"&Insert/&Table", QT_TR_NOOP("Insert Column &Right"), UK, nullptr,
         [](W& w) { editor(w).tableOp(TableTools::Op::insertColumnRight); }},
        {"&Insert/&Table", QT_TR_NOOP("D&elete Column"), UK, nullptr,
         [](W& w) { editor(w).tableOp(TableTools::Op::deleteColumn); }},
        {"&Insert/&Table"},
        {"&Insert/&Table", QT_TR_NOOP("Align Column Le&ft"), UK, nullptr,
         [](W& w) { editor(w).tableOp(TableTools::Op::alignLeft); }},
        {"&Insert/&Table", QT_TR_NOOP("Align Column Ce&nter"), UK, nullptr,
         [](W& w) { editor(w).tableOp(TableTools::Op::alignCenter); }},
        {"&Insert/&Table", QT_TR_NOOP("Align Column Ri&ght"), UK, nullptr,
         [](W& w) { editor(w).tableOp(TableTools::Op::alignRight); }},
        {"&Insert", QT_TR_NOOP("Horizontal &Rule"), UK, nullptr, [](W& w) { editor(w).insertHorizontalRule(); }},
        {"&Insert"},
        {"&Insert", QT_TR_NOOP("&Footnote"), UK, nullptr, [](W& w) { editor(w).insertFootnote(); }},
        {"&Insert", QT_TR_NOOP("Table of &Contents"), UK, nullptr, [](W& w) { editor(w).insertTableOfContents(); }},
        {"&Insert", QT_TR_NOOP("Today's &Date"), UK, nullptr, [](W& w) { editor(w).insertDate(); }},
        {"&Insert", QT_TR_NOOP("Co&mment"), UK, nullptr, [](W& w) { editor(w).wrap(u"<!-- "_s, u" -->"_s); }},

        // Tools
        {"&Tools", QT_TR_NOOP("&Document Info…"), UK, nullptr, [](W&) { post(Requests::editFrontMatter); }},
        {"&Tools"},
        {"&Tools", QT_TR_NOOP("AI &Assist…"), UK, "Ctrl+Meta+I", [](W&) { post(Requests::showAIAssist); }},
        // Ctrl+Meta+T belongs to "Format Table", earlier in menu order.
        {"&Tools", QT_TR_NOOP("&Translate…"), UK, nullptr, [](W&) { post(Requests::showTranslate); }},
        {"&Tools"},
        {"&Tools", QT_TR_NOOP("&Suggest Continuation"), UK, "Ctrl+Meta+/",
         [](W& w) { editor(w).requestContinuation(); }},
        // Ctrl+Shift+K belongs to "Delete Line", earlier in menu order.
        {"&Tools", QT_TR_NOOP("&Clean Up Markdown"), UK, nullptr, [](W& w) { editor(w).cleanUpMarkdown(); }},
        {"&Tools"},
        {"&Tools", QT_TR_NOOP("&Version History…"), UK, "Ctrl+Shift+H", [](W&) { post(Requests::showVersionHistory); }},
        {"&Tools", QT_TR_NOOP("Snapshot &Now"), UK, "Ctrl+Meta+S", [](W&) { post(Requests::snapshotNow); }},

        // View
        {"&View", QT_TR_NOOP("Zoom &In"), K::ZoomIn, "Ctrl++; Ctrl+=", [](W& w) { editor(w).zoomIn(); }, nullptr,
         nullptr, AtOnce},
        {"&View", QT_TR_NOOP("Zoom &Out"), K::ZoomOut, "Ctrl+-", [](W& w) { editor(w).zoomOut(); }, nullptr, nullptr,
         AtOnce},
        {"&View", QT_TR_NOOP("&Actual Size"), UK, "Ctrl+Shift+0", [](W& w) { editor(w).setZoom(1.0, true); }, nullptr,
         nullptr, AtOnce},
        {"&View", QT_TR_NOOP("Fit &Width"), UK, "Ctrl+Meta+9", [](W& w) { editor(w).fitWidth(); }, nullptr, nullptr,
         AtOnce},
        {"&View", QT_TR_NOOP("Fit &Page"), UK, nullptr, [](W& w) { editor(w).fitPage(); }, nullptr, nullptr, AtOnce},
        {"&View"},
        {"&View", QT_TR_NOOP("Show File &Browser"), UK, "Ctrl+Meta+B", [](W&) { flip(kShowFileBrowser); },
         &showHideTitle<PrefKey::showFileBrowser, kShowFileBrowserTitle, kHideFileBrowserTitle>, nullptr, AtOnce},
        {"&View", QT_TR_NOOP("Open &Folder…"), UK, "Ctrl+Shift+B",
         [](W&) {
             Settings::instance().setValue(kShowFileBrowser, true);
             post(Requests::openFileBrowserFolder);
         },
         nullptr, nullptr, AtOnce},
        {"&View", QT_TR_NOOP("Show Out&line"), UK, "Ctrl+Meta+O", [](W&) { flip(kShowOutline); },
         &showHideTitle<PrefKey::showOutline, kShowOutlineTitle, kHideOutlineTitle>, nullptr, AtOnce},
        {"&View", QT_TR_NOOP("Show &Minimap"), UK, "Ctrl+Meta+M", [](W&) { flip(kShowMinimap); },
         &showHideTitle<PrefKey::editorShowMinimap, kShowMinimapTitle, kHideMinimapTitle>, nullptr, AtOnce},
        {"&View", QT_TR_NOOP("Toggle &Distraction-Free"), UK, "Ctrl+Meta+D",
         [](W&) { post(Requests::toggleDistractionFree); }, nullptr, nullptr, AtOnce},
        {"&View", QT_TR_NOOP("Show &Ruler"), UK, "Ctrl+Meta+R", [](W&) { flip(kShowRuler); },
         &showHideTitle<PrefKey::editorShowRuler, kShowRulerTitle, kHideRulerTitle>, nullptr, AtOnce},
        {"&View", QT_TR_NOOP("&Show Markdown Source"), UK, "Ctrl+Shift+M", [](W&) { toggleViewMode(); },
         &viewModeTitle},
        {"&View", QT_TR_NOOP("&Command Palette…"), UK, "Ctrl+Shift+P", [](W&) { post(Requests::showCommandPalette); },
         nullptr, nullptr, AtOnce},
        {"&View"},
        {"&View", QT_TR_NOOP("F&ull Screen"), K::FullScreen, "F11", &toggleFullScreen, &fullScreenCheck, nullptr,
         AtOnce},

        // Help
        {"&Help", QT_TR_NOOP("&Welcome to Brindlewick"), UK, nullptr, [](W&) { WelcomeWindow::shared().showWindow(); },
         nullptr, nullptr, AtOnce},
        {"&Help", QT_TR_NOOP("What's &New"), UK, nullptr, [](W&) { WhatsNewWindow::shared().showWindow(); }, nullptr,
         nullptr, AtOnce},
        {"&Help", QT_TR_NOOP("Markdown &Cheat Sheet"), UK, nullptr,
         [](W&) { AppShell::newDocumentWithText(CheatSheet::text()); }, nullptr, nullptr, AtOnce},
        {"&Help"},
        {"&Help", QT_TR_NOOP("&About Brindlewick"), UK, nullptr, &about,
         [](QAction* a, W&) { a->setMenuRole(QAction::AboutRole); }, nullptr, AtOnce},
    };
    return rows;
}
