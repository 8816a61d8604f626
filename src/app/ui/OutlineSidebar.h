#pragma once

#include "editor/OutlineParser.h"

#include <QAbstractListModel>
#include <QWidget>

#include <functional>

class QLabel;
class QListView;
class QStackedWidget;

// The headings as list rows; rows are made only when the view asks for them.
class OutlineModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { LevelRole = Qt::UserRole + 1, OffsetRole };
    using QAbstractListModel::QAbstractListModel;

    void setItems(QList<OutlineItem> items);
    // `items` replaced `splice.removed` rows at `splice.first` with `splice.inserted` rows.
    void spliceItems(const QList<OutlineItem>& items, const OutlineTracker::Splice& splice);
    const QList<OutlineItem>& items() const { return m_items; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QList<OutlineItem> m_items;
};

// The outline column beside the editor: "Outline", then one row per heading indented by its
// level, or "No headings". A click hands the heading to `onSelect` once.
class OutlineSidebar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 220;

    explicit OutlineSidebar(std::function<void(const OutlineItem&)> onSelect, QWidget* parent = nullptr);

    void setItems(QList<OutlineItem> items);
    void spliceItems(const QList<OutlineItem>& items, const OutlineTracker::Splice& splice);

    // For tests.
    QListView* list() const { return m_list; }
    OutlineModel* model() const { return m_model; }
    bool showsEmptyState() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The text colours come from the window's palette: set again whenever it changes.
    void applyColours();

    std::function<void(const OutlineItem&)> m_onSelect;
    OutlineModel* m_model;
    QListView* m_list;
    QStackedWidget* m_content;
    QLabel* m_header;
    QLabel* m_empty;
    bool m_applyingColours = false;
};
