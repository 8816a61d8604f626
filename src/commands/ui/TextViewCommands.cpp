#include "commands/ui/TextViewCommands.h"

#include "commands/MarkdownPathHelper.h"
#include "commands/PasteRules.h"
#include "commands/ShortcutStore.h"
#include "editor/EditorController.h"
#include "editor/ui/CompletionPopup.h"
#include "editor/ui/GhostText.h"
#include "editor/ui/GridTableInteraction.h"
#include "editor/ui/LongPaste.h"
#include "editor/ui/MarkdownTextView.h"
#include "platform/DateText.h"
#include "platform/Logging.h"
#include "platform/NotificationBus.h"
#include "platform/Requests.h"
#include "platform/SafeWrite.h"
#include "render/HtmlToMarkdown.h"
#include "settings/SnippetStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QKeyEvent>
#include <QLocale>
#include <QMimeData>
#include <QPromise>
#include <QThreadPool>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

TextViewCommands::TextViewCommands(MarkdownTextView* view, std::function<QString()> documentPath)
    : QObject(view),
      m_view(view),
      m_documentPath(std::move(documentPath))
{
    now = [] { return QDateTime::currentSecsSinceEpoch(); };
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    view->insertHook = [this](const QMimeData* source) { return insert(source); };
}

bool TextViewCommands::eventFilter(QObject* watched, QEvent* event)
{
    MarkdownTextView* view = m_view.data();
    if (!view) return false;
    if (watched == view && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (view->completion() && view->completion()->isVisible()) return false;
        // Every stored combination holds Ctrl or Meta; other presses are typing.
        if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
            if (const auto id = ShortcutStore::commandID(*key)) {
                NotificationBus::instance().post(NotificationBus::name(Requests::runCommand), *id);
                key->accept();
                return true;
            }
        }
        // On a grid table Tab goes to the next cell.
        if (key->key() == Qt::Key_Tab && !(key->modifiers() & ~Qt::KeypadModifier) && !view->isReadOnly()
            && !(view->ghost() && view->ghost()->isShown()) && !view->grid()->caretCell())
            return expandSnippet();
        return false;
    }
    if (watched != view->viewport()) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || mouse->modifiers() != Qt::NoModifier || view->isReadOnly())
            return false;
        return toggleCheckbox(mouse->position().toPoint());
    }
    case QEvent::Drop:
        // The view inserts the drop through the same hook as a paste; this tells them apart.
        m_dropping = true;
        QTimer::singleShot(0, this, [this] { m_dropping = false; });
        return false;
    default: return false;
    }
}

bool TextViewCommands::expandSnippet()
{
    MarkdownTextView* view = m_view.data();
    const TextRange sel = view->selectedRange();
    if (sel.length != 0 || sel.location <= 0) return false;
    const QString date = DateText::mediumDate(QDate::currentDate(), QLocale());
    const auto edit = SnippetStore::tabEdit(view->text(), sel.location, date);
    if (!edit) return false;
    // A refused edit inserts nothing, not even the tab.
    if (view->replaceRange(TextRange(edit->start, edit->length), edit->replacement))
        view->setSelectedRange(TextRange(edit->caretAfter, 0));
    return true;
}

bool TextViewCommands::toggleCheckbox(QPoint viewportPos)
{
    MarkdownTextView* view = m_view.data();
    const int index = view->cursorForPosition(viewportPos).position();
    const auto toggle = PasteRules::checkboxToggleAt(view->text(), index);
    if (!toggle) return false;
    if (view->ghost()) view->ghost()->dismiss();
    const TextRange sel = view->selectedRange();
    if (view->replaceRange(TextRange(toggle->position, 1), QString(toggle->mark))) view->setSelectedRange(sel);
    return true;
}

void TextViewCommands::replaceSelection(const QString& text)
{
    MarkdownTextView* view = m_view.data();
    if (!view) return;
    view->longPaste()->put(view->selectedRange(), text);
}

bool TextViewCommands::insert(const QMimeData* source)
{
    MarkdownTextView* view = m_view.data();
    if (!view || !source) return false;
    if (m_dropping) {
        m_dropping = false;
        return insertDrop(source);
    }
    const QString selected = view->textInRange(view->selectedRange());
    const PasteRules::Decision d = PasteRules::decide(*source, selected);
    switch (d.kind) {
    case PasteRules::Kind::image: {
        const QString document = m_documentPath ? m_documentPath() : QString();
        if (!document.isEmpty()) {
            const QString name = writeBeside(QFileInfo(document).absolutePath(), d.png, now());
            if (!name.isEmpty()) {
                replaceSelection(PasteRules::imageLink(name, name));
                return true;
            }
        }
        askWhereToSave(d.png, source);
        return true;
    }
    case PasteRules::Kind::text: replaceSelection(d.text); return true;
    case PasteRules::Kind::html:
        convertApart(d.text, source->hasText() ? std::optional(source->text()) : std::nullopt);
        return true;
    case PasteRules::Kind::platform: return false;
    }
    return false;
}

