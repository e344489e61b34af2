#pragma once

#include "geometry/rib_features.h"
#include "platform/data_folders.h"

#include <QByteArray>
#include <QString>

namespace rw {

// The rib details are remembered between runs in a small text file in the data folder: a first
// line naming the file, then one `key=value` line per value set, each feature's key and text as
// its unit gives them (geometry/features/feature_units.h), which are the command line's too.
QString ribFeaturesFilePath(const DataFolders& folders);

QByteArray ribFeaturesFileText(const RibFeatures& features);

// What loading found. A missing file gives the defaults quietly (the first run); a file that
// cannot be read or does not parse gives the defaults and `message`, for the caller to show.
struct RibFeaturesLoad {
    RibFeatures features;
    QString message;  // empty when nothing needs saying
};

RibFeaturesLoad loadRibFeatures(const QString& path);

// Written atomically: an interrupted save leaves the previous file. Throws FileError.
void saveRibFeatures(const QString& path, const RibFeatures& features);

}  // namespace rw
