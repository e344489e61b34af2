#include "platform/atomic_file.h"

#include "platform/errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rw {
namespace {

// The table's texts do not say which file failed, and the program writes several without asking
// (the last-run file on every paste): the path follows on a line of its own.
[[noreturn]] void throwFileError(const QString& path, int code, const QString& reason,
                                 bool creating, FileErrorWording wording) {
    const QString text =
        creating && wording == FileErrorWording::ImageCreation
            ? imageCreateErrorText(path, reason)
            : fileErrorText(code) + QLatin1Char('\n') + QDir::toNativeSeparators(path);
    throw FileError(text, code, path, reason);
}

[[noreturn]] void fail(const QString& path, int errnoValue, bool creating,
                       FileErrorWording wording) {
    throwFileError(path, fileErrorCodeFromErrno(errnoValue),
                   QString::fromLocal8Bit(std::strerror(errnoValue)), creating, wording);
}

#ifdef Q_OS_UNIX
bool writeAll(int fd, const QByteArray& data) {
    const char* p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, p, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += written;
        left -= written;
    }
    return true;
}

void writeInPlace(const QByteArray& native, const QString& path, const QByteArray& data,
                  FileErrorWording wording) {
    const int fd = ::open(native.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        fail(path, errno, true, wording);
    if (!writeAll(fd, data)) {
        const int e = errno;
        ::close(fd);
        fail(path, e, false, wording);
    }
    if (::close(fd) != 0)
        fail(path, errno, false, wording);
}
#endif

}  // namespace

void writeFileAtomically(const QString& path, const QByteArray& data, FileErrorWording wording) {
#ifdef Q_OS_UNIX
    // Replace the file a link points to, not the link itself.
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink() && info.exists())
        target = info.canonicalFilePath();
    const QByteArray native = QFile::encodeName(target);

    struct stat st {};
    const bool exists = ::stat(native.constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        fail(path, EISDIR, true, wording);
    if (exists && !S_ISREG(st.st_mode)) {
        writeInPlace(native, path, data, wording);
        return;
    }

    const QFileInfo targetInfo(target);
    QByteArray temp = QFile::encodeName(targetInfo.absolutePath()) + "/." +
                      QFile::encodeName(targetInfo.fileName()) + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        const int e = errno;
        // A name the folder cannot hold is reported as a bad name rather than as the temp's fault.
        fail(path, e, true, wording);
    }
    auto discard = [&](int e) {
        ::close(fd);
        ::unlink(temp.constData());
        fail(path, e, false, wording);
    };
    // Keep the permissions an existing file had; new files get the usual 0666 less the umask.
    mode_t mode = exists ? (st.st_mode & 07777) : 0;
    if (!exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0)
        discard(errno);
    if (!writeAll(fd, data))
        discard(errno);
    if (::fsync(fd) != 0)
        discard(errno);
    if (::close(fd) != 0) {
        const int e = errno;
        ::unlink(temp.constData());
        fail(path, e, false, wording);
    }
    if (::rename(temp.constData(), native.constData()) != 0) {
        const int e = errno;
        ::unlink(temp.constData());
        fail(path, e, true, wording);
    }
#else
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const int code = file.error() == QFileDevice::PermissionsError ? 5 : 2;
        throwFileError(path, code, file.errorString(), true, wording);
    }
    if (file.write(data) != data.size() || !file.commit())
        throwFileError(path, 101, file.errorString(), false, wording);
#endif
}

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        const int e = errno != 0 ? errno : EACCES;
        fail(path, e, false, FileErrorWording::MessageTable);
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(path, errno != 0 ? errno : EIO, false, FileErrorWording::MessageTable);
    return bytes;
}

}  // namespace rw
