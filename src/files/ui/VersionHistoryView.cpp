#include "files/ui/VersionHistoryView.h"

#include "files/ui/FilesWidgets.h"
#include "platform/ColorContrast.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QThread>
#include <QThreadPool>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int kRowSpacing = 8;
const QColor kGreen(52, 168, 83);
const QColor kRed(219, 68, 55);

QColor withAlpha(QColor c, double alpha)
{
    c.setAlphaF(float(alpha));
    return c;
}

QFont monospace()
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSizeF(QFont().pointSizeF());
    return f;
}

QString formatDate(const QDateTime& dt)
{
    const QLocale locale;
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    return locale.toString(dt.date(), QLocale::ShortFormat) + QLatin1Char(' ')
           + locale.toString(dt.time(), timeFormat.trimmed());
}

// A centred notice: big icon, a line of text, a caption, and an optional button.
QWidget* notice(QStyle::StandardPixmap icon, const QString& text, const QString& caption, int spacing,
                QPushButton* button, QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* column = new QVBoxLayout(page);
    column->setSpacing(spacing);
    column->addStretch();
    auto* image = new QLabel(page);
    image->setAlignment(Qt::AlignCenter);
    image->setPixmap(page->style()->standardIcon(icon).pixmap(30, 30));
    column->addWidget(image);
    column->addWidget(FilesWidgets::secondaryLabel(text, page));
    auto* small = FilesWidgets::secondaryLabel(caption, page, 0.85);
    // A wrapped label placed by alignment gets its narrow preferred width and the height of
    // one line: give it its width and the height its lines need at that width.
    small->setFixedWidth(360);
    small->setMinimumHeight(small->heightForWidth(360));
    column->addWidget(small, 0, Qt::AlignHCenter);
    if (button) column->addWidget(button, 0, Qt::AlignHCenter);
    column->addStretch();
    return page;
}

// A text edit goes through all of its document's blocks when it takes one (a few hundred
// nanoseconds each, on the window's thread: 50 ms for 100 MB of short lines sixteen to a
// block), so the preview holds up to this many unmarked lines in one block, broken by line
// separators (which a copy of the text turns into line feeds).
constexpr int kLinesPerBlock = 64;

// The diff's rows, with their colours as block and character formats written in one pass:
// overlay marks would keep a cursor per row, and every later change of the text would move
// all of them (seconds for a few thousand rows). Each changed row is a block of its own.
void writeDiff(QTextDocument* document, const QList<DiffLine>& lines, const std::atomic_bool& cancelled)
{
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    const QTextCharFormat plain;
    bool first = true;
    bool equalBlock = false;
    int linesInBlock = 0;
    qsizetype n = 0;
    for (const DiffLine& l : lines) {
        if (++n % 4096 == 0 && cancelled) break;
        const bool changed = l.kind != DiffLine::Kind::Equal;
        const QColor colour = l.kind == DiffLine::Kind::Insert ? kGreen : kRed;
        QTextBlockFormat row;
        if (changed) row.setBackground(withAlpha(colour, 0.14));
        if (first) {
            cursor.setBlockFormat(row);
            linesInBlock = 1;
        } else if (!changed && equalBlock && linesInBlock < kLinesPerBlock) {
            cursor.insertText(QString(QChar::LineSeparator), plain);
            ++linesInBlock;
        } else {
            cursor.insertBlock(row, plain);
            linesInBlock = 1;
        }
        equalBlock = !changed;
        first = false;
        QTextCharFormat sign;
        if (changed) sign.setForeground(withAlpha(colour, 0.9));
        const QChar prefix = l.kind == DiffLine::Kind::Insert   ? QLatin1Char('+')
                             : l.kind == DiffLine::Kind::Delete ? QChar(0x2212)
                                                                : QLatin1Char(' ');
        cursor.insertText(QString(prefix), sign);
        cursor.insertText(QStringLiteral("  ") + (l.text.isEmpty() ? QStringLiteral(" ") : l.text), plain);
    }
    cursor.endEditBlock();
}

// The threads that free what the sheets let go of. The application waits for them as it
// ends, before the fonts the documents hold go.
QThreadPool& freeing()
{
    static QThreadPool* pool = [] {
        qAddPostRoutine([] { freeing().waitForDone(); });
        return new QThreadPool;
    }();
    return *pool;
}

