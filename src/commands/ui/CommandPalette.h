#pragma once

#include "commands/CommandContext.h"

#include "platform/ui/AttachedPanel.h"
#include <QList>
#include <QPointer>

struct EditorCommand;
class QLabel;
class QLineEdit;
class QListView;
class QPropertyAnimation;
class PaletteModel;

// The command palette: a panel at the top of a document window where the user types
// a few letters and runs one of the registry's commands on that window. Up and Down move
// the highlight (and stop at the ends), Return or a click closes the sheet and runs the
// command once it has closed, ahead of the keys typed after it; Escape closes it without
// running anything.
class CommandPalette : public AttachedPanel {
    Q_OBJECT
public:
    CommandPalette(CommandContext context, QWidget* window);
    // Builds a fresh palette over `window` and opens it window-modal; it deletes itself
    // once closed.
    static CommandPalette* present(QWidget* window, CommandContext context);

    QString query() const;
    int selectedIndex() const { return m_selected; }
    QList<const EditorCommand*> results() const { return m_results; }
    QLineEdit* searchField() const { return m_search; }
    QListView* list() const { return m_list; }

    void setSelectedIndex(int index);
    void runSelected();
    // Closes the sheet and has the command run in the editor's turn. The run is dropped when
    // the window has closed (or lost its editor) by then.
    void run(const EditorCommand& command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void refresh();

    CommandContext m_context;
    QPointer<QWidget> m_window;
    QLineEdit* m_search;
    QListView* m_list;
    QLabel* m_empty;
    PaletteModel* m_model;
    QList<const EditorCommand*> m_results;
    int m_selected = 0;
    QPointer<QPropertyAnimation> m_glide;
};
