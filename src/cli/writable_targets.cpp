#include "cli/writable_targets.h"

#include "cli/cli_texts.h"
#include "platform/errors.h"
#include "platform/native_path.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace rw::cli {
namespace {

// The atomic writer's temporary file is the name behind a dot with ".XXXXXX" after it.
constexpr qsizetype kTemporaryExtra = 8;

QString cleanAbsolute(const QString& path) {
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

[[noreturn]] void throwFileError(const QString& path, int errnoValue) {
    const int code = fileErrorCodeFromErrno(errnoValue);
    throw FileError(fileErrorText(code) + QLatin1Char('\n') + QDir::toNativeSeparators(path), code,
                    path, QString::fromLocal8Bit(std::strerror(errnoValue)));
}

[[noreturn]] void throwFolderError(const QString& outDir, int errnoValue) {
    throw FileError(cli_texts::outputFolderNotCreated(outDir), fileErrorCodeFromErrno(errnoValue),
                    outDir, QString::fromLocal8Bit(std::strerror(errnoValue)));
}

bool statPath(const QString& path, struct stat& st) {
    return ::stat(encodeNativePath(path).constData(), &st) == 0;
}

// The nearest folder at or above `folder` that exists: the one a missing output folder would be
// made in. Empty when something that is not a folder is in the way.
QString nearestExistingFolder(QString folder, int& error) {
    for (;;) {
        struct stat st {};
        if (statPath(folder, st)) {
            error = S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
            return error == 0 ? folder : QString();
        }
        if (errno != ENOENT) {
            error = errno;
            return QString();
        }
        const QString parent = QFileInfo(folder).path();
        if (parent == folder) {
            error = ENOENT;
            return QString();
        }
        folder = parent;
    }
}

// The name must fit the folder it goes in (asked of `existingFolder`, the folder itself or the
// one it will be made in), and the path as the writer opens it, with the temporary beside it,
// must fit PATH_MAX.
void checkNameLength(const QString& path, const QString& existingFolder) {
    const QByteArray native = encodeNativePath(path);
    const qsizetype slash = native.lastIndexOf('/');
    const qsizetype nameLength = native.size() - slash - 1;
    long nameMax = ::pathconf(encodeNativePath(existingFolder).constData(), _PC_NAME_MAX);
    if (nameMax <= 0)
        nameMax = NAME_MAX;
    if (nameLength > nameMax)
        throwFileError(path, ENAMETOOLONG);
    // A long name is shortened in the temporary's name; a short one gains its extra bytes.
    const qsizetype temporaryName = std::min<qsizetype>(nameLength + kTemporaryExtra, nameMax);
    if ((slash + 1) + temporaryName + 1 > PATH_MAX)
        throwFileError(path, ENAMETOOLONG);
}

void checkFile(const QString& path, const QString& outDir) {
    if (path.isEmpty())
        return;
    const QString target = cleanAbsolute(path);
    const QString folder = QFileInfo(target).path();
    const bool inOutDir = !outDir.isEmpty() && folder == cleanAbsolute(outDir);
    struct stat st {};
    if (inOutDir && !statPath(folder, st)) {
        // Made before writing: it must be possible to make it where it is missing.
        int error = 0;
        const QString existing = nearestExistingFolder(folder, error);
        if (existing.isEmpty())
            throwFolderError(outDir, error);
        if (::access(encodeNativePath(existing).constData(), W_OK | X_OK) != 0)
            throwFolderError(outDir, errno);
        checkNameLength(path, existing);
        return;
    }
    if (::access(encodeNativePath(folder).constData(), W_OK | X_OK) != 0)
        throwFileError(path, errno);
    checkNameLength(path, folder);
    if (!statPath(target, st))
        return;  // a new file
    if (S_ISDIR(st.st_mode))
        throwFileError(path, EISDIR);
    if (::access(encodeNativePath(target).constData(), W_OK) != 0)
        throwFileError(path, errno);
}

}  // namespace

void checkFilesWritable(const QStringList& files, const QString& outDir) {
    for (const QString& file : files) checkFile(file, outDir);
}

void makeOutputFolder(const QString& outDir) {
    if (outDir.isEmpty())
        return;
    const QByteArray native = encodeNativePath(cleanAbsolute(outDir));
    // Each prefix that ends before a slash, and the whole path.
    for (qsizetype end = 1; end <= native.size(); ++end) {
        if (end < native.size() && native[end] != '/')
            continue;
        const QByteArray prefix = native.left(end);
        if (::mkdir(prefix.constData(), 0777) == 0 || errno == EEXIST)
            continue;
        throwFolderError(outDir, errno);
    }
    struct stat st {};
    if (!statPath(outDir, st) || !S_ISDIR(st.st_mode))
        throwFolderError(outDir, ENOTDIR);
}

}  // namespace rw::cli