// Freeing a long text's preview (its blocks, their layouts and the text) takes a tenth of a
// second and more, so the window lets go of its documents on another thread. `document` is
// the calling thread's, and no edit shows it any more.
void freeElsewhere(QTextDocument* document)
{
    if (!document) return;
    document->setParent(nullptr);
    document->moveToThread(nullptr); // a thread may take it up now, and one does
    freeing().start([document] {
        document->moveToThread(QThread::currentThread());
        delete document;
    });
}

// A value (a long text) let go of on another thread.
template <typename T> void freeElsewhere(T value)
{
    freeing().start([gone = std::make_shared<T>(std::move(value))]() mutable { gone.reset(); });
}

// A preview on its way to the window: whether the version could be read, its counts and the
// document an edit shows (moved to the window's thread). One dropped on the way is freed on
// a pool thread.
struct Landing {
    bool readable = false;
    LineDiff::Counts counts;
    QTextDocument* document = nullptr;
    Landing() = default;
    Landing(const Landing&) = delete;
    Landing& operator=(const Landing&) = delete;
    ~Landing()
    {
        // Still the pool thread's that made it (and on it), or handed over to the window's;
        // left alone once the application has gone (the process is ending).
        const QCoreApplication* app = QCoreApplication::instance();
        if (!document || !app) return;
        if (document->thread() == app->thread())
            freeElsewhere(document);
        else
            delete document;
    }
};

// What an edit of the preview shows, made whole where the preview is made (on a pool
// thread): the text, its font, its wrapping as the edit has it and its layout, each block's
// own made, so that taking it in on the window's thread costs little per block.
std::unique_ptr<QTextDocument> previewDocument(const VersionHistoryModel::Preview& preview, bool diff,
                                               const QFont& font, const std::atomic_bool& cancelled)
{
    if (!preview.text || cancelled) return {};
    auto document = std::make_unique<QTextDocument>();
    document->setUndoRedoEnabled(false);
    document->setDefaultFont(font);
    if (diff) {
        writeDiff(document.get(), preview.lines, cancelled);
    } else {
        document->setDocumentMargin(12);
        QString text = *preview.text;
        int lines = 0;
        for (QChar& c : text)
            if (c == QLatin1Char('\n') && ++lines % kLinesPerBlock != 0) c = QChar::LineSeparator;
        document->setPlainText(text);
    }
    QTextOption option = document->defaultTextOption();
    option.setWrapMode(diff ? QTextOption::NoWrap : QTextOption::WrapAtWordBoundaryOrAnywhere);
    document->setDefaultTextOption(option);
    document->setDocumentLayout(new QPlainTextDocumentLayout(document.get()));
    for (QTextBlock block = document->firstBlock(); block.isValid() && !cancelled; block = block.next())
        (void)block.layout();
    return document;
}

} // namespace

VersionHistoryView::VersionHistoryView(const QString& filePath, const QString& currentText, OnRestore onRestore,
                                       std::function<void()> onClose, QWidget* parent)
    : QDialog(parent),
      m_model(filePath, currentText),
      m_onRestore(std::move(onRestore)),
      m_onClose(std::move(onClose))
{
    build();
}

VersionHistoryView::VersionHistoryView(const QString& filePath, OnRestore onRestore, std::function<void()> onClose,
                                       QWidget* parent)
    : QDialog(parent),
      m_model(filePath),
      m_onRestore(std::move(onRestore)),
      m_onClose(std::move(onClose))
{
    build();
}

VersionHistoryView::~VersionHistoryView()
{
    // The previews and the copy of the text go on a pool thread, not with the sheet.
    for (QPlainTextEdit* edit : {m_diffText, m_fullText}) {
        QTextDocument* shown = edit->document();
        if (shown->parent() != edit) continue;
        edit->setDocument(nullptr);
        freeElsewhere(shown);
    }
    freeElsewhere(m_model.releaseCurrentText());
}

void VersionHistoryView::build()
{
    setWindowTitle(tr("Version History"));
    setFixedSize(720, 460);
    auto* column = FilesWidgets::flushColumn(this);
    column->addLayout(makeHeader());
    column->addWidget(FilesWidgets::divider(this));
    column->addWidget(makeBody(), 1);
    column->addWidget(FilesWidgets::divider(this));
    column->addLayout(makeFooter());

    m_snapshot->setEnabled(!m_model.isUntitled());
    reload();
    // Snapshots under way show once they have landed.
    if (VersionSnapshots::isBusy())
        VersionSnapshots::after(nullptr, [self = QPointer<VersionHistoryView>(this)] {
            if (self && !self->m_closed) self->reload();
        });
}

