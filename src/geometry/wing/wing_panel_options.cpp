#include "geometry/wing/wing_panel_options.h"

#include "geometry/features/option_numbers.h"
#include "geometry/rib_parameters.h"
#include "geometry/wing/planform_table.h"
#include "geometry/wing/section_airfoil.h"
#include "geometry/wing/wing_texts.h"
#include "platform/errors.h"

#include <QDir>
#include <QStringList>

#include <cmath>
#include <optional>

namespace rw {
namespace {

// Beyond this a rib twisted on the board no longer reads as a washout but as a mistake.
constexpr double kMostWashout = 20;  // degrees

RibStations parseStationList(const QString& text) {
    RibStations stations;
    stations.kind = StationKind::List;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const auto match = matchWholeOption(optionNumberPattern(), part);
        if (!match.hasMatch())
            throw RibwrightError(stationsOptionRefusedText(text));
        const double position = capturedNumber(match, 1);
        if (!stations.positions.empty() && !(position > stations.positions.back()))
            throw RibwrightError(stationsListRefusedText(text));
        stations.positions.push_back(position);
    }
    if (stations.positions.size() < 2)
        throw RibwrightError(stationsListRefusedText(text));
    return stations;
}

// A signed '.' number within [least, most]; nullopt when the text is no such number.
std::optional<double> boundedNumber(const QString& text, double least, double most) {
    const auto match = matchWholeOption(QStringLiteral("(-?)\\s*") + optionNumberPattern(), text);
    if (!match.hasMatch())
        return std::nullopt;
    const double magnitude = capturedNumber(match, 2);
    const double value = match.captured(1).isEmpty() ? magnitude : -magnitude;
    if (!(value >= least && value <= most))
        return std::nullopt;
    return value;
}

}  // namespace

RibStations parseStationsOption(const QString& text) {
    // A blank text leaves the stations to the rib panel's count, as when the option is not given.
    if (text.trimmed().isEmpty())
        return {};
    if (text.contains(QLatin1Char(',')))
        return parseStationList(text);
    if (const auto count = matchWholeOption(QStringLiteral("(\\d{1,9})"), text); count.hasMatch()) {
        const int value = count.captured(1).toInt();
        if (value < 1 || value > kMaxRibCount)
            throw RibwrightError(stationsCountRefusedText(text, kMaxRibCount));
        RibStations stations;
        stations.count = value;
        return stations;
    }
    const auto every =
        matchWholeOption(QStringLiteral("every\\s*:\\s*") + optionNumberPattern(), text);
    if (!every.hasMatch())
        throw RibwrightError(stationsOptionRefusedText(text));
    const double spacing = capturedNumber(every, 1);
    if (!(spacing > 0))
        throw RibwrightError(stationsOptionRefusedText(text));
    RibStations stations;
    stations.kind = StationKind::Every;
    stations.every = spacing;
    return stations;
}

QString formatStationsOption(const RibStations& stations) {
    switch (stations.kind) {
        case StationKind::Count:
            return stations.count > 0 ? QString::number(stations.count) : QString();
        case StationKind::Every:
            return QStringLiteral("every:") + shortestOptionNumber(stations.every);
        case StationKind::List: {
            QStringList parts;
            for (double position : stations.positions) parts.append(shortestOptionNumber(position));
            return parts.join(QLatin1Char(','));
        }
    }
    return {};
}

PlanformChoice parsePlanformOption(const QString& text) {
    const QString given = text.trimmed();
    if (given.isEmpty())
        throw RibwrightError(planformOptionRefusedText());
    if (given.compare(QLatin1String("straight"), Qt::CaseInsensitive) == 0)
        return {PlanformKind::Straight, {}};
    if (given.compare(QLatin1String("elliptical"), Qt::CaseInsensitive) == 0)
        return {PlanformKind::Elliptical, {}};
    return {PlanformKind::Table, given};
}

QString formatPlanformOption(PlanformKind kind, const QString& tablePath) {
    switch (kind) {
        case PlanformKind::Straight:
            return QStringLiteral("straight");
        case PlanformKind::Elliptical:
            return QStringLiteral("elliptical");
        case PlanformKind::Table:
            return tablePath;
    }
    return {};
}

double parsePanelLength(const QString& text, const char* option, double least) {
    const QString name = QString::fromLatin1(option);
    const auto match = matchWholeOption(QStringLiteral("(-?)\\s*") + optionNumberPattern(), text);
    if (!match.hasMatch())
        throw RibwrightError(panelLengthRefusedText(name, text));
    const double magnitude = capturedNumber(match, 2);
    const double value = match.captured(1).isEmpty() ? magnitude : -magnitude;
    if (!(value >= least))
        throw RibwrightError(panelLengthTooSmallText(name, text, least));
    return value;
}

double parseWashoutOption(const QString& text) {
    const auto value = boundedNumber(text, -kMostWashout, kMostWashout);
    if (!value)
        throw RibwrightError(washoutOptionRefusedText(text, kMostWashout));
    return *value;
}

double parsePivotOption(const QString& text) {
    const auto value = boundedNumber(text, 0, 100);
    if (!value)
        throw RibwrightError(pivotOptionRefusedText(text));
    return *value;
}

QString formatTwistOption(double value) {
    return value < 0 ? QLatin1Char('-') + shortestOptionNumber(-value)
                     : shortestOptionNumber(value);
}

void loadWingPanelFiles(WingPanel& panel) {
    if (panel.planform == PlanformKind::Table)
        panel.sections = readPlanformTablePath(panel.tablePath);
    if (panel.tipAirfoilPath.isEmpty()) {
        // A tip airfoil read for an earlier path must not outlive it.
        panel.tipAirfoil.reset();
        panel.tipAirfoilName.clear();
        return;
    }
    try {
        SectionAirfoil tip = readSectionAirfoil(panel.tipAirfoilPath);
        panel.tipAirfoil = std::move(tip.profile);
        panel.tipAirfoilName = tip.title;
    } catch (const FileError&) {
        throw;  // its text names the file already
    } catch (const RibwrightError& error) {
        throw RibwrightError(
            tipAirfoilRefusedText(QDir::toNativeSeparators(panel.tipAirfoilPath), error.text()));
    }
}

}  // namespace rw
