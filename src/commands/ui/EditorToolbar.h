#pragma once

#include "commands/CommandContext.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class EditorController;
struct EditorCommand;
class QGridLayout;
class QMenu;
class QScrollArea;
class QToolButton;

// The strip of formatting buttons above the editor: seven groups that scroll sideways
// when the window is narrow, each laid out in two rows column by column, and a fixed
// group at the end with the command palette, "All tools" and "Export". Most buttons call
// the editor controller directly; the two menus run registry commands with a fresh
// context from `context`. Toggles follow their settings live, whoever changes them.
class EditorToolbar : public QWidget {
    Q_OBJECT
public:
    EditorToolbar(std::function<CommandContext()> context, EditorController* editor, std::function<void()> showPalette,
                  QWidget* parent = nullptr);

    // The button whose accessible name is `title` ("Bold", "Files", "Paragraph style"…).
    QToolButton* button(const QString& title) const;
    QMenu* allToolsMenu() const { return m_allTools; }
    QMenu* exportMenu() const { return m_export; }
    // The groups' layouts in order: the seven scrolling ones, then the trailing one.
    QList<QGridLayout*> groups() const { return m_groups; }
    QString headingLabel() const;
    // "H1 ▾" to "H6 ▾", or "¶ ▾" for body text (level 0).
    static QString headingLabel(int level);

    // Reads the caret's line and shows its heading level ("H2", or "¶").
    void refreshHeading();
    // Reads the toggles' settings and the view mode again.
    void refreshSettings();

    // Popovers, opened as the buttons open them (null while closed).
    QWidget* openPopover() const { return m_popover; }
    void openHeadingPopover();
    void openLinkPopover();
    void openImagePopover();
    void openTablePopover();

    // Group layout: cells fill `rows` rows column by column; short columns are padded
    // with empty cells so every column has the same height.
    static QGridLayout* groupLayout(const QList<QWidget*>& cells, int rows, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A popover's choice, given to the editor in its turn with the keys typed.
    void give(std::function<void(EditorController&)> operation);
    QToolButton* makeHeadingButton();
    QList<QList<QWidget*>> buttonGroups();
    QScrollArea* makeScrollingRow(const QList<QList<QWidget*>>& groups);
    QWidget* makeTrailingGroup();
    QToolButton* iconButton(const QString& symbol, const QString& title, const QString& glyphHint,
                            std::function<void()> action);
    QToolButton* toggleButton(const QString& symbol, const QString& title, const QString& glyphHint,
                              const QString& key);
    QWidget* group(const QList<QWidget*>& cells, QWidget* parent);
    // A menu item that runs `command` with a fresh context.
    void addCommand(QMenu* menu, const EditorCommand& command);
    void focusEditor();
    void showPopover(QWidget* popover, QToolButton* anchor);

    std::function<CommandContext()> m_context;
    QPointer<EditorController> m_editor;
    std::function<void()> m_showPalette;
    QScrollArea* m_scroll = nullptr;
    QList<QGridLayout*> m_groups;
    QToolButton* m_heading = nullptr;
    QToolButton* m_viewMode = nullptr;
    QMenu* m_allTools = nullptr;
    QMenu* m_export = nullptr;
    QPointer<QWidget> m_popover;
    struct Toggle {
        QToolButton* button;
        QString symbol;
        QString key;
    };
    QList<Toggle> m_toggles;
};