void VersionHistoryView::takeCurrentText(QList<QString> pieces, std::function<QString(const QString&)> fileText)
{
    QThreadPool::globalInstance()->start([pieces = std::move(pieces), fileText = std::move(fileText),
                                          self = QPointer<VersionHistoryView>(this)] {
        auto measured = std::make_shared<VersionHistoryModel::Measured>(VersionHistoryModel::measure(pieces, fileText));
        QMetaObject::invokeMethod(QCoreApplication::instance(), [self, measured] {
            if (self) self->currentTextLanded(std::move(*measured));
        });
    });
}

void VersionHistoryView::currentTextLanded(VersionHistoryModel::Measured current)
{
    m_model.setCurrentText(std::move(current));
    fillList(); // the rows' word differences, and the preview
    for (const auto& action : std::exchange(m_afterCurrent, {}))
        if (!m_closed) action();
}

void VersionHistoryView::withCurrentText(std::function<void()> action)
{
    if (m_model.hasCurrentText())
        action();
    else
        m_afterCurrent.append(std::move(action));
}

// The title and the file's name.
QHBoxLayout* VersionHistoryView::makeHeader()
{
    auto* header = new QHBoxLayout;
    header->setContentsMargins(12, 12, 12, 12);
    // Rows inside the flush column would inherit its zero spacing.
    header->setSpacing(kRowSpacing);
    auto* clock = new QLabel(this);
    clock->setPixmap(style()->standardIcon(QStyle::SP_BrowserReload).pixmap(16, 16));
    header->addWidget(clock);
    auto* title = new QLabel(tr("Version History"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    header->addWidget(title);
    header->addStretch();
    auto* name = new QLabel(m_model.fileName(), this);
    name->setForegroundRole(QPalette::PlaceholderText);
    header->addWidget(name);
    return header;
}

// The two notices (untitled, no versions yet) and the list of versions beside their preview.
QStackedWidget* VersionHistoryView::makeBody()
{
    m_body = new QStackedWidget(this);
    m_body->addWidget(notice(QStyle::SP_DriveHDIcon, tr("Save this document first"),
                             tr("Version history is kept per file, so an untitled document has no history until it "
                                "is saved."),
                             8, nullptr, m_body));
    auto* emptySnapshot = new QPushButton(tr("Snapshot Now"));
    connect(emptySnapshot, &QPushButton::clicked, this, &VersionHistoryView::snapshotNow);
    m_body->addWidget(notice(QStyle::SP_MessageBoxQuestion, tr("No versions saved yet"),
                             tr("Brindlewick snapshots this document as you edit. Use “Snapshot Now” to capture one "
                                "immediately."),
                             10, emptySnapshot, m_body));

    auto* split = new QSplitter(Qt::Horizontal, m_body);
    split->setChildrenCollapsible(false);
    m_list = new QListWidget(split);
    m_list->setMinimumWidth(220);
    m_list->setMaximumWidth(300);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        markChosenRow();
        if (m_filling) return;
        m_model.select(item ? std::optional<QString>(item->data(Qt::UserRole).toString()) : std::nullopt);
        showPreview();
        updateButtons();
    });

    m_preview = new QStackedWidget(split);
    m_preview->setMinimumWidth(340);
    m_preview->addWidget(FilesWidgets::secondaryLabel(tr("Select a version to preview"), m_preview));
    m_preview->addWidget(makePreview(m_preview));
    split->addWidget(m_list);
    split->addWidget(m_preview);
    split->setSizes({240, 480});
    m_body->addWidget(split);
    return m_body;
}

