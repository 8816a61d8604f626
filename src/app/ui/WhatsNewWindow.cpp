#include "app/ui/WhatsNewWindow.h"

#include "app/ui/ChromeStyle.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "platform/ui/Icons.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace {}

WhatsNewWindow& WhatsNewWindow::shared()
{
    static QPointer<WhatsNewWindow> window;
    if (!window)
        window = new WhatsNewWindow(Settings::instance(), [](int ms, std::function<void()> action) {
            QTimer::singleShot(ms, qApp, std::move(action));
        });
    return *window;
}

QString WhatsNewWindow::currentVersion()
{
    const QString v = QCoreApplication::applicationVersion();
    return v.isEmpty() ? QStringLiteral("1.0") : v;
}

const QList<WhatsNewWindow::Entry>& WhatsNewWindow::entries()
{
    static const QList<Entry> list{
        {"sparkles", "AI Assist",
         QString::fromUtf8("Rewrite, summarize, fix grammar, change tone, and suggest a title & tags \u2014 powered by "
                           "DeepSeek.")},
        {"character.bubble", "Translate", "Translate the document into any language, preserving Markdown."},
        {"globe", "Rich exports",
         "PDF (paginated with headers), Word (.docx), OpenDocument, HTML with math & Mermaid diagrams."},
        {"paintpalette", "Themes & focus",
         "Light / Dark / Sepia, adjustable page width, focus mode, and typewriter scrolling."},
        {"sidebar.left", "Navigate faster",
         "Document outline, quick-open (Ctrl+Shift+O), command palette, and snippets."},
        {"character.book.closed", "Multi-language UI", "The whole interface localized into 8 languages."},
    };
    return list;
}

WhatsNewWindow::WhatsNewWindow(Settings& store, Scheduler schedule, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_store(store),
      m_schedule(std::move(schedule))
{
    setWindowTitle(tr("What's New"));
    setFixedSize(440, 520);
    // Closing only hides it; it never keeps the program running on its own.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* header = new QVBoxLayout;
    header->setContentsMargins(0, 24, 0, 16);
    header->setSpacing(6);
    auto* icon = new QLabel(this);
    const QIcon appIcon =
        QApplication::windowIcon().isNull() ? Icons::icon(QStringLiteral("doc.text")) : QApplication::windowIcon();
    icon->setPixmap(appIcon.pixmap(64, 64));
    icon->setAlignment(Qt::AlignCenter);
    header->addWidget(icon);
    auto* title = new QLabel(tr("What's New in Brindlewick"), this);
    title->setFont(ChromeStyle::sized(font(), 17, QFont::Bold));
    title->setAlignment(Qt::AlignCenter);
    header->addWidget(title);
    auto* version = new QLabel(tr("Version %1").arg(currentVersion()), this);
    version->setObjectName(QStringLiteral("version"));
    version->setFont(ChromeStyle::callout(font()));
    m_secondary.append(version);
    version->setAlignment(Qt::AlignCenter);
    header->addWidget(version);
    column->addLayout(header);

    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* list = new QWidget(scroll);
    auto* rows = new QVBoxLayout(list);
    rows->setContentsMargins(28, 0, 28, 0);
    rows->setSpacing(16);
    for (const Entry& e : entries()) {
        auto* row = new QHBoxLayout;
        row->setSpacing(12);
        auto* symbol = new QLabel(list);
        Icons::set(symbol, e.symbol, 20);
        symbol->setFixedWidth(28);
        symbol->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        row->addWidget(symbol, 0, Qt::AlignTop);
        auto* texts = new QVBoxLayout;
        texts->setSpacing(2);
        auto* entryTitle = new QLabel(e.title, list);
        entryTitle->setFont(ChromeStyle::sized(font(), 13, QFont::DemiBold));
        auto* entryText = new QLabel(e.text, list);
        entryText->setWordWrap(true);
        entryText->setFont(ChromeStyle::callout(font()));
        m_secondary.append(entryText);
        texts->addWidget(entryTitle);
        texts->addWidget(entryText);
        row->addLayout(texts, 1);
        rows->addLayout(row);
    }
    rows->addStretch(1);
    scroll->setWidget(list);
    column->addWidget(scroll, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 18, 0, 18);
    auto* cont = new QPushButton(tr("Continue"), this);
    cont->setDefault(true);
    cont->setAutoDefault(true);
    cont->setMinimumWidth(120);
    connect(cont, &QPushButton::clicked, this, &QWidget::close);
    buttons->addStretch(1);
    buttons->addWidget(cont);
    buttons->addStretch(1);
    column->addLayout(buttons);
    applyColours();
}

void WhatsNewWindow::applyColours()
{
    for (QLabel* label : m_secondary) ChromeStyle::setTextColor(label, ChromeStyle::secondary(palette()));
}

void WhatsNewWindow::showIfNewVersion()
{
    const QString current = currentVersion();
    const QVariant stored = m_store.value(PrefKey::lastSeenVersion);
    if (stored.isValid() && stored.toString() == current) return;
    // Stored before showing: a run that ends within the delay does not show it again next time.
    m_store.setValue(PrefKey::lastSeenVersion, current);
    QPointer<WhatsNewWindow> self(this);
    m_schedule(kShowDelayMs, [self] {
        if (self) self->showWindow();
    });
}

void WhatsNewWindow::showWindow()
{
    if (!isVisible()) {
        // Centred on the screen the first time and each time it comes back.
        if (const QScreen* screen = QApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

void WhatsNewWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) applyColours();
}
