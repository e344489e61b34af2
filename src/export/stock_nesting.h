#pragma once

#include "export/workshop_layout.h"

#include <QSizeF>

#include <vector>

namespace rw {

// The ribs nested on stock sheets of `stock` millimetres: every other rib turned by half a turn
// (the chord keeps its direction, so the grain runs along it), each put at the lowest, then
// leftmost place of the current sheet where its cut contour and engraved lines keep `gap` from
// every part already there and from the stock's edges; a rib with no such place starts the next
// sheet. Throws RibwrightError naming a rib larger than an empty sheet.
WorkshopLayout nestOnStock(std::vector<WorkshopRib> ribs, QSizeF stock, double gap);

}  // namespace rw
