#pragma once

#include "styling/CustomTheme.h"

#include <QHash>
#include <QSet>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;

// The "Custom themes" section of the Appearance page: one collapsible row per theme in
// "editorCustomThemes" (name, five colours, Use This Theme, Duplicate, Delete) and "Add
// Theme", which starts from the colours the editor shows now and puts the new theme in use.
// Every change is stored at once; the section follows changes made elsewhere.
class CustomThemesEditor : public QWidget {
    Q_OBJECT
public:
    explicit CustomThemesEditor(QWidget* parent = nullptr);

    // The small preview: desk, page inset by 3, and an "A" in the text colour.
    static QPixmap preview(const CustomTheme& theme, qreal devicePixelRatio = 1);

    void addTheme();
    void duplicate(const QString& id);
    void remove(const QString& id);
    void use(const QString& id);

private:
    void rebuild();
    void refresh(); // same themes: labels, swatches and "in use" only
    // Applies `edit` to the stored theme with this id and stores the list.
    void editTheme(const QString& id, const std::function<void(CustomTheme&)>& edit);

    // What refresh() updates in one theme's row.
    struct Row {
        QLabel* preview;
        QLabel* name;
        QLabel* inUse;
        QPushButton* use;
        QLineEdit* nameField;
        QList<QToolButton*> colours;
    };

    QVBoxLayout* m_rows;
    QList<QString> m_shownIds;
    // The rows shown now, by theme id: rows being replaced linger until they are deleted
    // later, and must not be the ones updated.
    QHash<QString, Row> m_rowWidgets;
    QSet<QString> m_expanded;
};
