#include "export/png_writer.h"

#include "export/export_texts.h"
#include "export/image_pixels.h"
#include "export/png_chunk.h"
#include "export/png_scanline.h"
#include "platform/errors.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <vector>

namespace rw {
namespace {

constexpr int kCompressionLevel = 7;
// The largest IDAT we write; a decoder must accept up to 2^31 − 1, but small chunks keep every
// reader happy and let the data be emitted while it is compressed.
constexpr qsizetype kMaxIdatBytes = 65535;
// Rows are filtered into a buffer of about this size and handed to deflate together.
constexpr qsizetype kBatchBytes = 256 * 1024;

[[noreturn]] void throwCompressionError() {
    throw RibwrightError(export_texts::pngCompressionFailed());
}

void putBigEndian(std::array<unsigned char, 13>& header, int at, quint32 value) {
    header[at] = static_cast<unsigned char>(value >> 24);
    header[at + 1] = static_cast<unsigned char>(value >> 16);
    header[at + 2] = static_cast<unsigned char>(value >> 8);
    header[at + 3] = static_cast<unsigned char>(value);
}

void writeHeader(QIODevice& out, const QImage& image) {
    std::array<unsigned char, 13> ihdr{};
    putBigEndian(ihdr, 0, quint32(image.width()));
    putBigEndian(ihdr, 4, quint32(image.height()));
    ihdr[8] = 8;   // bits per sample
    ihdr[9] = 2;   // colour type: RGB triples
    ihdr[10] = 0;  // deflate
    ihdr[11] = 0;  // adaptive filtering (each row names its filter)
    ihdr[12] = 0;  // no interlacing
    writePngChunk(out, "IHDR", ihdr.data(), qsizetype(ihdr.size()));
}

// One zlib stream over all scanlines, cut into IDAT chunks as the compressed bytes arrive.
class IdatWriter {
  public:
    explicit IdatWriter(QIODevice& out) : out_(out), buffer_(kMaxIdatBytes) {
        // The largest window and zlib's default hash size and strategy. Measured on rib sheets,
        // a larger hash table (memory level 9) was both slower and larger, Z_FILTERED larger and
        // Z_RLE twice as large.
        if (deflateInit2(&stream_, kCompressionLevel, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) !=
            Z_OK) {
            throwCompressionError();
        }
        resetOutput();
    }
    ~IdatWriter() { deflateEnd(&stream_); }
    IdatWriter(const IdatWriter&) = delete;
    IdatWriter& operator=(const IdatWriter&) = delete;

    void compress(const unsigned char* data, qsizetype size) { run(data, size, Z_NO_FLUSH); }
    void finish() { run(nullptr, 0, Z_FINISH); }

  private:
    void run(const unsigned char* data, qsizetype size, int flush) {
        stream_.next_in = const_cast<Bytef*>(data);
        stream_.avail_in = uInt(size);
        for (;;) {
            const int result = deflate(&stream_, flush);
            if (result == Z_STREAM_ERROR)
                throwCompressionError();
            if (stream_.avail_out == 0)
                emitChunk();
            if (flush == Z_FINISH) {
                if (result == Z_STREAM_END)
                    break;
            } else if (stream_.avail_in == 0 && stream_.avail_out != 0) {
                break;
            }
        }
        if (flush == Z_FINISH && pending() > 0)
            emitChunk();
    }

    qsizetype pending() const { return kMaxIdatBytes - qsizetype(stream_.avail_out); }

    void emitChunk() {
        writePngChunk(out_, "IDAT", buffer_.data(), pending());
        resetOutput();
    }

    void resetOutput() {
        stream_.next_out = buffer_.data();
        stream_.avail_out = uInt(kMaxIdatBytes);
    }

    QIODevice& out_;
    std::vector<unsigned char> buffer_;
    z_stream stream_{};
};

}  // namespace

void writePng(QIODevice& out, const QImage& image) {
    requireImagePixels(image);
    const RgbPixels pixels = rgbPixels(image);
    const int height = pixels.image.height();
    const qsizetype rowBytes = 1 + 3 * qsizetype(pixels.image.width());

    if (out.write("\x89PNG\r\n\x1a\n", 8) != 8)
        throw RibwrightError(out.errorString());
    writeHeader(out, pixels.image);
    {
        IdatWriter idat(out);
        const int rowsPerBatch = int(std::max<qsizetype>(1, kBatchBytes / rowBytes));
        std::vector<unsigned char> batch(size_t(rowBytes) * size_t(std::min(rowsPerBatch, height)));
        for (int y = 0; y < height;) {
            const int rows = std::min(rowsPerBatch, height - y);
            for (int i = 0; i < rows; ++i) subFilterScanline(pixels, y + i, &batch[i * rowBytes]);
            idat.compress(batch.data(), rows * rowBytes);
            y += rows;
        }
        idat.finish();
    }
    writePngChunk(out, "IEND", nullptr, 0);
}

}  // namespace rw
