#include "app/ui/WelcomeWindow.h"

#include "app/CheatSheet.h"
#include "app/TemplateStore.h"
#include "app/WindowPicks.h"
#include "app/ui/ChromeStyle.h"
#include "app/ui/DocumentController.h"
#include "app/ui/DocumentWindow.h"
#include "app/ui/RecentOpen.h"
#include "app/ui/WhatsNewWindow.h"
#include "platform/PrefKey.h"
#include "platform/RecentDocuments.h"
#include "platform/Settings.h"
#include "platform/ui/Icons.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

WindowPicks::Window factsOf(const DocumentWindow* w)
{
    return {!w->isUntitled(), w->isDocumentEdited(), w->documentText().isEmpty()};
}

// One of the ways to start: its symbol and words in the accent, left-aligned, underlined
// under the pointer. The colours are taken from the palette as it is painted, so they follow
// a change of look while the window is open.
class LinkButton : public QPushButton {
public:
    LinkButton(const QString& title, const QString& symbol, QWidget* parent)
        : QPushButton(title, parent)
    {
        Icons::set(this, symbol, true);
        setFlat(true);
        setCursor(Qt::PointingHandCursor);
        setAttribute(Qt::WA_Hover);
    }

    QSize sizeHint() const override
    {
        const QFontMetrics m(font());
        return {kIcon + kGap + m.horizontalAdvance(text()), std::max(m.height(), kIcon) + 2 * kPadding};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect r = rect();
        icon().paint(&p, QRect(0, r.center().y() - kIcon / 2 + 1, kIcon, kIcon));
        QFont f = font();
        f.setUnderline(underMouse());
        p.setFont(f);
        p.setPen(Icons::legibleAccent(palette()));
        p.drawText(r.adjusted(kIcon + kGap, 0, 0, 0), Qt::AlignLeading | Qt::AlignVCenter | Qt::TextShowMnemonic,
                   text());
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        }
    }

private:
    static constexpr int kIcon = 16;
    static constexpr int kGap = 6;
    static constexpr int kPadding = 6;
};

// A recent document: its name without the extension, and below it its folder, cut in the middle.
class RecentRow : public QPushButton {
public:
    RecentRow(const QString& path, QWidget* parent)
        : QPushButton(parent),
          m_path(path)
    {
        setFlat(true);
        setCursor(Qt::PointingHandCursor);
        setToolTip(QDir::toNativeSeparators(path));
        const QFileInfo info(path);
        setText(info.completeBaseName().isEmpty() ? info.fileName() : info.completeBaseName());
        setMinimumHeight(QFontMetrics(font()).height() + QFontMetrics(ChromeStyle::caption(font())).height() + 13);
    }
    QString folder() const { return QDir::toNativeSeparators(QFileInfo(m_path).absolutePath()); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect inner = rect().adjusted(8, 6, -8, -6);
        if (underMouse())
            p.fillRect(rect(),
                       ChromeStyle::mix(ChromeStyle::underPage(palette()), palette().color(QPalette::Highlight), 0.1));
        Icons::icon(QStringLiteral("doc.text")).paint(&p, QRect(inner.left(), inner.center().y() - 8, 16, 16));
        const QRect text = inner.adjusted(26, 0, 0, 0);
        const QFontMetrics nameMetrics(font());
        p.setPen(ChromeStyle::primary(palette()));
        p.drawText(QRect(text.left(), text.top(), text.width(), nameMetrics.height()),
                   Qt::AlignLeading | Qt::AlignVCenter,
                   nameMetrics.elidedText(this->text(), Qt::ElideRight, text.width()));
        const QFont caption = ChromeStyle::caption(font());
        const QFontMetrics captionMetrics(caption);
        p.setFont(caption);
        p.setPen(ChromeStyle::secondary(palette()));
        p.drawText(QRect(text.left(), text.top() + nameMetrics.height() + 1, text.width(), captionMetrics.height()),
                   Qt::AlignLeading | Qt::AlignVCenter,
                   captionMetrics.elidedText(folder(), Qt::ElideMiddle, text.width()));
    }

private:
    QString m_path;
};

} // namespace

WelcomeWindow& WelcomeWindow::shared()
{
    static QPointer<WelcomeWindow> window;
    if (!window) window = new WelcomeWindow;
    return *window;
}

