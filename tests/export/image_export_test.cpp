#include "export/export_texts.h"
#include "export/image_bytes.h"
#include "export/image_format.h"
#include "export/sheet_image.h"
#include "platform/errors.h"
#include "support/full_disk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace rw;

namespace {

QImage smallSheet() {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(5, 5, qRgb(255, 0, 0));
    return image;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);
const QByteArray kJpegStart("\xFF\xD8\xFF", 3);

}  // namespace

TEST(ImageFormatForPath, TheFileNamesLastDotDecidesAfterAsciiUpperCasing) {
    EXPECT_EQ(imageFormatForPath("/data/pictures/NACA2412_150.png"), ImageFormat::Png);
    EXPECT_EQ(imageFormatForPath("/data/pictures/rib.PNG"), ImageFormat::Png);
    EXPECT_EQ(imageFormatForPath("/data/pictures/rib.pNg"), ImageFormat::Png);
    EXPECT_EQ(imageFormatForPath("/data/pictures/rib.jpg"), ImageFormat::Jpeg);
    EXPECT_EQ(imageFormatForPath("/data/pictures/rib.JPG"), ImageFormat::Jpeg);
    EXPECT_EQ(imageFormatForPath("/data/pictures/rib.Jpg"), ImageFormat::Jpeg);
    EXPECT_EQ(imageFormatForPath("rib.jpG"), ImageFormat::Jpeg);
    // Only the last dot counts.
    EXPECT_EQ(imageFormatForPath("/p/rib.png.jpg"), ImageFormat::Jpeg);
    EXPECT_EQ(imageFormatForPath("/p/rib.jpg.png"), ImageFormat::Png);
    EXPECT_EQ(imageFormatForPath("/p/1.5mm rib.png"), ImageFormat::Png);
    EXPECT_EQ(imageFormatForPath("/p/.png"), ImageFormat::Png);
    // Not the two extensions.
    EXPECT_EQ(imageFormatForPath("/p/rib.jpeg"), ImageFormat::None);
    EXPECT_EQ(imageFormatForPath("/p/rib.JPEG"), ImageFormat::None);
    EXPECT_EQ(imageFormatForPath("/p/rib.bmp"), ImageFormat::None);
    EXPECT_EQ(imageFormatForPath("/p/rib"), ImageFormat::None);
    EXPECT_EQ(imageFormatForPath("/p/rib."), ImageFormat::None);
    EXPECT_EQ(imageFormatForPath("/p/rib.png "), ImageFormat::None);
    EXPECT_EQ(imageFormatForPath("/p/ribpng"), ImageFormat::None);
    EXPECT_EQ(imageFormatForPath(""), ImageFormat::None);
    // A dot in a folder name is no extension of the file.
    EXPECT_EQ(imageFormatForPath("/p/sheets.png/rib"), ImageFormat::None);
    EXPECT_EQ(imageFormatForPath("/p/v1.jpg/rib"), ImageFormat::None);
    EXPECT_EQ(imageFormatForPath("/p/sheets.png/"), ImageFormat::None);
    // Full-width letters are not ASCII and are not upper-cased into a match.
    EXPECT_EQ(imageFormatForPath(QStringLiteral("/p/rib.ｐｎｇ")), ImageFormat::None);
    EXPECT_EQ(imageFormatForPath(QStringLiteral("/p/rib.ＰＮＧ")), ImageFormat::None);
}

TEST(WriteSheetImage, WritesTheFormatTheExtensionNames) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage sheet = smallSheet();
    for (const char* name : {"a.jpg", "b.JPG", "c.Jpg"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(writeSheetImage(path, sheet)) << name;
        const QByteArray bytes = fileBytes(path);
        EXPECT_TRUE(bytes.startsWith(kJpegStart)) << name;
        EXPECT_EQ(bytes, jpegBytes(sheet)) << name;
    }
    const QString png = dir.filePath(QStringLiteral("NACA2412_150.png"));
    ASSERT_TRUE(writeSheetImage(png, sheet));
    EXPECT_EQ(fileBytes(png), pngBytes(sheet));
    EXPECT_TRUE(fileBytes(png).startsWith(kPngSignature));

    // An existing file is replaced without a question, whatever it held.
    const QString older = dir.filePath(QStringLiteral("older.PNG"));
    writeBytes(older, "an older picture");
    ASSERT_TRUE(writeSheetImage(older, sheet));
    EXPECT_EQ(fileBytes(older), pngBytes(sheet));

    // Only the requested file appears; no temporary is left beside it.
    QDir listing(dir.path());
    EXPECT_EQ(listing.entryList(QDir::Files | QDir::Hidden).size(), 5);
}

