#include "settings/ui/CustomThemesEditor.h"

#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "platform/ui/Icons.h"
#include "settings/SettingsModel.h"
#include "settings/ui/SettingsControls.h"
#include "styling/CustomThemeStore.h"
#include "styling/EditorTheme.h"

#include <QColorDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QToolButton>
#include <QUuid>
#include <QVBoxLayout>

namespace {
const QString kThemes = PrefKey::editorCustomThemes;
const QString kAppearance = PrefKey::editorAppearance;

Settings& store()
{
    return Settings::instance();
}
QString inUseValue(const QString& id)
{
    return QStringLiteral("custom:") + id;
}

struct ColourSlot {
    const char* label;
    RGBA CustomTheme::*member;
};
const ColourSlot kSlots[] = {{"Text", &CustomTheme::text},
                             {"Page", &CustomTheme::page},
                             {"Desk", &CustomTheme::desk},
                             {"Links", &CustomTheme::link},
                             {"Code", &CustomTheme::code}};

QIcon swatchIcon(const RGBA& c)
{
    QPixmap pm(28, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A checkerboard behind shows the colour's opacity.
    for (int x = 0; x < 28; x += 4)
        for (int y = 0; y < 16; y += 4) p.fillRect(x, y, 4, 4, ((x + y) / 4) % 2 ? Qt::lightGray : Qt::white);
    p.fillRect(pm.rect(), c.toColor());
    p.setPen(QColor(0, 0, 0, 60));
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    return QIcon(pm);
}
} // namespace

QPixmap CustomThemesEditor::preview(const CustomTheme& theme, qreal dpr)
{
    QPixmap pm(QSize(24, 18) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(0, 0, 24, 18);
    QPainterPath desk;
    desk.addRoundedRect(frame, 3, 3);
    p.fillPath(desk, theme.desk.toColor());
    QPainterPath page;
    page.addRoundedRect(frame.adjusted(3, 3, -3, -3), 2, 2);
    p.fillPath(page, theme.page.toColor());
    QFont f;
    f.setPointSizeF(9);
    f.setWeight(QFont::DemiBold);
    p.setFont(f);
    p.setPen(theme.text.toColor());
    p.drawText(frame, Qt::AlignCenter, QStringLiteral("A"));
    p.setPen(QPen(QColor(0, 0, 0, 40), 0.5));
    p.drawRoundedRect(frame.adjusted(0.25, 0.25, -0.25, -0.25), 3, 3);
    return pm;
}

CustomThemesEditor::CustomThemesEditor(QWidget* parent)
    : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* header = new QLabel(tr("Custom themes"), this);
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    column->addWidget(header);
    m_rows = new QVBoxLayout;
    m_rows->setSpacing(2);
    column->addLayout(m_rows);
    auto* add = new QPushButton(tr("Add Theme"), this);
    Icons::set(add, QStringLiteral("plus"));
    add->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &CustomThemesEditor::addTheme);
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(add);
    addRow->addStretch(1);
    column->addLayout(addRow);

    rebuild();
    const auto follow = [this](const QVariant&) {
        QList<QString> ids;
        for (const CustomTheme& t : SettingsModel::customThemes(store())) ids.append(t.id);
        if (ids == m_shownIds)
            refresh();
        else
            rebuild();
    };
    store().onChange(kThemes, this, follow);
    store().onChange(kAppearance, this, follow);
}

