#include "export/sheet_image.h"

#include "export/image_format.h"
#include "export/image_pixels.h"
#include "export/jpeg_writer.h"
#include "export/png_writer.h"
#include "platform/atomic_file.h"

namespace rw {

bool writeSheetImage(const QString& path, const QImage& sheet) {
    const ImageFormat format = imageFormatForPath(path);
    if (format == ImageFormat::None)
        return false;
    // Checked before anything touches the disk, so a sheet that was never drawn leaves an older
    // file of that name as it was.
    requireImagePixels(sheet);
    writeFileAtomically(
        path,
        [&](QIODevice& out) {
            if (format == ImageFormat::Jpeg)
                writeJpeg(out, sheet);
            else
                writePng(out, sheet);
        },
        FileErrorWording::ImageCreation);
    return true;
}

}  // namespace rw
