#include "platform/atomic_file.h"

#include "platform/errors.h"
#include "platform/native_path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include "platform/descriptor_sink.h"
#include "platform/temp_file_cleanup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rw {
namespace {

// The error texts do not say which file failed, and the program writes several without asking
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

// A file refused for what it is rather than for a system error: the reason, then the path.
[[noreturn]] void refuseToRead(const QString& path, const QString& reason, int errnoValue) {
    throw FileError(reason + QLatin1Char('\n') + QDir::toNativeSeparators(path),
                    fileErrorCodeFromErrno(errnoValue), path, reason);
}

[[noreturn]] void refuseTooLarge(const QString& path, qint64 limit) {
    refuseToRead(path, fileTooLargeText((limit + 1023) / 1024), EOVERFLOW);
}

#ifdef Q_OS_UNIX
// The file the save ends up in. A symbolic link is followed to its file, also to one that does not
// exist yet, which opening the link for writing would create.
QString resolvedTarget(const QString& path) {
    QString target = path;
    for (int hops = 0; hops < 40; ++hops) {  // the kernel's own limit on links in a row
        const QFileInfo info(target);
        if (!info.isSymLink())
            break;
        target = info.symLinkTarget();
    }
    return target;
}

// A temporary name is the target's name behind a dot with six random characters after it. A long
// name loses the end of its stem instead, so every name the folder accepts can be saved.
QByteArray temporaryNameTemplate(const QByteArray& native) {
    // Split as bytes: the toolkit's path handling would turn a name that is not UTF-8 into
    // another one.
    const qsizetype slash = native.lastIndexOf('/');
    const QByteArray folder = slash < 0    ? QByteArray(".")
                              : slash == 0 ? QByteArray("/")
                                           : native.left(slash);
    QByteArray stem = native.mid(slash + 1);
    long nameMax = ::pathconf(folder.constData(), _PC_NAME_MAX);
    if (nameMax <= 0)
        nameMax = 255;
    const qsizetype room = std::max<qsizetype>(1, qsizetype(nameMax) - 8);  // "." and ".XXXXXX"
    if (stem.size() > room)
        stem.truncate(room);
    return folder + (folder.endsWith('/') ? "." : "/.") + stem + ".XXXXXX";
}

// Runs `write` into the descriptor. Returns the errno of the first failed write, 0 when every byte
// was written; any other exception out of `write` is passed on.
int streamInto(int fd, const std::function<void(QIODevice&)>& write) {
    DescriptorSink sink(fd);
    try {
        write(sink);
    } catch (...) {
        if (sink.failedErrno() != 0)
            return sink.failedErrno();
        throw;
    }
    return sink.flushBlock() ? 0 : sink.failedErrno();
}

void writeInPlace(const QByteArray& native, const QString& path,
                  const std::function<void(QIODevice&)>& write, FileErrorWording wording) {
    const int fd = ::open(native.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        fail(path, errno, true, wording);
    int failed = 0;
    try {
        failed = streamInto(fd, write);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (failed != 0) {
        ::close(fd);
        fail(path, failed, false, wording);
    }
    if (::close(fd) != 0)
        fail(path, errno, false, wording);
}

mode_t modeForNewFile() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}
#endif

}  // namespace

void writeFileAtomically(const QString& path, const std::function<void(QIODevice&)>& write,
                         FileErrorWording wording) {
#ifdef Q_OS_UNIX
    const QString target = resolvedTarget(path);
    const QByteArray native = encodeNativePath(target);

    struct stat st {};
    const bool exists = ::stat(native.constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        fail(path, EISDIR, true, wording);
    if (exists && !S_ISREG(st.st_mode)) {
        writeInPlace(native, path, write, wording);
        return;
    }
    // A rename would replace a file that opening for writing refuses: refuse it the same way.
    if (exists && ::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0)
        fail(path, errno, true, wording);

    QByteArray temp = temporaryNameTemplate(native);
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        fail(path, errno, true, wording);
    PendingTempFile pending(temp);
    auto discard = [&](int e, bool closed) {
        if (!closed)
            ::close(fd);
        ::unlink(temp.constData());
        fail(path, e, false, wording);
    };
    // A replaced file keeps its mode, and its owner where that may be given back (as root); an
    // ordinary user saving over another's writable file becomes its owner.
    if (exists && ::fchown(fd, st.st_uid, st.st_gid) != 0 && errno != EPERM)
        discard(errno, false);
    if (::fchmod(fd, exists ? (st.st_mode & 07777) : modeForNewFile()) != 0)
        discard(errno, false);
    int failed = 0;
    try {
        failed = streamInto(fd, write);
    } catch (...) {
        ::close(fd);
        ::unlink(temp.constData());
        throw;
    }
    if (failed != 0)
        discard(failed, false);
    if (::fsync(fd) != 0)
        discard(errno, false);
    if (::close(fd) != 0)
        discard(errno, true);
    if (::rename(temp.constData(), native.constData()) != 0) {
        const int e = errno;
        ::unlink(temp.constData());
        fail(path, e, true, wording);
    }
    pending.release();
#else
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const int code = file.error() == QFileDevice::PermissionsError ? 5 : 2;
        throwFileError(path, code, file.errorString(), true, wording);
    }
    write(file);
    if (!file.commit())
        throwFileError(path, 101, file.errorString(), false, wording);
#endif
}

void writeFileAtomically(const QString& path, const QByteArray& data, FileErrorWording wording) {
    writeFileAtomically(
        path, [&data](QIODevice& device) { device.write(data); }, wording);
}

QByteArray readWholeFile(const QString& path) {
    QFile file;
    errno = 0;
#ifdef Q_OS_UNIX
    const int fd = ::open(encodeNativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    const bool opened = fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
#else
    file.setFileName(path);
    const bool opened = file.open(QIODevice::ReadOnly);
#endif
    if (!opened) {
        const int e = errno != 0 ? errno : EACCES;
        fail(path, e, false, FileErrorWording::ErrorCode);
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(path, errno != 0 ? errno : EIO, false, FileErrorWording::ErrorCode);
    return bytes;
}

void writeSettingsFile(const QString& path, const QByteArray& data) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        throw FileError(notARegularFileText() + QLatin1Char('\n') + QDir::toNativeSeparators(path),
                        fileErrorCodeFromErrno(ENODEV), path, notARegularFileText());
    }
    writeFileAtomically(path, data);
}

QByteArray readSmallRegularFile(const QString& path, qint64 limit) {
#ifdef Q_OS_UNIX
    const QByteArray native = encodeNativePath(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        fail(path, errno, false, FileErrorWording::ErrorCode);
    if (S_ISDIR(st.st_mode))
        fail(path, EISDIR, false, FileErrorWording::ErrorCode);
    if (!S_ISREG(st.st_mode))
        refuseToRead(path, notARegularFileText(), ENODEV);
    if (st.st_size > limit)
        refuseTooLarge(path, limit);
    // The name may have been given to a FIFO since: opened without waiting for a writer, and
    // checked again on the descriptor.
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        fail(path, errno, false, FileErrorWording::ErrorCode);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (::fstat(fd, &st) != 0)
        fail(path, errno, false, FileErrorWording::ErrorCode);
    if (!S_ISREG(st.st_mode))
        refuseToRead(path, notARegularFileText(), ENODEV);

    // Read to the end rather than to the size seen: the file may grow meanwhile.
    QByteArray bytes;
    char chunk[16384];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fail(path, errno, false, FileErrorWording::ErrorCode);
        if (got == 0)
            return bytes;
        if (bytes.size() + got > limit)
            refuseTooLarge(path, limit);
        bytes.append(chunk, got);
    }
#else
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        refuseToRead(path, notARegularFileText(), ENODEV);
    if (info.size() > limit)
        refuseTooLarge(path, limit);
    QByteArray bytes = readWholeFile(path);
    if (bytes.size() > limit)
        refuseTooLarge(path, limit);
    return bytes;
#endif
}

}  // namespace rw
