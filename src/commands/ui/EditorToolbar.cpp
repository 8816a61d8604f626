#include "commands/ui/EditorToolbar.h"

#include "commands/CommandRegistry.h"
#include "commands/ui/InsertPopovers.h"
#include "editor/EditorController.h"
#include "platform/NotificationBus.h"
#include "platform/PrefKey.h"
#include "platform/Requests.h"
#include "platform/Settings.h"
#include "platform/ui/Icons.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int cellW = 27;
constexpr int cellH = 24;

QString help(const QString& title, const QString& glyphHint)
{
    const QString keys = CommandRegistry::linuxKeys(glyphHint);
    return keys.isEmpty() ? title : title + u"  "_s + keys;
}

// Menu items read "&" as a mnemonic mark ("Text & Data" would lose it).
QString menuText(QString title)
{
    return title.replace(u'&', u"&&"_s);
}

QWidget* emptyCell(QWidget* parent)
{
    auto* w = new QWidget(parent);
    w->setFixedSize(cellW, cellH);
    return w;
}

// One row of the heading popover: the title in its heading's size, the key at the right.
class HeadingRow : public QAbstractButton {
public:
    HeadingRow(const QString& title, const QString& hint, int pointSize, QFont::Weight weight, QWidget* parent)
        : QAbstractButton(parent),
          m_hint(hint)
    {
        setText(title);
        setAccessibleName(title);
        QFont f = font();
        f.setPointSize(pointSize);
        f.setWeight(weight);
        setFont(f);
        setAttribute(Qt::WA_Hover);
        setMinimumHeight(QFontMetrics(f).height() + 8);
    }
    // Wide enough for the title in its heading's size, a gap and the key: "Heading 1" at 15 pt ran into "Ctrl+1".
    QSize sizeHint() const override
    {
        const int width = 8 + QFontMetrics(font()).horizontalAdvance(text()) + 16
                          + QFontMetrics(hintFont()).horizontalAdvance(m_hint) + 8;
        return {std::max(170, width), QFontMetrics(font()).height() + 8};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        if (underMouse()) {
            QColor c = palette().color(QPalette::Highlight);
            c.setAlphaF(0.18);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawRoundedRect(rect(), 5, 5);
        }
        const QRect r = rect().adjusted(8, 4, -8, -4);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(r, Qt::AlignVCenter | Qt::AlignLeft, text());
        p.setFont(hintFont());
        QColor dim = palette().color(QPalette::WindowText);
        dim.setAlphaF(0.4);
        p.setPen(dim);
        p.drawText(r, Qt::AlignVCenter | Qt::AlignRight, m_hint);
    }

private:
    QFont hintFont() const
    {
        QFont small = QWidget::font();
        small.setPointSizeF(9);
        small.setWeight(QFont::Normal);
        return small;
    }
    QString m_hint;
};

} // namespace

QGridLayout* EditorToolbar::groupLayout(const QList<QWidget*>& cells, int rows, QWidget* parent)
{
    rows = std::max(rows, 1);
    auto* grid = new QGridLayout;
    grid->setContentsMargins(6, 0, 6, 0);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(3);
    const int n = int(cells.size());
    const int columns = std::max((std::max(n, 1) + rows - 1) / rows, 1);
    for (int i = 0; i < columns * rows; ++i)
        grid->addWidget(i < n ? cells[i] : emptyCell(parent), i % rows, i / rows, Qt::AlignCenter);
    return grid;
}

QWidget* EditorToolbar::group(const QList<QWidget*>& cells, QWidget* parent)
{
    auto* w = new QWidget(parent);
    for (QWidget* c : cells) c->setParent(w);
    QGridLayout* grid = groupLayout(cells, 2, w);
    w->setLayout(grid);
    w->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_groups.append(grid);
    return w;
}

QToolButton* EditorToolbar::iconButton(const QString& symbol, const QString& title, const QString& glyphHint,
                                       std::function<void()> action)
{
    auto* b = new QToolButton(this);
    b->setAutoRaise(true);
    b->setFixedSize(cellW, cellH);
    Icons::set(b, symbol);
    b->setIconSize(QSize(16, 16));
    b->setToolTip(help(title, glyphHint));
    b->setAccessibleName(title);
    b->setFocusPolicy(Qt::NoFocus);
    if (action) connect(b, &QToolButton::clicked, this, std::move(action));
    return b;
}

