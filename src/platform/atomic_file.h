#pragma once

#include "platform/errors.h"

#include <QByteArray>
#include <QFileInfo>
#include <QIODevice>
#include <QString>

#include <functional>
#include <new>

namespace rw {

// How a failure to write a file is worded for the user.
enum class FileErrorWording {
    ErrorCode,      // the text for the error code, then the path on a line of its own
    ImageCreation,  // ファイル "%s" を作成できません。%s when the file cannot be created
};

// Saves a file so that the target is never left half-written: `write` streams the content into a
// temporary file beside the target, which replaces it only when `write` returns and everything
// reached the disk. Any failure, an exception out of `write` or SIGINT/SIGTERM meanwhile removes
// the temporary file and leaves an older file as it was; failures throw FileError (a failed write
// inside `write` is reported as that file error, whatever `write` threw on noticing it).
//
// The target is treated as opening it for writing would treat it: a file that may not be written
// is refused (access denied), a symbolic link is followed to the file it points at, a replaced
// file keeps its permissions, and a target that is not a regular file (a device such as
// /dev/full) is written in place, since a rename cannot replace it.
void writeFileAtomically(const QString& path, const std::function<void(QIODevice&)>& write,
                         FileErrorWording wording = FileErrorWording::ErrorCode);
void writeFileAtomically(const QString& path, const QByteArray& data,
                         FileErrorWording wording = FileErrorWording::ErrorCode);

// Reads a whole file; throws FileError when it exists but cannot be read.
QByteArray readWholeFile(const QString& path);

// Reads a small settings file: only a regular file (a link is followed) of at most `limit` bytes.
// A FIFO, a device or a folder is refused before it is opened, and the open never waits, so a
// pipe put in the file's place cannot hang the program; a file larger than `limit` is refused
// unread. Throws FileError with the reason and the path.
QByteArray readSmallRegularFile(const QString& path, qint64 limit);

// Reads the settings file at `path` (see readSmallRegularFile) through `parse`. A missing file
// gives `Read{}`, the defaults of a first run; one that cannot be read, or not held in memory,
// gives `unreadable(reason)`, the reason in one line (whoever shows it names the file).
template <typename Read, typename Parse, typename Unreadable>
Read readSettingsFile(const QString& path, qint64 limit, Parse parse, Unreadable unreadable) {
    if (!QFileInfo::exists(path))
        return Read{};
    try {
        return parse(readSmallRegularFile(path, limit));
    } catch (const FileError& error) {
        return unreadable(error.text().section(QLatin1Char('\n'), 0, 0));
    } catch (const std::bad_alloc&) {
        return unreadable(outOfMemoryText());
    }
}

// Writes a settings file atomically. A FIFO or a device in its place is refused rather than
// written: writing into a FIFO would wait for a reader, and a device is no place for settings.
void writeSettingsFile(const QString& path, const QByteArray& data);

}  // namespace rw
