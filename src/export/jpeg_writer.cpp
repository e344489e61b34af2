#include "export/image_pixels.h"
#include "export/rib_exports.h"
#include "platform/errors.h"

#include <QSysInfo>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace rw {
namespace {

constexpr int kQuality = 90;
// Rows handed to the compressor per call.
constexpr int kRowsPerCall = 16;

// libjpeg reports a fatal error by calling error_exit, whose default ends the process. Ours
// jumps back to the compressing function instead, keeping the library's text for the user.
struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void jumpOnError(j_common_ptr cinfo) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings and trace messages are not the user's business; the library would print them.
void ignoreMessage(j_common_ptr) {}

// The colour space in which libjpeg reads the pixels as they lie in memory.
J_COLOR_SPACE inputColourSpace(PixelLayout layout) {
    if (layout == PixelLayout::Rgb24)
        return JCS_RGB;
    // A 32-bit 0xAARRGGBB word lies in memory as B G R A on little-endian machines. libjpeg-turbo
    // reads such pixels directly and converts them exactly as it converts RGB triples.
    return QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
}

// Compresses the pixels into a buffer that libjpeg allocates with malloc. Only plain C data lives
// in this function, so the jump back from an error skips no destructor. Returns false with the
// library's message in `errors` after an error.
bool compress(const RgbPixels& pixels, JpegErrorManager& errors, unsigned char** buffer,
              unsigned long* size) {
    jpeg_compress_struct cinfo{};
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.output_message = ignoreMessage;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, buffer, size);

    const QImage& image = pixels.image;
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = pixels.layout == PixelLayout::Rgb24 ? 3 : 4;
    cinfo.in_color_space = inputColourSpace(pixels.layout);
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, kQuality, TRUE);  // TRUE: tables limited to baseline values
    jpeg_start_compress(&cinfo, TRUE);

    JSAMPROW rows[kRowsPerCall];
    while (cinfo.next_scanline < cinfo.image_height) {
        const JDIMENSION first = cinfo.next_scanline;
        JDIMENSION count = 0;
        while (count < kRowsPerCall && first + count < cinfo.image_height) {
            rows[count] = const_cast<JSAMPROW>(image.constScanLine(int(first + count)));
            ++count;
        }
        jpeg_write_scanlines(&cinfo, rows, count);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

QByteArray encodeJpeg(const QImage& image) {
    requireImagePixels(image);
    const RgbPixels pixels = rgbPixels(image);
    JpegErrorManager errors{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool done = compress(pixels, errors, &buffer, &size);
    QByteArray bytes;
    if (done)
        bytes = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    if (!done) {
        throw RibwrightError(QStringLiteral("JPEG 画像を作成できません。%1")
                                 .arg(QString::fromLocal8Bit(errors.message)));
    }
    return bytes;
}

}  // namespace rw
