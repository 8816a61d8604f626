#include "styling/AttributedText.h"
#include "styling/MarkdownStyler.h"

#include <QGuiApplication>
#include <QPalette>

#include <cmath>

#include <gtest/gtest.h>

// Whatever look the editor has, and whatever look the application has, the colours the
// styler gives code tokens, markers, links and dimmed text must stay readable: a contrast
// of at least 3:1 against the page and against the code background. (Focus dimming and
// rules are meant to recede and are not text to read.)

namespace {

double luminance(const QColor& c)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

QColor over(const QColor& fg, const QColor& bg)
{
    const double a = fg.alphaF();
    return QColor::fromRgbF(float(fg.redF() * a + bg.redF() * (1 - a)), float(fg.greenF() * a + bg.greenF() * (1 - a)),
                            float(fg.blueF() * a + bg.blueF() * (1 - a)));
}

double contrast(const QColor& fg, const QColor& bg)
{
    const double x = luminance(over(fg, bg)), y = luminance(bg);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

const char* kDocument = "# Title **b**\n"
                        "- item *em* [link](http://x) [[wiki]] `code` ~~strike~~ [^1]\n"
                        "> quoted\n"
                        "\n"
                        "| a | b |\n"
                        "|---|---|\n"
                        "| 1 | 2 |\n"
                        "\n"
                        "```js\n"
                        "// comment\n"
                        "var s = \"str\"; return 42;\n"
                        "```\n"
                        "```python\n"
                        "# note\n"
                        "x = 'y' if 3 else None\n"
                        "```\n"
                        "[^1]: note\n";

// The application in its dark look for as long as it lives.
struct DarkApplication {
    QPalette before = QGuiApplication::palette();
    DarkApplication()
    {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(45, 45, 45));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
        QGuiApplication::setPalette(dark);
    }
    ~DarkApplication() { QGuiApplication::setPalette(before); }
};

void expectReadable(const EditorTheme& theme, const char* look)
{
    MarkdownStyler styler;
    styler.theme = theme;
    AttributedText text(QString::fromUtf8(kDocument));
    styler.highlight(text, std::nullopt);
    const QColor page = theme.pageColor();
    const QColor code = over(theme.textColor(0.06), page);
    const QString& s = text.string();
    for (int i = 0; i < text.length(); ++i) {
        const std::optional<QColor>& fg = text.attributesAt(i).foreground;
        if (!fg || s.at(i).isSpace()) continue;
        for (const auto& [background, name] : {std::pair{page, "page"}, std::pair{code, "code background"}}) {
            const double ratio = contrast(*fg, background);
            EXPECT_GE(ratio, 3.0) << "mode " << theme.appearanceMode.toStdString() << " in the " << look
                                  << " application: '" << s.mid(i, 12).toStdString() << "' "
                                  << fg->name(QColor::HexArgb).toStdString() << " on the " << name << " "
                                  << background.name().toStdString();
            if (ratio < 3.0) return; // one report per theme is enough
        }
    }
}

} // namespace

TEST(ThemeContrast, TokensAndMarkersStayReadableInEveryLook)
{
    const auto everyMode = [](const char* look) {
        for (const char* mode : {"system", "light", "dark", "sepia"}) {
            EditorTheme theme;
            theme.appearanceMode = QString::fromLatin1(mode);
            expectReadable(theme, look);
        }
        // A dark theme of the user's own: the editor looks dark whatever the application does.
        EditorTheme custom;
        CustomTheme night;
        night.text = RGBA(0.85, 0.85, 0.8, 1);
        night.page = RGBA(0.1, 0.1, 0.12, 1);
        night.desk = RGBA(0.05, 0.05, 0.06, 1);
        night.link = RGBA(0.4, 0.7, 1, 1);
        night.code = RGBA(1, 0.5, 0.6, 1);
        custom.custom = night;
        expectReadable(custom, look);
    };
    everyMode("light");
    DarkApplication dark;
    everyMode("dark");
}
