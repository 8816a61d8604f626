#include "app/ui/StatusBar.h"

#include "app/StatusFormat.h"
#include "app/ui/ChromeStyle.h"
#include "editor/EditorController.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "platform/ui/Icons.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

namespace {

const QColor kGoalGreen(0x2E, 0xA0, 0x43);

QToolButton* plainButton(QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

StatsPopover::StatsPopover(EditorController* controller, QWidget* parent)
    : QFrame(parent, Qt::Popup)
{
    // The click that closes the popover is not passed on: on the statistics button it would
    // open the popover again instead of toggling it shut.
    setAttribute(Qt::WA_NoMouseReplay);
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(14, 14, 14, 14);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(6);
    const QFont callout = ChromeStyle::callout(font());
    QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    digits.setPixelSize(callout.pixelSize());
    const QStringList labels{tr("Words"),      tr("Characters"), tr("No spaces"),   tr("Sentences"),
                             tr("Paragraphs"), tr("Lines"),      tr("Reading time")};
    for (int row = 0; row < labels.size(); ++row) {
        auto* label = new QLabel(labels[row], this);
        label->setFont(callout);
        auto* value = new QLabel(this);
        value->setFont(digits);
        grid->addWidget(label, row, 0, Qt::AlignLeading);
        grid->addWidget(value, row, 1, Qt::AlignLeading);
        m_values.append(value);
    }
    if (controller) {
        update(controller->stats());
        // Sentences and paragraphs are counted only while this is shown.
        connect(controller, &EditorController::statsChanged, this, [this, controller] { update(controller->stats()); });
    }
}

void StatsPopover::update(const DocStats& s)
{
    const QList<qint64> numbers{s.words, s.characters, s.charactersNoSpaces, s.sentences, s.paragraphs, s.lines};
    for (int i = 0; i < numbers.size(); ++i) m_values[i]->setText(QString::number(numbers[i]));
    m_values[6]->setText(tr("~%1 min").arg(s.readingMinutes));
}

QStringList StatsPopover::values() const
{
    QStringList out;
    for (const QLabel* l : m_values) out.append(l->text());
    return out;
}

void StatsPopover::hideEvent(QHideEvent* event)
{
    QFrame::hideEvent(event);
    Q_EMIT closed();
}

StatusBar::StatusBar(EditorController* controller, Settings& settings, QWidget* parent)
    : QWidget(parent),
      m_controller(controller),
      m_settings(settings)
{
    setFont(ChromeStyle::caption(font()));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(14, 5, 14, 5);
    row->setSpacing(14);

    m_words = plainButton(this);
    Icons::set(m_words, QStringLiteral("chart.bar.doc.horizontal"));
    m_words->setIconSize(QSize(14, 14));
    m_words->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // A button, not a switch: it opens the statistics, and a click outside closes them.
    connect(m_words, &QToolButton::clicked, this, [this] { setStatsShown(!isStatsShown()); });
    row->addWidget(m_words);

    m_characters = new QLabel(this);
    m_reading = new QLabel(this);
    m_selection = new QLabel(this);
    m_goal = new QLabel(this);
    for (QLabel* l : {m_characters, m_reading, m_selection, m_goal}) row->addWidget(l);
    row->addStretch(1);

    auto* zoom = new QHBoxLayout;
    zoom->setSpacing(4);
    m_zoomOut = plainButton(this);
    Icons::set(m_zoomOut, QStringLiteral("minus.magnifyingglass"));
    m_zoomOut->setToolTip(tr("Zoom Out (Ctrl+\u2212)"));
    m_zoomOut->setAccessibleName(tr("Zoom Out"));
    m_zoomMenu = plainButton(this);
    m_zoomMenu->setPopupMode(QToolButton::InstantPopup);
    m_zoomMenu->setMinimumWidth(46);
    m_zoomMenu->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0; }"));
    auto* menu = new QMenu(m_zoomMenu);
    menu->addAction(tr("Fit Width"), this, [this] {
        if (m_controller) m_controller->fitWidth();
    });
    menu->addAction(tr("Fit Page"), this, [this] {
        if (m_controller) m_controller->fitPage();
    });
    menu->addSeparator();
    for (const double z : {0.5, 1.0, 1.25, 1.5, 2.0})
        menu->addAction(StatusFormat::zoomTitle(z), this, [this, z] {
            if (m_controller) m_controller->setZoom(z, true);
        });
    m_zoomMenu->setMenu(menu);
    m_zoomIn = plainButton(this);
    Icons::set(m_zoomIn, QStringLiteral("plus.magnifyingglass"));
    m_zoomIn->setToolTip(tr("Zoom In (Ctrl++)"));
    m_zoomIn->setAccessibleName(tr("Zoom In"));
    connect(m_zoomOut, &QToolButton::clicked, this, [this] {
        if (m_controller) m_controller->zoomOut();
    });
    connect(m_zoomIn, &QToolButton::clicked, this, [this] {
        if (m_controller) m_controller->zoomIn();
    });
    zoom->addWidget(m_zoomOut);
    zoom->addWidget(m_zoomMenu);
    zoom->addWidget(m_zoomIn);
    row->addLayout(zoom);

    if (controller) {
        connect(controller, &EditorController::statsChanged, this, &StatusBar::refreshCounts);
        connect(controller, &EditorController::selectionStatsChanged, this, &StatusBar::refreshCounts);
        connect(controller, &EditorController::zoomChanged, this, &StatusBar::refreshZoom);
    }
    settings.onChange(PrefKey::writingGoal, this, [this](const QVariant&) { refreshCounts(); });
    applyColours();
    refreshZoom();
}

void StatusBar::applyColours()
{
    m_applyingColours = true;
    const QPalette& pal = window()->palette();
    for (QWidget* w : {static_cast<QWidget*>(m_words), static_cast<QWidget*>(m_characters),
                       static_cast<QWidget*>(m_reading), static_cast<QWidget*>(m_zoomMenu)})
        ChromeStyle::setTextColor(w, ChromeStyle::secondary(pal));
    ChromeStyle::setTextColor(m_selection, ChromeStyle::accent(pal));
    m_applyingColours = false;
    refreshCounts();
}

void StatusBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !m_applyingColours) applyColours();
}

