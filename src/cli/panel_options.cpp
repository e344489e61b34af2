#include "cli/panel_options.h"

#include "cli/cli_texts.h"
#include "geometry/wing/wing_panel_options.h"
#include "geometry/wing/wing_texts.h"

namespace rw::cli {

PanelOptions::PanelOptions()
    : span(QStringLiteral("span"), cli_texts::spanDescription(), QStringLiteral("MM")),
      planform(QStringLiteral("planform"), cli_texts::planformDescription(),
               QStringLiteral("KIND")),
      sweep(QStringLiteral("sweep"), cli_texts::sweepDescription(), QStringLiteral("MM")),
      minTipChord(QStringLiteral("min-tip-chord"), cli_texts::minTipChordDescription(),
                  QStringLiteral("MM")),
      stations(QStringLiteral("stations"), cli_texts::stationsDescription(),
               QStringLiteral("N|every:MM|LIST")),
      tipAirfoil(QStringLiteral("tip-airfoil"), cli_texts::tipAirfoilDescription(),
                 QStringLiteral("FILE")),
      plan(QStringLiteral("plan"), cli_texts::planDescription()),
      washout(QStringLiteral("washout"), washoutDescription(), QStringLiteral("DEG")),
      pivot(QStringLiteral("pivot"), pivotDescription(), QStringLiteral("PCT")) {}

std::vector<QCommandLineOption> PanelOptions::all() const {
    return {span, planform, sweep, minTipChord, stations, tipAirfoil, plan, washout, pivot};
}

WingPanel PanelOptions::read(const QCommandLineParser& parser) const {
    WingPanel panel;
    if (parser.isSet(span))
        panel.halfSpan = parsePanelLength(parser.value(span), "--span", 1);
    if (parser.isSet(planform)) {
        const PlanformChoice choice = parsePlanformOption(parser.value(planform));
        panel.planform = choice.kind;
        panel.tablePath = choice.tablePath;
    }
    if (parser.isSet(sweep))
        panel.sweep = parsePanelLength(parser.value(sweep), "--sweep", -1e5);
    if (parser.isSet(minTipChord))
        panel.minTipChord = parsePanelLength(parser.value(minTipChord), "--min-tip-chord", 0);
    if (parser.isSet(stations))
        panel.stations = parseStationsOption(parser.value(stations));
    if (parser.isSet(tipAirfoil))
        panel.tipAirfoilPath = parser.value(tipAirfoil);
    if (parser.isSet(washout))
        panel.washout = parseWashoutOption(parser.value(washout));
    if (parser.isSet(pivot))
        panel.pivot = parsePivotOption(parser.value(pivot));
    return panel;
}

}  // namespace rw::cli