// A version's preview: the diff or the full text, with the counts of lines added and removed.
QWidget* VersionHistoryView::makePreview(QWidget* parent)
{
    auto* content = new QWidget(parent);
    auto* contentColumn = FilesWidgets::flushColumn(content);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(12, 8, 12, 8);
    bar->setSpacing(10);
    auto* modes = new QButtonGroup(this);
    const auto modeButton = [&](VersionHistoryModel::PreviewMode mode) {
        auto* b = new QToolButton(content);
        b->setText(VersionHistoryModel::modeTitle(mode));
        b->setCheckable(true);
        b->setMinimumWidth(120);
        modes->addButton(b);
        bar->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, mode] { setMode(mode); });
        return b;
    };
    m_diffMode = modeButton(VersionHistoryModel::PreviewMode::Diff);
    m_fullMode = modeButton(VersionHistoryModel::PreviewMode::Full);
    m_diffMode->setChecked(true);
    bar->addStretch();
    m_noChanges = FilesWidgets::secondaryLabel(tr("No changes"), content, 0.85);
    bar->addWidget(m_noChanges);
    m_added = new QLabel(content);
    m_removed = new QLabel(content);
    for (QLabel* label : {m_added, m_removed}) {
        QFont f = monospace();
        f.setWeight(QFont::Medium);
        label->setFont(f);
        bar->addWidget(label);
    }
    colourCounts();
    contentColumn->addLayout(bar);
    contentColumn->addWidget(FilesWidgets::divider(content));
    auto* texts = new QStackedWidget(content);
    for (QPlainTextEdit** edit : {&m_diffText, &m_fullText}) {
        *edit = new QPlainTextEdit(texts);
        (*edit)->setReadOnly(true);
        (*edit)->setFont(monospace());
        (*edit)->setFrameShape(QFrame::NoFrame);
        (*edit)->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        texts->addWidget(*edit);
    }
    // A text edit goes through all of its document's blocks again whenever its width or
    // height changes: its scroll bars stay, so that a long preview landing does not do it
    // twice more (the lines of a diff are not wrapped and may be wider than the edit).
    for (QPlainTextEdit* edit : {m_diffText, m_fullText}) edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_diffText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_diffText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_diffText->setUndoRedoEnabled(false);
    m_fullText->document()->setDocumentMargin(12);
    contentColumn->addWidget(texts, 1);
    return content;
}

// Snapshot Now, Delete, Restore This Version and Close.
QHBoxLayout* VersionHistoryView::makeFooter()
{
    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(12, 12, 12, 12);
    footer->setSpacing(kRowSpacing);
    m_snapshot = new QPushButton(tr("Snapshot Now"), this);
    m_snapshot->setAutoDefault(false);
    connect(m_snapshot, &QPushButton::clicked, this, &VersionHistoryView::snapshotNow);
    footer->addWidget(m_snapshot);
    footer->addStretch();
    m_delete = new QPushButton(tr("Delete"), this);
    m_delete->setAutoDefault(false);
    connect(m_delete, &QPushButton::clicked, this, &VersionHistoryView::deleteSelected);
    footer->addWidget(m_delete);
    m_restore = new QPushButton(tr("Restore This Version"), this);
    m_restore->setDefault(true);
    connect(m_restore, &QPushButton::clicked, this, &VersionHistoryView::restoreSelected);
    footer->addWidget(m_restore);
    auto* close = new QPushButton(tr("Close"), this);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &VersionHistoryView::reject);
    footer->addWidget(close);
    return footer;
}

int VersionHistoryView::bodyIndex() const
{
    return m_body->currentIndex();
}

int VersionHistoryView::previewIndex() const
{
    if (m_preview->currentIndex() == 0) return 0;
    return m_model.mode() == VersionHistoryModel::PreviewMode::Diff ? 1 : 2;
}

QString VersionHistoryView::previewText() const
{
    switch (previewIndex()) {
    case 1: return m_diffText->toPlainText();
    case 2: return m_fullText->toPlainText();
    default: return {};
    }
}

QString VersionHistoryView::countsText() const
{
    if (previewIndex() != 1 || m_previewPending) return {};
    return !m_noChanges->isHidden() ? m_noChanges->text() : m_added->text() + ' ' + m_removed->text();
}

void VersionHistoryView::reload()
{
    m_model.reload();
    fillList();
}

void VersionHistoryView::fillList()
{
    m_body->setCurrentIndex(m_model.isUntitled() ? 0 : m_model.snapshots().isEmpty() ? 1 : 2);
    m_filling = true;
    m_list->clear();
    const QLocale locale;
    for (const Snapshot& s : m_model.snapshots()) {
        auto* item = new QListWidgetItem(m_list);
        item->setData(Qt::UserRole, s.id);
        auto* row = new QWidget;
        auto* lines = new QVBoxLayout(row);
        lines->setContentsMargins(6, 4, 6, 4);
        lines->setSpacing(2);
        auto* date = new QLabel(formatDate(s.dateTime()), row);
        QFont f = date->font();
        f.setWeight(QFont::Medium);
        date->setFont(f);
        lines->addWidget(date);
        QStringList facts{tr("%n words", nullptr, int(s.words)), QStringLiteral("·"),
                          locale.formattedDataSize(s.bytes, 0, QLocale::DataSizeSIFormat)};
        const QString delta = m_model.deltaLabel(s);
        if (!delta.isEmpty()) facts << delta;
        auto* detail = new QLabel(facts.join(QStringLiteral("  ")), row);
        detail->setForegroundRole(QPalette::PlaceholderText);
        QFont caption = detail->font();
        caption.setPointSizeF(caption.pointSizeF() * 0.85);
        detail->setFont(caption);
        lines->addWidget(detail);
        item->setSizeHint(row->sizeHint());
        m_list->setItemWidget(item, row);
        if (m_model.selection() == s.id) m_list->setCurrentItem(item);
    }
    m_filling = false;
    markChosenRow();
    showPreview();
    updateButtons();
}

