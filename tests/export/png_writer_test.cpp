#include "export/image_bytes.h"
#include "platform/errors.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zlib.h>

#include <vector>

using namespace rw;

namespace {

struct Chunk {
    QByteArray type;
    QByteArray data;
    quint32 storedCrc = 0;
};

quint32 bigEndian(const QByteArray& bytes, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | quint32(p[3]);
}

// Splits the file after the signature into chunks; fails the test on a truncated chunk.
std::vector<Chunk> readChunks(const QByteArray& png) {
    std::vector<Chunk> chunks;
    qsizetype at = 8;
    while (at < png.size()) {
        if (at + 12 > png.size()) {
            ADD_FAILURE() << "truncated chunk header at " << at;
            break;
        }
        const quint32 length = bigEndian(png, at);
        if (at + 12 + qsizetype(length) > png.size()) {
            ADD_FAILURE() << "chunk at " << at << " runs past the end";
            break;
        }
        Chunk c;
        c.type = png.mid(at + 4, 4);
        c.data = png.mid(at + 8, length);
        c.storedCrc = bigEndian(png, at + 8 + length);
        chunks.push_back(c);
        at += 12 + length;
    }
    return chunks;
}

QByteArray inflateAll(const QByteArray& compressed) {
    z_stream s{};
    EXPECT_EQ(inflateInit(&s), Z_OK);
    QByteArray out;
    std::vector<unsigned char> buffer(1 << 16);
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    s.avail_in = uInt(compressed.size());
    int result = Z_OK;
    while (result == Z_OK) {
        s.next_out = buffer.data();
        s.avail_out = uInt(buffer.size());
        result = inflate(&s, Z_NO_FLUSH);
        out.append(reinterpret_cast<const char*>(buffer.data()),
                   qsizetype(buffer.size() - s.avail_out));
    }
    EXPECT_EQ(result, Z_STREAM_END) << "the IDAT data is not one complete zlib stream";
    EXPECT_EQ(s.avail_in, 0u) << "bytes after the end of the zlib stream";
    inflateEnd(&s);
    return out;
}

QByteArray idatData(const std::vector<Chunk>& chunks) {
    QByteArray all;
    for (const Chunk& c : chunks) {
        if (c.type == "IDAT")
            all += c.data;
    }
    return all;
}

// White paper with antialiased outlines, a grid and text, like a rib sheet.
QImage sheetLikeImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 200, 255), 1));
    for (int x = 10; x < width; x += 19) p.drawLine(x, 0, x, height);
    p.setPen(QPen(QColor(0, 0, 180), 2));
    p.drawEllipse(QRectF(width * 0.1, height * 0.3, width * 0.8, height * 0.25));
    p.setPen(QPen(QColor(220, 0, 0), 1.5));
    p.drawLine(QPointF(width * 0.35, height * 0.2), QPointF(width * 0.37, height * 0.7));
    p.setPen(Qt::black);
    p.drawText(QPointF(8, 20), QStringLiteral("NACA 2412  rib 3/7"));
    return image;
}

QImage noiseImage(int width, int height, QImage::Format format) {
    QImage image(width, height, format);
    QRandomGenerator random(12345);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (qsizetype i = 0; i < image.bytesPerLine(); ++i) row[i] = uchar(random.bounded(256));
    }
    return image;
}

// Decodes the scanlines, insisting on the Sub filter in every row, and compares every pixel's
// colour channels with the image.
void expectPixelsOf(const QImage& image, const QByteArray& png) {
    const std::vector<Chunk> chunks = readChunks(png);
    const QByteArray raw = inflateAll(idatData(chunks));
    const int width = image.width();
    const qsizetype rowBytes = 1 + 3 * qsizetype(width);
    ASSERT_EQ(raw.size(), rowBytes * image.height());
    int mismatches = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const unsigned char*>(raw.constData() + y * rowBytes);
        ASSERT_EQ(row[0], 1) << "row " << y << " is not filtered with Sub";
        unsigned char left[3] = {0, 0, 0};
        for (int x = 0; x < width; ++x) {
            unsigned char rgb[3];
            for (int k = 0; k < 3; ++k) {
                rgb[k] = static_cast<unsigned char>(row[1 + 3 * x + k] + left[k]);
                left[k] = rgb[k];
            }
            const QRgb want = image.pixel(x, y);
            if (rgb[0] != qRed(want) || rgb[1] != qGreen(want) || rgb[2] != qBlue(want)) {
                if (++mismatches <= 5)
                    ADD_FAILURE() << "pixel " << x << "," << y << " differs";
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace

TEST(PngWriter, ChunksAreSignatureIhdrIdatsIendWithRightLengthsAndCrcs) {
    // Noise does not compress, so the data needs several IDAT chunks.
    const QImage image = noiseImage(211, 157, QImage::Format_RGB32);
    const QByteArray png = pngBytes(image);
    ASSERT_TRUE(png.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)));

    const std::vector<Chunk> chunks = readChunks(png);
    ASSERT_GE(chunks.size(), 3u);
    for (const Chunk& c : chunks) {
        uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(c.type.constData()), 4);
        crc = crc32(crc, reinterpret_cast<const Bytef*>(c.data.constData()), uInt(c.data.size()));
        EXPECT_EQ(c.storedCrc, quint32(crc)) << "CRC of " << c.type.constData();
    }

    const Chunk& ihdr = chunks.front();
    ASSERT_EQ(ihdr.type, "IHDR");
    ASSERT_EQ(ihdr.data.size(), 13);
    EXPECT_EQ(bigEndian(ihdr.data, 0), 211u);
    EXPECT_EQ(bigEndian(ihdr.data, 4), 157u);
    EXPECT_EQ(ihdr.data.mid(8), QByteArray("\x08\x02\x00\x00\x00", 5))
        << "8 bits, RGB, deflate, filter method 0, no interlace";

    EXPECT_EQ(chunks.back().type, "IEND");
    EXPECT_TRUE(chunks.back().data.isEmpty());

    int idats = 0;
    for (size_t i = 1; i + 1 < chunks.size(); ++i) {
        EXPECT_EQ(chunks[i].type, "IDAT") << "chunk " << i << " is neither IDAT nor at the ends";
        EXPECT_GT(chunks[i].data.size(), 0);
        EXPECT_LE(chunks[i].data.size(), 65535);
        ++idats;
    }
    EXPECT_GE(idats, 2) << "a 100 KB stream must be split";

    // The zlib header's level field says 3 for levels 7 to 9 (2 would be the default level 6).
    const QByteArray stream = idatData(chunks);
    EXPECT_EQ((static_cast<unsigned char>(stream[1]) >> 6) & 3, 3);
    expectPixelsOf(image, png);
}

