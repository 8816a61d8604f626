#pragma once

#include "render/ExportPresets.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;

// The sheet in which export presets are managed: the list on the left, the selected preset's
// form on the right. Every change is saved at once, so there is nothing to cancel. It never
// exports by itself: "Export With This Preset" hands the preset to `onExport`, and "Done"
// (or Escape) calls `onClose`; the host closes the sheet.
class ExportPresetsView : public QDialog {
    Q_OBJECT
public:
    ExportPresetsView(std::function<void(const ExportPreset&)> onExport, std::function<void()> onClose,
                      QWidget* parent = nullptr);

    const ExportPresetList& list() const { return m_list; }

    // The titles the sheet shows for a stored format id (anything unknown reads as HTML).
    static QString formatTitle(const QString& formatID);

    void reject() override; // Escape is "Done"

private:
    QHBoxLayout* makeHeader();
    QWidget* makeForm(QWidget* parent);
    QHBoxLayout* makeButtonBar();
    void connectFields();
    // Re-reads the store (another sheet may have saved meanwhile), applies `change` to that
    // fresh list, saves it and shows the result.
    void change(const std::function<void(ExportPresetList&)>& change);
    void save();
    void reloadFromStore();
    void showList();
    static void showRow(QListWidgetItem* item, const ExportPreset& p);
    void showSelection();
    void finish();
    void exportSelected();

    std::function<void(const ExportPreset&)> m_onExport;
    std::function<void()> m_onClose;
    ExportPresetList m_list;
    bool m_saving = false;
    bool m_showing = false;

    QListWidget* m_rows;
    QStackedWidget* m_editor;
    QLineEdit* m_name;
    QComboBox* m_format;
    QComboBox* m_theme;
    QPlainTextEdit* m_css;
    QToolButton* m_delete;
    QToolButton* m_duplicate;
    QPushButton* m_export;
};
