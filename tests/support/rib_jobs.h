#pragma once

// Jobs and series as a redraw would make them, for the engine's tests: one place that knows how
// the panel's numbers become a job.
#include "export/output_formats.h"
#include "geometry/rib_series.h"
#include "panel/control_table.h"
#include "sheet/rib_job.h"

#include <QImage>

namespace rw::test {

// What a redraw leaves for a series of `ribCount` ribs from `rootChord` to `tipChord` (taper on
// for more than one rib), spar at 30 %, no thickness change.
inline RibParameters ribParameters(double rootChord, double tipChord, int ribCount,
                                   float skin = 1.0f) {
    RibParameters p;
    p.rootChord = rootChord;
    p.tipChord = tipChord;
    p.taperOn = ribCount > 1;
    p.ribCount = ribCount;
    p.skinThickness = skin;
    p.sparPercent = 30;
    p.rootThicknessFactor = 1;
    p.tipThicknessFactor = 1;
    return p;
}

// The panel at its defaults, numbers with '.'.
inline RibSettings defaultPanel() {
    return defaultRibSettings(QLatin1Char('.'));
}

// The job of `params` with the look, features and texts of `typed`, as if `typed` had read
// into `params`.
inline RibJob ribJob(const AirfoilState& airfoil, const RibParameters& params,
                     const RibSettings& typed = defaultPanel()) {
    RibJob job;
    job.airfoil = airfoil;
    job.params = params;
    job.features = typed.features;
    job.look.skinColour = typed.skinColour;
    job.look.ribColour = typed.ribColour;
    job.look.gridColour = typed.gridColour;
    job.look.showSheetPoints = typed.showSheetPoints;
    job.look.showSparLine = typed.showSparLine;
    job.look.showGrid = typed.showGrid;
    job.titles = sheetTitles(airfoil.name, typed, params);
    job.rootChordText = typed.rootChordText;
    job.tipChordText = typed.tipChordText;
    return job;
}

inline RibJob ribJob(const AirfoilState& airfoil, const RibParameters& params,
                     const RibFeatures& features) {
    RibSettings typed = defaultPanel();
    typed.features = features;
    return ribJob(airfoil, params, typed);
}

inline RibSeries ribSeries(const RibJob& job, SeriesPieces pieces = SeriesPieces::WhenFeatured) {
    return buildRibSeries(job.airfoil.profile, job.params, job.features, pieces);
}

// Saves one output of `job` through the table, as the window and the command line do; returns
// the paths written.
inline QStringList saveOutput(OutputFormat format, const QString& path, const RibJob& job,
                              DxfAttributes& attributes, const OutputOptions& options = {},
                              const QImage& sheet = QImage()) {
    const RibSeries series = ribSeries(
        job, outputFormat(format).needsPieces ? SeriesPieces::Always : SeriesPieces::WhenFeatured);
    const OutputSource source{job, series, options, sheet, attributes};
    outputFormat(format).check(source);
    return outputFormat(format).save(path, source);
}

inline QStringList saveOutput(OutputFormat format, const QString& path, const RibJob& job) {
    DxfAttributes attributes;
    return saveOutput(format, path, job, attributes);
}

}  // namespace rw::test
