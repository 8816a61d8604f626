#include "assist/ApplyResults.h"

#include "editor/EditorController.h"
#include "editor/FrontMatter.h"
#include "platform/TextUtil.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace ApplyResults {

QString translationPrompt(const QString& language)
{
    return QStringLiteral("You are a professional translator. Translate the user's Markdown document into ") + language
           + QStringLiteral(
               ". Preserve every piece of Markdown syntax, structure, tables, links, and formatting exactly. "
               "Do NOT translate text inside fenced code blocks or inline code. Keep URLs unchanged. Output "
               "only the translated Markdown with no commentary or code fences around it.");
}

Source chooseSource(const EditorTextView& view, bool wholeDocument)
{
    Source s;
    s.document = view.text();
    const TextRange sel = view.selectedRange();
    if (!wholeDocument && !sel.isNotFound() && sel.length > 0 && sel.end() <= s.document.size()) {
        s.selection = true;
        s.range = sel;
        s.text = s.document.mid(sel.location, sel.length);
    } else {
        s.range = TextRange(0, int(s.document.size()));
        s.text = s.document;
    }
    return s;
}

bool sourceUnchanged(const Source& source, const QString& current)
{
    if (!source.selection) return current == source.document;
    // The selected text, and everything before it, must still stand where it stood.
    const int end = source.range.end();
    return end <= current.size() && QStringView(current).left(end) == QStringView(source.document).left(end);
}

QString sectionSuffix(const QString& document, const QString& title, const QString& answer)
{
    return (document.endsWith(u'\n') ? QString() : QStringLiteral("\n")) + QStringLiteral("\n---\n\n## ") + title
           + QStringLiteral("\n\n") + answer + u'\n';
}

namespace {
// A model's title or tag must stay one value on one line of the block.
QString foldToOneLine(const QString& value)
{
    QString s = value;
    for (QChar& c : s)
        if (TextUtil::isLineTerminator(c) || c.category() == QChar::Other_Control) c = u' ';
    return TextUtil::trimWhitespaceAndNewlines(s);
}
} // namespace

std::optional<Metadata> parseMetadata(const QString& answer)
{
    QString s = answer;
    s.remove(QStringLiteral("```json"));
    s.remove(QStringLiteral("```"));
    const qsizetype open = s.indexOf(u'{');
    const qsizetype close = s.lastIndexOf(u'}');
    if (open < 0 || close < 0 || close < open) return std::nullopt;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(s.mid(open, close - open + 1).toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;

    Metadata m;
    const QJsonObject obj = doc.object();
    if (const QJsonValue title = obj.value(QStringLiteral("title")); title.isString()) {
        const QString t = foldToOneLine(title.toString());
        if (!t.isEmpty()) m.title = t;
    }
    if (const QJsonValue tags = obj.value(QStringLiteral("tags")); tags.isArray() && !tags.toArray().isEmpty()) {
        QStringList pieces;
        bool allStrings = true;
        for (const QJsonValue& v : tags.toArray()) {
            if (!v.isString()) {
                allStrings = false;
                break;
            }
            const QString t = foldToOneLine(v.toString());
            if (!t.isEmpty()) pieces.append(t);
        }
        if (allStrings && !pieces.isEmpty()) m.tags = pieces.join(QStringLiteral(", "));
    }
    return m;
}

Edit metadataEdit(const QString& document, const Metadata& metadata)
{
    auto [fm, block] = FrontMatter::parse(document);
    if (metadata.title) fm.title = *metadata.title;
    if (metadata.tags) fm.tags = *metadata.tags;
    QString text = fm.blockOver(document, block);
    if (text.endsWith(u'\n') && !QStringView(document).mid(block.length).startsWith(u'\n')) text += u'\n';
    return {TextRange(0, block.length), text};
}

} // namespace ApplyResults

using namespace ApplyResults;

AssistRunner::AssistRunner(EditorController* controller, QObject* parent)
    : QObject(parent),
      m_controller(controller)
{}

