#pragma once

#include "geometry/rib_features.h"
#include "platform/data_folders.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace rw {

// The rib details are remembered between runs in a small text file in the data folder: a first
// line naming the file and its version, then one `key=value` line per value set, each feature's
// key and text as its unit gives them (geometry/features/feature_units.h), which are the command
// line's too.
QString ribFeaturesFilePath(const DataFolders& folders);

// The file's text; `keptLines` (lines this version does not know) follow the values unchanged.
QByteArray ribFeaturesFileText(const RibFeatures& features,
                               const QList<QByteArray>& keptLines = {});

// The most a rib details file may hold: a few lines are all it ever needs, and a larger file is
// not read at all.
constexpr qint64 kRibFeaturesFileLimit = 64 * 1024;

// What loading found. A missing file gives the defaults quietly (the first run). A file that
// cannot be read (not a regular file, too large, not named on its first line) gives the
// defaults; a line that does not read is skipped and the rest is used. `message` says what was
// left out, for the caller to show.
struct RibFeaturesLoad {
    RibFeatures features;
    QString message;  // empty when nothing needs saying
    // The first line names a later version of the file: what this version knows of it is read,
    // and the file is not to be replaced without asking.
    bool newerVersion = false;
    // Lines whose key this version does not know, as they stand in the file.
    QList<QByteArray> keptLines;
};

RibFeaturesLoad loadRibFeatures(const QString& path);

// True when the file at `path` was written by a later version (see RibFeaturesLoad).
bool ribFeaturesFileIsNewer(const QString& path);

// Written atomically: an interrupted save leaves the previous file. The lines of the file it
// replaces that this version does not know are kept. Throws FileError, also when something other
// than a regular file (a FIFO, a device) stands at `path`.
void saveRibFeatures(const QString& path, const RibFeatures& features);

}  // namespace rw
