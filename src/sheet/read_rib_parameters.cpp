#include "sheet/read_rib_parameters.h"

#include "platform/errors.h"
#include "platform/number_conversion.h"
#include "sheet/sheet_texts.h"

#include <cmath>

namespace rw {
namespace {

// Every setting ends up in single precision somewhere (the chords of the ribs, the stored skin and
// spar, the series' factors): a number beyond that range would be written as infinity, so it is
// refused as the arithmetic fault it would cause.
double withinSingleRange(double value) {
    if (std::isinf(float(value)))
        throwInvalidOperation();
    return value;
}

bool readNumber(const QString& text, QChar separator, double& value) {
    if (!tryStrToFloat(text, separator, value))
        return false;
    withinSingleRange(value);
    return true;
}

// A thickness box changes the airfoil only when it is ticked and its text is a number; anything
// else silently means "no change".
double thicknessFactor(bool ticked, const QString& text, QChar separator) {
    double percent = 0;
    if (ticked && readNumber(text, separator, percent))
        return percent / 100;
    return 1.0;
}

RibReadResult stop(const QString& message) {
    return RibReadResult{false, message};
}

}  // namespace

// The order of the steps matters: a redraw that stops part way leaves the fields it did not reach
// as an earlier redraw set them, and later actions (exports) go on with those values.
RibReadResult readRibParameters(const RibSettings& panel, RibParameters& params,
                                SheetSettings& sheet) {
    const QChar sep = panel.decimalSeparator;

    sheet.skinColour = panel.skinColour;
    sheet.ribColour = panel.ribColour;
    sheet.gridColour = panel.gridColour;

    params.rootThicknessFactor =
        thicknessFactor(panel.rootThicknessOn, panel.rootThicknessText, sep);
    params.tipThicknessFactor = thicknessFactor(panel.tipThicknessOn, panel.tipThicknessText, sep);

    sheet.showSheetPoints = panel.showSheetPoints;
    sheet.showSparLine = panel.showSparLine;
    sheet.showGrid = panel.showGrid;

    double number = 0;
    if (!readNumber(panel.rootChordText, sep, number))
        return stop(sheet_texts::badRootChord());
    params.rootChord = number;

    // The spar falls back to 30 % before its text is even looked at, so a bad text leaves 30.
    params.sparPercent = 30;
    if (!readNumber(panel.sparPercentText, sep, number))
        return stop(sheet_texts::badSparPosition());
    params.sparPercent = float(number);

    // Not checked here: a bad skin thickness ends the whole action with the conversion error.
    params.skinThickness = float(withinSingleRange(strToFloat(panel.skinThicknessText, sep)));

    params.ribCount = 1;
    params.taperOn = panel.taperOn;
    if (params.taperOn) {
        if (!readNumber(panel.tipChordText, sep, number))
            return stop(sheet_texts::badTipChord());
        params.tipChord = number;
        // Any integer up to the limit is accepted, including 0 and negative counts (no ribs). A
        // count beyond it keeps the single rib set above, as a bad tip chord does.
        const int count = strToInt(panel.ribCountText);
        if (count > kMaxRibCount)
            return stop(sheet_texts::tooManyRibs(kMaxRibCount));
        params.ribCount = count;
    }
    return RibReadResult{};
}

}  // namespace rw
