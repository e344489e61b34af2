#include "export/jpeg_writer.h"

#include "export/export_texts.h"
#include "export/image_pixels.h"
#include "platform/errors.h"

#include <QSysInfo>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jerror.h>
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

// The compressed bytes go to the device a block at a time. A refused block ends the compression
// through the error manager, as any other fatal error of the library does.
struct DeviceDestination {
    jpeg_destination_mgr base;
    QIODevice* device;
    JOCTET* block;
    size_t blockBytes;
};

void startBlock(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<DeviceDestination*>(cinfo->dest);
    dest->base.next_output_byte = dest->block;
    dest->base.free_in_buffer = dest->blockBytes;
}

void writeBlock(j_compress_ptr cinfo, size_t bytes) {
    auto* dest = reinterpret_cast<DeviceDestination*>(cinfo->dest);
    if (dest->device->write(reinterpret_cast<const char*>(dest->block), qint64(bytes)) !=
        qint64(bytes)) {
        cinfo->err->msg_code = JERR_FILE_WRITE;
        (*cinfo->err->error_exit)(reinterpret_cast<j_common_ptr>(cinfo));
    }
}

boolean writeFullBlock(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<DeviceDestination*>(cinfo->dest);
    writeBlock(cinfo, dest->blockBytes);
    startBlock(cinfo);
    return TRUE;
}

void writeLastBlock(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<DeviceDestination*>(cinfo->dest);
    writeBlock(cinfo, dest->blockBytes - dest->base.free_in_buffer);
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

// Compresses the pixels into the destination. Only plain C data lives in this function, so the
// jump back from an error skips no destructor. Returns false with the library's message in
// `errors` after an error.
bool compress(const RgbPixels& pixels, JpegErrorManager& errors, DeviceDestination& destination) {
    jpeg_compress_struct cinfo{};
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.output_message = ignoreMessage;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    destination.base.init_destination = startBlock;
    destination.base.empty_output_buffer = writeFullBlock;
    destination.base.term_destination = writeLastBlock;
    cinfo.dest = &destination.base;

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

void writeJpeg(QIODevice& out, const QImage& image) {
    requireImagePixels(image);
    const RgbPixels pixels = rgbPixels(image);
    JpegErrorManager errors{};
    std::vector<JOCTET> block(64 * 1024);
    DeviceDestination destination{{}, &out, block.data(), block.size()};
    if (!compress(pixels, errors, destination))
        throw RibwrightError(export_texts::jpegFailed(QString::fromLocal8Bit(errors.message)));
}

}  // namespace rw
