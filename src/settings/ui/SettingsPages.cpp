#include "settings/ui/SettingsPages.h"

#include "assist/ApiKeyStore.h"
#include "editor/SpellChecker.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "settings/SettingsModel.h"
#include "settings/ui/CustomThemesEditor.h"
#include "settings/ui/SettingsControls.h"
#include "settings/ui/SnippetsSettingsView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace SettingsControls;
using SettingsModel::Choice;

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(SettingsPages)
};

Settings& store()
{
    return Settings::instance();
}

QString points(double v)
{
    return SettingsModel::valueLabel(Tr::tr("%1 pt"), v);
}
QString plain(double v)
{
    return SettingsModel::valueLabel(QStringLiteral("%1"), v);
}

// A password field over one of the provider keys, which live in their own owner-only file,
// never in the settings file.
QLineEdit* keyField(const QString& keyName, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setEchoMode(QLineEdit::Password);
    field->setText(ApiKeyStore::instance().key(keyName));
    QObject::connect(field, &QLineEdit::textEdited, field,
                     [keyName](const QString& text) { ApiKeyStore::instance().setKey(keyName, text); });
    QObject::connect(&ApiKeyStore::instance(), &ApiKeyStore::changed, field, [field, keyName](const QString& name) {
        if (name != keyName) return;
        const QString now = ApiKeyStore::instance().key(keyName);
        if (field->text() != now) field->setText(now);
    });
    return field;
}

// The Theme control: segmented over the four looks while there is no custom theme, a pop-up
// with the custom themes after a divider once there is one; rebuilt when the list changes.
QWidget* themePicker(QWidget* parent)
{
    auto* holder = new QWidget(parent);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    auto shown = std::make_shared<QList<QString>>();
    const auto build = [holder, layout, shown] {
        const auto choices = SettingsModel::themeChoices(SettingsModel::customThemes(store()));
        QList<QString> titles;
        for (const Choice& c : choices.builtIn + choices.custom) titles.append(c.title + u'\x1f' + c.value);
        if (titles == *shown && layout->count()) return;
        *shown = titles;
        while (QLayoutItem* item = layout->takeAt(0)) {
            if (QWidget* w = item->widget()) w->deleteLater();
            delete item;
        }
        const QString key = PrefKey::editorAppearance;
        if (choices.segmented()) {
            layout->addWidget(segmented(key, QStringLiteral("system"), choices.builtIn, holder));
        } else {
            QComboBox* combo = popup(key, QStringLiteral("system"), choices.builtIn + choices.custom, holder);
            const QSignalBlocker block(combo);
            combo->insertSeparator(int(choices.builtIn.size()));
            combo->setCurrentIndex(combo->findData(store().string(key, QStringLiteral("system"))));
            layout->addWidget(combo);
        }
    };
    build();
    store().onChange(PrefKey::editorCustomThemes, holder, [build](const QVariant&) { build(); });
    return holder;
}

// The spelling languages, each by its own name; one without an installed dictionary says so.
QComboBox* spellingLanguagePicker(QWidget* parent)
{
    QList<Choice> choices{{Tr::tr("Automatic"), QStringLiteral("auto")}};
    const std::pair<const char16_t*, const char16_t*> languages[] = {
        {u"English", u"en"}, {u"Español", u"es"},  {u"Français", u"fr"},
        {u"Deutsch", u"de"}, {u"Italiano", u"it"}, {u"Português", u"pt"},
    };
    for (const auto& [name, code] : languages) {
        const QString title = QString::fromUtf16(name), value = QString::fromUtf16(code);
        const bool installed = !SpellChecker::shared().dictionaryFor(value).isEmpty();
        choices.append({installed ? title : Tr::tr("%1 (no dictionary installed)").arg(title), value});
    }
    QComboBox* combo = popup(PrefKey::editorSpellLanguage, QStringLiteral("auto"), choices, parent);
    combo->setObjectName(QStringLiteral("spellingLanguage"));
    return combo;
}

} // namespace

