#include "export/output_name.h"

#include "platform/text_trim.h"

#include <cmath>

namespace rw {
namespace {

// Whole percent of a thickness factor, an exact half going to the even neighbour (87.5 → 88,
// 62.5 → 62), independent of the floating-point rounding mode in force.
QString roundedPercent(double factor) {
    const double percent = factor * 100;
    double whole = std::floor(percent);
    const double fraction = percent - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2) != 0))
        whole += 1;
    return QString::number(whole + 0.0, 'f', 0);  // + 0.0 turns a negative zero into 0
}

QString namePiece(const QString& airfoilName) {
    // A NUL ends a file name for the system, which would then write under a cut-off name.
    QString name = airfoilName;
    name.remove(QChar(0));
    const qsizetype bracket = name.indexOf(QLatin1Char('('));
    if (bracket >= 0)
        name.truncate(bracket);
    name = trimControl(name);
    // Cut at the slash without trimming again: a blank before the slash stays in the name.
    const qsizetype slash = name.indexOf(QLatin1Char('/'));
    if (slash >= 0)
        name.truncate(slash);
    return name;
}

}  // namespace

QString buildOutputBaseName(const RibJob& job) {
    // The chords repeat the user's typing; the rib count and percentages are formatted afresh.
    const RibParameters& params = job.params;
    QString stem = namePiece(job.airfoil.name);
    stem += QLatin1Char('_') + trimControl(job.rootChordText);
    if (params.taperOn) {
        stem += QLatin1Char('x') + trimControl(job.tipChordText) + QLatin1Char('x') +
                QString::number(params.ribCount);
    }
    if (params.rootThicknessFactor != 1 || params.tipThicknessFactor != 1) {
        stem += QLatin1Char('_') + roundedPercent(params.rootThicknessFactor);
        if (params.taperOn)
            stem += QLatin1Char('x') + roundedPercent(params.tipThicknessFactor);
    }
    return stem;
}

}  // namespace rw
