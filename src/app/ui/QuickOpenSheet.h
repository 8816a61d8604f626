#pragma once

#include "platform/ui/AttachedPanel.h"

#include <QStringList>

#include <functional>

class QLabel;
class QLineEdit;
class QListView;
class QStackedWidget;
class QStringListModel;

// Quick open, a panel at the top of a document window: a search field over the recent
// documents, narrowed as the user types. Up and Down move the highlight, Return opens it,
// Escape or a click outside closes the panel, a click opens a row. The panel closes before
// the file is opened.
class QuickOpenSheet : public AttachedPanel {
    Q_OBJECT
public:
    static constexpr int kWidth = 460;

    // `recents` gives the recent document paths, newest first, each time the list is
    // computed; `open` opens one.
    QuickOpenSheet(std::function<QStringList()> recents, std::function<void(const QString& path)> open,
                   QWidget* parent = nullptr);

    QStringList results() const { return m_results; }
    int selectedIndex() const { return m_selected; }
    void openSelected();

    // For tests.
    QLineEdit* field() const { return m_field; }
    QListView* list() const { return m_list; }
    QString emptyText() const; // empty while rows are shown

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    void setSelected(int index);
    void openPath(const QString& path);

    std::function<QStringList()> m_recents;
    std::function<void(const QString&)> m_open;
    QStringList m_results;
    int m_selected = 0;
    QLineEdit* m_field;
    QStackedWidget* m_content;
    QLabel* m_empty;
    QListView* m_list;
    QStringListModel* m_model;
};
