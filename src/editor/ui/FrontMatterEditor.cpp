#include "editor/ui/FrontMatterEditor.h"

#include "editor/EditorController.h"
#include "platform/ui/Icons.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

FrontMatterEditor::FrontMatterEditor(const QString& initialText, std::function<void(const QString&)> onApply,
                                     std::function<void()> onClose, QWidget* parent)
    : QDialog(parent),
      m_initialText(initialText),
      m_onApply(std::move(onApply)),
      m_onClose(std::move(onClose))
{
    setWindowTitle(tr("Document Info"));
    const auto [fm, range] = FrontMatter::parse(m_initialText);
    m_fm = fm;
    m_range = range;

    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(18, 18, 18, 18);
    stack->setSpacing(14);

    addHeading(stack);
    addFields(stack);
    addButtons(stack);

    // The stack is 420 points wide inside its 18-point inset; the height follows it.
    setFixedWidth(420 + 2 * 18);
    setFixedHeight(heightForWidth(width()) > 0 ? heightForWidth(width()) : sizeHint().height());
}

// The sheet's symbol and title.
void FrontMatterEditor::addHeading(QVBoxLayout* stack)
{
    auto* header = new QHBoxLayout;
    auto* icon = new QLabel;
    const int iconSize = fontMetrics().height();
    Icons::set(icon, QStringLiteral("doc.badge.gearshape"), iconSize);
    auto* heading = new QLabel(tr("Document Info"));
    QFont headline = heading->font();
    headline.setBold(true);
    heading->setFont(headline);
    header->addWidget(icon);
    header->addWidget(heading);
    header->addStretch();
    stack->addLayout(header);
}

// The four fields, filled from the front matter, and the note below them.
void FrontMatterEditor::addFields(QVBoxLayout* stack)
{
    auto* form = new QFormLayout;
    auto field = [&](const QString& label, const QString& value, const QString& placeholder) {
        auto* edit = new QLineEdit(value);
        edit->setPlaceholderText(placeholder);
        form->addRow(label, edit);
        return edit;
    };
    m_title = field(tr("Title"), m_fm.title, QString());
    m_author = field(tr("Author"), m_fm.author, QString());
    m_date = field(tr("Date"), m_fm.date, QStringLiteral("2026-07-06"));
    m_tags = field(tr("Tags"), m_fm.tags, tr("comma, separated"));
    stack->addLayout(form);

    auto* note = new QLabel(tr("Stored as YAML front matter at the top of the document."));
    QFont caption = note->font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    note->setFont(caption);
    note->setForegroundRole(QPalette::PlaceholderText);
    note->setWordWrap(true);
    stack->addWidget(note);
}

void FrontMatterEditor::addButtons(QVBoxLayout* stack)
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* cancel = new QPushButton(tr("Cancel"));
    auto* applyButton = new QPushButton(tr("Apply"));
    cancel->setAutoDefault(false);
    applyButton->setDefault(true);
    buttons->addWidget(cancel);
    buttons->addWidget(applyButton);
    stack->addLayout(buttons);
    connect(cancel, &QPushButton::clicked, this, &FrontMatterEditor::reject);
    connect(applyButton, &QPushButton::clicked, this, &FrontMatterEditor::apply);
}

void FrontMatterEditor::apply()
{
    m_fm.title = m_title->text();
    m_fm.author = m_author->text();
    m_fm.date = m_date->text();
    m_fm.tags = m_tags->text();
    // The text may have changed while the sheet was open (its file reloaded from disk): the
    // block goes over the one it has now, and the rest stays as it is now, not as it was.
    const QString now = m_currentText ? m_currentText() : m_initialText;
    const TextRange block = now == m_initialText ? m_range : FrontMatter::parse(now).second;
    if (m_onApply) m_onApply(m_fm.appliedTo(now, block));
    if (m_onClose) m_onClose();
    QDialog::accept();
}

void FrontMatterEditor::reject()
{
    if (m_onClose) m_onClose();
    QDialog::reject();
}

FrontMatterEditor* FrontMatterEditor::showFor(QWidget* window, EditorController* controller)
{
    if (!controller || !controller->textView()) return nullptr;
    QPointer<EditorController> target(controller);
    auto* sheet = new FrontMatterEditor(
        controller->textView()->text(),
        [target](const QString& text) {
            if (target) target->replaceDocumentText(text);
        },
        {}, window);
    sheet->m_currentText = [target] { return target && target->textView() ? target->textView()->text() : QString(); };
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->setWindowModality(Qt::WindowModal);
    sheet->open();
    return sheet;
}
