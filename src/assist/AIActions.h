#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class ChatCall;
class QObject;
struct ChatResult;

// One built-in assist action.
struct AIAction {
    enum class Mode {
        replace,       // the reply replaces the text that was sent
        appendSection, // the reply is appended under a rule and a heading named `title`
        frontMatter,   // the reply is JSON with "title" and "tags" for the front matter
    };

    QString id;     // stable identifier (the picker's value)
    QString title;  // the English title: heading of an appended section
    QString symbol; // symbol name of the icon shown beside the title
    QString system; // the complete system prompt
    Mode mode = Mode::replace;

    // The title as the picker shows it, in the interface's language.
    QString shownTitle() const;
};

namespace AIActions {
// The eleven built-in actions, in menu order.
const QList<AIAction>& all();
// The action with `id`, or the first action when none has it.
const AIAction& byId(const QString& id);
} // namespace AIActions

// Turns an action's prompt and the user's optional instruction into one chat request.
struct AIService {
    // The system prompt with a non-blank instruction appended.
    static QString systemPrompt(const QString& system, const std::optional<QString>& instruction);
    // Sends `text` with that prompt at temperature 1.0; `done` as for `LLMClient::chat`.
    static ChatCall* run(const QString& system, const std::optional<QString>& instruction, const QString& text,
                         QObject* receiver, std::function<void(const ChatResult&)> done);
};