void EditorToolbar::addCommand(QMenu* menu, const EditorCommand& command)
{
    QAction* item = menu->addAction(menuText(command.shownTitle()), this, [this, id = command.id] {
        if (const EditorCommand* cmd = CommandRegistry::command(id); cmd && m_context) cmd->run(m_context());
    });
    Icons::set(item, command.symbol, menu);
}

QToolButton* EditorToolbar::toggleButton(const QString& symbol, const QString& title, const QString& glyphHint,
                                         const QString& key)
{
    QToolButton* b = iconButton(symbol, title, glyphHint, [key] {
        Settings& s = Settings::instance();
        s.setValue(key, !s.boolean(key, false));
    });
    m_toggles.append({b, symbol, key});
    return b;
}

EditorToolbar::EditorToolbar(std::function<CommandContext()> context, EditorController* editor,
                             std::function<void()> showPalette, QWidget* parent)
    : QWidget(parent),
      m_context(std::move(context)),
      m_editor(editor),
      m_showPalette(std::move(showPalette))
{
    setAccessibleName(tr("Formatting"));
    m_heading = makeHeadingButton();
    auto* bar = new QHBoxLayout(this);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(0);
    bar->addWidget(makeScrollingRow(buttonGroups()), 1);
    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    divider->setFixedHeight(46);
    bar->addWidget(divider);
    bar->addWidget(makeTrailingGroup());

    Settings& s = Settings::instance();
    for (const QLatin1String key :
         {PrefKey::showFileBrowser, PrefKey::showOutline, PrefKey::editorShowRuler, PrefKey::editorViewMode})
        s.onChange(key, this, [this](const QVariant&) { refreshSettings(); });
    refreshSettings();
    refreshHeading();
}

QToolButton* EditorToolbar::makeHeadingButton()
{
    auto* heading = new QToolButton(this);
    heading->setAutoRaise(true);
    heading->setFixedHeight(cellH);
    heading->setMinimumWidth(22 + 12);
    heading->setToolTip(tr("Paragraph style"));
    heading->setAccessibleName(tr("Paragraph style"));
    heading->setFocusPolicy(Qt::NoFocus);
    QFont hf = heading->font();
    hf.setPointSize(9);
    hf.setWeight(QFont::DemiBold);
    heading->setFont(hf);
    // As wide as its widest label, so that the toolbar does not move sideways as the caret
    // goes from a heading to body text.
    int headingWidth = heading->minimumWidth();
    for (int level = 0; level <= 6; ++level) {
        heading->setText(headingLabel(level));
        headingWidth = std::max(headingWidth, heading->sizeHint().width());
    }
    heading->setFixedWidth(headingWidth);
    connect(heading, &QToolButton::clicked, this, &EditorToolbar::openHeadingPopover);
    return heading;
}

