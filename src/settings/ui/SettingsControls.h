#pragma once

#include "settings/SettingsModel.h"

#include <QString>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSlider;

// Controls bound to one settings key each. A control shows the stored value (or the
// registered default, or its own fallback), stores every change the user makes at once,
// and follows changes made elsewhere (a menu switching the editing mode). Setting a
// control from the store never writes: only the user's own actions do.
namespace SettingsControls {

QCheckBox* toggle(const QString& title, const QString& key, bool fallback, QWidget* parent);

// A pop-up picker; `onChosen` (optional) runs after a choice the user made was stored.
QComboBox* popup(const QString& key, const QString& fallback, const QList<SettingsModel::Choice>& choices,
                 QWidget* parent, std::function<void(const QString&)> onChosen = {});

// A row of exclusive checkable buttons.
QWidget* segmented(const QString& key, const QString& fallback, const QList<SettingsModel::Choice>& choices,
                   QWidget* parent);

// A slider over [minimum, maximum] snapping to `step` from the minimum, with a
// right-aligned value label of the given width in tabular digits.
QWidget* slider(const QString& key, double fallback, double minimum, double maximum, double step,
                std::function<QString(double)> label, int labelWidth, QWidget* parent);

QLineEdit* textField(const QString& key, const QString& fallback, const QString& prompt, QWidget* parent);
QPlainTextEdit* textEditor(const QString& key, QWidget* parent);

// Caption text: small, secondary, wrapping.
QLabel* caption(const QString& text, QWidget* parent);
QWidget* divider(QWidget* parent);

// A form page with the window's inset.
QFormLayout* formPage(QWidget* page);

} // namespace SettingsControls