void VersionHistoryView::markChosenRow()
{
    // A row's lines are widgets of their own over the list's selection: the chosen row's
    // take the selection's text colour, the others their own.
    for (int i = 0; i < m_list->count(); ++i) {
        QWidget* row = m_list->itemWidget(m_list->item(i));
        if (!row) continue;
        const bool chosen = m_list->item(i) == m_list->currentItem();
        const QList<QLabel*> lines = row->findChildren<QLabel*>();
        for (qsizetype k = 0; k < lines.size(); ++k)
            lines[k]->setForegroundRole(chosen   ? QPalette::HighlightedText
                                        : k == 0 ? QPalette::WindowText
                                                 : QPalette::PlaceholderText);
    }
}

void VersionHistoryView::colourCounts()
{
    const QColor ground = palette().color(QPalette::Window);
    for (auto [label, colour] : {std::pair{m_added, kGreen}, std::pair{m_removed, kRed}}) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, ColorContrast::legible(colour, ground));
        label->setPalette(p);
    }
}

void VersionHistoryView::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_added) colourCounts();
}

void VersionHistoryView::setMode(VersionHistoryModel::PreviewMode mode)
{
    m_model.setMode(mode);
    (mode == VersionHistoryModel::PreviewMode::Diff ? m_diffMode : m_fullMode)->setChecked(true);
    showPreview();
}

void VersionHistoryView::showPreview()
{
    const auto snapshot = m_model.selected();
    if (!snapshot) {
        if (m_previewCancel) *m_previewCancel = true;
        m_previewFor.reset();
        m_previewPending = false;
        m_preview->setCurrentIndex(0);
        return;
    }
    const Shown wanted{snapshot->id, m_model.mode()};
    // Asked for already (the list read again, the current text the same): it stays.
    if (m_previewFor == wanted) return;
    if (m_previewCancel) *m_previewCancel = true;
    m_previewFor.reset();
    const bool diff = m_model.mode() == VersionHistoryModel::PreviewMode::Diff;
    // Blank, without counts, until the version's preview lands.
    m_preview->setCurrentIndex(1);
    auto* texts = qobject_cast<QStackedWidget*>(m_diffText->parentWidget());
    texts->setCurrentWidget(diff ? m_diffText : m_fullText);
    m_noChanges->setVisible(false);
    m_added->setVisible(false);
    m_removed->setVisible(false);
    m_previewPending = true;
    showDocument(diff ? m_diffText : m_fullText, nullptr);
    const VersionHistoryModel::PreviewWork work = m_model.previewWork();
    if (!work) return; // the current text is still coming: asked for once it lands
    m_previewFor = wanted;
    auto cancel = std::make_shared<std::atomic_bool>(false);
    m_previewCancel = cancel;
    QPlainTextEdit* edit = diff ? m_diffText : m_fullText;
    QThreadPool::globalInstance()->start([work, cancel, diff, font = edit->font(), serial = ++m_previewSerial,
                                          thread = thread(), self = QPointer<VersionHistoryView>(this)] {
        auto landing = std::make_shared<Landing>();
        {
            // The version's text and its diff's rows go here, with this block.
            const VersionHistoryModel::Preview preview = work(*cancel);
            landing->readable = preview.text.has_value();
            landing->counts = preview.counts;
            landing->document = previewDocument(preview, diff, font, *cancel).release();
        }
        if (*cancel) return;
        if (landing->document) landing->document->moveToThread(thread);
        QMetaObject::invokeMethod(QCoreApplication::instance(), [self, serial, landing = std::move(landing)] {
            if (self && self->m_previewSerial == serial && !self->m_closed)
                self->previewLanded(landing->readable, landing->counts, std::exchange(landing->document, nullptr));
        });
    });
}

