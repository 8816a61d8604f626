#pragma once

class QWidget;

// The settings window's own pages, each bound to its keys in the settings store.
namespace SettingsPages {
QWidget* editor(QWidget* parent);
QWidget* appearance(QWidget* parent);
QWidget* behavior(QWidget* parent);
QWidget* ai(QWidget* parent);
QWidget* exportPage(QWidget* parent);
QWidget* snippets(QWidget* parent);
QWidget* toolbar(QWidget* parent);
} // namespace SettingsPages
