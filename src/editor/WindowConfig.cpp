#include "editor/WindowConfig.h"

#include "editor/EditorTextView.h"
#include "editor/FrontMatter.h"
#include "platform/PrefKey.h"
#include "platform/Settings.h"
#include "styling/CustomThemeStore.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace WindowConfig {

bool isAcceptedPageWidth(double width)
{
    return std::isfinite(width) && width >= kMinPageWidth && width <= kMaxPageWidth;
}

void boundPage(double& width, double& margin)
{
    if (!isAcceptedPageWidth(width)) width = kDefaultPageWidth;
    const double widest = (width - kMinTextColumn) / 2;
    if (!std::isfinite(margin) || margin < 0 || margin > widest) margin = std::min(kDefaultPageMargin, widest);
}

EditorConfig fromSettings(const Settings& s)
{
    EditorConfig c;
    c.fontSize = s.number(PrefKey::editorFontSize, 15, kMinFontSize, kMaxFontSize);
    c.fontFamily = s.string(PrefKey::editorFontFamily, u"system"_s);
    c.lineSpacing = s.number(PrefKey::editorLineSpacing, 3, 0, kMaxLineSpacing);
    c.spellCheck = s.boolean(PrefKey::editorSpellCheck);
    c.autoPair = s.boolean(PrefKey::editorAutoPair, true);
    c.viewMode = s.string(PrefKey::editorViewMode, u"wysiwyg"_s);
    c.showRuler = s.boolean(PrefKey::editorShowRuler);
    c.revealMarkers = s.boolean(PrefKey::revealActiveLineMarkers);
    c.appearanceMode = s.string(PrefKey::editorAppearance, u"system"_s);
    c.pageWidth = s.number(PrefKey::editorPageWidth, kDefaultPageWidth);
    c.pageMargin = s.number(PrefKey::editorPageMargin, kDefaultPageMargin);
    c.focusMode = s.boolean(PrefKey::editorFocusMode);
    c.typewriter = s.boolean(PrefKey::editorTypewriter);
    c.textDirection = s.string(PrefKey::editorTextDirection, u"natural"_s);
    c.spellLanguage = s.string(PrefKey::editorSpellLanguage, u"auto"_s);
    boundPage(c.pageWidth, c.pageMargin);
    return c;
}

bool mayHaveFrontMatter(QStringView text)
{
    return text.startsWith(u"---\n") || text.startsWith(u"---\r\n");
}

QString overridesText(const EditorTextView& view)
{
    const int length = view.textLength();
    for (int read = 5;; read = read > length / 2 ? length : 2 * read) {
        const QString head = view.textInRange({0, std::min(read, length)});
        if (read >= length || !mayHaveFrontMatter(head)) return head;
        // A block that ends before the part read ends is whole (its closing line is a line).
        const int block = FrontMatter::parse(head).second.length;
        if (block > 0 && block < head.size()) return head;
    }
}

EditorConfig withOverrides(EditorConfig c, QStringView text, const QString& customThemesJson)
{
    if (mayHaveFrontMatter(text)) {
        const FrontMatter::Overrides o = FrontMatter::parse(text).first.overrides();
        if (o.mode) c.viewMode = *o.mode;
        if (o.theme) c.appearanceMode = *o.theme;
        if (o.direction) c.textDirection = *o.direction;
        if (o.font) c.fontFamily = *o.font;
        if (o.width && isAcceptedPageWidth(*o.width)) {
            c.pageWidth = *o.width;
            boundPage(c.pageWidth, c.pageMargin);
        }
    }
    c.customTheme = CustomThemeStore::resolve(c.appearanceMode, customThemesJson);
    return c;
}

EditorConfig forDocument(const Settings& s, QStringView text)
{
    return withOverrides(fromSettings(s), text, s.string(PrefKey::editorCustomThemes, u"[]"_s));
}

std::optional<ColorScheme> colorScheme(const EditorConfig& c)
{
    if (c.customTheme) {
        const RGBA& p = c.customTheme->page;
        return 0.2126 * p.r + 0.7152 * p.g + 0.0722 * p.b < 0.5 ? ColorScheme::Dark : ColorScheme::Light;
    }
    if (c.appearanceMode == u"system"_s) return std::nullopt;
    return c.appearanceMode == u"dark"_s ? ColorScheme::Dark : ColorScheme::Light;
}

} // namespace WindowConfig
