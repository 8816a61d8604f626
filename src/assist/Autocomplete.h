#pragma once

#include <QString>

#include <functional>

class ChatCall;
class QObject;

// The text side of inline continuation. InlineContinuation (assist/ui) asks for a
// continuation of the text at the caret and shows the answer as the editor's ghost text;
// nothing here touches a view or the document. Typical use, after a pause or on request:
//
//     if (!LLMClient::config()) { if (manual) beep(); return; }
//     const auto ctx = Autocomplete::context(text, caret, Autocomplete::kContextChars);
//     if (!Autocomplete::hasEnoughContext(ctx.before)) { if (manual) beep(); return; }
//     m_call = Autocomplete::request(ctx, this, [=](const QString& suggestion) {
//         // show only if text, caret, selection and focus are still as they were
//     });
namespace Autocomplete {

// The attribute name that marks suggestion characters, for views that keep such a mark.
inline constexpr char kGhostKey[] = "Brindlewick.aiGhost";

inline constexpr int kPauseMs = 1500;        // automatic request after this long without edits
inline constexpr int kContextChars = 800;    // UTF-16 units before the caret
inline constexpr int kAfterChars = 120;      // UTF-16 units after the caret (fixed)
inline constexpr int kSuggestionChars = 240; // characters (grapheme clusters) at most
inline constexpr double kTemperature = 0.4;

struct Context {
    QString before;
    QString after;
};

// The text around `caret` (clamped into the text): at most `maxChars` UTF-16 units
// before it and at most 120 after it. Cuts count code units, so a cut may split a
// surrogate pair.
Context context(const QString& text, int caret, int maxChars);

// True when `before`, trimmed of whitespace and line breaks, holds at least 3 characters.
bool hasEnoughContext(const QString& before);

// Turns the model's raw reply into the text to show: CR LF becomes LF, a code fence
// around it is dropped, an echo of the last word before the caret is removed, only the
// first paragraph is kept, a blank is put in front when a word would otherwise run on,
// and a reply longer than `maxChars` characters ends at its last sentence end (or
// before its last blank). An empty result means there is nothing to show.
QString clean(const QString& reply, const QString& before, int maxChars);

// The system prompt and the user message of a continuation request.
QString systemPrompt();
QString userMessage(const Context& context);

// Sends the request (temperature 0.4) and calls `onSuggestion` on the main thread with
// the cleaned, non-empty continuation. Failures and empty results end silently. Abort
// the returned call (held in a QPointer) when a newer request starts or the text moves.
ChatCall* request(const Context& context, QObject* receiver, std::function<void(const QString&)> onSuggestion);

} // namespace Autocomplete
