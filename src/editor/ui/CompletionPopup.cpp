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
    const QString all = m_text->text();
    QStringList entries;
    TextRange range = TextRange::notFound();
    if (sel.length == 0) {
        const int caret = sel.location;
        const TextRange word = Emoji::completionRange(all, caret);
        if (!word.isNotFound()) {
            const QStringView w = QStringView(all).mid(word.location, word.length);
            if (explicitly || Emoji::opensListWhileTyping(w)) {
                entries = Emoji::matches(w.mid(1));
                range = word;
            }
        }
        if (entries.isEmpty()) {
            const TextRange partial = WikiLinks::completionRange(all, caret);
            if (!partial.isNotFound()) {
                for (const QString& name :
                     WikiLinks::matches(QStringView(all).mid(partial.location, partial.length), m_documentPath()))
                    entries.append(name + QStringLiteral("]]"));
                range = partial;
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
    m_completer->complete(r);
    m_completer->popup()->setCurrentIndex(m_model->index(0));
}
