#pragma once

// /dev/full takes no bytes: every writer must end with the file's own disk-full error naming the
// path, not with whatever its encoder or stream made of the refusal.
#include "platform/errors.h"

#include <QString>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace rw::test {

inline const QString kFullDisk = QStringLiteral("/dev/full");

// Runs `write` on `path` (the full device or a link to it) and checks the error; returns it for
// further checks, or nothing when no error came.
inline std::optional<FileError> fullDiskError(const std::function<void(const QString&)>& write,
                                              const QString& path = kFullDisk) {
    try {
        write(path);
        ADD_FAILURE() << "no error from a full disk at " << path.toStdString();
    } catch (const FileError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("ディスクがいっぱいです\n") + path);
        return e;
    }
    return std::nullopt;
}

}  // namespace rw::test
