#include "ui/wing_panel_fields.h"

#include "geometry/features/option_numbers.h"
#include "geometry/wing/wing_panel_options.h"
#include "platform/errors.h"
#include "ui/ui_texts.h"
#include "ui/wing_panel_texts.h"

#include <limits>

namespace rw {
namespace {

QString typedLength(double value, QChar separator) {
    return shortestOptionNumber(value).replace(QLatin1Char('.'), separator);
}

// A length typed with the locale's separator, read in the command line's form so the window
// takes exactly what the command line takes. Empty gives `empty`.
double readLength(const QString& typed, QChar separator, const QString& field, const char* option,
                  double least, double empty) {
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return empty;
    QString dotted = text;
    dotted.replace(separator, QLatin1Char('.'));
    bool isNumber = false;
    dotted.toDouble(&isNumber);
    if (!isNumber)
        throw RibwrightError(ui_texts::notANumber(field, text));
    try {
        return parsePanelLength(dotted, option, least);
    } catch (const RibwrightError&) {
        throw RibwrightError(wing_panel_texts::outOfRange(field, text));
    }
}

// Degrees or a percentage typed with the locale's separator, read by the command line's parser;
// empty gives `empty`.
double readTwist(const QString& typed, QChar separator, const QString& field,
                 double (*parse)(const QString&), const QString& refused, double empty) {
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return empty;
    QString dotted = text;
    dotted.replace(separator, QLatin1Char('.'));
    bool isNumber = false;
    dotted.toDouble(&isNumber);
    if (!isNumber)
        throw RibwrightError(ui_texts::notANumber(field, text));
    try {
        return parse(dotted);
    } catch (const RibwrightError&) {
        throw RibwrightError(refused);
    }
}

}  // namespace

WingPanelFields wingPanelFields(const WingPanel& panel, QChar separator) {
    WingPanelFields fields;
    if (panel.halfSpan)
        fields.halfSpan = typedLength(*panel.halfSpan, separator);
    fields.planform = panel.planform;
    if (panel.sweep != 0)
        fields.sweep = typedLength(panel.sweep, separator);
    if (panel.minTipChord != 0)
        fields.minTipChord = typedLength(panel.minTipChord, separator);
    fields.tablePath = panel.tablePath;
    if (!(panel.stations == RibStations{}))
        fields.stations = formatStationsOption(panel.stations);
    fields.tipAirfoilPath = panel.tipAirfoilPath;
    const WingPanel defaults;
    if (panel.washout != defaults.washout)
        fields.washout = formatTwistOption(panel.washout).replace(QLatin1Char('.'), separator);
    if (panel.pivot != defaults.pivot)
        fields.pivot = formatTwistOption(panel.pivot).replace(QLatin1Char('.'), separator);
    return fields;
}

WingPanel readWingPanelFields(const WingPanelFields& fields, QChar separator) {
    WingPanel panel;
    if (!fields.halfSpan.trimmed().isEmpty()) {
        panel.halfSpan = readLength(fields.halfSpan, separator, wing_panel_texts::halfSpanField(),
                                    "--span", 1, 0);
    }
    panel.planform = fields.planform;
    panel.sweep = readLength(fields.sweep, separator, wing_panel_texts::sweepField(), "--sweep",
                             std::numeric_limits<double>::lowest(), 0);
    panel.minTipChord = readLength(fields.minTipChord, separator,
                                   wing_panel_texts::minTipChordField(), "--min-tip-chord", 0, 0);
    // With another planform the table field's text is only left over from an earlier choice.
    panel.tablePath = fields.tablePath.trimmed();
    if (panel.planform == PlanformKind::Table && panel.tablePath.isEmpty())
        throw RibwrightError(ui_texts::missingValue(wing_panel_texts::tableField()));
    if (panel.planform != PlanformKind::Table)
        panel.tablePath.clear();
    const QString stations = fields.stations.trimmed();
    if (!stations.isEmpty()) {
        try {
            panel.stations = parseStationsOption(stations);
        } catch (const RibwrightError&) {
            throw RibwrightError(wing_panel_texts::badStations(stations));
        }
    }
    panel.tipAirfoilPath = fields.tipAirfoilPath.trimmed();
    panel.washout =
        readTwist(fields.washout, separator, wing_panel_texts::washoutField(), parseWashoutOption,
                  wing_panel_texts::badWashout(fields.washout.trimmed()), 0);
    panel.pivot =
        readTwist(fields.pivot, separator, wing_panel_texts::pivotField(), parsePivotOption,
                  wing_panel_texts::badPivot(fields.pivot.trimmed()), kDefaultTwistPivot);
    return panel;
}

}  // namespace rw
