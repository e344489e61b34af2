#include "cli/output_targets.h"

#include "cli/cli_texts.h"
#include "platform/errors.h"
#include "platform/native_path.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace rw::cli {
namespace {

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

void checkTarget(const QString& path, const QString& outDir) {
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
        return;
    }
    if (::access(encodeNativePath(folder).constData(), W_OK | X_OK) != 0)
        throwFileError(path, errno);
    if (!statPath(target, st))
        return;  // a new file
    if (S_ISDIR(st.st_mode))
        throwFileError(path, EISDIR);
    if (::access(encodeNativePath(target).constData(), W_OK) != 0)
        throwFileError(path, errno);
}

}  // namespace

OutputTargets outputTargets(const CliOptions& options, const QString& stem) {
    OutputTargets targets{options.csvPath, options.dxfPath, options.imagePath,
                          options.pdfPath, options.svgPath, options.cutDxfPath};
    if (!options.outDir.isEmpty()) {
        const QDir dir(options.outDir);
        if (targets.csv.isEmpty())
            targets.csv = dir.filePath(stem + QStringLiteral(".csv"));
        if (targets.dxf.isEmpty())
            targets.dxf = dir.filePath(stem + QStringLiteral(".dxf"));
        if (targets.image.isEmpty())
            targets.image = dir.filePath(stem + QStringLiteral(".png"));
    }
    if (options.allWithOutDir) {
        const QDir dir(options.outDir);
        if (targets.pdf.isEmpty())
            targets.pdf = dir.filePath(stem + QStringLiteral(".pdf"));
        if (targets.svg.isEmpty())
            targets.svg = dir.filePath(stem + QStringLiteral(".svg"));
        if (targets.cutDxf.isEmpty())
            targets.cutDxf = dir.filePath(stem + QStringLiteral("_cut.dxf"));
    }
    return targets;
}

QString sameTargetTwice(const OutputTargets& targets) {
    const QStringList paths = targets.all();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        for (qsizetype j = i + 1; j < paths.size(); ++j) {
            if (!paths[i].isEmpty() && cleanAbsolute(paths[i]) == cleanAbsolute(paths[j]))
                return paths[j];
        }
    }
    return QString();
}

void checkTargetsWritable(const OutputTargets& targets, const QString& outDir) {
    for (const QString& path : targets.all()) checkTarget(path, outDir);
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
