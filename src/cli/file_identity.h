#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace rw::cli {

// Which file a path names as the system resolves it, however it is spelled or linked. A file
// that exists is its device and inode; one that does not exist yet is the nearest folder above
// it that exists and the names below it, after following a link to where it points (opening
// the link for writing would create that file).
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    QByteArray below;  // the names under that folder, empty for an existing file
    bool operator==(const FileIdentity&) const = default;
};

FileIdentity fileIdentity(const QString& path);

}  // namespace rw::cli
