#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class MarkdownTextView;
class QMimeData;
class QWidget;

// What the commands add to a window's text view, as an event filter beside it:
//  - user key combinations, matched after the menus' (a key a menu item uses never gets
//    here) and posted as "runCommand" for the key window to run;
//  - Tab: a shown suggestion is the view's to accept; otherwise the trigger word before
//    the caret expands to its snippet as one undoable edit, and with no snippet Tab
//    types a tab;
//  - a click on a task item's box toggles it as one undoable edit, the caret left alone;
//  - paste and drop: images saved beside the document, links, HTML, tables, files.
class TextViewCommands : public QObject {
    Q_OBJECT
public:
    // `documentPath` gives the document's file ("" while untitled); `window` is the
    // parent of the save dialog an untitled document's pasted image asks for.
    TextViewCommands(MarkdownTextView* view, std::function<QString()> documentPath);

    // The paste rules over `source`; false when the view should insert its text itself.
    bool insert(const QMimeData* source);
    // Writes a pasted image beside the document without ever replacing a file:
    // "pasted-<secs>.png", else "-1", "-2", …; returns the name written, or "".
    static QString writeBeside(const QString& folder, const QByteArray& png, qint64 seconds);

    // The clock of pasted image names (tests fix it).
    std::function<qint64()> now;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool expandSnippet();
    bool toggleCheckbox(QPoint viewportPos);
    bool insertDrop(const QMimeData* source);
    void replaceSelection(const QString& text);
    // Long HTML is converted on another thread while the view waits for it; `plainText` is
    // pasted when nothing comes of it.
    void convertApart(const QString& html, const std::optional<QString>& plainText);
    void askWhereToSave(const QByteArray& png, const QMimeData* source);

    QPointer<MarkdownTextView> m_view;
    std::function<QString()> m_documentPath;
    bool m_dropping = false;
};
