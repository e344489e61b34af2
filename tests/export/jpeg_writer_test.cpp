#include "export/image_bytes.h"
#include "platform/errors.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <vector>

using namespace rw;

namespace {

struct Segment {
    unsigned char marker = 0;
    QByteArray data;  // without the length field
};

unsigned byteAt(const QByteArray& bytes, qsizetype at) {
    return static_cast<unsigned char>(bytes[at]);
}

// The marker segments from SOI up to and including the start of scan.
std::vector<Segment> readHeaderSegments(const QByteArray& jpeg) {
    std::vector<Segment> segments;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size()) {
        if (byteAt(jpeg, at) != 0xFF) {
            ADD_FAILURE() << "no marker at " << at;
            break;
        }
        Segment s;
        s.marker = static_cast<unsigned char>(jpeg[at + 1]);
        const qsizetype length = qsizetype(byteAt(jpeg, at + 2) << 8 | byteAt(jpeg, at + 3));
        s.data = jpeg.mid(at + 4, length - 2);
        segments.push_back(s);
        if (s.marker == 0xDA)
            break;
        at += 2 + length;
    }
    return segments;
}

// Position k of the zig-zag sequence in which a DQT segment lists the 64 coefficients, as the
// index (row × 8 + column) of the coefficient in the 8 × 8 block.
std::array<int, 64> zigZagOrder() {
    std::array<int, 64> order{};
    int k = 0;
    for (int diagonal = 0; diagonal < 15; ++diagonal) {
        const int low = std::max(0, diagonal - 7);
        const int high = std::min(diagonal, 7);
        for (int i = 0; i <= high - low; ++i) {
            // Even diagonals run up and to the right, odd ones down and to the left.
            const int row = diagonal % 2 == 0 ? high - i : low + i;
            order[size_t(k++)] = row * 8 + (diagonal - row);
        }
    }
    return order;
}

// The example tables of the JPEG standard (Annex K), row by row, scaled as the IJG library
// scales them for a quality: quality 90 gives 200 − 2 × 90 = 20 %, rounded, kept within 1..255.
std::array<int, 64> scaledTable(const std::array<int, 64>& base, int quality) {
    const int scale = quality < 50 ? 5000 / quality : 200 - 2 * quality;
    std::array<int, 64> table{};
    for (size_t i = 0; i < 64; ++i) table[i] = std::clamp((base[i] * scale + 50) / 100, 1, 255);
    return table;
}

constexpr std::array<int, 64> kLuminance = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
constexpr std::array<int, 64> kChrominance = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99,
    99, 99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

// White paper with antialiased coloured outlines and text, and three solid colour patches.
QImage sheetLikeImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 180), 2));
    p.drawEllipse(QRectF(width * 0.1, height * 0.5, width * 0.8, height * 0.3));
    p.setPen(Qt::black);
    p.drawText(QPointF(8, height - 8), QStringLiteral("Clark Y  rib 1/1"));
    p.fillRect(QRect(16, 16, 48, 48), QColor(220, 20, 30));
    p.fillRect(QRect(96, 16, 48, 48), QColor(20, 200, 40));
    p.fillRect(QRect(176, 16, 48, 48), QColor(30, 40, 230));
    return image;
}

}  // namespace

TEST(JpegWriter, IsABaselineJfifFileWithTheLibraryDefaults) {
    const QImage sheet = sheetLikeImage(321, 203);
    const QByteArray jpeg = jpegBytes(sheet);
    ASSERT_GT(jpeg.size(), 4);
    EXPECT_EQ(byteAt(jpeg, 0), 0xFFu);
    EXPECT_EQ(byteAt(jpeg, 1), 0xD8u);
    EXPECT_EQ(byteAt(jpeg, jpeg.size() - 2), 0xFFu);
    EXPECT_EQ(byteAt(jpeg, jpeg.size() - 1), 0xD9u);

    const std::vector<Segment> segments = readHeaderSegments(jpeg);
    ASSERT_FALSE(segments.empty());
    EXPECT_EQ(segments.front().marker, 0xE0) << "APP0 comes first";
    EXPECT_TRUE(segments.front().data.startsWith(QByteArray("JFIF\0", 5)));
    EXPECT_EQ(segments.back().marker, 0xDA);

    int baselineFrames = 0;
    for (const Segment& s : segments) {
        const bool frame = s.marker >= 0xC0 && s.marker <= 0xCF && s.marker != 0xC4 &&
                           s.marker != 0xC8 && s.marker != 0xCC;
        if (!frame)
            continue;
        ASSERT_EQ(s.marker, 0xC0) << "a frame other than baseline: FF" << std::hex << int(s.marker);
        ++baselineFrames;
        ASSERT_EQ(s.data.size(), 6 + 3 * 3);
        EXPECT_EQ(byteAt(s.data, 0), 8u) << "8-bit samples";
        EXPECT_EQ(byteAt(s.data, 1) << 8 | byteAt(s.data, 2), 203u);
        EXPECT_EQ(byteAt(s.data, 3) << 8 | byteAt(s.data, 4), 321u);
        EXPECT_EQ(byteAt(s.data, 5), 3u) << "full colour";
        // The library's default: Y, Cb, Cr with the chroma halved both ways, tables 0, 1, 1.
        EXPECT_EQ(s.data.mid(6), QByteArray("\x01\x22\x00\x02\x11\x01\x03\x11\x01", 9));
    }
    EXPECT_EQ(baselineFrames, 1);
}

