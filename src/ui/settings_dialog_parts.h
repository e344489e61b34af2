#pragma once

#include <QString>

#include <functional>

class QDialog;
class QGroupBox;
class QLayout;
class QWidget;

namespace rw {

// What the settings dialogs (rib details, wing panel, workshop) share, so that they look and
// answer alike.

// Names and titles the dialog and gives it the main window's font and palette: a dialog is a
// window of its own and takes nothing from the main window unasked.
void dressSettingsDialog(QDialog& dialog, QWidget* parent, const char* name, const QString& title);

// A group box framed like the settings column's, holding `layout`.
QGroupBox* settingsGroup(QWidget* parent, const char* name, const QString& caption,
                         QLayout* layout);

// The row under the fields: the reset button, which runs `reset`, at the left, OK and Cancel at
// the right; OK is the default button.
QWidget* settingsButtonRow(QDialog& dialog, const std::function<void()>& reset);

}  // namespace rw
