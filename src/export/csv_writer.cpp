#include "export/csv_writer.h"

#include "export/number_format.h"
#include "export/text_lines.h"

namespace rw {
namespace {

QString num(double value) {
    return formatGeneralNumber(value);
}

void writeCsvHeader(TextLineWriter& file, const QString& airfoilName, const RibParameters& params) {
    file.writeLine(airfoilName);
    file.writeLine(QString());
    file.writeLine(QStringLiteral("skin THICKNESS= ") + num(params.skinThickness) +
                   QStringLiteral("mm"));

    QString root = QStringLiteral("ROOT CHORD= ") + num(params.rootChord) + QStringLiteral("mm");
    if (params.rootThicknessFactor != 1) {
        root += QStringLiteral(",,(Thickness % = ") + num(params.rootThicknessFactor * 100) +
                QStringLiteral("% )");
    }
    file.writeLine(root);

    // The tip lines follow the rib count, not the taper switch. The two remarks differ by one
    // blank ("% = " at the root, "%= " at the tip); keep both byte for byte.
    if (params.ribCount > 1) {
        QString tip = QStringLiteral("TIP CHORD= ") + num(params.tipChord) + QStringLiteral("mm");
        if (params.tipThicknessFactor != 1) {
            tip += QStringLiteral(",,(Thickness %= ") + num(params.tipThicknessFactor * 100) +
                   QStringLiteral("% )");
        }
        file.writeLine(tip);
        file.writeLine(QStringLiteral("Number of Rib =") + QString::number(params.ribCount));
    }
    file.writeLine(QString());
}

// Block of one rib: surface in columns B and C, rib outline in E and F, a lone blank in D.
void writeRibCsv(TextLineWriter& file, const SeriesRib& rib) {
    file.writeLine(QStringLiteral("RIB # ") + QString::number(rib.number) +
                   QStringLiteral(",Surface,,,Rib Outline"));
    file.writeLine(QStringLiteral(",X,Y,,X,Y"));
    const RibOutline& o = rib.outline;
    // Each rib has its own points: a rib blended towards a tip airfoil is resampled.
    for (std::size_t i = 0; i < o.surfaceX.size(); ++i) {
        file.writeLine(QLatin1Char(',') + num(o.surfaceX[i]) + QLatin1Char(',') +
                       num(o.surfaceY[i]) + QStringLiteral(", ,") + num(o.ribX[i]) +
                       QLatin1Char(',') + num(o.ribY[i]));
    }
    file.writeLine(QString());
    file.writeLine(QString());
}

}  // namespace

void writeCsv(QIODevice& out, const RibJob& job, const RibSeries& series) {
    TextLineWriter file(out);
    writeCsvHeader(file, job.airfoil.name, job.params);
    for (const SeriesRib& rib : series.ribs) writeRibCsv(file, rib);
}

}  // namespace rw
