#include "export/text_lines.h"
#include "platform/atomic_file.h"

#include "platform/errors.h"
#include "platform/text_codec.h"
#include "support/full_disk.h"
#include "support/qt_print.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace rw;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "(missing)";
    return f.readAll();
}

void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Saves `lines` through the line writer into `path`, as the CSV and DXF exports do.
void saveLines(const QString& path, const QStringList& lines) {
    writeFileAtomically(path, [&](QIODevice& out) {
        TextLineWriter writer(out);
        for (const QString& line : lines) writer.writeLine(line);
    });
}

// The text of the FileError that saving `lines` raises, or "(written)".
QString saveError(const QString& path, const QStringList& lines = {}) {
    try {
        saveLines(path, lines);
    } catch (const FileError& e) {
        return e.text();
    }
    return QStringLiteral("(written)");
}

QStringList hiddenAndPlainFiles(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

// Makes a folder refuse new entries for the length of a test. Root ignores permission bits, so
// as root the folder is made immutable instead; where neither works the test is skipped.
class RefusingFolder {
  public:
    explicit RefusingFolder(const QString& dir) : native_(QFile::encodeName(dir)) {
        if (::geteuid() != 0) {
            ok_ = ::chmod(native_.constData(), 0555) == 0;
            return;
        }
        fd_ = ::open(native_.constData(), O_RDONLY | O_DIRECTORY);
        if (fd_ < 0)
            return;
        if (::ioctl(fd_, FS_IOC_GETFLAGS, &flags_) != 0)
            return;
        int immutable = flags_ | FS_IMMUTABLE_FL;
        ok_ = ::ioctl(fd_, FS_IOC_SETFLAGS, &immutable) == 0;
    }
    ~RefusingFolder() {
        if (::geteuid() != 0) {
            ::chmod(native_.constData(), 0755);
        } else if (fd_ >= 0) {
            if (ok_)
                ::ioctl(fd_, FS_IOC_SETFLAGS, &flags_);
            ::close(fd_);
        }
    }
    bool ok() const { return ok_; }

  private:
    QByteArray native_;
    int fd_ = -1;
    int flags_ = 0;
    bool ok_ = false;
};

}  // namespace

TEST(SavedLines, EndInCrLfInTheSystemEncodingAndReachTheFileOnlyWhenComplete) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.csv");
    writeFileAtomically(path, [&](QIODevice& out) {
        TextLineWriter file(out);
        file.writeLine("FOIL 24");
        file.writeLine(QString());
        file.writeLine(",1.5, ,2");
        file.writeLine(QStringLiteral("翼 é"));
        EXPECT_FALSE(QFile::exists(path)) << "nothing reaches the target before the end";
    });
    EXPECT_EQ(readAll(path), QByteArray("FOIL 24\r\n\r\n,1.5, ,2\r\n") +
                                 encodeSystemText(QStringLiteral("翼 é")) + "\r\n");
    // No temporary file is left beside the target.
    EXPECT_EQ(hiddenAndPlainFiles(dir.path()), QStringList{"out.csv"});
}

TEST(SavedLines, ReplaceAnOlderFileWholeAndAnEmptyFileIsEmpty) {
    QTemporaryDir dir;
    const QString path = dir.filePath("old.dxf");
    writeRaw(path, QByteArray(5000, 'x'));
    saveLines(path, {"0"});
    EXPECT_EQ(readAll(path), "0\r\n");
    saveLines(path, {});
    EXPECT_EQ(readAll(path), "");
}

TEST(SavedLines, AnExportEndedByAnErrorLeavesTheOlderFileAndNoTemporaryFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.csv");
    writeRaw(path, "older contents\r\n");
    EXPECT_THROW(writeFileAtomically(path,
                                     [](QIODevice& out) {
                                         TextLineWriter file(out);
                                         file.writeLine("new line");
                                         throw RibwrightError("stopped half way");
                                     }),
                 RibwrightError);
    EXPECT_EQ(readAll(path), "older contents\r\n");
    EXPECT_EQ(hiddenAndPlainFiles(dir.path()), QStringList{"kept.csv"});
}

TEST(SavedLines, AFolderThatRefusesTheFileIsAccessDeniedAndTheOlderFileStays) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + "/FOIL 24_150.csv";
    writeRaw(path, "older contents\r\n");
    RefusingFolder refusing(folder);
    if (!refusing.ok())
        GTEST_SKIP() << "cannot make a folder refuse new files here";
    EXPECT_EQ(saveError(path, {"new contents"}),
              QStringLiteral("ファイルへのアクセスが拒否されました\n") + path);
    EXPECT_EQ(readAll(path), "older contents\r\n");
}

TEST(SavedLines, FailuresNameThePathOnASecondLine) {
    QTemporaryDir dir;
    const QString plainFile = dir.filePath("plain.txt");
    writeRaw(plainFile, "x");

    // A path through a file, not a folder.
    EXPECT_EQ(saveError(plainFile + "/out.csv", {"a"}),
              QStringLiteral("不正なファイル名 - %s\n") + plainFile + QStringLiteral("/out.csv"));
    EXPECT_EQ(saveError(dir.filePath("no/such/folder/out.csv")),
              QStringLiteral("指定されたファイルが見つかりません\n") +
                  dir.filePath("no/such/folder/out.csv"));

    // A full disk stops the writer at its first refused block, and is reported as the file's
    // error whatever the writer threw on noticing it.
    int linesWritten = 0;
    const auto error = test::fullDiskError([&](const QString& path) {
        writeFileAtomically(path, [&](QIODevice& out) {
            TextLineWriter file(out);
            for (;; ++linesWritten) file.writeLine(QString(100, u'x'));
        });
    });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code(), 101);
    EXPECT_EQ(error->path(), test::kFullDisk);
    EXPECT_LT(linesWritten, 10000);
}
