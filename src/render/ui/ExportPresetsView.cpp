#include "render/ui/ExportPresetsView.h"

#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "platform/ui/Icons.h"
#include "render/ExportFormat.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The format picker's order, which is not the enumeration's.
const QList<ExportFormat> kPickerFormats{ExportFormat::html, ExportFormat::pdf, ExportFormat::docx,
                                         ExportFormat::odt,  ExportFormat::rtf, ExportFormat::copyHTML};

QString formatSymbol(ExportFormat f)
{
    switch (f) {
    case ExportFormat::pdf: return QStringLiteral("filetype.pdf");
    case ExportFormat::rtf: return QStringLiteral("filetype.rtf");
    case ExportFormat::docx: return QStringLiteral("filetype.docx");
    case ExportFormat::odt: return QStringLiteral("filetype.odt");
    case ExportFormat::html: return QStringLiteral("filetype.html");
    case ExportFormat::copyHTML: return QStringLiteral("doc.on.clipboard");
    }
    return {};
}

QFrame* divider(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QToolButton* imageButton(const QString& symbol, const QString& label, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    Icons::set(b, symbol);
    b->setToolTip(label);
    b->setAccessibleName(label);
    b->setAutoRaise(true);
    return b;
}

} // namespace

// A row: the format's symbol, the name, and below it the format and theme titles.
void ExportPresetsView::showRow(QListWidgetItem* item, const ExportPreset& p)
{
    item->setIcon(Icons::icon(formatSymbol(ExportFormats::fromId(p.formatID)),
                              item->listWidget() ? item->listWidget()->palette() : QPalette()));
    item->setText(p.name + u'\n' + formatTitle(p.formatID) + QStringLiteral(" \u00B7 ")
                  + ExportThemes::titleFor(p.themeID));
}

QString ExportPresetsView::formatTitle(const QString& formatID)
{
    switch (ExportFormats::fromId(formatID)) {
    case ExportFormat::html: return tr("HTML");
    case ExportFormat::pdf: return tr("PDF");
    case ExportFormat::rtf: return tr("Rich Text");
    case ExportFormat::docx: return tr("Word");
    case ExportFormat::odt: return tr("OpenDocument");
    case ExportFormat::copyHTML: return tr("Copy HTML");
    }
    return tr("HTML");
}

ExportPresetsView::ExportPresetsView(std::function<void(const ExportPreset&)> onExport, std::function<void()> onClose,
                                     QWidget* parent)
    : QDialog(parent),
      m_onExport(std::move(onExport)),
      m_onClose(std::move(onClose))
{
    setWindowTitle(tr("Export Presets"));
    setFixedSize(720, 460);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addLayout(makeHeader());
    column->addWidget(divider(this));

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setChildrenCollapsible(false);
    m_rows = new QListWidget(split);
    m_rows->setMinimumWidth(200);
    m_rows->setMaximumWidth(260);
    m_rows->setIconSize(QSize(16, 16));
    m_editor = new QStackedWidget(split);
    m_editor->setMinimumWidth(380);
    split->addWidget(m_rows);
    split->addWidget(m_editor);
    split->setSizes({220, 500});
    column->addWidget(split, 1);
    m_editor->addWidget(makeForm(m_editor));
    auto* placeholder = new QLabel(tr("Select or add a preset"), m_editor);
    placeholder->setAlignment(Qt::AlignCenter);
    placeholder->setForegroundRole(QPalette::PlaceholderText);
    m_editor->addWidget(placeholder);

    column->addWidget(divider(this));
    column->addLayout(makeButtonBar());

    connect(m_rows, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_showing || row < 0 || row >= m_list.presets.size()) return;
        m_list.selection = m_list.presets[row].id;
        showSelection();
    });
    connectFields();
    // Another sheet (another window) saved: show its list, keeping the selection by id.
    Settings::instance().onChange(PrefKey::exportPresetsRev, this, [this](const QVariant&) {
        if (!m_saving) reloadFromStore();
    });

    m_list.presets = ExportPresetStore::all();
    m_list.selection = m_list.presets.isEmpty() ? QString() : m_list.presets.first().id;
    showList();
}

