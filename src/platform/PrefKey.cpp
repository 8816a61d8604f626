#include "platform/PrefKey.h"

#include "platform/Settings.h"

namespace PrefKey {

const QVariantHash& defaults()
{
    static const QVariantHash table{
        {editorFontSize, 15.0},
        {editorFontFamily, QStringLiteral("system")},
        {editorLineSpacing, 3.0},
        {editorSpellCheck, false},
        {editorAutoPair, true},
        {editorViewMode, QStringLiteral("wysiwyg")},
        {editorShowRuler, false},
        {printHeaderTemplate, QStringLiteral("{title}")},
        {printFooterTemplate, QStringLiteral("Page {page} of {pages}")},
        {showWelcomeOnLaunch, true},
        {revealActiveLineMarkers, false},
        {editorAppearance, QStringLiteral("system")},
        {editorPageWidth, 816.0},
        {editorPageMargin, 72.0},
        {editorFocusMode, false},
        {editorTypewriter, false},
        {aiProvider, QStringLiteral("deepseek")},
        {ollamaBaseURL, QStringLiteral("http://localhost:11434")},
        {ollamaModel, QStringLiteral("llama3.2")},
        {editorTextDirection, QStringLiteral("natural")},
        {editorSpellLanguage, QStringLiteral("auto")},
        {editorCustomThemes, QStringLiteral("[]")},
        {toolbarShowFormat, true},
        {toolbarShowMedia, true},
        {toolbarShowLists, true},
        {toolbarShowIndent, true},
        {editorShowMinimap, false},
        {reopenLastSession, true},
        {aiAutocomplete, false},
    };
    return table;
}

void registerAll(Settings& settings)
{
    settings.registerDefaults(defaults());
}

} // namespace PrefKey
