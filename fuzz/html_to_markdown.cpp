// Pasted HTML of any shape converts, and what it converts to renders to HTML as safe as
// any typed text's: a paste cannot smuggle markup into an export.
#include "FuzzInput.h"
#include "render/HtmlAllowList.h"
#include "render/HtmlToMarkdown.h"
#include "render/MarkdownHTMLRenderer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString markdown = HtmlToMarkdown::convert(FuzzInput::text(data, size));
    const QStringList problems = HtmlAllowList::problemsOf(MarkdownHTMLRenderer::renderBody(markdown));
    if (!problems.isEmpty()) FuzzInput::fail(problems.join(QLatin1String("; ")) + QLatin1String("\n") + markdown);
    return 0;
}
