#pragma once

#include "export/building_plan.h"
#include "export/print_plan.h"

#include <QPainter>

namespace rw {

// Draws page (column, row) of the building plan tiled by `print`, the painter in page
// millimetres: the label above the tile, then what of the plan the tile shows (calibration bars
// and title on its first page), the seams and their marks.
void drawBuildingPlanPage(QPainter& painter, const PrintPlan& print, const BuildingPlan& plan,
                          int column, int row);

}  // namespace rw