namespace SettingsPages {

QWidget* editor(QWidget* parent)
{
    auto* page = new QWidget(parent);
    QFormLayout* form = formPage(page);
    form->addRow(Tr::tr("Language"),
                 popup(PrefKey::appLanguageOverride, QStringLiteral("system"), SettingsModel::languages(), page,
                       [](const QString& code) { SettingsModel::setApplicationLanguage(store(), code); }));
    form->addRow(caption(Tr::tr("Relaunch Brindlewick to apply a new language."), page));
    form->addRow(divider(page));
    form->addRow(Tr::tr("Editing mode"), segmented(PrefKey::editorViewMode, QStringLiteral("wysiwyg"),
                                                   {{Tr::tr("WYSIWYG"), QStringLiteral("wysiwyg")},
                                                    {Tr::tr("Markdown Source"), QStringLiteral("source")}},
                                                   page));
    form->addRow(Tr::tr("Font"), segmented(PrefKey::editorFontFamily, QStringLiteral("system"),
                                           {{Tr::tr("System"), QStringLiteral("system")},
                                            {Tr::tr("Serif"), QStringLiteral("serif")},
                                            {Tr::tr("Monospaced"), QStringLiteral("mono")}},
                                           page));
    form->addRow(Tr::tr("Text size"), slider(PrefKey::editorFontSize, 15, 11, 26, 1, points, 46, page));
    form->addRow(Tr::tr("Line spacing"), slider(PrefKey::editorLineSpacing, 3, 0, 10, 1, plain, 46, page));
    form->addRow(Tr::tr("Writing goal"),
                 slider(PrefKey::writingGoal, 0, 0, 2000, 50, SettingsModel::writingGoalLabel, 80, page));
    return page;
}

QWidget* appearance(QWidget* parent)
{
    auto* page = new QWidget(parent);
    QFormLayout* form = formPage(page);
    form->addRow(Tr::tr("Theme"), themePicker(page));
    form->addRow(new CustomThemesEditor(page));
    form->addRow(Tr::tr("Page width"), slider(PrefKey::editorPageWidth, 816, 560, 1100, 20, points, 60, page));
    form->addRow(Tr::tr("Page margin"), slider(PrefKey::editorPageMargin, 72, 32, 140, 4, points, 60, page));
    form->addRow(toggle(Tr::tr("Focus mode (dim inactive paragraphs)"), PrefKey::editorFocusMode, false, page));
    form->addRow(toggle(Tr::tr("Typewriter scrolling (keep caret centered)"), PrefKey::editorTypewriter, false, page));
    form->addRow(Tr::tr("Text direction"), popup(PrefKey::editorTextDirection, QStringLiteral("natural"),
                                                 {{Tr::tr("Automatic"), QStringLiteral("natural")},
                                                  {Tr::tr("Left-to-Right"), QStringLiteral("ltr")},
                                                  {Tr::tr("Right-to-Left"), QStringLiteral("rtl")}},
                                                 page));
    form->addRow(Tr::tr("Spelling language"), spellingLanguagePicker(page));
    return page;
}

QWidget* behavior(QWidget* parent)
{
    auto* page = new QWidget(parent);
    QFormLayout* form = formPage(page);
    form->addRow(
        toggle(Tr::tr("Reveal Markdown syntax on the active line"), PrefKey::revealActiveLineMarkers, false, page));
    form->addRow(caption(Tr::tr("When on, the raw markdown (**, #, `) appears on the line your cursor is on. "
                                "Off keeps it hidden while you edit."),
                         page));
    form->addRow(divider(page));
    form->addRow(toggle(Tr::tr("Check spelling while typing"), PrefKey::editorSpellCheck, false, page));
    form->addRow(toggle(Tr::tr("Auto-pair markers around selection"), PrefKey::editorAutoPair, true, page));
    form->addRow(caption(Tr::tr("Auto-pair wraps the selected text when you type * _ ` or [."), page));
    form->addRow(divider(page));
    form->addRow(
        toggle(Tr::tr("Reopen documents from last session on launch"), PrefKey::reopenLastSession, true, page));
    form->addRow(caption(Tr::tr("Files you had open are reopened the next time you start Brindlewick."), page));
    return page;
}

QWidget* ai(QWidget* parent)
{
    auto* page = new QWidget(parent);
    QFormLayout* form = formPage(page);
    const QString providerKey = PrefKey::aiProvider;
    form->addRow(Tr::tr("Provider"), popup(providerKey, QStringLiteral("deepseek"),
                                           {{Tr::tr("DeepSeek (cloud)"), QStringLiteral("deepseek")},
                                            {Tr::tr("Ollama (local)"), QStringLiteral("ollama")},
                                            {Tr::tr("Custom (OpenAI-compatible)"), QStringLiteral("custom")}},
                                           page));

    auto* fields = new QStackedWidget(page);
    fields->setObjectName(QStringLiteral("providerFields"));
    auto* cloud = new QWidget(fields);
    auto* cloudForm = new QFormLayout(cloud);
    cloudForm->setContentsMargins(0, 0, 0, 0);
    cloudForm->addRow(Tr::tr("DeepSeek API Key (sk-…)"), keyField(ApiKeyStore::cloudKeyName(), cloud));
    cloudForm->addRow(caption(
        Tr::tr("Stored locally; sent only to DeepSeek. Get one at %1.").arg(QStringLiteral("platform.deepseek.com")),
        cloud));
    auto* local = new QWidget(fields);
    auto* localForm = new QFormLayout(local);
    localForm->setContentsMargins(0, 0, 0, 0);
    const QString ollamaDefault = store().defaultValue(PrefKey::ollamaBaseURL).toString();
    localForm->addRow(Tr::tr("Base URL"), textField(PrefKey::ollamaBaseURL, ollamaDefault, ollamaDefault, local));
    localForm->addRow(Tr::tr("Model"),
                      textField(PrefKey::ollamaModel, QStringLiteral("llama3.2"), QStringLiteral("llama3.2"), local));
    localForm->addRow(caption(Tr::tr("Runs entirely on this computer — no key, nothing leaves the device. "
                                     "Requires Ollama installed and running."),
                              local));
    auto* custom = new QWidget(fields);
    auto* customForm = new QFormLayout(custom);
    customForm->setContentsMargins(0, 0, 0, 0);
    customForm->addRow(Tr::tr("Endpoint URL"), textField(PrefKey::customEndpoint, QString(),
                                                         QStringLiteral("https://…/v1/chat/completions"), custom));
    customForm->addRow(Tr::tr("Model"), textField(PrefKey::customModel, QString(), QString(), custom));
    customForm->addRow(Tr::tr("API Key (optional)"), keyField(ApiKeyStore::customKeyName(), custom));
    fields->addWidget(cloud);
    fields->addWidget(local);
    fields->addWidget(custom);
    const auto showProvider = [fields, providerKey] {
        const QString p = store().string(providerKey, QStringLiteral("deepseek"));
        fields->setCurrentIndex(p == u"ollama" ? 1 : p == u"custom" ? 2 : 0);
    };
    showProvider();
    store().onChange(providerKey, fields, [showProvider](const QVariant&) { showProvider(); });
    form->addRow(fields);
    form->addRow(divider(page));
    form->addRow(toggle(Tr::tr("Automatic inline suggestions"), PrefKey::aiAutocomplete, false, page));
    form->addRow(caption(Tr::tr("When on, Brindlewick asks your AI provider to continue your text after you pause "
                                "typing — one request per pause, so it may incur cost on cloud providers. Press "
                                "Tab to accept a suggestion, Esc to dismiss. You can also trigger one manually "
                                "from Tools ▸ Suggest Continuation."),
                         page));
    return page;
}

QWidget* exportPage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    QFormLayout* form = formPage(page);
    form->addRow(new QLabel(Tr::tr("Custom CSS for every export (HTML, PDF, Word, OpenDocument, Rich Text)"), page));
    QPlainTextEdit* css = textEditor(PrefKey::exportCSS, page);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSizeF(QFont().pointSizeF() * 0.85);
    css->setFont(mono);
    css->setMinimumHeight(120);
    form->addRow(css);
    // Math typesets in exported pages only for display math ("$$", "\(" or "\["): say so.
    form->addRow(caption(Tr::tr("Appended to the export stylesheet. Also enables MathJax ($$…$$) and Mermaid "
                                "(```mermaid) in exported HTML."),
                         page));
    return page;
}

QWidget* toolbar(QWidget* parent)
{
    auto* page = new QWidget(parent);
    QFormLayout* form = formPage(page);
    auto* heading = new QLabel(Tr::tr("Toolbar groups"), page);
    heading->setForegroundRole(QPalette::PlaceholderText);
    form->addRow(heading);
    form->addRow(toggle(Tr::tr("Formatting (headings, bold, italic…)"), PrefKey::toolbarShowFormat, true, page));
    form->addRow(toggle(Tr::tr("Links & media"), PrefKey::toolbarShowMedia, true, page));
    form->addRow(toggle(Tr::tr("Lists & blocks"), PrefKey::toolbarShowLists, true, page));
    form->addRow(toggle(Tr::tr("Indent / outdent"), PrefKey::toolbarShowIndent, true, page));
    return page;
}

QWidget* snippets(QWidget* parent)
{
    return new SnippetsSettingsView(parent);
}

} // namespace SettingsPages
