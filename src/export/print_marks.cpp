#include "export/print_marks.h"

#include <cmath>

namespace rw {
namespace {

// A mark shows whole on both pages of its seam only this far from the seams across it: its reach
// and the half overlap by which the page beyond that seam starts earlier, and a millimetre more.
constexpr double kFromCrossingSeam = kRegistrationMarkReach + PrintPlan::kOverlap / 2 + 1;
constexpr double kClearance = 1;  // between a mark and a part
constexpr double kStep = 0.5;     // how finely places along a seam are tried

bool isClear(QPointF centre, const std::vector<QRectF>& keepClear) {
    const double reach = kRegistrationMarkReach + kClearance;
    const QRectF mark(centre - QPointF(reach, reach), centre + QPointF(reach, reach));
    for (const QRectF& box : keepClear) {
        if (box.intersects(mark))
            return false;
    }
    return true;
}

// The two marks of the seam from `from` to `to`: the first clear place from each end.
void addSeamMarks(QPointF from, QPointF to, const std::vector<QRectF>& keepClear,
                  std::vector<QPointF>& marks) {
    const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
    if (length <= 0)
        return;
    const QPointF along = (to - from) / length;
    // Only the boxes near this seam matter: a plan of many pages and ribs stays quick.
    const double reach = kRegistrationMarkReach + kClearance;
    const QRectF band = QRectF(from, to).normalized().adjusted(-reach, -reach, reach, reach);
    std::vector<QRectF> near;
    for (const QRectF& box : keepClear) {
        if (box.intersects(band))
            near.push_back(box);
    }
    const int steps = int(std::floor(length / kStep));
    int first = -1;
    for (int i = 0; i <= steps && first < 0; ++i) {
        if (isClear(from + along * (i * kStep), near))
            first = i;
    }
    if (first < 0)
        return;
    marks.push_back(from + along * (first * kStep));
    const double apart = 2 * reach / kStep;  // the second mark must not lie on the first
    for (int i = steps; i >= first + apart; --i) {
        if (isClear(from + along * (i * kStep), near)) {
            marks.push_back(from + along * (i * kStep));
            return;
        }
    }
}

}  // namespace

std::vector<QPointF> placeRegistrationMarks(const PrintPlan& plan,
                                            const std::vector<QRectF>& keepClear) {
    std::vector<QPointF> marks;
    for (int row = 0; row < plan.rows; ++row) {
        for (int column = 0; column < plan.columns; ++column) {
            const double k = kFromCrossingSeam;
            const QRectF inner = plan.trimmedTile(column, row).adjusted(k, k, -k, -k);
            if (column + 1 < plan.columns) {  // the seam to the right
                const double x = plan.verticalSeam(column);
                addSeamMarks(QPointF(x, inner.top()), QPointF(x, inner.bottom()), keepClear, marks);
            }
            if (row + 1 < plan.rows) {  // the seam below
                const double y = plan.horizontalSeam(row);
                addSeamMarks(QPointF(inner.left(), y), QPointF(inner.right(), y), keepClear, marks);
            }
        }
    }
    return marks;
}

}  // namespace rw
