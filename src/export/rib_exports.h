#pragma once

#include "airfoil/airfoil_data.h"
#include "geometry/rib_outline.h"
#include "geometry/rib_parameters.h"

#include <QImage>
#include <QString>

namespace rw {

// The five attribute texts the DXF entity writers put into every entity. They persist from one
// DXF export to the next in a run (empty before the first).
struct DxfAttributes {
    QString layer;
    QString width;
    QString colour;
    QString text;
    QString textHeight;
};

// What every export reads: the airfoil, the parameters the last redraw left, the panel as typed.
struct ExportInputs {
    const AirfoilState& airfoil;
    const RibParameters& params;
    const RibPanelSnapshot& panel;
};

// The proposed file-name stem of all three exports.
QString buildOutputBaseName(const QString& airfoilName, const RibPanelSnapshot& panel,
                            const RibParameters& params);

// 15 significant digits of the exact value, trailing zeros dropped, always a decimal point.
QString formatGeneralNumber(double value);

// Write the whole file atomically; throw FileError (its text names the path) on failure.
void exportCsv(const QString& path, const ExportInputs& inputs, CurrentRib& rib);
void exportDxf(const QString& path, const ExportInputs& inputs, CurrentRib& rib,
               DxfAttributes& attributes);

enum class ImageFormat { Png, Jpeg, None };
// Decided by the extension alone, upper-cased: ".PNG", ".JPG", anything else None.
ImageFormat imageFormatForPath(const QString& path);
QByteArray encodePng(const QImage& image);
QByteArray encodeJpeg(const QImage& image);
// Writes the sheet as PNG or JPEG by the extension, atomically; returns false (nothing written)
// for any other extension. Throws FileError; an image that cannot be created is worded
// ファイル "%s" を作成できません。%s. An empty (never drawn) image throws RibwrightError.
bool writeSheetImage(const QString& path, const QImage& sheet);

}  // namespace rw