QHBoxLayout* ExportPresetsView::makeHeader()
{
    auto* header = new QHBoxLayout;
    header->setContentsMargins(12, 12, 12, 12);
    auto* symbol = new QLabel(this);
    Icons::set(symbol, QStringLiteral("square.and.arrow.up.on.square"), 16);
    auto* title = new QLabel(tr("Export Presets"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    header->addWidget(symbol);
    header->addWidget(title);
    header->addStretch(1);
    return header;
}

// The selected preset's name, format, theme and CSS.
QWidget* ExportPresetsView::makeForm(QWidget* parent)
{
    auto* form = new QWidget(parent);
    auto* formLayout = new QFormLayout(form);
    formLayout->setContentsMargins(16, 16, 16, 16);
    m_name = new QLineEdit(form);
    m_format = new QComboBox(form);
    for (ExportFormat f : kPickerFormats) m_format->addItem(formatTitle(ExportFormats::id(f)), ExportFormats::id(f));
    m_theme = new QComboBox(form);
    for (ExportTheme t : ExportThemes::all()) m_theme->addItem(ExportThemes::title(t), ExportThemes::rawValue(t));
    formLayout->addRow(tr("Name"), m_name);
    formLayout->addRow(tr("Format"), m_format);
    formLayout->addRow(tr("Theme"), m_theme);
    auto* cssBox = new QVBoxLayout;
    cssBox->setSpacing(4);
    auto* caption = new QLabel(tr("Custom CSS (appended after the theme)"), form);
    QFont small = caption->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    caption->setFont(small);
    caption->setForegroundRole(QPalette::PlaceholderText);
    m_css = new QPlainTextEdit(form);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSize(12);
    m_css->setFont(mono);
    m_css->setMinimumHeight(160);
    cssBox->addWidget(caption);
    cssBox->addWidget(m_css, 1);
    formLayout->addRow(cssBox);
    return form;
}

// Add, Delete and Duplicate at the left; Export With This Preset and Done at the right.
QHBoxLayout* ExportPresetsView::makeButtonBar()
{
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(12, 12, 12, 12);
    auto* add = imageButton(QStringLiteral("plus"), tr("Add preset"), this);
    m_delete = imageButton(QStringLiteral("minus"), tr("Delete preset"), this);
    m_duplicate = imageButton(QStringLiteral("plus.square.on.square"), tr("Duplicate preset"), this);
    m_export = new QPushButton(tr("Export With This Preset"), this);
    auto* doneButton = new QPushButton(tr("Done"), this);
    doneButton->setAutoDefault(false);
    m_export->setDefault(true);
    bar->addWidget(add);
    bar->addWidget(m_delete);
    bar->addWidget(m_duplicate);
    bar->addStretch(1);
    bar->addWidget(m_export);
    bar->addWidget(doneButton);
    connect(add, &QToolButton::clicked, this, [this] { change([](ExportPresetList& l) { l.add(); }); });
    connect(m_delete, &QToolButton::clicked, this, [this] { change([](ExportPresetList& l) { l.remove(); }); });
    connect(m_duplicate, &QToolButton::clicked, this, [this] { change([](ExportPresetList& l) { l.duplicate(); }); });
    connect(m_export, &QPushButton::clicked, this, &ExportPresetsView::exportSelected);
    connect(doneButton, &QPushButton::clicked, this, &ExportPresetsView::finish);
    return bar;
}

void ExportPresetsView::connectFields()
{
    // A field edit goes to the preset with the selected id in the freshly read list.
    const auto editField = [this](QString ExportPreset::*field, const QString& value) {
        if (m_showing) return;
        const QString id = m_list.selection;
        change([&](ExportPresetList& l) { l.edit(id, [&](ExportPreset& p) { p.*field = value; }); });
    };
    connect(m_name, &QLineEdit::textEdited, this, [editField](const QString& t) { editField(&ExportPreset::name, t); });
    connect(m_format, &QComboBox::activated, this,
            [this, editField](int i) { editField(&ExportPreset::formatID, m_format->itemData(i).toString()); });
    connect(m_theme, &QComboBox::activated, this,
            [this, editField](int i) { editField(&ExportPreset::themeID, m_theme->itemData(i).toString()); });
    connect(m_css, &QPlainTextEdit::textChanged, this,
            [this, editField] { editField(&ExportPreset::customCSS, m_css->toPlainText()); });
}

void ExportPresetsView::change(const std::function<void(ExportPresetList&)>& change)
{
    ExportPresetList fresh = m_list;
    fresh.reload(ExportPresetStore::all());
    fresh.selection = m_list.selection;
    change(fresh);
    const bool rowsChanged = fresh.presets.size() != m_list.presets.size() || fresh.selection != m_list.selection;
    m_list = fresh;
    save();
    if (rowsChanged) {
        showList();
    } else {
        // A field edit: only the row texts change; the form keeps the caret where it is.
        for (int i = 0; i < m_list.presets.size() && i < m_rows->count(); ++i)
            showRow(m_rows->item(i), m_list.presets[i]);
    }
}

void ExportPresetsView::save()
{
    m_saving = true;
    ExportPresetStore::save(m_list.presets);
    m_saving = false;
}

void ExportPresetsView::reloadFromStore()
{
    m_list.reload(ExportPresetStore::all());
    showList();
}

void ExportPresetsView::showList()
{
    m_showing = true;
    m_rows->clear();
    for (const ExportPreset& p : m_list.presets) {
        auto* item = new QListWidgetItem(m_rows);
        showRow(item, p);
        item->setData(Qt::UserRole, p.id);
    }
    if (const auto i = m_list.selectedIndex()) m_rows->setCurrentRow(*i);
    m_showing = false;
    showSelection();
}

void ExportPresetsView::showSelection()
{
    m_showing = true;
    const ExportPreset* p = m_list.selected();
    m_delete->setEnabled(p);
    m_duplicate->setEnabled(p);
    m_export->setEnabled(p);
    if (p) {
        if (m_name->text() != p->name) m_name->setText(p->name);
        // A stored format outside the picker's six shows no choice.
        m_format->setCurrentIndex(m_format->findData(p->formatID));
        const int theme = m_theme->findData(p->themeID);
        m_theme->setCurrentIndex(theme);
        if (m_css->toPlainText() != p->customCSS) m_css->setPlainText(p->customCSS);
        m_editor->setCurrentIndex(0);
    } else {
        m_editor->setCurrentIndex(1);
    }
    m_showing = false;
}

void ExportPresetsView::finish()
{
    save();
    if (m_onClose)
        m_onClose();
    else
        QDialog::reject();
}

void ExportPresetsView::reject()
{
    finish();
}

void ExportPresetsView::exportSelected()
{
    const ExportPreset* p = m_list.selected();
    if (!p) return;
    const ExportPreset chosen = *p;
    save();
    if (m_onExport) m_onExport(chosen);
}
