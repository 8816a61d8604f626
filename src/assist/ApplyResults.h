#pragma once

#include "assist/AIActions.h"
#include "assist/LLMClient.h"
#include "platform/TextRange.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class EditorController;
class EditorTextView;

// How a document window turns a language-model answer into an edit of its document.
// The pure steps are free functions; `AssistRunner` drives them for one window.
namespace ApplyResults {

// The system prompt of a translation into `language` (used exactly as given).
QString translationPrompt(const QString& language);

// The text a request works on, fixed when the request starts.
struct Source {
    bool selection = false; // the selection rather than the whole document
    TextRange range;        // the selected range, or the whole text
    QString text;           // what is sent
    QString document;       // the whole text at that moment
};
// The selection when one is asked for and there is one, else the whole text.
Source chooseSource(const EditorTextView& view, bool wholeDocument);
// True when `current` still holds the source text at the same place.
bool sourceUnchanged(const Source& source, const QString& current);

// What an "append as a section" answer adds at the end of `document`.
QString sectionSuffix(const QString& document, const QString& title, const QString& answer);

// Title and tags read from a metadata answer, line breaks folded to spaces and trimmed;
// an absent, empty or unusable value is none.
struct Metadata {
    std::optional<QString> title;
    std::optional<QString> tags; // joined with ", "
};
// None when the answer holds no JSON object.
std::optional<Metadata> parseMetadata(const QString& answer);

// One replacement in the document.
struct Edit {
    TextRange range;
    QString text;
};
// The front-matter block of `document` with the metadata merged in (a document without
// a block gains one); the body after the block is left as it is.
Edit metadataEdit(const QString& document, const Metadata& metadata);

} // namespace ApplyResults

// The document window's language-model operations. Each picks its source text, sends
// it, and applies the answer as one undoable edit through the controller, but only while
// the source is still what was sent: otherwise the user is told and nothing changes.
// `done` runs on the main thread with no error once the answer was applied (or, for a
// metadata answer without JSON, dropped), or with the error to show. The returned call
// may be aborted; then nothing is applied and `done` never runs.
class AssistRunner : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(const std::optional<TranslationError>&)>;

    explicit AssistRunner(EditorController* controller, QObject* parent = nullptr);

    ChatCall* performTranslation(const QString& language, bool wholeDocument, Done done);
    ChatCall* performAIAssist(const AIAction& action, const QString& instruction, bool wholeDocument, Done done);

    static QString changedMeanwhileText();
    static QString refusedText();
    static QString emptyAnswerText();

private:
    enum class Apply { Replace, AppendSection, FrontMatter };
    std::optional<TranslationError> apply(const ApplyResults::Source& source, Apply how, const QString& title,
                                          const QString& answer);
    // The edit that merges a metadata answer into the front matter; none when the answer
    // holds no JSON object (it is then dropped without a message).
    static std::optional<ApplyResults::Edit> applyMetadata(const QString& json, const QString& document);
    ChatCall* failNow(Done done);

    QPointer<EditorController> m_controller;
};
