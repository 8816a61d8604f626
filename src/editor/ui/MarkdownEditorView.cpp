#include "editor/ui/MarkdownEditorView.h"

#include "editor/EditorController.h"
#include "editor/WindowConfig.h"
#include "editor/ui/GhostText.h"
#include "editor/ui/GridTableInteraction.h"
#include "editor/ui/KeptInput.h"
#include "editor/ui/LayoutWait.h"
#include "editor/ui/LongPaste.h"
#include "editor/ui/MarkdownTextView.h"
#include "editor/ui/MinimapView.h"
#include "editor/ui/PageRulerView.h"
#include "editor/ui/PagedDocumentLayout.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QScrollBar>
#include <QTextDocument>

EditorHost* createEditorHost(QWidget* parent)
{
    return new MarkdownEditorView(parent);
}

namespace {

// A view that showed the top of the first sheet before its text was laid out anew shows it
// again, when the caret's line can be seen from there. A view not shown yet has no size to
// judge by (a window applies its document's own settings while it is being made, and the
// caret, put back after the relayout, would scroll its tiny view past the sheet's top): it
// opens at the top.
void keepAtTop(MarkdownTextView* view)
{
    QScrollBar* bar = view->verticalScrollBar();
    const int shift = bar->value() - bar->minimum();
    const QRect caret = view->cursorRect();
    if (!view->isVisible() || (caret.top() + shift >= 0 && caret.bottom() + shift <= view->viewport()->height()))
        bar->setValue(bar->minimum());
}

} // namespace

MarkdownEditorView::MarkdownEditorView(QWidget* parent)
    : EditorHost(parent)
{
    m_text = new MarkdownTextView(this);
    m_ruler = new PageRulerView(m_text, this);
    m_minimap = new MinimapView(m_text, this);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(m_ruler, 0, 0);
    grid->addWidget(m_text, 1, 0);
    grid->addWidget(m_minimap, 0, 1, 2, 1);
    m_ruler->hide();
    setFocusProxy(m_text);

    // The minimap follows each edit's lines; it is repainted after a pause, not on every key.
    m_minimapTimer.setSingleShot(true);
    m_minimapTimer.setInterval(300);
    connect(&m_minimapTimer, &QTimer::timeout, m_minimap, &MinimapView::refresh);
    connect(m_text->coordinator(), &EditorCoordinator::textEdited, this, [this] {
        if (!m_minimap->isHidden()) m_minimapTimer.start();
        Q_EMIT textEdited();
    });
    passOnSignals();

    Settings& settings = Settings::instance();
    // The minimap follows its setting, and gives way to distraction-free mode.
    const auto updateMinimap = [this] {
        const Settings& s = Settings::instance();
        setMinimapVisible(s.boolean(PrefKey::editorShowMinimap) && !s.boolean(PrefKey::distractionFree));
    };
    updateMinimap();
    settings.onChange(PrefKey::editorShowMinimap, this, [updateMinimap](const QVariant&) { updateMinimap(); });
    settings.onChange(PrefKey::distractionFree, this, [updateMinimap](const QVariant&) { updateMinimap(); });
    // Until the window hands over a configuration of its own, the editor follows the
    // settings store; several keys changing at once are applied together.
    m_settingsTimer.setSingleShot(true);
    connect(&m_settingsTimer, &QTimer::timeout, this, [this] {
        if (m_pendingConfig)
            applyConfigInternal(*std::exchange(m_pendingConfig, std::nullopt));
        else if (!m_configFromWindow)
            applyConfigInternal(configFromSettings());
        m_lastApply.start();
    });
    connect(&settings, &Settings::changed, this, [this](const QString& key) {
        if (!m_configFromWindow && (key.startsWith(u"editor") || key == PrefKey::revealActiveLineMarkers))
            scheduleApply();
    });
    applyConfigInternal(configFromSettings());
    m_lastApply.start();
}

