#pragma once

#include "export/paper_size.h"

#include <QSizeF>
#include <QString>

#include <optional>

namespace rw {

// What the outputs need besides the job, with every default declared here once. The command
// line fills it from its options, the window from its controls.
struct OutputOptions {
    PaperSize paper = PaperSize::A4;  // the true-scale print
    QSizeF stock{600, 300};           // the laser files' stock sheet in mm: a common laser bed
    bool plan = false;                // the print ends with the wing panel's building plan
};

// The stock as typed, WIDTHxHEIGHT in millimetres with '.' for decimals, each from 1 to 10000
// ("600x300", "914.4x76.2"); empty for any other text.
std::optional<QSizeF> parseStockSize(const QString& text);
QString formatStockSize(QSizeF stock);

}  // namespace rw
