#include "export/stock_usage.h"

#include "export/export_texts.h"

#include <cmath>

namespace rw {
namespace {

double ringArea(const MmRing& ring) {
    double twice = 0;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const QPointF a = ring[i], b = ring[(i + 1) % ring.size()];
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return std::fabs(twice) / 2;
}

}  // namespace

double stockUse(const WorkshopLayout& layout) {
    double parts = 0;
    for (const WorkshopRib& rib : layout.ribs) {
        parts += ringArea(rib.cut.outer);
        for (const MmRing& hole : rib.cut.holes) parts -= ringArea(hole);
    }
    const double sheets = layout.sheetCount * layout.sheetSize.width() * layout.sheetSize.height();
    return sheets > 0 ? parts / sheets : 0;
}

QString stockUsageLine(const RibJob& job, const RibSeries& series, const OutputOptions& options) {
    const WorkshopLayout layout = layoutOnStock(job, series, options);
    return export_texts::stockUsed(layout.sheetCount, int(std::lround(stockUse(layout) * 100)));
}

}  // namespace rw