void MarkdownEditorView::passOnSignals()
{
    const auto modification = [this] { Q_EMIT modificationChanged(isModified()); };
    m_text->forEachDocument(this, [this, modification](QTextDocument* doc) {
        connect(doc, &QTextDocument::modificationChanged, this, modification);
    });
    // Keys kept for later are edits to come: Undo, which waits behind them, can be chosen.
    const auto undo = [this] {
        Q_EMIT undoAvailable(m_text->document()->isUndoAvailable() || m_text->keptInput()->isHolding());
    };
    connect(m_text->keptInput(), &KeptInput::holdingChanged, this, [modification, undo] {
        modification();
        undo();
    });
    connect(m_text, &QTextEdit::cursorPositionChanged, this, &EditorHost::selectionMoved);
    connect(m_text, &QTextEdit::selectionChanged, this, &EditorHost::selectionMoved);
    connect(m_text, &QTextEdit::undoAvailable, this, undo);
    connect(m_text, &QTextEdit::redoAvailable, this, &EditorHost::redoAvailable);
    connect(m_text, &QTextEdit::copyAvailable, this, &EditorHost::copyAvailable);
    connect(m_text, &MarkdownTextView::magnificationChanged, this, &EditorHost::magnificationChanged);
}

EditorTextView* MarkdownEditorView::textView()
{
    return m_text;
}

EditorScrollView* MarkdownEditorView::scrollView()
{
    return m_text;
}

GhostText* MarkdownEditorView::ghostText()
{
    return m_text->ghost();
}

bool MarkdownEditorView::isModified() const
{
    // Keys still waiting to go in are not saved whatever was written.
    return m_text->document()->isModified() || m_text->keptInput()->isHolding();
}

void MarkdownEditorView::setModified(bool modified)
{
    m_text->document()->setModified(modified);
}

// The Edit menu's commands take their turn with the keys where they are given (the menu bar).
void MarkdownEditorView::undo()
{
    m_text->undo();
}
void MarkdownEditorView::redo()
{
    m_text->redo();
}
void MarkdownEditorView::cut()
{
    m_text->cut();
}
void MarkdownEditorView::copy()
{
    m_text->copy();
}
void MarkdownEditorView::paste()
{
    m_text->paste();
}
void MarkdownEditorView::selectAll()
{
    m_text->selectAll();
}

void MarkdownEditorView::finishPendingEdit()
{
    m_text->grid()->endCellEdit(true);
}

bool MarkdownEditorView::pasteOver(TextRange range, const QString& text)
{
    return m_text->pasteOver(range, text);
}

bool MarkdownEditorView::isTakingText() const
{
    return m_text->longPaste()->isComing();
}

void MarkdownEditorView::finishTakingText()
{
    m_text->longPaste()->putNow();
}

void MarkdownEditorView::finishInput()
{
    KeptInput* kept = m_text->keptInput();
    // What was kept waits for the paste's caret, or for the end to be laid out (a Ctrl+End),
    // and may start a paste or a wait of its own when played: round again until none waits.
    for (;;) {
        finishTakingText();
        if (!kept->isHolding()) return;
        m_text->longPaste()->finish();
        if (kept->playNow()) continue;
        m_text->layoutWait()->finishNow();
        if (!kept->playNow()) return;
    }
}

void MarkdownEditorView::setTableActions(const QList<QAction*>& actions)
{
    m_text->setTableActions(actions);
}

void MarkdownEditorView::setMinimapVisible(bool on)
{
    m_minimap->setVisible(on);
    if (on) m_minimap->setText(m_text->text());
}

void MarkdownEditorView::setController(EditorController* controller)
{
    m_controller = controller;
    if (!controller) return;
    controller->setTextView(m_text, m_text);
    controller->setScrollView(m_text, m_text);
    controller->setPageFootprint({872, 1112});
    controller->updateCounts();
    connect(m_text, &MarkdownTextView::magnificationChanged, controller, [this](double z) {
        if (m_controller && m_controller->zoom() != z) m_controller->setZoomFromView(z);
    });
}

void MarkdownEditorView::loadText(const QString& text)
{
    m_text->setDocumentText(text);
    loaded();
}

void MarkdownEditorView::loadBuiltText(TextDocumentBuild::Built built)
{
    m_text->adoptDocument(std::move(built));
    loaded();
}

void MarkdownEditorView::loaded()
{
    m_text->document()->setModified(false);
    if (!m_minimap->isHidden()) m_minimap->setText(m_text->text());
    if (m_controller) m_controller->updateCounts();
}

