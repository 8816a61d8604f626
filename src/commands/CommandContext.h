#pragma once

#include "render/ExportFormat.h"

#include <QPointer>
#include <QString>

#include <functional>

class EditorController;
class QWidget;

// What a command needs of the document window it runs in, built fresh by the window
// each time a surface (toolbar menus, palette, user shortcut) is about to run one. It
// holds no state: the callbacks read the window when called. `editor` is weak, so a
// context kept past its window (a delayed run) finds no editor and does nothing.
struct CommandContext {
    QPointer<EditorController> editor;
    // The window of the editor's text view; none when there is no text view.
    std::function<QWidget*()> window;
    // The document's file; empty for a document never saved.
    std::function<QString()> filePath;
    // The document's current text.
    std::function<QString()> text;
    // Switches "editorViewMode": "wysiwyg" becomes "source", anything else "wysiwyg".
    std::function<void()> toggleMode;
    // Exports the document (save panel, or the clipboard for copyHTML).
    std::function<void(ExportFormat)> exportAs;

    // True while the window that built the context still has its editor.
    bool isAlive() const { return !editor.isNull(); }
};

namespace CommandContexts {

// "wysiwyg" -> "source"; any other stored value -> "wysiwyg".
QString toggledViewMode(const QString& current);

} // namespace CommandContexts
