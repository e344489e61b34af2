#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

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

// Writes a settings file atomically. A FIFO or a device in its place is refused rather than
// written: writing into a FIFO would wait for a reader, and a device is no place for settings.
void writeSettingsFile(const QString& path, const QByteArray& data);

}  // namespace rw
