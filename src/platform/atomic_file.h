#pragma once

#include <QByteArray>
#include <QString>

namespace rw {

// How a failure to write a file is worded for the user.
enum class FileErrorWording {
    MessageTable,  // the text of the message table for the error code, then the path
    ImageCreation,  // ファイル "%s" を作成できません。%s when the file cannot be created
};

// Writes `data` to `path` so that the target is never left half-written: the bytes go to a
// temporary file beside the target, which replaces it only when complete. A failure removes the
// temporary file, leaves any older file intact and throws FileError.
// A target that exists but is not a regular file (a device such as /dev/full) is written in place,
// since it cannot be replaced by a rename.
void writeFileAtomically(const QString& path, const QByteArray& data,
                         FileErrorWording wording = FileErrorWording::MessageTable);

// Reads a whole file; throws FileError (worded from the message table) when it exists but cannot
// be read.
QByteArray readWholeFile(const QString& path);

}  // namespace rw
