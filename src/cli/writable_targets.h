#pragma once

#include <QString>
#include <QStringList>

namespace rw::cli {

// Checks, before anything is written, what the system can tell without writing, for every file
// of the run: its folder exists (or, for the output folder, can be made) and may be written in;
// the file is not a folder nor a file that may not be written; its name fits the folder's
// NAME_MAX and the path, with the temporary file written beside it, fits PATH_MAX. Throws
// FileError naming the path, worded as the writers word the same failure.
void checkFilesWritable(const QStringList& files, const QString& outDir);

// Makes the output folder and any missing folders above it, as mkdir -p would. Throws FileError.
void makeOutputFolder(const QString& outDir);

}  // namespace rw::cli
