#pragma once

#include "export/print_plan.h"

#include <QPainter>
#include <QSizeF>
#include <QString>

// The small map of the pages that page 1 carries: a box for each page in its place, numbered as
// the page labels number them, under a title saying how they go together. The builder lays the
// printed pages out as the map shows before trimming and taping.
namespace rw::print_page_map {

// The room the map takes, millimetres, whatever the number of pages: the boxes shrink to fit.
QSizeF size();

// Draws the map into plan.pageMap, in sheet millimetres.
void draw(QPainter& painter, const PrintPlan& plan, const QString& title);

}  // namespace rw::print_page_map
