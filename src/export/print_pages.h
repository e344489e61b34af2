#pragma once

#include "export/print_plan.h"

#include <QRectF>

#include <vector>

// How the ribs of the true-scale print are put on its pages: each rib that fits a page lies
// inside one page, clear of the seams, so that no rib has to be taped together; the pages fill
// one after the other. Only a rib longer than a page runs across pages.
namespace rw::print_pages {

// What is drawn for a placed rib, its caption included, in sheet millimetres.
QRectF ribBox(const WorkshopRib& rib);

// The part of page (column, row) where ribs are kept whole: inside the gap at the sheet's edges
// and clear of the seams. Rows below the plan's last are taken as if the sheet went on.
QRectF ribCell(const PrintPlan& plan, int column, int row);

// Places `ribs`, root to tip, on the pages of `plan` (paper, orientation and columns set; rows
// are ignored), page by page in the order the pages are numbered, keeping `reservedHeight`
// millimetres free at the top of page 1. A rib that fits no page starts at the left of the sheet
// under everything placed before it. The layout's sheet size is the width of the columns and the
// height used.
WorkshopLayout placeRibs(std::vector<WorkshopRib> ribs, const PrintPlan& plan,
                         double reservedHeight);

// Row by row, the tiles of `plan` whose trimmed part shows no rib; page 1, with the bars and the
// map, is never blank.
std::vector<bool> blankTiles(const PrintPlan& plan);

// How many placed ribs of `plan` no seam crosses.
int ribsKeptWhole(const PrintPlan& plan);

}  // namespace rw::print_pages
