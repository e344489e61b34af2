#include "export/stock_nesting.h"

#include "export/export_texts.h"
#include "platform/errors.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rw {
namespace {

// The stock is looked at in vertical strips this wide. A part's strip holds everything between
// the lowest and highest point it has there, so parts never come nearer than the gap, and lose at
// most a strip's width of it where their edges slope.
constexpr double kStrip = 0.5;  // mm

struct Span {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    bool empty() const { return low > high; }
    void include(double y) {
        low = std::min(low, y);
        high = std::max(high, y);
    }
};

// A part as it lies on the stock, in millimetres with y up, its origin the rib frame's origin:
// the height each strip of it takes, the first strip starting at firstStrip * kStrip.
struct PartProfile {
    int firstStrip = 0;
    std::vector<Span> strips;
    double left = 0, right = 0, bottom = 0, top = 0;  // its true extent
};

QPointF oriented(QPointF ribPoint, bool turned) {
    return turned ? -ribPoint : ribPoint;
}

void addSegment(PartProfile& part, QPointF a, QPointF b) {
    if (a.x() > b.x())
        std::swap(a, b);
    const int first = int(std::floor(a.x() / kStrip)) - part.firstStrip;
    const int last =
        std::min(int(std::floor(b.x() / kStrip)) - part.firstStrip, int(part.strips.size()) - 1);
    for (int i = std::max(first, 0); i <= last; ++i) {
        const double x0 = (part.firstStrip + i) * kStrip;
        const double from = std::max(a.x(), x0), to = std::min(b.x(), x0 + kStrip);
        const auto yAt = [&](double x) {
            return b.x() == a.x() ? a.y() : a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
        };
        part.strips[i].include(b.x() == a.x() ? a.y() : yAt(from));
        part.strips[i].include(b.x() == a.x() ? b.y() : yAt(to));
    }
}

// What the laser cuts and engraves of the rib that may reach past its contour: the contour
// itself and the features' marks. Labels, chord and spar marks lie on the piece.
std::vector<std::pair<QPointF, QPointF>> drawnSegments(const WorkshopRib& rib) {
    std::vector<std::pair<QPointF, QPointF>> segments;
    const MmRing& outer = rib.cut.outer;
    for (std::size_t i = 0; i < outer.size(); ++i)
        segments.emplace_back(outer[i], outer[(i + 1) % outer.size()]);
    for (const auto& mark : rib.cut.marks) segments.push_back(mark);
    return segments;
}

// Without strips when the part is wider than `widest`: it fits no stock, and a rib typed a
// million times too long would otherwise ask for strips beyond any memory.
PartProfile profileOf(const WorkshopRib& rib, bool turned, double widest) {
    auto segments = drawnSegments(rib);
    PartProfile part;
    part.left = part.bottom = std::numeric_limits<double>::infinity();
    part.right = part.top = -part.left;
    for (auto& [a, b] : segments) {
        a = oriented(a, turned);
        b = oriented(b, turned);
        for (const QPointF p : {a, b}) {
            part.left = std::min(part.left, p.x());
            part.right = std::max(part.right, p.x());
            part.bottom = std::min(part.bottom, p.y());
            part.top = std::max(part.top, p.y());
        }
    }
    if (!(part.right - part.left <= widest))
        return part;
    part.firstStrip = int(std::floor(part.left / kStrip));
    const int lastStrip = int(std::floor(part.right / kStrip));
    part.strips.resize(std::size_t(lastStrip - part.firstStrip + 1));
    for (const auto& [a, b] : segments) addSegment(part, a, b);
    return part;
}

// The room a placed part denies others: its strips widened by the gap in every direction.
// Strips k apart hold points at least (k - 1) strips apart, so each is widened by what is left
// of the gap over that distance.
std::vector<Span> keptClear(const PartProfile& part, double gap) {
    const int reach = int(std::ceil(gap / kStrip));
    const int n = int(part.strips.size());
    std::vector<Span> clear(std::size_t(n + 2 * reach));
    for (int i = 0; i < n; ++i) {
        const Span& s = part.strips[i];
        if (s.empty())
            continue;
        for (int k = -reach; k <= reach; ++k) {
            const double apart = std::max(std::abs(k) - 1, 0) * kStrip;
            const double widen = k == 0 ? gap : std::sqrt(std::max(gap * gap - apart * apart, 0.0));
            Span& c = clear[std::size_t(i + k + reach)];
            c.include(s.low - widen);
            c.include(s.high + widen);
        }
    }
    return clear;
}

double upOnGrid(double mm) {
    return std::ceil(mm * 1000 - 1e-6) / 1000;
}

// One stock sheet: what each strip of it already denies.
class StockSheet {
  public:
    StockSheet(QSizeF stock, double gap)
        : stock_(stock), gap_(gap), taken_(std::size_t(std::ceil(stock.width() / kStrip)) + 1) {}

