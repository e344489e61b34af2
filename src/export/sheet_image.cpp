#include "export/image_pixels.h"
#include "export/rib_exports.h"
#include "platform/atomic_file.h"

namespace rw {

bool writeSheetImage(const QString& path, const QImage& sheet) {
    const ImageFormat format = imageFormatForPath(path);
    if (format == ImageFormat::None)
        return false;
    // Checked before anything touches the disk, so a sheet that was never drawn leaves an older
    // file of that name as it was.
    requireImagePixels(sheet);
    const QByteArray bytes = format == ImageFormat::Jpeg ? encodeJpeg(sheet) : encodePng(sheet);
    writeFileAtomically(path, bytes, FileErrorWording::ImageCreation);
    return true;
}

}  // namespace rw