// Plain zlib level 7 with its default tuning: the stream is byte for byte what zlib's own
// one-call compression at level 7 makes of the same filtered rows, over several row batches.
TEST(PngWriter, TheImageDataIsPlainZlibLevelSeven) {
    const QImage sheet = sheetLikeImage(1600, 1000);
    const QByteArray stream = idatData(readChunks(pngBytes(sheet)));
    const QByteArray rows = inflateAll(stream);
    uLongf size = compressBound(uLong(rows.size()));
    QByteArray expected(qsizetype(size), '\0');
    ASSERT_EQ(compress2(reinterpret_cast<Bytef*>(expected.data()), &size,
                        reinterpret_cast<const Bytef*>(rows.constData()), uLong(rows.size()), 7),
              Z_OK);
    expected.resize(qsizetype(size));
    EXPECT_TRUE(stream == expected) << stream.size() << " bytes, level 7 gives " << expected.size();
}

TEST(PngWriter, WritesEveryPixelUnchangedWhateverTheImageFormat) {
    const QImage sheet = sheetLikeImage(640, 400);
    expectPixelsOf(sheet, pngBytes(sheet));

    const QImage rgb888 = noiseImage(33, 17, QImage::Format_RGB888);
    expectPixelsOf(rgb888, pngBytes(rgb888));

    // The alpha of a 32-bit image is not written; its colour channels are, as they are.
    const QImage argb = noiseImage(29, 11, QImage::Format_ARGB32);
    expectPixelsOf(argb, pngBytes(argb));

    QImage indexed(7, 5, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 128, 255), qRgb(1, 2, 3)});
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) indexed.setPixel(x, y, uint((x + y) % 3));
    expectPixelsOf(indexed, pngBytes(indexed));

    QImage single(1, 1, QImage::Format_RGB32);
    single.setPixel(0, 0, qRgb(12, 34, 56));
    expectPixelsOf(single, pngBytes(single));
    const QImage column = noiseImage(1, 300, QImage::Format_RGB32);
    expectPixelsOf(column, pngBytes(column));
}

TEST(PngWriter, OtherReadersAcceptTheFile) {
    const QImage sheet = sheetLikeImage(500, 300);
    const QByteArray png = pngBytes(sheet);

    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(png, "PNG"));
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), sheet);

    const QString pngcheck = QStringLiteral("/usr/bin/pngcheck");
    if (!QFileInfo::exists(pngcheck))
        GTEST_SKIP() << "pngcheck is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("sheet.png"));
    // Several IDAT chunks too, so pngcheck sees the split stream.
    for (const QImage& image : {sheet, noiseImage(300, 200, QImage::Format_RGB32)}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(pngBytes(image));
        file.close();
        QProcess check;
        check.start(pngcheck, {QStringLiteral("-v"), path});
        ASSERT_TRUE(check.waitForFinished(30000));
        const QString output = QString::fromLocal8Bit(check.readAll());
        EXPECT_EQ(check.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(check.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains(QStringLiteral("No errors detected"))) << output.toStdString();
    }
}

TEST(PngWriter, RefusesAnImageWithoutPixels) {
    EXPECT_THROW(pngBytes(QImage()), RibwrightError);
    EXPECT_THROW(pngBytes(QImage(0, 10, QImage::Format_RGB32)), RibwrightError);
}
