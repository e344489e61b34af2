#include "export/export_file.h"

#include "platform/errors.h"
#include "platform/text_codec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray& b, std::ostream* os) {
    *os << '"' << b.toStdString() << '"';
}

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

// The text of the FileError that closing `file` raises, or "(written)".
QString closeError(ExportFile& file) {
    try {
        file.close();
    } catch (const FileError& e) {
        return e.text();
    }
    return QStringLiteral("(written)");
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

TEST(ExportFile, LinesEndInCrLfInTheSystemEncodingWrittenOnlyAtClose) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.csv");
    ExportFile file(path);
    file.writeLine("FOIL 24");
    file.writeLine(QString());
    file.writeLine(",1.5, ,2");
    file.writeLine(QStringLiteral("翼 é"));
    EXPECT_FALSE(QFile::exists(path)) << "nothing reaches the disk before close";
    file.close();
    EXPECT_EQ(readAll(path), QByteArray("FOIL 24\r\n\r\n,1.5, ,2\r\n") +
                                 encodeSystemText(QStringLiteral("翼 é")) + "\r\n");
    // No temporary file is left beside the target.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.csv"});
}

TEST(ExportFile, ReplacesAnOlderFileWholeAndAnEmptyFileIsEmpty) {
    QTemporaryDir dir;
    const QString path = dir.filePath("old.dxf");
    writeRaw(path, QByteArray(5000, 'x'));
    ExportFile file(path);
    file.writeLine("0");
    file.close();
    EXPECT_EQ(readAll(path), "0\r\n");

    ExportFile empty(path);
    empty.close();
    EXPECT_EQ(readAll(path), "");
}

TEST(ExportFile, AnExportAbandonedBeforeCloseLeavesTheOlderFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.csv");
    writeRaw(path, "older contents\r\n");
    {
        ExportFile file(path);
        file.writeLine("new line");
        // An error in the middle of an export leaves without closing.
    }
    EXPECT_EQ(readAll(path), "older contents\r\n");
}

TEST(ExportFile, AFolderThatRefusesTheFileIsAccessDeniedAndTheOlderFileStays) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + "/FOIL 24_150.csv";
    writeRaw(path, "older contents\r\n");
    RefusingFolder refusing(folder);
    if (!refusing.ok())
        GTEST_SKIP() << "cannot make a folder refuse new files here";
    ExportFile file(path);
    file.writeLine("new contents");
    EXPECT_EQ(closeError(file), QStringLiteral("ファイルへのアクセスが拒否されました\n") + path);
    EXPECT_EQ(readAll(path), "older contents\r\n");
}

TEST(ExportFile, FailuresNameThePathOnASecondLine) {
    QTemporaryDir dir;
    const QString plainFile = dir.filePath("plain.txt");
    writeRaw(plainFile, "x");

    ExportFile underFile(plainFile + "/out.csv");  // a path through a file, not a folder
    underFile.writeLine("a");
    EXPECT_EQ(closeError(underFile),
              QStringLiteral("不正なファイル名 - %s\n") + plainFile + QStringLiteral("/out.csv"));

    ExportFile missingFolder(dir.filePath("no/such/folder/out.csv"));
    EXPECT_EQ(closeError(missingFolder), QStringLiteral("指定されたファイルが見つかりません\n") +
                                             dir.filePath("no/such/folder/out.csv"));

    ExportFile full("/dev/full");
    full.writeLine("a full disk refuses even one line");
    try {
        full.close();
        FAIL() << "writing to /dev/full succeeded";
    } catch (const FileError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("ディスクがいっぱいです\n/dev/full"));
        EXPECT_EQ(e.code(), 101);
        EXPECT_EQ(e.path(), "/dev/full");
    }
}
