#pragma once

#include <QChar>
#include <QColor>
#include <QString>

namespace rw {

// The rib settings as the last redraw read them. Zero or false before a redraw reaches a field;
// fields after the step at which a redraw stopped keep the values of an earlier redraw.
struct RibParameters {
    double rootChord = 0;  // mm
    double tipChord = 0;   // mm
    bool taperOn = false;
    int ribCount = 0;                // 1 when taper is off
    float skinThickness = 0;         // mm
    float sparPercent = 0;           // percent of chord
    double rootThicknessFactor = 0;  // 1.0 unless a thickness change applies
    double tipThicknessFactor = 0;
};

// Sheet settings read in the same pass as the rib parameters.
struct SheetSettings {
    QColor skinColour;
    QColor ribColour;
    QColor gridColour;
    bool showSheetPoints = false;
};

// The rib panel's controls as the user left them: field texts exactly as typed, check boxes and
// swatch colours. The window fills it from its widgets, the command-line exporter from its
// arguments; the defaults are the panel's initial values.
struct RibPanelSnapshot {
    QString rootChordText = QStringLiteral("150");       // Edit2
    QString tipChordText = QStringLiteral("100");        // Edit3
    QString sparPercentText = QStringLiteral("30");      // Edit4
    QString skinThicknessText = QStringLiteral("1.00");  // ComboBox1
    QString ribCountText = QStringLiteral("10");         // ComboBox2
    QString rootThicknessText = QStringLiteral("100");   // ComboBox3
    QString tipThicknessText = QStringLiteral("100");    // ComboBox4
    bool taperOn = true;                                 // CheckBox1
    bool showSparLine = true;                            // CheckBox2
    bool showSheetPoints = false;                        // CheckBox4
    bool showGrid = true;                                // CheckBox5
    bool rootThicknessOn = false;                        // CheckBox6
    bool tipThicknessOn = false;                         // CheckBox7
    QColor skinColour = QColor(192, 192, 192);           // Panel4
    QColor ribColour = QColor(0, 0, 0);                  // Panel5
    QColor gridColour = QColor(255, 0, 0);               // Panel6
    QChar decimalSeparator = QLatin1Char('.');           // the user's locale
};

// What reading the panel decided: go on drawing, or stop with one of the fixed messages.
struct RibReadResult {
    bool proceed = true;
    QString message;  // empty when proceeding
};

}  // namespace rw
