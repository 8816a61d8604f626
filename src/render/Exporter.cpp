#include "render/Exporter.h"

#include "platform/PrefKey.h"
#include "platform/Settings.h"

#include <QCoreApplication>

namespace {

const char kHead[] = R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>)";

// The class names below are the ones the renderer and the code highlighter write.
const char kBaseStyle[] = R"(</title>
<style>
:root { color-scheme: light; }
html { -webkit-text-size-adjust: 100%; }
body { font: 16px/1.65 -apple-system, "SF Pro Text", "Helvetica Neue", Arial, sans-serif;
  color: #1d1d1f; background: #ffffff;
  max-width: 720px; margin: 40px auto; padding: 0 28px; }
h1, h2, h3, h4, h5, h6 { line-height: 1.25; margin: 1.6em 0 0.6em; font-weight: 700; }
h1 { font-size: 2em; border-bottom: 1px solid #e5e5e7; padding-bottom: .3em; }
h2 { font-size: 1.5em; border-bottom: 1px solid #eee; padding-bottom: .25em; }
h3 { font-size: 1.25em; }
h4 { font-size: 1.05em; }
p { margin: 0 0 1em; }
a { color: #0066cc; text-decoration: none; }
a:hover { text-decoration: underline; }
a.wikilink { color: #6c4cff; }
code { font: 0.88em "SF Mono", ui-monospace, Menlo, monospace;
  background: #f5f5f7; padding: .15em .4em; border-radius: 5px; }
pre { background: #f5f5f7; padding: 14px 16px; border-radius: 10px; overflow: auto; }
pre code { background: none; padding: 0; font-size: 0.86em; }
.hl-com { color: #6a737d; font-style: italic; }
.hl-str { color: #032f62; }
.hl-num { color: #005cc5; }
.hl-kw { color: #d73a49; font-weight: 600; }
blockquote { margin: 0 0 1em; padding: .2em 1em; color: #6e6e73;
  border-left: 4px solid #d2d2d7; }
ul, ol { margin: 0 0 1em; padding-left: 1.6em; }
li { margin: .25em 0; }
hr { border: none; border-top: 1px solid #e5e5e7; margin: 2em 0; }
img { max-width: 100%; border-radius: 8px; }
table { border-collapse: collapse; margin: 0 0 1em; width: 100%; font-size: .95em; }
th, td { border: 1px solid #e5e5e7; padding: 8px 12px; }
th { background: #f5f5f7; font-weight: 600; }
del { color: #86868b; }
.callout { border-left: 4px solid #6e6e73; background: #f5f5f7; border-radius: 6px;
  padding: 10px 14px; margin: 0 0 1em; }
.callout .callout-title { font-weight: 700; margin: 0 0 .3em; }
.callout p:last-child { margin-bottom: 0; }
.callout-note { border-left-color: #0a84ff; background: #eef5ff; }
.callout-tip { border-left-color: #30d158; background: #edfaef; }
.callout-important { border-left-color: #bf5af2; background: #f7effe; }
.callout-warning { border-left-color: #ff9f0a; background: #fff6e6; }
.callout-caution { border-left-color: #ff453a; background: #ffefee; }
/* Float / wrap for figures and tables */
.float-left { float: left;  margin: 4px 20px 12px 0;  max-width: 48%; }
.float-right { float: right; margin: 4px 0 12px 20px;  max-width: 48%; }
.float-center { display: block; margin: 14px auto; }
img.float-left, img.float-right, img.float-center { height: auto; }
div.float-left, div.float-right { max-width: 55%; }
div.float-left > table, div.float-right > table { margin: 0; width: 100%; }
h1, h2, h3 { clear: both; }
body::after { content: ""; display: block; clear: both; }
.mermaid { text-align: center; margin: 1em 0; }
dl { margin: 0 0 1em; }
dt { font-weight: 700; margin-top: .5em; }
dd { margin: 0 0 .3em 1.5em; color: #3a3a3c; }
sup.footnote-ref a { text-decoration: none; font-weight: 600; color: #0066cc; }
.footnotes { margin-top: 2.5em; font-size: .9em; color: #4a4a4c; }
.footnotes hr { margin: 0 0 1em; }
.footnotes ol { padding-left: 1.4em; }
.footnotes li { margin: .4em 0; }
.footnote-backref { text-decoration: none; margin-left: .3em; }
@media print {
  body { max-width: none; margin: 0; padding: 0 8px; }
  /* Don't guillotine content across page boundaries. */
  tr, img, pre, blockquote, .callout, .mermaid, dl, figure { break-inside: avoid; page-break-inside: avoid; }
  li { break-inside: avoid; page-break-inside: avoid; }
  /* Repeat table header rows on every page a table spans. */
  thead { display: table-header-group; }
  table { break-inside: auto; page-break-inside: auto; }
  /* Keep a heading with the content that follows it. */
  h1, h2, h3, h4, h5, h6 { break-after: avoid; page-break-after: avoid;
    break-inside: avoid; page-break-inside: avoid; }
  p { orphans: 3; widows: 3; }
}
)";

const char kMathScripts[] =
    "<script>window.MathJax={tex:{inlineMath:[['$','$']],displayMath:[['$$','$$']]}};</script>\n"
    "<script src=\"https://cdn.jsdelivr.net/npm/mathjax@3/es5/tex-mml-chtml.js\" async></script>";

const char kDiagramScript[] = "<script type=\"module\">import mermaid from "
                              "'https://cdn.jsdelivr.net/npm/mermaid@10/dist/mermaid.esm.min.mjs';"
                              "mermaid.initialize({startOnLoad:true});</script>";

void appendCssSection(QString& page, const char* comment, const QString& css)
{
    if (css.isEmpty()) return;
    page += u'\n' + QLatin1String(comment) + u'\n' + css + u'\n';
}

} // namespace

QString Exporter::htmlDocument(const QString& body, const QString& title, const QString& themeCSS,
                               const QString& extraCSS, bool offline)
{
    QString page;
    page.reserve(body.size() + 8192);
    page += QLatin1String(kHead);
    page += QString(title).replace(u'<', QLatin1String("&lt;"));
    page += QLatin1String(kBaseStyle);
    appendCssSection(page, "/* theme */", themeCSS);
    appendCssSection(page, "/* user CSS */", extraCSS);
    page += QLatin1String("\n</style>\n");
    if (!offline) {
        if (body.contains(QLatin1String("$$")) || body.contains(QLatin1String("\\("))
            || body.contains(QLatin1String("\\[")))
            page += QLatin1String(kMathScripts);
        if (body.contains(QLatin1String("class=\"mermaid\""))) page += QLatin1String(kDiagramScript);
    }
    page += QLatin1String("\n</head>\n<body>\n");
    page += body;
    page += QLatin1String("\n</body>\n</html>");
    return page;
}

QString Exporter::baseStyleSheet()
{
    static const QLatin1String opening("</title>\n<style>\n");
    return QString(QLatin1String(kBaseStyle).mid(opening.size()));
}

QString Exporter::exportName(const QString& suggestedName)
{
    return suggestedName.isEmpty() ? QCoreApplication::translate("Exporter", "Untitled") : suggestedName;
}

QString Exporter::userCSS(const std::optional<QString>& extraCSS)
{
    if (extraCSS) return *extraCSS;
    return Settings::instance().string(PrefKey::exportCSS);
}