WelcomeWindow::WelcomeWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_quit([] { QCoreApplication::quit(); })
{
    m_templates = [] {
        QList<Template> out;
        for (const DocumentTemplate& t : TemplateStore::all()) out.append({t.id, t.shownName(), t.body});
        return out;
    };
    setWindowTitle(tr("Welcome to Brindlewick"));
    setFixedSize(740, 460);
    // Like a document window it keeps the program running while it is shown; closing it with
    // no document window open ends the program (see closeEvent).

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    auto* left = new QWidget(this);
    left->setFixedWidth(340);
    auto* column = new QVBoxLayout(left);
    column->setContentsMargins(30, 30, 30, 30);
    column->setSpacing(0);
    auto* icon = new QLabel(left);
    if (QApplication::windowIcon().isNull())
        Icons::set(icon, QStringLiteral("doc.text"), 82);
    else
        icon->setPixmap(QApplication::windowIcon().pixmap(82, 82));
    icon->setFixedSize(82, 92);
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(icon);
    auto* name = new QLabel(QStringLiteral("Brindlewick"), left);
    name->setFont(ChromeStyle::sized(font(), 30, QFont::Bold));
    column->addWidget(name);
    auto* version = new QLabel(tr("Version %1").arg(WhatsNewWindow::currentVersion()), left);
    tint(version, ChromeStyle::secondary);
    column->addWidget(version);
    auto* tagline = new QLabel(tr("A clean, native Markdown editor."), left);
    tagline->setFont(ChromeStyle::callout(font()));
    tagline->setContentsMargins(0, 2, 0, 0);
    tint(tagline, ChromeStyle::secondary);
    column->addWidget(tagline);
    column->addSpacing(22);
    column->addStretch(1);

    auto* actions = new QVBoxLayout;
    actions->setSpacing(4);
    auto* newDoc = new LinkButton(tr("New Document"), QStringLiteral("doc.badge.plus"), left);
    connect(newDoc, &QPushButton::clicked, this, [this] { act(&WelcomeWindow::newDocument); });
    m_templateButton = new QToolButton(left);
    m_templateButton->setText(tr("New from Template…"));
    Icons::set(m_templateButton, QStringLiteral("doc.on.doc"));
    m_templateButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_templateButton->setAutoRaise(true);
    m_templateButton->setPopupMode(QToolButton::InstantPopup);
    m_templateButton->setCursor(Qt::PointingHandCursor);
    tint(m_templateButton, Icons::legibleAccent);
    m_templateButton->setMenu(new QMenu(m_templateButton));
    auto* open = new LinkButton(tr("Open…"), QStringLiteral("folder"), left);
    connect(open, &QPushButton::clicked, this, [this] {
        act([] {
            discardLaunchUntitled();
            DocumentController::instance().openWithDialog(nullptr);
        });
    });
    auto* cheat = new LinkButton(tr("Markdown Cheat Sheet"), QStringLiteral("character.book.closed"), left);
    connect(cheat, &QPushButton::clicked, this, [this] {
        act([] {
            discardLaunchUntitled();
            TemplateStore::pending = CheatSheet::text();
            DocumentController::instance().newDocument();
        });
    });
    m_actions = {newDoc, nullptr, open, cheat};
    actions->addWidget(newDoc);
    actions->addWidget(m_templateButton);
    actions->addWidget(open);
    actions->addWidget(cheat);
    column->addLayout(actions);
    column->addStretch(1);
    m_showAtLaunch = new QCheckBox(tr("Show this window when Brindlewick opens"), left);
    m_showAtLaunch->setFont(ChromeStyle::caption(font()));
    tint(m_showAtLaunch, ChromeStyle::secondary);
    connect(m_showAtLaunch, &QCheckBox::toggled, this,
            [](bool on) { Settings::instance().setValue(PrefKey::showWelcomeOnLaunch, on); });
    column->addWidget(m_showAtLaunch);
    row->addWidget(left);

    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Plain);
    divider->setFixedWidth(1);
    tint(divider, ChromeStyle::tertiary);
    row->addWidget(divider);

    m_recentPanel = new QWidget(this);
    m_recentColumn = new QVBoxLayout(m_recentPanel);
    m_recentColumn->setContentsMargins(0, 0, 0, 0);
    m_recentColumn->setSpacing(0);
    auto* recentTitle = new QLabel(tr("Recent"), m_recentPanel);
    recentTitle->setFont(ChromeStyle::headline(font()));
    recentTitle->setContentsMargins(20, 20, 20, 8);
    m_recentColumn->addWidget(recentTitle);
    row->addWidget(m_recentPanel, 1);
}

