#include "settings/ui/SettingsControls.h"

#include "platform/Settings.h"
#include "platform/ui/Icons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QToolButton>

namespace SettingsControls {

namespace {
Settings& store()
{
    return Settings::instance();
}

// Buttons read "&" as a mnemonic marker; these titles are plain text ("Links & media").
QString plain(QString title)
{
    return title.replace(u'&', QStringLiteral("&&"));
}

// One choice of a segmented control. The chosen one is filled with the accent, taken from
// the palette as it is painted, so it stands out in every look and follows a change of look
// (the style draws a checked tool button barely darker than the others, lost in the dark).
class SegmentButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (!isChecked() || !isEnabled()) {
            QToolButton::paintEvent(event);
            return;
        }
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(Icons::legibleAccent(palette()));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        p.setPen(palette().color(QPalette::HighlightedText));
        p.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(2, 2, -2, -2);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        }
    }
};
} // namespace

QCheckBox* toggle(const QString& title, const QString& key, bool fallback, QWidget* parent)
{
    auto* box = new QCheckBox(plain(title), parent);
    box->setChecked(store().boolean(key, fallback));
    // `clicked` comes only from the user; `toggled` would also fire when set from the store.
    QObject::connect(box, &QCheckBox::clicked, box, [key](bool on) { store().setValue(key, on); });
    store().onChange(key, box, [box, key, fallback](const QVariant&) {
        const QSignalBlocker block(box);
        box->setChecked(store().boolean(key, fallback));
    });
    return box;
}

QComboBox* popup(const QString& key, const QString& fallback, const QList<SettingsModel::Choice>& choices,
                 QWidget* parent, std::function<void(const QString&)> onChosen)
{
    auto* combo = new QComboBox(parent);
    for (const auto& c : choices) combo->addItem(c.title, c.value);
    const auto show = [combo, key, fallback] {
        const QSignalBlocker block(combo);
        // A stored value that is none of the choices shows no choice.
        combo->setCurrentIndex(combo->findData(store().string(key, fallback)));
    };
    show();
    QObject::connect(combo, &QComboBox::activated, combo, [combo, key, onChosen](int i) {
        const QString value = combo->itemData(i).toString();
        if (onChosen)
            onChosen(value);
        else if (store().string(key) != value || !store().isStored(key))
            store().setValue(key, value);
    });
    store().onChange(key, combo, [show](const QVariant&) { show(); });
    return combo;
}

QWidget* segmented(const QString& key, const QString& fallback, const QList<SettingsModel::Choice>& choices,
                   QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* group = new QButtonGroup(row);
    group->setExclusive(true);
    for (const auto& c : choices) {
        auto* b = new SegmentButton(row);
        b->setText(plain(c.title));
        b->setCheckable(true);
        b->setProperty("settingValue", c.value);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        group->addButton(b);
        layout->addWidget(b);
    }
    layout->addStretch(1);
    const auto show = [group, key, fallback] {
        const QString value = store().string(key, fallback);
        // Exclusivity would keep one button checked: lift it so that no choice can show.
        group->setExclusive(false);
        for (auto* b : group->buttons()) b->setChecked(b->property("settingValue").toString() == value);
        group->setExclusive(true);
    };
    show();
    QObject::connect(group, &QButtonGroup::buttonClicked, row,
                     [key](QAbstractButton* b) { store().setValue(key, b->property("settingValue").toString()); });
    store().onChange(key, row, [show](const QVariant&) { show(); });
    return row;
}

QWidget* slider(const QString& key, double fallback, double minimum, double maximum, double step,
                std::function<QString(double)> label, int labelWidth, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* s = new QSlider(Qt::Horizontal, row);
    s->setRange(0, int(std::lround((maximum - minimum) / step)));
    s->setSingleStep(1);
    s->setPageStep(1);
    auto* value = new QLabel(row);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setFixedWidth(labelWidth);
    // Qt 6.4 cannot ask for tabular figures; the right alignment keeps the digits still.
    layout->addWidget(s, 1);
    layout->addWidget(value);
    const auto show = [=] {
        const double v = store().number(key, fallback);
        const QSignalBlocker block(s);
        s->setValue(SettingsModel::sliderSteps(v, minimum, maximum, step));
        value->setText(label(v));
    };
    show();
    QObject::connect(s, &QSlider::valueChanged, s,
                     [=](int steps) { store().setValue(key, SettingsModel::valueAtStep(steps, minimum, step)); });
    store().onChange(key, row, [show](const QVariant&) { show(); });
    row->setProperty("settingsKey", key);
    return row;
}

QLineEdit* textField(const QString& key, const QString& fallback, const QString& prompt, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setPlaceholderText(prompt);
    field->setText(store().string(key, fallback));
    QObject::connect(field, &QLineEdit::textEdited, field, [key](const QString& t) { store().setValue(key, t); });
    store().onChange(key, field, [field, key, fallback](const QVariant&) {
        const QString now = store().string(key, fallback);
        if (field->text() != now) field->setText(now);
    });
    return field;
}

QPlainTextEdit* textEditor(const QString& key, QWidget* parent)
{
    auto* editor = new QPlainTextEdit(parent);
    editor->setPlainText(store().string(key));
    // Connected after the text is set, so showing the stored text writes nothing.
    QObject::connect(editor, &QPlainTextEdit::textChanged, editor, [editor, key] {
        const QString text = editor->toPlainText();
        if (store().string(key) != text || !store().isStored(key)) store().setValue(key, text);
    });
    store().onChange(key, editor, [editor, key](const QVariant&) {
        const QString now = store().string(key);
        if (editor->toPlainText() != now) {
            const QSignalBlocker block(editor);
            editor->setPlainText(now);
        }
    });
    return editor;
}

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    label->setFont(small);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QWidget* divider(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QFormLayout* formPage(QWidget* page)
{
    auto* form = new QFormLayout(page);
    form->setContentsMargins(20, 20, 20, 20);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

} // namespace SettingsControls