void MarkdownEditorView::setReadOnly(bool on)
{
    m_text->setReadOnly(on);
}

void MarkdownEditorView::setText(const QString& text)
{
    if (m_text->coordinator()->isEditing() || text == m_text->text()) return;
    const int caret = m_text->selectedRange().location;
    m_text->setDocumentText(text);
    m_text->setSelectedRange({std::min(caret, int(text.size())), 0});
    if (m_controller) m_controller->updateCounts();
}

QString MarkdownEditorView::text() const
{
    return m_text->text();
}

EditorConfig MarkdownEditorView::configFromSettings()
{
    return WindowConfig::fromSettings(Settings::instance());
}

void MarkdownEditorView::applyColors()
{
    const EditorTheme& theme = m_text->coordinator()->styler().theme;
    PagedDocumentLayout::Colors colors;
    colors.text = theme.textColor();
    colors.page = theme.pageColor();
    colors.desk = theme.deskColor();
    // Tertiary label shade for the captions; a separator shade at 40 % for the band lines.
    colors.caption = theme.textColor(0.26);
    colors.bandLine = theme.textColor(0.1 * 0.4);
    colors.accent = theme.resolved(EditorTheme::SystemColor::Accent);
    m_text->pagedLayout()->setColors(colors);
    if (m_minimap) m_minimap->update();
    QPalette p = m_text->palette();
    p.setColor(QPalette::Text, colors.text);
    p.setColor(QPalette::Base, colors.page);
    m_text->setPalette(p);
}

void MarkdownEditorView::applyConfig(const EditorConfig& config)
{
    m_configFromWindow = true;
    m_pendingConfig.reset();
    m_settingsTimer.stop();
    applyConfigInternal(config);
    m_lastApply.start();
}

void MarkdownEditorView::applyConfigThrottled(const EditorConfig& config)
{
    m_configFromWindow = true;
    m_pendingConfig = config;
    scheduleApply();
}

// A slider or a colour drag stores every step; restyling the whole document for each one
// would stall typing, so the latest look is applied at most once per interval.
void MarkdownEditorView::scheduleApply()
{
    if (m_settingsTimer.isActive()) return;
    const qint64 since = m_lastApply.isValid() ? m_lastApply.elapsed() : kApplyIntervalMs;
    m_settingsTimer.start(int(std::max<qint64>(0, kApplyIntervalMs - since)));
}

void MarkdownEditorView::applyConfigInternal(const EditorConfig& config)
{
    EditorCoordinator* coord = m_text->coordinator();
    if (coord->appliedConfig() && *coord->appliedConfig() == config) return;
    // Restyling everything would take the suggestion's look from its line.
    m_text->ghost()->dismiss();
    const TextRange sel = m_text->selectedRange();
    const bool atTop = m_text->verticalScrollBar()->value() <= m_text->verticalScrollBar()->minimum();
    PagedDocumentLayout* layout = m_text->pagedLayout();
    layout->beginBatch();
    coord->setConfig(config);
    applyColors();

    const EditorTheme& theme = coord->styler().theme;
    const QFont body = StyleBridge::scaledFont(theme.scaledFont(theme.baseSize), layout->geometry().scale);
    QTextOption opt = m_text->document()->defaultTextOption();
    opt.setTabStopDistance(QFontMetricsF(body).horizontalAdvance(u' ') * 4);
    m_text->document()->setDefaultTextOption(opt);
    m_text->document()->setDefaultFont(body);

    Qt::LayoutDirection dir = Qt::LayoutDirectionAuto;
    if (config.textDirection == u"ltr")
        dir = Qt::LeftToRight;
    else if (config.textDirection == u"rtl")
        dir = Qt::RightToLeft;
    layout->setTextDirection(dir);
    auto g = layout->geometry();
    // Whoever built the configuration, the layout only ever gets a page it can lay out.
    g.pageWidth = config.pageWidth;
    g.hInset = config.pageMargin;
    WindowConfig::boundPage(g.pageWidth, g.hInset);
    layout->setGeometry(g);
    m_ruler->setVisible(config.showRuler);
    m_ruler->update();
    coord->restyleAll();
    layout->endBatch();
    m_text->setSelectedRange(sel);
    if (atTop) keepAtTop(m_text);
}
