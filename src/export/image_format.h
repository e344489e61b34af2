#pragma once

#include <QString>

namespace rw {

enum class ImageFormat { Png, Jpeg, None };

// Decided by the extension alone, upper-cased: ".PNG", ".JPG", anything else None.
ImageFormat imageFormatForPath(const QString& path);

}  // namespace rw