// The buttons of the scrolling part, group by group, left to right.
QList<QList<QWidget*>> EditorToolbar::buttonGroups()
{
    auto ed = [this](auto f) {
        return [this, f] {
            if (EditorController* e = m_editor.data()) f(*e);
        };
    };
    auto post = [](QLatin1String request) {
        return [request] { NotificationBus::instance().post(NotificationBus::name(request)); };
    };
    auto linkButton = iconButton(u"link"_s, tr("Insert Link"), QString(), [this] { openLinkPopover(); });
    linkButton->setToolTip(tr("Insert Link") + u"  "_s + CommandRegistry::linuxKeys(u"⌘K"_s));
    return {
        {m_heading, iconButton(u"text.quote"_s, tr("Blockquote"), u"⇧⌘'"_s, ed([](EditorController& e) {
                                   e.toggleLinePrefix(u"> "_s, {});
                               })),
         iconButton(u"curlybraces"_s, tr("Code Block"), QString(),
                    ed([](EditorController& e) { e.insertCodeBlock(QString()); }))},
        {iconButton(u"bold"_s, tr("Bold"), u"⌘B"_s, ed([](EditorController& e) { e.wrap(u"**"_s); })),
         iconButton(u"italic"_s, tr("Italic"), u"⌘I"_s, ed([](EditorController& e) { e.wrap(u"*"_s); })),
         iconButton(u"strikethrough"_s, tr("Strikethrough"), QString(),
                    ed([](EditorController& e) { e.wrap(u"~~"_s); })),
         iconButton(u"chevron.left.forwardslash.chevron.right"_s, tr("Inline Code"), QString(),
                    ed([](EditorController& e) { e.wrap(u"`"_s); }))},
        {iconButton(u"list.bullet"_s, tr("Bulleted List"), QString(), ed([](EditorController& e) {
                        e.toggleLinePrefix(u"- "_s, {u"* "_s, u"+ "_s});
                    })),
         iconButton(u"list.number"_s, tr("Numbered List"), QString(),
                    ed([](EditorController& e) { e.toggleNumbered(); })),
         iconButton(u"checklist"_s, tr("Task List"), QString(), ed([](EditorController& e) { e.toggleTaskList(); }))},
        {iconButton(u"text.alignleft"_s, tr("Align Left"), u"⌘{"_s, ed([](EditorController& e) { e.alignLeft(); })),
         iconButton(u"text.aligncenter"_s, tr("Align Center"), u"⌘|"_s,
                    ed([](EditorController& e) { e.alignCenter(); })),
         iconButton(u"text.alignright"_s, tr("Align Right"), u"⌘}"_s, ed([](EditorController& e) { e.alignRight(); })),
         iconButton(u"text.justify"_s, tr("Justify"), QString(), ed([](EditorController& e) { e.alignJustify(); })),
         iconButton(u"decrease.indent"_s, tr("Outdent"), QString(), ed([](EditorController& e) { e.outdent(); })),
         iconButton(u"increase.indent"_s, tr("Indent"), QString(), ed([](EditorController& e) { e.indent(); }))},
        {linkButton, iconButton(u"photo"_s, tr("Insert Image"), QString(), [this] { openImagePopover(); }),
         iconButton(u"tablecells"_s, tr("Insert Table"), QString(), [this] { openTablePopover(); }),
         iconButton(u"line.horizontal"_s, tr("Horizontal Rule"), QString(),
                    ed([](EditorController& e) { e.insertHorizontalRule(); })),
         iconButton(u"x.squareroot"_s, tr("Inline Math"), QString(), ed([](EditorController& e) { e.wrap(u"$"_s); })),
         iconButton(u"text.append"_s, tr("Footnote"), QString(), ed([](EditorController& e) { e.insertFootnote(); })),
         iconButton(u"list.bullet.indent"_s, tr("Table of Contents"), QString(),
                    ed([](EditorController& e) { e.insertTableOfContents(); })),
         iconButton(u"calendar"_s, tr("Insert Date"), QString(), ed([](EditorController& e) { e.insertDate(); }))},
        // Translate and Clean Up carry no key: the menu gives theirs to other items.
        {iconButton(u"sparkles"_s, tr("AI Assist…"), u"⌃⌘I"_s, post(Requests::showAIAssist)),
         iconButton(u"character.bubble"_s, tr("Translate…"), QString(), post(Requests::showTranslate)),
         iconButton(u"wand.and.stars"_s, tr("Clean Up Markdown"), QString(),
                    ed([](EditorController& e) { e.cleanUpMarkdown(); })),
         iconButton(u"clock.arrow.circlepath"_s, tr("Version History…"), u"⇧⌘H"_s, post(Requests::showVersionHistory))},
        {toggleButton(u"sidebar.squares.left"_s, tr("Files"), u"⌃⌘B"_s, PrefKey::showFileBrowser),
         toggleButton(u"sidebar.left"_s, tr("Outline"), u"⌃⌘O"_s, PrefKey::showOutline),
         toggleButton(u"ruler"_s, tr("Ruler"), u"⌃⌘R"_s, PrefKey::editorShowRuler),
         m_viewMode = iconButton(u"eye"_s, QString(), QString(),
                                 [] {
                                     Settings& s = Settings::instance();
                                     s.setValue(PrefKey::editorViewMode, CommandContexts::toggledViewMode(s.string(
                                                                             PrefKey::editorViewMode, u"wysiwyg"_s)));
                                 })},
    };
}

