#pragma once

#include "export/print_plan.h"

#include <QPointF>
#include <QRectF>

#include <vector>

namespace rw {

// Half the width of a registration mark, millimetres: its cross runs this far from its centre.
constexpr double kRegistrationMarkReach = 5;
// How far into a page from a seam across them the marks of the other seams may reach, with their
// clearance. Ribs that run across pages keep out of this band, so that every seam keeps room for
// its marks however many such ribs there are.
constexpr double kRegistrationMarkBand = 2 * kRegistrationMarkReach + PrintPlan::kOverlap / 2 + 3;

// Centres of the registration marks for the seams of `plan`, sheet millimetres: on the seam
// between each two neighbouring pages, two marks as far apart as the seam allows, since one mark
// fixes where a page lies but not how it is turned. A mark keeps off every box of `keepClear`
// (the parts and the bars) and far enough from the other seams to show whole on both its pages;
// where a part covers all of a seam, that seam gets the marks it has room for.
std::vector<QPointF> placeRegistrationMarks(const PrintPlan& plan,
                                            const std::vector<QRectF>& keepClear);

}  // namespace rw