void WelcomeWindow::showWindow()
{
    rebuildTemplates();
    rebuildRecents();
    {
        const QSignalBlocker block(m_showAtLaunch);
        m_showAtLaunch->setChecked(Settings::instance().boolean(PrefKey::showWelcomeOnLaunch, true));
    }
    if (!isVisible())
        if (const QScreen* screen = QApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void WelcomeWindow::rebuildTemplates()
{
    QMenu* menu = m_templateButton->menu();
    menu->clear();
    const QList<Template> templates = m_templates ? m_templates() : QList<Template>();
    for (const Template& t : templates) {
        QAction* a = menu->addAction(t.name);
        a->setData(t.id);
        const QString body = t.body;
        connect(a, &QAction::triggered, this, [this, body] {
            act([body] {
                discardLaunchUntitled();
                TemplateStore::pending = body;
                DocumentController::instance().newDocument();
            });
        });
    }
    m_templateButton->setEnabled(!templates.isEmpty());
}

void WelcomeWindow::rebuildRecents()
{
    if (m_recentContent) {
        m_recentColumn->removeWidget(m_recentContent);
        delete m_recentContent;
    }
    const QStringList paths = RecentDocuments::paths(Settings::instance());
    if (paths.isEmpty()) {
        auto* empty = new QLabel(tr("No recent documents"), m_recentPanel);
        empty->setObjectName(QStringLiteral("recentEmpty"));
        empty->setAlignment(Qt::AlignCenter);
        tint(empty, ChromeStyle::tertiary);
        m_recentContent = empty;
    } else {
        auto* scroll = new QScrollArea(m_recentPanel);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // The column's own background shows through.
        scroll->setAutoFillBackground(false);
        scroll->viewport()->setAutoFillBackground(false);
        auto* list = new QWidget(scroll);
        auto* rows = new QVBoxLayout(list);
        rows->setContentsMargins(12, 0, 12, 0);
        rows->setSpacing(2);
        for (const QString& path : paths) {
            auto* r = new RecentRow(path, list);
            connect(r, &QPushButton::clicked, this, [this, path] { act([path] { RecentOpen::open(path); }); });
            rows->addWidget(r);
        }
        rows->addStretch(1);
        scroll->setWidget(list);
        list->setAutoFillBackground(false); // setWidget turns it on
        m_recentContent = scroll;
    }
    m_recentColumn->addWidget(m_recentContent, 1);
}

void WelcomeWindow::act(const std::function<void()>& action)
{
    // Hidden, not closed: closing the last window would end the program before the action
    // opens its document.
    m_acting = true;
    hide();
    m_acting = false;
    action();
}

void WelcomeWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    // As Linux programs do: closing the only window ends the program.
    if (!m_acting && DocumentController::instance().windows().isEmpty() && m_quit) m_quit();
}

void WelcomeWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    if (m_recentPanel) p.fillRect(m_recentPanel->geometry(), ChromeStyle::underPage(palette()));
}

void WelcomeWindow::tint(QWidget* w, Tone tone)
{
    m_tints.append({w, tone});
    ChromeStyle::setTextColor(w, tone(palette()));
}

void WelcomeWindow::applyColours()
{
    m_tints.removeIf([](const auto& t) { return !t.first; });
    for (const auto& [w, tone] : m_tints) ChromeStyle::setTextColor(w, tone(palette()));
}

void WelcomeWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) applyColours();
}

void WelcomeWindow::newDocument()
{
    const QList<DocumentWindow*> windows = DocumentController::instance().windows();
    QList<WindowPicks::Window> facts;
    for (const DocumentWindow* w : windows) facts.append(factsOf(w));
    const int reuse = WindowPicks::windowToReuse(facts);
    if (reuse < 0) {
        DocumentController::instance().newDocument();
        return;
    }
    DocumentWindow* w = windows[reuse];
    w->show();
    w->raise();
    w->activateWindow();
}

void WelcomeWindow::discardLaunchUntitled()
{
    const QList<DocumentWindow*> windows = DocumentController::instance().windows();
    QList<WindowPicks::Window> facts;
    for (const DocumentWindow* w : windows) facts.append(factsOf(w));
    QList<QPointer<DocumentWindow>> doomed;
    for (int i : WindowPicks::windowsToDiscard(facts)) doomed.append(windows[i]);
    for (const QPointer<DocumentWindow>& w : doomed)
        if (w) w->close();
}

QPushButton* WelcomeWindow::actionButton(int row) const
{
    return m_actions.value(row);
}

QList<QPushButton*> WelcomeWindow::recentRows() const
{
    return m_recentContent ? m_recentContent->findChildren<QPushButton*>() : QList<QPushButton*>();
}

QString WelcomeWindow::recentEmptyText() const
{
    const auto* label = qobject_cast<QLabel*>(m_recentContent);
    return label ? label->text() : QString();
}
