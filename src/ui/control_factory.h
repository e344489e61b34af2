#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace rw {

class PanelWidget;
struct ControlSpec;

// Small makers for the window's controls: each control gets its object name, its
// place in its parent's client pixels, its caption and, where it has one, its tooltip.
QPushButton* makeButton(QWidget* parent, const char* name, QRect place, const QString& caption,
                        const QString& hint = QString());
QLabel* makeLabel(QWidget* parent, const char* name, QRect place, const QString& caption);
QLineEdit* makeEdit(QWidget* parent, const char* name, QRect place, const QString& text);
QComboBox* makeDropDown(QWidget* parent, const char* name, QRect place);
QCheckBox* makeCheckBox(QWidget* parent, const char* name, QRect place, const QString& caption,
                        bool checked);
QGroupBox* makeGroupBox(QWidget* parent, const char* name, QRect place, const QString& caption);
PanelWidget* makePanel(QWidget* parent, const char* name, QRect place, const QColor& colour);

// Builds the control one row of the control table describes, as a child of `parent`.
QWidget* makeControl(QWidget* parent, const ControlSpec& row);

}  // namespace rw
