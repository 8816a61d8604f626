// A text restyled after each of a series of edits looks exactly as styling it whole would.
// With a bound around each edit (flag 4), the text outside what the styler left for later
// looks so at once, and all of it once the part left is restyled a few lines at a time.
// Input: a flags byte (1: WYSIWYG, 2: every fenced block restyled in part, 4: bounded), then parts cut
// at 0xFF bytes: the text, then one part per edit (two bytes of position, one of units
// removed, the text typed; shorter: the caret moved there, its line restyled).
#include "FuzzInput.h"
#include "styling/RestyleCheck.h"

// Fontconfig keeps its configuration to the end without freeing it.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzInput::startGui(argc, argv);
    return 0;
}

namespace {

// Restyles what a bounded restyle left, a few lines at a time, each restyle bounded to its lines.
void restyleLeft(MarkdownStyler& styler, AttributedText& text)
{
    for (TextRange waiting = styler.left(); !waiting.isNotFound();) {
        const int from = waiting.location;
        const int to = std::min(text.length(), std::max(std::min(waiting.end(), text.lineEndFrom(from, 3)), from + 1));
        const TextRange bound(from, to - from);
        const TextRange scope = styler.highlight(text, bound, bound);
        const TextRange rest =
            scope.end() < waiting.end() ? TextRange(scope.end(), waiting.end() - scope.end()) : TextRange::notFound();
        waiting = scope.end() >= text.length() ? styler.left() : rest.united(styler.left());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const QList<QByteArray> parts = FuzzInput::parts(data + 1, size - 1);
    MarkdownStyler styler;
    styler.concealMarkers = data[0] & 1;
    styler.wholeFenceLimit = data[0] & 2 ? 0 : 4096;
    AttributedText text(QString::fromUtf8(parts.first()));
    styler.highlight(text, std::nullopt);
    for (qsizetype k = 1; k < parts.size() && k <= 64; ++k) {
        const QByteArray& e = parts[k];
        const int length = text.length();
        auto byte = [&e](int i) { return i < e.size() ? int(quint8(e[i])) : 0; };
        const int at = (byte(0) << 8 | byte(1)) % (length + 1);
        if (e.size() < 3) {
            styler.highlight(text, TextRange(at, 0));
        } else {
            const int removed = std::min(int(quint8(e[2])), length - at);
            const QString typed = QString::fromUtf8(e.mid(3));
            text.replaceCharacters(TextRange(at, removed), typed);
            const TextRange around(std::max(0, at - 40), std::min(text.length(), at + 40) - std::max(0, at - 40));
            styler.highlight(text, TextRange(at, int(typed.size())), data[0] & 4 ? around : TextRange::notFound());
            if (data[0] & 4) {
                const int early = firstDifferenceFromWholeRestyle(text, styler, styler.left());
                if (early >= 0)
                    FuzzInput::fail(
                        QStringLiteral("after edit %1 unit %2, which no restyle left, differs").arg(k).arg(early));
                restyleLeft(styler, text);
            }
        }
        const int differs = firstDifferenceFromWholeRestyle(text, styler);
        if (differs >= 0)
            FuzzInput::fail(QStringLiteral("after edit %1 unit %2 differs from a whole restyle of: %3")
                                .arg(k)
                                .arg(differs)
                                .arg(QString(text.string()).replace(u'\r', QLatin1String("\\r"))));
    }
    return 0;
}
