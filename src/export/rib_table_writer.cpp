#include "export/rib_table_writer.h"

#include "export/text_lines.h"

#include <algorithm>
#include <cmath>

namespace rw {
namespace {

// Thousandths of a millimetre are finer than any cut; trailing zeros go so the table reads
// easily in a spreadsheet and a text editor alike.
QString tableNumber(double value) {
    QString text = QString::number(value, 'f', 3);
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

}  // namespace

void writeRibTable(QIODevice& out, const RibSeries& series) {
    TextLineWriter file(out);
    std::size_t notches = 0;
    for (const SeriesRib& rib : series.ribs) notches = std::max(notches, rib.notchCentres.size());
    QStringList header{QStringLiteral("rib"),      QStringLiteral("station_mm"),
                       QStringLiteral("chord_mm"), QStringLiteral("leading_edge_mm"),
                       QStringLiteral("blend"),    QStringLiteral("twist_deg")};
    for (std::size_t i = 1; i <= notches; ++i) header << QStringLiteral("notch_%1_mm").arg(i);
    file.writeLine(header.join(QLatin1Char(',')));
    const bool stationsKnown = series.panelSet && series.panel.span > 0;
    for (const SeriesRib& rib : series.ribs) {
        QStringList row{QString::number(rib.number),
                        stationsKnown ? tableNumber(rib.station) : QString(),
                        tableNumber(double(rib.shape.ribChord)),
                        tableNumber(rib.leadingEdge),
                        tableNumber(rib.blend),
                        tableNumber(rib.twist)};
        for (double centre : rib.notchCentres) row << tableNumber(centre);
        file.writeLine(row.join(QLatin1Char(',')));
    }
}

}  // namespace rw