void VersionHistoryView::previewLanded(bool readable, LineDiff::Counts counts, QTextDocument* document)
{
    m_previewPending = false;
    if (!readable || !document) {
        freeElsewhere(document);
        m_previewFor.reset(); // unreadable now; picking the row again reads it again
        m_preview->setCurrentIndex(0);
        return;
    }
    const bool diff = m_model.mode() == VersionHistoryModel::PreviewMode::Diff;
    showDocument(diff ? m_diffText : m_fullText, document);
    if (diff) {
        if (counts.added == 0 && counts.removed == 0) {
            m_noChanges->setVisible(true);
        } else {
            m_added->setText(tr("+%1").arg(counts.added));
            m_removed->setText(tr("−%1").arg(counts.removed));
            m_added->setVisible(true);
            m_removed->setVisible(true);
        }
    }
}

void VersionHistoryView::showDocument(QPlainTextEdit* edit, QTextDocument* document)
{
    QTextDocument* old = edit->document();
    if (!document) {
        if (old->isEmpty()) return;
        document = new QTextDocument;
        document->setUndoRedoEnabled(false);
        document->setDefaultFont(edit->font());
        if (edit == m_fullText) document->setDocumentMargin(12);
        document->setDocumentLayout(new QPlainTextDocumentLayout(document));
    }
    // The ones made here are freed elsewhere; the edit's first one goes as the edit lets go of it.
    const bool made = old->parent() == edit;
    document->setParent(edit);
    edit->setDocument(document);
    if (made) freeElsewhere(old);
}

void VersionHistoryView::updateButtons()
{
    const bool hasSelection = m_model.selected().has_value();
    m_delete->setEnabled(hasSelection && !m_restoring && !m_deleting);
    m_restore->setEnabled(hasSelection && !m_restoring && !m_deleting);
}

void VersionHistoryView::showError(const QString& message)
{
    m_lastError = message;
    if (message.isEmpty()) return;
    auto* box = new QMessageBox(QMessageBox::Warning, tr("Version History"), message, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void VersionHistoryView::snapshotNow()
{
    if (m_model.isUntitled()) return;
    withCurrentText([this] {
        VersionSnapshots::take(
            m_model.snapshotRequest(QDateTime::currentDateTime()),
            [self = QPointer<VersionHistoryView>(this)](const std::optional<Snapshot>&, const QString& error) {
                if (!self || self->m_closed) return;
                self->reload();
                self->showError(error);
            });
    });
}

void VersionHistoryView::deleteSelected()
{
    if (m_deleting) return;
    auto work = m_model.deleteWork();
    if (!work) return;
    // After the snapshots under way, on their thread: removing a long version's file and
    // waiting for a snapshot being written would hold up the window.
    m_deleting = true;
    updateButtons();
    auto deleted = std::make_shared<VersionHistoryModel::Deleted>();
    VersionSnapshots::after([deleted, work = std::move(work)] { *deleted = work(); },
                            [self = QPointer<VersionHistoryView>(this), deleted] {
                                if (self) self->deleteLanded(*deleted);
                            });
}

void VersionHistoryView::deleteLanded(const VersionHistoryModel::Deleted& deleted)
{
    m_deleting = false;
    if (m_closed) return;
    m_model.deleteLanded(deleted);
    fillList();
    showError(deleted.error);
}

void VersionHistoryView::restoreSelected()
{
    if (!m_model.selected() || m_restoring || m_deleting) return;
    m_restoring = true;
    updateButtons();
    withCurrentText([this] {
        auto work = m_model.restoreWork(QDateTime::currentDateTime());
        if (!work) {
            restoreLanded({});
            return;
        }
        auto restore = std::make_shared<VersionHistoryModel::Restore>();
        VersionSnapshots::after([restore, work = std::move(work)] { *restore = work(); },
                                [self = QPointer<VersionHistoryView>(this), restore] {
                                    if (self && !self->m_closed) self->restoreLanded(*restore);
                                });
    });
}

void VersionHistoryView::restoreLanded(const VersionHistoryModel::Restore& restore)
{
    m_restoring = false;
    updateButtons();
    if (!restore.text) {
        showError(restore.error);
        if (!restore.error.isEmpty()) reload(); // a safety copy may have been taken back; show the list as stored
        return;
    }
    if (m_onRestore && !m_onRestore(restore)) {
        showError(tr("The document could not be changed, so the version was not restored."));
        reload();
        return;
    }
    m_lastError.clear();
    reject();
}

void VersionHistoryView::reject()
{
    // What is still to land for the sheet is dropped.
    m_closed = true;
    m_afterCurrent.clear();
    if (m_previewCancel) *m_previewCancel = true;
    if (m_onClose) m_onClose();
    QDialog::reject();
}
