#pragma once

#include "export/paper_size.h"

#include <QSizeF>
#include <QString>

#include <optional>

namespace rw {

// Which wing's ribs the workshop files hold: one set as the series is, or sets for a left and a
// right wing, each rib labelled with its side ("L3", "R3").
enum class RibSides { One, Left, Right, Both };

// What the outputs need besides the job, with every default declared here once. The command
// line fills it from its options, the window from its controls.
struct OutputOptions {
    PaperSize paper = PaperSize::A4;  // the true-scale print
    QSizeF stock{600, 300};           // the laser files' stock sheet in mm: a common laser bed
    bool plan = false;                // the print ends with the wing panel's building plan
    // The laser shop. Every default leaves the files as they were.
    double kerf = 0;                      // mm the beam burns away; laser files offset by half
    RibSides sides = RibSides::One;       // one set of ribs, or a labelled left and right set
    int copies = 1;                       // sets of ribs on the stock (labels tell them apart)
    double gap = 5;                       // mm between parts and from the stock's edge
    bool nest = false;                    // fill the stock bottom-left, every other rib turned
};

// The stock as typed, WIDTHxHEIGHT in millimetres with '.' for decimals, each from 1 to 10000
// ("600x300", "914.4x76.2"); empty for any other text.
std::optional<QSizeF> parseStockSize(const QString& text);
QString formatStockSize(QSizeF stock);

}  // namespace rw