TEST(WriteSheetImage, OtherExtensionsWriteNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sheets.png")));
    const QImage sheet = smallSheet();
    for (const QString& name : {QStringLiteral("rib.jpeg"), QStringLiteral("rib"),
                                QStringLiteral("rib.bmp"), QStringLiteral("sheets.png/rib")}) {
        EXPECT_FALSE(writeSheetImage(dir.filePath(name), sheet)) << name.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath(name))) << name.toStdString();
    }
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("sheets.png"))).isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);

    // The extension is looked at first: nothing to write, so an undrawn sheet is no error either.
    EXPECT_FALSE(writeSheetImage(dir.filePath(QStringLiteral("rib.txt")), QImage()));
}

TEST(WriteSheetImage, AnUndrawnSheetIsAnErrorAndLeavesTheDiskAlone) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fresh = dir.filePath(QStringLiteral("rib.png"));
    const QString older = dir.filePath(QStringLiteral("older.jpg"));
    writeBytes(older, "an older picture");
    for (const QString& path : {fresh, older}) {
        try {
            writeSheetImage(path, QImage());
            ADD_FAILURE() << "no error for " << path.toStdString();
        } catch (const FileError&) {
            ADD_FAILURE() << "an undrawn sheet is no file error";
        } catch (const RibwrightError& e) {
            EXPECT_EQ(e.text(), export_texts::sheetNotDrawn());
        }
    }
    EXPECT_FALSE(QFile::exists(fresh));
    EXPECT_EQ(fileBytes(older), "an older picture");
}

TEST(WriteSheetImage, AFileThatCannotBeCreatedIsReportedWithPathAndReason) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage sheet = smallSheet();

    const QString missing = dir.filePath(QStringLiteral("no such folder/rib.png"));
    try {
        writeSheetImage(missing, sheet);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_FALSE(e.systemReason().isEmpty());
        EXPECT_EQ(
            e.text(),
            QStringLiteral("ファイル \"%1\" を作成できません。%2").arg(missing, e.systemReason()));
    }
    EXPECT_FALSE(QFile::exists(missing));

    // A name longer than the folder can hold is refused as a name that cannot be created; one of
    // 250 bytes fits, and so does its temporary file, whose stem is cut short to fit.
    const QString tooLong = dir.filePath(QString(252, QLatin1Char('r')) + QStringLiteral(".jpg"));
    try {
        writeSheetImage(tooLong, sheet);
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_TRUE(
            e.text().startsWith(QStringLiteral("ファイル \"%1\" を作成できません。").arg(tooLong)))
            << e.what();
    }
    const QString longName = dir.filePath(QString(246, QLatin1Char('r')) + QStringLiteral(".jpg"));
    writeBytes(longName, "an older picture");
    ASSERT_TRUE(writeSheetImage(longName, sheet));
    EXPECT_EQ(fileBytes(longName), jpegBytes(sheet));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// Both encoders stream into the file; a device that refuses the bytes ends either with the file's
// own error, not the encoder's.
TEST(WriteSheetImage, AFullDiskIsTheFilesErrorForBothFormats) {
    QTemporaryDir dir;
    for (const char* name : {"full.png", "full.jpg"}) {
        const QString link = dir.filePath(name);
        ASSERT_TRUE(QFile::link(test::kFullDisk, link));
        test::fullDiskError([](const QString& path) { writeSheetImage(path, smallSheet()); }, link);
    }
}
