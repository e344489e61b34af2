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
    // Caption and tooltip as untranslated source texts in the context kControlTableContext; the
    // window translates them where it builds the control. For edit fields and lists the caption is
    // the initial text, shown as it stands.
    QString caption;
    QString hint;
    bool checked = false;  // check boxes
    bool enabled = true;
    QColor colour;  // swatches
};

// The translation context of the table's captions and tooltips.
inline constexpr char kControlTableContext[] = "rw::control_table";

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
// The height the settings column needs to hold its lowest control; a shorter window scrolls it.
int settingsColumnContentHeight();

}  // namespace rw
