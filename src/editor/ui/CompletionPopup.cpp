#include "editor/ui/CompletionPopup.h"

#include "editor/EditorTextView.h"
#include "editor/Emoji.h"
#include "editor/WikiLinks.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QStringListModel>
#include <QTextEdit>

#include <algorithm>

CompletionPopup::CompletionPopup(QTextEdit* view, EditorTextView* text, std::function<QString()> documentPath)
    : QObject(view),
      m_view(view),
      m_text(text),
      m_documentPath(std::move(documentPath))
{
    m_model = new QStringListModel(this);
    m_completer = new QCompleter(m_model, this);
    m_completer->setWidget(view);
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setCaseSensitivity(Qt::CaseSensitive);
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this, [this](const QString& chosen) {
        const TextRange r = m_range;
        m_range = TextRange::notFound();
        if (!r.isNotFound() && r.end() <= m_text->textLength() && m_text->replaceRange(r, chosen))
            m_text->setSelectedRange({r.location + int(chosen.size()), 0});
    });
}

bool CompletionPopup::isVisible() const
{
    return m_completer->popup()->isVisible();
}

void CompletionPopup::update(bool explicitly)
{
    const TextRange sel = m_text->selectedRange();
    QStringList entries;
    TextRange range = TextRange::notFound();
    if (sel.length == 0) {
        // Both completions read back from the caret on its line: a bounded stretch before
        // the caret is enough, and copying the whole text on every keystroke is not.
        constexpr int lookBack = 1024;
        const int from = std::max(0, sel.location - lookBack);
        const QString before = m_text->textInRange({from, sel.location - from});
        const int caret = sel.location - from;
        const TextRange word = Emoji::completionRange(before, caret);
        if (!word.isNotFound()) {
            const QStringView w = QStringView(before).mid(word.location, word.length);
            if (explicitly || Emoji::opensListWhileTyping(w)) {
                entries = Emoji::matches(w.mid(1));
                range = TextRange(from + word.location, word.length);
            }
        }
        if (entries.isEmpty()) {
            const TextRange partial = WikiLinks::completionRange(before, caret);
            if (!partial.isNotFound()) {
                for (const QString& name :
                     WikiLinks::matches(QStringView(before).mid(partial.location, partial.length), m_documentPath()))
                    entries.append(name + QStringLiteral("]]"));
                range = TextRange(from + partial.location, partial.length);
            }
        }
    }
    if (entries.isEmpty()) {
        m_range = TextRange::notFound();
        m_completer->popup()->hide();
        return;
    }
    m_range = range;
    m_model->setStringList(entries);
    QRect r = m_view->cursorRect();
    r.setWidth(std::max(200, m_completer->popup()->sizeHintForColumn(0) + 30));
    // The list is a window without a parent: it takes the look of the window it completes in.
    m_completer->popup()->setPalette(m_view->window()->palette());
    m_completer->complete(r);
    m_completer->popup()->setCurrentIndex(m_model->index(0));
}
