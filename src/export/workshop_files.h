#pragma once

#include "export/workshop_exports.h"

#include <QSizeF>
#include <QStringList>

#include <optional>

namespace rw {

// The common laser bed, millimetres.
constexpr QSizeF kDefaultStockSize(600, 300);

// The paper names the window's list and the command line use: "A4", "A3", "Letter".
QString paperSizeName(PaperSize paper);
std::optional<PaperSize> paperSizeNamed(const QString& name);
QStringList paperSizeNames();

// Saves the true-scale print. Throws as writeTrueScalePdf does, FileError for the file.
void saveTrueScalePdf(const QString& path, const AirfoilState& airfoil, const RibParameters& params,
                      PaperSize paper, const RibFeatures& features = {});

// Save one file per stock sheet of `layout` (stockSheetPath names the second and later ones)
// and return the paths written, in order.
QStringList saveLaserSvg(const QString& path, const WorkshopLayout& layout);
QStringList saveCutDxf(const QString& path, const WorkshopLayout& layout);

}  // namespace rw