void CustomThemesEditor::rebuild()
{
    while (QLayoutItem* item = m_rows->takeAt(0)) {
        if (QWidget* w = item->widget()) w->deleteLater();
        delete item;
    }
    const QList<CustomTheme> themes = SettingsModel::customThemes(store());
    m_shownIds.clear();
    m_rowWidgets.clear();
    if (themes.isEmpty()) {
        m_rows->addWidget(
            SettingsControls::caption(tr("Add a theme to start from the current colours, then edit them here."), this));
    }
    for (const CustomTheme& theme : themes) {
        const QString id = theme.id;
        m_shownIds.append(id);
        auto* row = new QWidget(this);
        row->setObjectName(QStringLiteral("theme:") + id);
        auto* rowLayout = new QVBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->setSpacing(2);

        auto* label = new QWidget(row);
        auto* labelLayout = new QHBoxLayout(label);
        labelLayout->setContentsMargins(0, 0, 0, 0);
        labelLayout->setSpacing(8);
        auto* disclose = new QToolButton(label);
        disclose->setObjectName(QStringLiteral("disclose"));
        disclose->setAutoRaise(true);
        disclose->setCheckable(true);
        disclose->setChecked(m_expanded.contains(id));
        disclose->setArrowType(disclose->isChecked() ? Qt::DownArrow : Qt::RightArrow);
        auto* swatch = new QLabel(label);
        swatch->setObjectName(QStringLiteral("preview"));
        auto* name = new QLabel(label);
        name->setObjectName(QStringLiteral("name"));
        auto* inUse = SettingsControls::caption(tr("in use"), label);
        inUse->setObjectName(QStringLiteral("inUse"));
        inUse->setWordWrap(false);
        labelLayout->addWidget(disclose);
        labelLayout->addWidget(swatch);
        labelLayout->addWidget(name);
        labelLayout->addWidget(inUse);
        labelLayout->addStretch(1);
        rowLayout->addWidget(label);

        auto* content = new QWidget(row);
        content->setObjectName(QStringLiteral("content"));
        content->setVisible(disclose->isChecked());
        auto* form = new QFormLayout(content);
        form->setContentsMargins(24, 0, 0, 4);
        auto* nameField = new QLineEdit(theme.name, content);
        nameField->setObjectName(QStringLiteral("nameField"));
        connect(nameField, &QLineEdit::textEdited, this,
                [this, id](const QString& text) { editTheme(id, [&](CustomTheme& t) { t.name = text; }); });
        form->addRow(tr("Name"), nameField);
        Row widgets{swatch, name, inUse, nullptr, nameField, {}};
        for (const ColourSlot& slot : kSlots) {
            auto* button = new QToolButton(content);
            widgets.colours.append(button);
            button->setObjectName(QString::fromLatin1(slot.label));
            button->setIconSize(QSize(28, 16));
            const auto member = slot.member;
            connect(button, &QToolButton::clicked, this, [this, id, member, button] {
                const auto current = [&]() -> RGBA {
                    for (const CustomTheme& t : SettingsModel::customThemes(store()))
                        if (t.id == id) return t.*member;
                    return {};
                }();
                auto* dialog = new QColorDialog(current.toColor(), button->window());
                dialog->setOption(QColorDialog::ShowAlphaChannel);
                dialog->setAttribute(Qt::WA_DeleteOnClose);
                connect(dialog, &QColorDialog::currentColorChanged, this, [this, id, member](const QColor& c) {
                    editTheme(id, [&](CustomTheme& t) { t.*member = RGBA(c); });
                });
                dialog->open();
            });
            // Colour names stay as they are in every language, like the theme's own name.
            form->addRow(QString::fromLatin1(slot.label), button);
        }
        auto* buttons = new QHBoxLayout;
        buttons->setContentsMargins(0, 4, 0, 0);
        auto* useButton = new QPushButton(tr("Use This Theme"), content);
        useButton->setObjectName(QStringLiteral("use"));
        widgets.use = useButton;
        m_rowWidgets.insert(id, widgets);
        auto* dupButton = new QPushButton(tr("Duplicate"), content);
        auto* delButton = new QPushButton(tr("Delete"), content);
        for (auto* b : {useButton, dupButton, delButton}) b->setAutoDefault(false);
        connect(useButton, &QPushButton::clicked, this, [this, id] { use(id); });
        connect(dupButton, &QPushButton::clicked, this, [this, id] { duplicate(id); });
        connect(delButton, &QPushButton::clicked, this, [this, id] { remove(id); });
        buttons->addWidget(useButton);
        buttons->addStretch(1);
        buttons->addWidget(dupButton);
        buttons->addWidget(delButton);
        form->addRow(buttons);
        rowLayout->addWidget(content);

        connect(disclose, &QToolButton::toggled, this, [this, id, disclose, content](bool open) {
            disclose->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
            content->setVisible(open);
            if (open)
                m_expanded.insert(id);
            else
                m_expanded.remove(id);
        });
        m_rows->addWidget(row);
    }
    refresh();
}

void CustomThemesEditor::refresh()
{
    const QString appearance = store().string(kAppearance, QStringLiteral("system"));
    for (const CustomTheme& t : SettingsModel::customThemes(store())) {
        const auto row = m_rowWidgets.constFind(t.id);
        if (row == m_rowWidgets.cend()) continue;
        const bool inUse = appearance == inUseValue(t.id);
        row->preview->setPixmap(preview(t, devicePixelRatioF()));
        row->name->setText(t.name.isEmpty() ? tr("Untitled") : t.name);
        row->inUse->setVisible(inUse);
        row->use->setEnabled(!inUse);
        if (row->nameField->text() != t.name) row->nameField->setText(t.name);
        for (int i = 0; i < row->colours.size(); ++i) row->colours[i]->setIcon(swatchIcon(t.*kSlots[i].member));
    }
}

void CustomThemesEditor::editTheme(const QString& id, const std::function<void(CustomTheme&)>& edit)
{
    QList<CustomTheme> themes = SettingsModel::customThemes(store());
    for (CustomTheme& t : themes)
        if (t.id == id) edit(t);
    SettingsModel::storeCustomThemes(store(), themes);
}

void CustomThemesEditor::addTheme()
{
    QList<CustomTheme> themes = SettingsModel::customThemes(store());
    // The look the settings describe now: the appearance and the custom theme it names.
    EditorTheme seed;
    seed.appearanceMode = store().string(kAppearance, QStringLiteral("system"));
    seed.custom = CustomThemeStore::resolve(seed.appearanceMode, store().string(kThemes));
    const CustomTheme theme = CustomTheme::seeded(SettingsModel::defaultThemeName(themes), seed);
    themes.append(theme);
    if (SettingsModel::storeCustomThemes(store(), themes)) use(theme.id);
}

void CustomThemesEditor::duplicate(const QString& id)
{
    QList<CustomTheme> themes = SettingsModel::customThemes(store());
    for (const CustomTheme& t : themes)
        if (t.id == id) {
            CustomTheme copy = t;
            copy.id = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
            copy.name = SettingsModel::defaultThemeName(themes);
            themes.append(copy);
            SettingsModel::storeCustomThemes(store(), themes);
            return;
        }
}

void CustomThemesEditor::remove(const QString& id)
{
    SettingsModel::deleteCustomTheme(store(), id);
}

void CustomThemesEditor::use(const QString& id)
{
    store().setValue(kAppearance, inUseValue(id));
}