    // The lowest, then leftmost origin of `part` on the sheet (x, y up), if any.
    std::optional<QPointF> place(const PartProfile& part) const {
        std::optional<QPointF> best;
        const int n = int(part.strips.size());
        // The origin moves by whole strips, so the part's strips meet the sheet's.
        const int firstShift = int(std::ceil((gap_ - part.left) / kStrip - 1e-9));
        const double highest = stock_.height() - gap_ - part.top;  // highest origin that fits
        for (int shift = firstShift;; ++shift) {
            const double x = shift * kStrip;
            // Written to stop on a part whose extent is not a number, too.
            if (!(x + part.right <= stock_.width() - gap_ + 1e-9))
                break;
            double y = upOnGrid(gap_ - part.bottom);
            // Only a place lower than the best so far counts: leftmost wins ties.
            // Places lie on a thousandth of a millimetre.
            const double ceiling = best ? best->y() - 0.0005 : highest + 1e-9;
            for (bool moved = true; moved && y <= ceiling;) {
                moved = false;
                for (int i = 0; i < n && y <= ceiling; ++i) {
                    const Span& s = part.strips[i];
                    if (s.empty())
                        continue;
                    for (const Span& t : taken_[std::size_t(shift + part.firstStrip + i)]) {
                        // Rounded to the grid, an overlap of less than a micrometre would
                        // move nothing and come round again for ever: only a rise counts.
                        const double above = upOnGrid(t.high - s.low);
                        if (t.low < y + s.high && y + s.low < t.high && above > y) {
                            y = above;
                            moved = true;
                        }
                    }
                }
            }
            if (y <= ceiling)
                best = QPointF(x, y);
        }
        return best;
    }

    void take(const PartProfile& part, QPointF origin) {
        const int shift = int(std::lround(origin.x() / kStrip));
        const std::vector<Span> clear = keptClear(part, gap_);
        const int reach = int(std::ceil(gap_ / kStrip));
        for (std::size_t i = 0; i < clear.size(); ++i) {
            if (clear[i].empty())
                continue;
            const int strip = shift + part.firstStrip + int(i) - reach;
            if (strip < 0 || strip >= int(taken_.size()))
                continue;
            taken_[std::size_t(strip)].push_back(
                {clear[i].low + origin.y(), clear[i].high + origin.y()});
        }
    }

  private:
    QSizeF stock_;
    double gap_;
    std::vector<std::vector<Span>> taken_;
};

QString sizeText(double mm) {
    return QString::number(std::round(mm * 10) / 10, 'f', 1);
}

}  // namespace

WorkshopLayout nestOnStock(std::vector<WorkshopRib> ribs, QSizeF stock, double gap) {
    std::vector<StockSheet> sheets;
    for (std::size_t index = 0; index < ribs.size(); ++index) {
        WorkshopRib& rib = ribs[index];
        rib.turned = index % 2 == 1;
        const PartProfile part = profileOf(rib, rib.turned, stock.width());
        const double w = part.right - part.left, h = part.top - part.bottom;
        if (w + 2 * gap > stock.width() || h + 2 * gap > stock.height()) {
            throw RibwrightError(export_texts::ribDoesNotFitStock(
                rib.ribNumber, sizeText(w), sizeText(h), sizeText(stock.width()),
                sizeText(stock.height())));
        }
        std::optional<QPointF> origin;
        if (!sheets.empty())
            origin = sheets.back().place(part);
        if (!origin) {
            sheets.emplace_back(stock, gap);
            origin = sheets.back().place(part);
        }
        if (!origin)  // too tall or wide only by the strips' rounding
            throw RibwrightError(export_texts::ribDoesNotFitStock(
                rib.ribNumber, sizeText(w), sizeText(h), sizeText(stock.width()),
                sizeText(stock.height())));
        sheets.back().take(part, *origin);
        rib.sheet = int(sheets.size()) - 1;
        // The sheet's y runs down from its top edge.
        rib.placement = QPointF(origin->x(), stock.height() - origin->y());
    }
    WorkshopLayout layout;
    layout.sheetSize = stock;
    layout.sheetCount = std::max<int>(1, int(sheets.size()));
    layout.ribs = std::move(ribs);
    return layout;
}

}  // namespace rw
