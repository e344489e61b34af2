#pragma once

#include <QImage>
#include <QString>

namespace rw {

// Writes the sheet as PNG or JPEG by the extension, atomically; returns false (nothing written)
// for any other extension. Throws FileError; an image that cannot be created is worded
// ファイル "%s" を作成できません。%s. An empty (never drawn) image throws RibwrightError.
bool writeSheetImage(const QString& path, const QImage& sheet);

}  // namespace rw