TEST(JpegWriter, QuantisationTablesAreThoseOfQuality90) {
    const QByteArray jpeg = jpegBytes(sheetLikeImage(64, 48));
    const std::array<int, 64> zigZag = zigZagOrder();
    std::map<int, std::array<int, 64>> tables;
    for (const Segment& s : readHeaderSegments(jpeg)) {
        if (s.marker != 0xDB)
            continue;
        for (qsizetype at = 0; at + 65 <= s.data.size(); at += 65) {
            ASSERT_EQ(byteAt(s.data, at) >> 4, 0u) << "8-bit table entries";
            std::array<int, 64> natural{};
            for (size_t k = 0; k < 64; ++k)
                natural[size_t(zigZag[k])] = int(byteAt(s.data, at + 1 + qsizetype(k)));
            tables[int(byteAt(s.data, at) & 15)] = natural;
        }
    }
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0], scaledTable(kLuminance, 90));
    EXPECT_EQ(tables[1], scaledTable(kChrominance, 90));
    // Sanity of the expectation itself: the top-left entries at 20 %.
    EXPECT_EQ(tables[0][0], 3);
    EXPECT_EQ(tables[1][0], 3);
}

TEST(JpegWriter, DecodesBackToTheSheetWithSmallError) {
    const QImage sheet = sheetLikeImage(400, 250);
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(jpegBytes(sheet), "JPEG"));
    ASSERT_EQ(decoded.size(), sheet.size());
    decoded = decoded.convertToFormat(QImage::Format_RGB32);

    double totalError = 0;
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            const QRgb a = sheet.pixel(x, y);
            const QRgb b = decoded.pixel(x, y);
            totalError += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                          std::abs(qBlue(a) - qBlue(b));
        }
    }
    EXPECT_LT(totalError / (3.0 * sheet.width() * sheet.height()), 2.0);

    // Inside each colour patch the colour comes back, channels in their places.
    for (const QPoint centre : {QPoint(40, 40), QPoint(120, 40), QPoint(200, 40)}) {
        const QRgb a = sheet.pixel(centre);
        const QRgb b = decoded.pixel(centre);
        EXPECT_NEAR(qRed(b), qRed(a), 6) << centre.x();
        EXPECT_NEAR(qGreen(b), qGreen(a), 6) << centre.x();
        EXPECT_NEAR(qBlue(b), qBlue(a), 6) << centre.x();
    }
}

TEST(JpegWriter, EveryImageFormatGivesTheSameFileAsItsRgbTriples) {
    // 32-bit pixels are read in place; converted to RGB triples first they must give the same file.
    const QImage sheet = sheetLikeImage(130, 70);
    const QByteArray reference = jpegBytes(sheet.convertToFormat(QImage::Format_RGB888));
    EXPECT_EQ(jpegBytes(sheet), reference);
    EXPECT_EQ(jpegBytes(sheet.convertToFormat(QImage::Format_ARGB32)), reference);
    EXPECT_EQ(
        jpegBytes(
            sheet.convertToFormat(QImage::Format_RGB16).convertToFormat(QImage::Format_RGB888)),
        jpegBytes(sheet.convertToFormat(QImage::Format_RGB16)));
}

TEST(JpegWriter, LibraryErrorsBecomeExceptions) {
    // Baseline JPEG cannot hold more than 65,500 pixels a side: libjpeg gives up, and the process
    // must go on with an error the user can read.
    QImage tooWide(65501, 1, QImage::Format_RGB32);
    tooWide.fill(Qt::white);
    try {
        jpegBytes(tooWide);
        ADD_FAILURE() << "no error";
    } catch (const RibwrightError& e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("JPEG "))) << e.what();
        EXPECT_GT(e.text().size(), 16) << "the library's reason is missing: " << e.what();
    }
    EXPECT_THROW(jpegBytes(QImage()), RibwrightError);
    // The writer still works after a failure.
    EXPECT_FALSE(jpegBytes(sheetLikeImage(20, 20)).isEmpty());
}
