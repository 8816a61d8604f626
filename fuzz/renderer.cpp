// Any text renders to HTML that a browser reads as the renderer meant it: known elements
// and attributes only, no markup in a value, no script address.
#include "FuzzInput.h"
#include "render/HtmlAllowList.h"
#include "render/MarkdownHTMLRenderer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString markdown = FuzzInput::text(data, size);
    const QString html = MarkdownHTMLRenderer::renderBody(markdown);
    const QStringList problems = HtmlAllowList::problemsOf(html);
    if (!problems.isEmpty()) FuzzInput::fail(problems.join(QLatin1String("; ")) + QLatin1String("\n") + html);
    return 0;
}