void TextViewCommands::convertApart(const QString& html, const std::optional<QString>& plainText)
{
    MarkdownTextView* view = m_view.data();
    auto promise = std::make_shared<QPromise<QString>>();
    const auto pasted = [plainText](const QFuture<QString>& converted) {
        const QString markdown = converted.resultCount() > 0 ? converted.result() : QString();
        const PasteRules::Decision d = PasteRules::afterConversion(markdown, plainText);
        // Nothing came of the HTML and the text makes no table: the text as it is.
        return d.kind == PasteRules::Kind::text ? d.text : plainText.value_or(QString());
    };
    const int ticket =
        view->longPaste()->hold(view->selectedRange(), [pasted, converted = promise->future()]() mutable {
            converted.waitForFinished();
            return pasted(converted);
        });
    auto* watcher = new QFutureWatcher<QString>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, ticket, pasted] {
        watcher->deleteLater();
        if (MarkdownTextView* view = m_view.data()) view->longPaste()->arrive(ticket, pasted(watcher->future()));
    });
    watcher->setFuture(promise->future());
    // The converter keeps no state: the window goes on while it works.
    QThreadPool::globalInstance()->start([promise, html] {
        promise->start();
        promise->addResult(HtmlToMarkdown::convert(html));
        promise->finish();
    });
}

bool TextViewCommands::insertDrop(const QMimeData* source)
{
    QStringList paths;
    for (const QUrl& url : source->urls())
        if (url.isLocalFile()) paths.append(url.toLocalFile());
    if (paths.isEmpty()) return false;
    const QString links = PasteRules::dropLinks(paths, m_documentPath ? m_documentPath() : QString());
    // Qt has put the caret at the drop point.
    replaceSelection(links);
    return true;
}

QString TextViewCommands::writeBeside(const QString& folder, const QByteArray& png, qint64 seconds)
{
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const QString name = PasteRules::pastedImageName(seconds, attempt);
        const QString path = QDir(folder).filePath(name);
        // Claim the name first: an existing file, an earlier paste's included, is never replaced.
        QFile claim(path);
        if (!claim.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) continue;
            qCWarning(lcCommands, "could not write a pasted image beside the document");
            return {};
        }
        claim.close();
        if (SafeWrite::replace(path, png)) return name;
        QFile::remove(path);
        qCWarning(lcCommands, "could not write a pasted image beside the document");
        return {};
    }
    return {};
}

void TextViewCommands::askWhereToSave(const QByteArray& png, const QMimeData* source)
{
    // The clipboard may change while the dialog is open: keep what the paste offered.
    auto kept = std::make_shared<QMimeData>();
    for (const QString& format : source->formats()) kept->setData(format, source->data(format));
    const QString selected = m_view->textInRange(m_view->selectedRange());
    auto* dialog = new QFileDialog(m_view->window(), tr("Save Pasted Image"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(tr("PNG image (*.png)"));
    dialog->setDefaultSuffix(u"png"_s);
    dialog->selectFile(PasteRules::pastedImageName(now(), 0));
    QPointer<TextViewCommands> self(this);
    connect(dialog, &QFileDialog::finished, this, [self, dialog, png, kept, selected](int result) {
        if (!self || !self->m_view) return;
        const QStringList chosen = dialog->selectedFiles();
        if (result == QDialog::Accepted && !chosen.isEmpty()) {
            if (SafeWrite::replace(chosen.first(), png)) {
                const QString document = self->m_documentPath ? self->m_documentPath() : QString();
                self->replaceSelection(
                    PasteRules::imageLink(chosen.first(), MarkdownPathHelper::relativePath(chosen.first(), document)));
                return;
            }
            qCWarning(lcCommands, "could not write the pasted image where the user chose");
        }
        // Nothing saved: the paste goes on with the other rules.
        const PasteRules::Decision d = PasteRules::decide(*kept, selected, true);
        if (d.kind == PasteRules::Kind::text)
            self->replaceSelection(d.text);
        else if (kept->hasText())
            self->replaceSelection(kept->text());
    });
    dialog->open();
}
