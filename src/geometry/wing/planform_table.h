#pragma once

#include "geometry/wing/wing_panel.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace rw {

// Reads a planform table, root section first, spans and leading edges measured from the first
// section. Two forms, told apart by the header:
//  - the section export of planform designers for sailplanes: ';'-separated, '.' decimals, a
//    header row naming xn;x;c;le_y;te_y;flap_cn;flap_group;airfoil_file (found by name, in any
//    order, further columns ignored);
//  - our own: ','-separated, '.' decimals, rows "span,chord,leading_edge[,airfoil[,twist]]"
//    in mm and degrees, '#' starting a comment, an optional header row.
// Airfoil files are named relative to `folder` and read with the table (imported as published
// files are). Throws RibwrightError naming the line that cannot be read, or when fewer than two
// sections remain or the spans do not increase.
std::vector<PlanformSection> readPlanformTable(const QByteArray& bytes, const QString& folder);

// Reads the table at `path` (at most a few megabytes). Throws FileError, RibwrightError.
std::vector<PlanformSection> readPlanformTablePath(const QString& path);

}  // namespace rw
