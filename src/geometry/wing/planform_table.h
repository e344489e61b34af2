#pragma once

#include "geometry/wing/wing_panel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace rw {

// Reads a planform table, root section first, spans and leading edges measured from the first
// section. Two forms, told apart by the header:
//  - the section export of planform designers for sailplanes: ';'-separated, '.' decimals, a
//    header row naming xn;x;c;le_y;te_y;flap_cn;flap_group;airfoil_file (found by name, in any
//    order, further columns ignored).
//    The leading edges are turned to run backwards when te_y lies ahead of le_y on the root row
//    (an axis pointing forwards); twist is 0; an empty airfoil_file is the panel's own airfoil.
//  - our own: ','-separated, '.' decimals, rows "span,chord,leading_edge[,airfoil[,twist]]"
//    in mm and degrees: span along the half-span, leading_edge behind the root's, twist leading
//    edge down positive, an empty or missing airfoil the panel's own. '#' starts a comment, blank
//    lines are skipped, a first row that does not start with a number is a header. Example:
//        span,chord,leading_edge,airfoil,twist
//        0,220,0
//        450,190,12,tip.dat,-1.5
// The form is told by the first line: ';' in it (and no '#' before) is the designers' form.
// A table holds at most a thousand sections.
// Airfoil files are named relative to `folder` and read with the table (imported as published
// files are). Throws RibwrightError naming the line that cannot be read, or when fewer than two
// sections remain or the spans do not increase.
std::vector<PlanformSection> readPlanformTable(const QByteArray& bytes, const QString& folder);

// Reads the table at `path` (at most a few megabytes). Throws FileError, RibwrightError.
std::vector<PlanformSection> readPlanformTablePath(const QString& path);

// The airfoil files the sections of the table at `tablePath` were read from, each once.
QStringList sectionAirfoilPaths(const QString& tablePath,
                                const std::vector<PlanformSection>& sections);

}  // namespace rw
