#pragma once

#include "editor/EditorConfig.h"

#include <QStringView>

#include <optional>

class EditorTextView;
class Settings;

// What one document window hands its editor: the stored editor settings, overridden by the
// document's front matter ("mode", "theme", "direction", "font", "width"), with the custom
// theme the resulting appearance names. "mode: source" in one document changes only that
// document's window.
namespace WindowConfig {

// Page geometry the layout can work with: a finite width of 200 to 4000 pt, and a finite,
// non-negative margin that leaves a text column of at least 100 pt.
inline constexpr double kMinPageWidth = 200;
inline constexpr double kMaxPageWidth = 4000;
inline constexpr double kMinTextColumn = 100;
inline constexpr double kDefaultPageWidth = 816;
inline constexpr double kDefaultPageMargin = 72;

// Text settings the layout can work with; a stored value outside them reads as the default.
inline constexpr double kMinFontSize = 6;
inline constexpr double kMaxFontSize = 144;
inline constexpr double kMaxLineSpacing = 72;

bool isAcceptedPageWidth(double width);
// `width` and `margin` made usable: an unacceptable width becomes the default width; an
// unusable margin becomes the default margin, narrowed as far as the column needs.
void boundPage(double& width, double& margin);

// The sixteen editor settings as stored (the custom theme left absent), numbers finite and
// within their ranges, page bounded.
EditorConfig fromSettings(const Settings& settings);

// The window's configuration for a document holding `text`: `fromSettings`, then the front
// matter's overrides (a later key wins; a "width" outside the accepted range is ignored),
// then the custom theme resolved from the final appearance.
EditorConfig forDocument(const Settings& settings, QStringView text);

// The same, from a settings-only configuration already read and the custom themes JSON.
EditorConfig withOverrides(EditorConfig config, QStringView text, const QString& customThemesJson);

// The window's colour scheme: none (follow the system) for "system" without a custom theme;
// a custom theme is dark when its page's luminance is below 0.5; otherwise dark only for
// "dark".
enum class ColorScheme { Light, Dark };
std::optional<ColorScheme> colorScheme(const EditorConfig& config);

// Whether the front-matter overrides of `text` could differ from none: false only when the
// text cannot start a front-matter block. A cheap test (constant time).
bool mayHaveFrontMatter(QStringView text);

// As much of `view`'s text as the overrides are read from: its front-matter block whole,
// read from the start a part at a time (not the whole of a long text), or the first few
// characters when it starts none.
QString overridesText(const EditorTextView& view);

} // namespace WindowConfig