QScrollArea* EditorToolbar::makeScrollingRow(const QList<QList<QWidget*>>& groups)
{
    auto* content = new QWidget;
    auto* row = new QHBoxLayout(content);
    row->setContentsMargins(12, 5, 0, 5);
    row->setSpacing(0);
    for (int i = 0; i < groups.size(); ++i) {
        if (i > 0) {
            auto* sep = new QFrame(content);
            sep->setFixedSize(1 + 4, 40);
            sep->setStyleSheet(
                u"QFrame { border: none; border-left: 2px solid transparent; border-right: 2px solid transparent;"
                " background: rgba(128,128,128,0.2); background-clip: content; }"_s);
            row->addWidget(sep);
        }
        row->addWidget(group(groups[i], content));
    }
    row->addStretch(1);
    row->addSpacing(8);

    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(content);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A scroll area takes the keyboard on a click; here it would take it from the editor on
    // every button click, and typing after it would go nowhere.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setFixedHeight(content->sizeHint().height());
    m_scroll->viewport()->installEventFilter(this);
    m_scroll->setAutoFillBackground(false);
    m_scroll->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);

    return m_scroll;
}

// The palette, All tools and Export, kept at the right whatever the width.
QWidget* EditorToolbar::makeTrailingGroup()
{
    auto* palette = iconButton(u"command"_s, tr("Command Palette"), QString(), [this] {
        if (m_showPalette) m_showPalette();
    });
    palette->setToolTip(tr("Command Palette") + u"  "_s + CommandRegistry::linuxKeys(u"⇧⌘P"_s));

    auto menuButton = [this](const QString& symbol, const QString& title, QMenu* menu) {
        // The menu opens below the button on a click; a menu of the button's own would draw an
        // arrow, and the style sheet that hid it kept the button's colours from following the look.
        QToolButton* b = iconButton(symbol, title, QString(), {});
        b->setFixedWidth(34);
        connect(b, &QToolButton::pressed, menu, [b, menu] {
            menu->exec(b->mapToGlobal(QPoint(0, b->height())));
            b->setDown(false);
        });
        return b;
    };
    m_allTools = new QMenu(this);
    for (CommandCategory category : CommandCategories::all()) {
        const QList<EditorCommand> commands = CommandRegistry::inCategory(category);
        if (commands.isEmpty()) continue;
        // A section's title is drawn as written, with no mnemonic: "&&" would show both.
        m_allTools->addSection(CommandCategories::shownTitle(category));
        for (const EditorCommand& c : commands) addCommand(m_allTools, c);
    }
    m_export = new QMenu(this);
    for (const EditorCommand& c : CommandRegistry::inCategory(CommandCategory::exportAs)) addCommand(m_export, c);

    auto* trailing = new QWidget(this);
    auto* trailingBox = new QHBoxLayout(trailing);
    trailingBox->setContentsMargins(4, 5, 4, 5);
    trailingBox->addWidget(group({palette, menuButton(u"ellipsis.circle"_s, tr("All tools"), m_allTools),
                                  menuButton(u"square.and.arrow.up"_s, tr("Export"), m_export)},
                                 trailing));

    return trailing;
}

QToolButton* EditorToolbar::button(const QString& title) const
{
    for (QToolButton* b : findChildren<QToolButton*>())
        if (b->accessibleName() == title) return b;
    return nullptr;
}

QString EditorToolbar::headingLabel(int level)
{
    return (level > 0 ? u"H"_s + QString::number(level) : u"¶"_s) + u" ▾"_s;
}

QString EditorToolbar::headingLabel() const
{
    return m_heading->text();
}

void EditorToolbar::refreshHeading()
{
    const QString label = headingLabel(m_editor ? m_editor->currentHeadingLevel() : 0);
    if (m_heading->text() != label) m_heading->setText(label);
}

void EditorToolbar::refreshSettings()
{
    const Settings& s = Settings::instance();
    for (const Toggle& t : m_toggles) {
        const bool on = s.boolean(t.key, false);
        Icons::set(t.button, t.symbol, on);
        t.button->setProperty("active", on);
    }
    const QString mode = s.string(PrefKey::editorViewMode, u"wysiwyg"_s);
    const bool wysiwyg = mode == u"wysiwyg";
    const QString title = wysiwyg ? tr("Switch to Markdown source") : tr("Switch to WYSIWYG");
    // The button shows where it goes: the Markdown source from the styled view, and back.
    const bool source = mode == u"source";
    Icons::set(m_viewMode, wysiwyg ? u"markdown"_s : u"eye"_s, source);
    m_viewMode->setProperty("active", source);
    m_viewMode->setToolTip(help(title, u"⇧⌘M"_s));
    m_viewMode->setAccessibleName(title);
}

