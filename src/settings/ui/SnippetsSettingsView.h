#pragma once

#include "settings/SnippetStore.h"

#include <QWidget>

class QListWidget;
class QToolButton;

// The Snippets page: one row per snippet (trigger and expansion), + and − below. Every change
// stores the whole list at once; opening the page stores nothing.
class SnippetsSettingsView : public QWidget {
    Q_OBJECT
public:
    explicit SnippetsSettingsView(QWidget* parent = nullptr);

    const QList<Snippet>& snippets() const { return m_snippets; }
    void addSnippet();
    void removeSelected();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuild();
    void change(const QList<Snippet>& next);
    QUuid selection() const;

    QList<Snippet> m_snippets;
    QListWidget* m_list;
    QToolButton* m_minus;
};