namespace {

// The counts change on every keystroke. A widget of fixed size changes its text without
// asking the window to lay itself out again (which repaints the whole bar), so the width
// is fixed and changed only when the text no longer fits or leaves much room.
template <typename W> void setCountText(W* w, const QString& text)
{
    if (w->text() == text) return;
    w->setText(text);
    const QSize hint = w->sizeHint();
    const QSize fixed = w->minimumSize() == w->maximumSize() ? w->minimumSize() : QSize();
    if (hint.width() > fixed.width() || hint.width() < fixed.width() - 24 || hint.height() != fixed.height())
        w->setFixedSize(hint);
}

} // namespace

void StatusBar::refreshCounts()
{
    const DocStats s = m_controller ? m_controller->counts() : DocStats{};
    setCountText(m_words, tr("%n words", nullptr, s.words));
    setCountText(m_characters, tr("%n characters", nullptr, s.characters));
    setCountText(m_reading, tr("~%1 min read").arg(s.readingMinutes));
    const int selected = m_controller ? m_controller->selectionWords() : 0;
    m_selection->setVisible(selected > 0);
    m_selection->setText(QStringLiteral("· ") + tr("%n selected", nullptr, selected));
    const std::optional<qint64> goal = StatusFormat::writingGoal(m_settings.number(PrefKey::writingGoal));
    m_goal->setVisible(goal.has_value());
    if (goal) {
        m_goalReached = s.words >= *goal;
        m_goal->setText(QStringLiteral("· ") + tr("Goal %1/%2").arg(s.words).arg(*goal));
        m_applyingColours = true;
        ChromeStyle::setTextColor(m_goal, m_goalReached ? kGoalGreen : ChromeStyle::secondary(window()->palette()));
        m_applyingColours = false;
    } else {
        m_goalReached = false;
    }
}

void StatusBar::refreshZoom()
{
    m_zoomMenu->setText(StatusFormat::zoomTitle(m_controller ? m_controller->zoom() : 1.0));
}

void StatusBar::setStatsShown(bool shown)
{
    if (shown == isStatsShown()) return;
    if (!shown) {
        m_popover->close();
        return;
    }
    m_popover = new StatsPopover(m_controller, this);
    m_popover->adjustSize();
    // Above the button: the bar sits at the bottom of the window.
    const QPoint topLeft = m_words->mapToGlobal(QPoint(0, 0));
    m_popover->move(topLeft.x(), topLeft.y() - m_popover->height() - 2);
    m_popover->show();
}

QString StatusBar::wordsText() const
{
    return m_words->text();
}
QString StatusBar::charactersText() const
{
    return m_characters->text();
}
QString StatusBar::readingText() const
{
    return m_reading->text();
}
QString StatusBar::selectionText() const
{
    return m_selection->isVisibleTo(this) ? m_selection->text() : QString();
}
QString StatusBar::goalText() const
{
    return m_goal->isVisibleTo(this) ? m_goal->text() : QString();
}

void StatusBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ChromeStyle::bar(palette()));
    p.fillRect(QRect(0, 0, width(), 1), palette().color(QPalette::Mid));
}