void EditorToolbar::focusEditor()
{
    if (m_editor && m_editor->textView()) m_editor->textView()->focusEditor();
}

void EditorToolbar::showPopover(QWidget* popover, QToolButton* anchor)
{
    if (m_popover) m_popover->close();
    m_popover = popover;
    // However it closes (a pick, Escape, a click elsewhere), typing goes on in the editor.
    connect(popover, &QObject::destroyed, this, [this] {
        if (!m_popover) focusEditor();
    });
    static_cast<Popover*>(popover)->showBelow(anchor);
}

void EditorToolbar::openHeadingPopover()
{
    auto* pop = new Popover(this);
    auto* box = new QVBoxLayout(pop);
    box->setContentsMargins(10, 10, 10, 10);
    box->setSpacing(1);
    // 190 wide at the least; wider when the heading fonts at this screen's resolution need it.
    pop->setMinimumWidth(190);
    struct Row {
        int level;
        const char* title;
        int size;
        QFont::Weight weight;
    };
    const Row rows[] = {{0, "Body", 10, QFont::Normal},        {1, "Heading 1", 15, QFont::Bold},
                        {2, "Heading 2", 13, QFont::Bold},     {3, "Heading 3", 11, QFont::DemiBold},
                        {4, "Heading 4", 10, QFont::DemiBold}, {5, "Heading 5", 9, QFont::DemiBold},
                        {6, "Heading 6", 8, QFont::DemiBold}};
    for (const Row& r : rows) {
        auto* b = new HeadingRow(QString::fromLatin1(r.title), tr("Ctrl+%1").arg(r.level), r.size, r.weight, pop);
        connect(b, &QAbstractButton::clicked, this, [this, level = r.level, pop] {
            give([level](EditorController& e) { e.heading(level); });
            pop->close();
            refreshHeading();
        });
        box->addWidget(b);
        if (r.level == 0) {
            auto* line = new QFrame(pop);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            box->addSpacing(3);
            box->addWidget(line);
            box->addSpacing(3);
        }
    }
    showPopover(pop, m_heading);
}

void EditorToolbar::give(std::function<void(EditorController&)> operation)
{
    if (m_editor)
        m_editor->inTurn([editor = m_editor, operation = std::move(operation)] {
            if (editor) operation(*editor);
        });
}

void EditorToolbar::openLinkPopover()
{
    QString selected;
    if (m_editor && m_editor->textView()) {
        const EditorTextView* v = m_editor->textView();
        const TextRange sel = v->selectedRange();
        if (!sel.isNotFound() && sel.length > 0) selected = v->textInRange(sel);
    }
    auto self = std::make_shared<QPointer<QWidget>>();
    auto* pop = new LinkEditorView(
        selected, u"https://"_s,
        [this, self](const QString& text, const QString& url) {
            give([text, url](EditorController& e) { e.insertLink(text, url); });
            if (*self) (*self)->close();
        },
        this);
    *self = pop;
    showPopover(pop, button(tr("Insert Link")));
}

void EditorToolbar::openImagePopover()
{
    const QString document = m_context ? (m_context().filePath ? m_context().filePath() : QString()) : QString();
    auto self = std::make_shared<QPointer<QWidget>>();
    auto* pop = new ImageInsertView(
        document,
        [this, self](const QString& alt, const QString& path) {
            give([alt, path](EditorController& e) { e.insertImageMarkdown(alt, path); });
            if (*self) (*self)->close();
        },
        this);
    *self = pop;
    showPopover(pop, button(tr("Insert Image")));
}

void EditorToolbar::openTablePopover()
{
    auto self = std::make_shared<QPointer<QWidget>>();
    auto* pop = new TableGridPicker(
        6, 6,
        [this, self](int rows, int cols) {
            give([rows, cols](EditorController& e) { e.insertTable(rows, cols); });
            if (*self) (*self)->close();
        },
        this);
    *self = pop;
    showPopover(pop, button(tr("Insert Table")));
}

bool EditorToolbar::eventFilter(QObject* watched, QEvent* event)
{
    // A plain wheel over the groups scrolls them sideways.
    if (m_scroll && watched == m_scroll->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint d = wheel->angleDelta();
        QScrollBar* bar = m_scroll->horizontalScrollBar();
        bar->setValue(bar->value() - (d.x() != 0 ? d.x() : d.y()) / 2);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
