#pragma once

#include "sheet/rib_settings.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

namespace rw {

enum class ControlKind {
    Button,
    Label,
    Edit,      // one-line text field
    DropDown,  // editable list
    CheckBox,
    GroupBox,
    Swatch,      // colour panel that picks a colour when clicked
    HelpPanel,   // "?" panel that opens the help page
    TitleStrip,  // the airfoil's title above the preview
    TextBox,     // the multi-line airfoil text
};

// One control of the window: its object name (what tests and the end-to-end run look for), kind,
// parent (by object name), place in the parent's client pixels, caption or initial text,
// tooltip, and initial state. The window builds its controls from these rows, the command line
// takes the settings' defaults from them, and the window test checks the built window against
// them.
struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* parent;
    QRect place;
    QString caption;  // caption; for edit fields and lists the initial text
    QString hint;
    bool checked = false;  // check boxes
    bool enabled = true;
    QColor colour;  // swatches
};

const std::vector<ControlSpec>& airfoilViewControls();
const std::vector<ControlSpec>& settingsColumnControls();
// The row of a settings column control; the name must be one of the table's.
const ControlSpec& settingsControl(const char* name);

// The settings column as it stands before the user touches it.
RibSettings defaultRibSettings(QChar decimalSeparator);

// Where the airfoil preview sits on the window's surface, and its size.
constexpr QPoint kPreviewOrigin(250, 64);
constexpr QRect kPreviewArea(kPreviewOrigin, QSize(600, 200));

// The settings column's width at the right edge of the sheet view.
constexpr int kSettingsColumnWidth = 248;

}  // namespace rw