QString AssistRunner::changedMeanwhileText()
{
    return QCoreApplication::translate(
        "AssistRunner", "The text changed while the answer was on its way, so nothing was changed. Run it again.");
}

QString AssistRunner::emptyAnswerText()
{
    return QCoreApplication::translate("AssistRunner", "The answer was empty, so nothing was changed.");
}

QString AssistRunner::refusedText()
{
    return QCoreApplication::translate("AssistRunner", "The editor did not accept the change.");
}

ChatCall* AssistRunner::failNow(Done done)
{
    QMetaObject::invokeMethod(
        this,
        [done = std::move(done)] {
            if (done) done(TranslationError::api(refusedText()));
        },
        Qt::QueuedConnection);
    return nullptr;
}

ChatCall* AssistRunner::performTranslation(const QString& language, bool wholeDocument, Done done)
{
    EditorTextView* view = m_controller ? m_controller->textView() : nullptr;
    if (!view) return failNow(std::move(done));
    const Source source = chooseSource(*view, wholeDocument);
    return LLMClient::chat(translationPrompt(language), source.text, 1.0, this,
                           [this, source, done = std::move(done)](const ChatResult& r) {
                               if (done) done(r.ok() ? apply(source, Apply::Replace, {}, r.text) : r.error);
                           });
}

ChatCall* AssistRunner::performAIAssist(const AIAction& action, const QString& instruction, bool wholeDocument,
                                        Done done)
{
    EditorTextView* view = m_controller ? m_controller->textView() : nullptr;
    if (!view) return failNow(std::move(done));
    const Source source = chooseSource(*view, wholeDocument);
    const Apply how = action.mode == AIAction::Mode::replace         ? Apply::Replace
                      : action.mode == AIAction::Mode::appendSection ? Apply::AppendSection
                                                                     : Apply::FrontMatter;
    return AIService::run(action.system, instruction, source.text, this,
                          [this, source, how, title = action.title, done = std::move(done)](const ChatResult& r) {
                              if (done) done(r.ok() ? apply(source, how, title, r.text) : r.error);
                          });
}

std::optional<Edit> AssistRunner::applyMetadata(const QString& json, const QString& document)
{
    const std::optional<Metadata> metadata = parseMetadata(json);
    if (!metadata) return std::nullopt;
    return metadataEdit(document, *metadata);
}

std::optional<TranslationError> AssistRunner::apply(const Source& source, Apply how, const QString& title,
                                                    const QString& answer)
{
    EditorTextView* view = m_controller ? m_controller->textView() : nullptr;
    if (!view) return TranslationError::api(refusedText());
    const QString current = view->text();
    if (!sourceUnchanged(source, current)) return TranslationError::api(changedMeanwhileText());

    Edit edit;
    std::optional<TextRange> select;
    switch (how) {
    case Apply::Replace:
        // An empty reply (a filtered or failed generation) would delete the text it was
        // meant to rewrite.
        if (answer.isEmpty()) return TranslationError::api(emptyAnswerText());
        edit = {source.range, answer};
        select = source.selection ? TextRange(source.range.location, int(answer.size())) : TextRange(0, 0);
        break;
    case Apply::AppendSection: edit = {TextRange(int(current.size()), 0), sectionSuffix(current, title, answer)}; break;
    case Apply::FrontMatter: {
        const std::optional<Edit> merged = applyMetadata(answer, current);
        if (!merged) return std::nullopt;
        edit = *merged;
        break;
    }
    }
    if (QStringView(current).mid(edit.range.location, edit.range.length) == edit.text) return std::nullopt;

    // One undoable edit through the controller, never a reset of the text (that would
    // clear the undo history).
    m_controller->replace(edit.range, edit.text, select);
    QString expected = current;
    expected.replace(edit.range.location, edit.range.length, edit.text);
    if (view->text() != expected) return TranslationError::api(refusedText());
    if (how == Apply::Replace && source.selection) view->focusEditor();
    return std::nullopt;
}
