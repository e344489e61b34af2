#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>

#include <optional>

namespace rw {

// Paper for the true-scale print.
enum class PaperSize { A4, A3, Letter };

// The names the window's list and the command line use: "A4", "A3", "Letter".
QString paperSizeName(PaperSize paper);
std::optional<PaperSize> paperSizeNamed(const QString& name);  // any letter case
QStringList paperSizeNames();

// The sheet in millimetres, upright.
QSizeF portraitPaperSize(PaperSize paper);

}  // namespace rw
