#pragma once

#include <QColor>
#include <QIcon>
#include <QPalette>
#include <QString>

class QAbstractButton;
class QAction;
class QLabel;
class QTabWidget;
class QWidget;

// Icons by the symbol names the interface uses ("doc.text", "folder.badge.plus", …), drawn
// from the program's own monochrome set (resources/icons/symbols) in the colours of a
// palette, so that they read the same on every desktop and in the light and the dark look.
namespace Icons {

// The bundled file that draws `symbol`; unknown symbols get a generic one.
QString file(const QString& symbol);
// True when the table names `symbol`.
bool isKnown(const QString& symbol);
// Every symbol the table names.
QStringList symbols();

// The symbol in `palette`'s colours: its window text, the disabled text when disabled, the
// highlighted text on a selected row.
QIcon icon(const QString& symbol, const QPalette& palette);
// In the application's palette.
QIcon icon(const QString& symbol);
// In one colour whatever the state (a setting that is on, a row's own colour).
QIcon icon(const QString& symbol, const QColor& color);

// The palette's accent, lightened or darkened as far as it takes to stand out (3:1) against
// the window colour: the dark look's accent is too dark for a symbol drawn in it.
QColor legibleAccent(const QPalette& palette);
// The symbol in `colour` (a row's own colour), in the palette's highlighted text on a
// selected row and its disabled text when disabled.
QIcon icon(const QString& symbol, const QColor& colour, const QPalette& palette);

// These give a widget the symbol and draw it again whenever the widget's palette changes
// (the window switching between the light and the dark look). `accent` draws it in
// `legibleAccent` instead, for a setting that is on; calling again replaces both.
void set(QAbstractButton* button, const QString& symbol, bool accent = false);
void set(QLabel* label, const QString& symbol, int size);
// An action drawn in the palette of the menu or bar that shows it.
void set(QAction* action, const QString& symbol, QWidget* shownIn);
void setTab(QTabWidget* tabs, int index, const QString& symbol);
// The symbol a widget or action was given through `set`, empty when none.
QString symbolOf(const QObject* object);

} // namespace Icons
