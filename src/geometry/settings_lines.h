#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <set>

namespace rw {

// The key=value lines of a small settings file, read as any editor may have saved them.
struct SettingsLines {
    QStringList lines;                 // the file's lines as they stand
    QStringList problems;              // one per line that does not read, named by its number
    QStringList unknownLines;          // keys this version does not know, to be written back
    std::map<QString, int> lineOfKey;  // the line (from 1) each value taken stood on
};

// Reads `bytes` after a byte-order mark, lines ended by CR LF, LF or CR. Blank lines, and a first
// line naming the file by `firstKey`, pass. A key not in `knownKeys` is kept as it stands. The
// first value of a key stands, given to `apply`, which says whether it reads; every other line
// is a problem.
SettingsLines readSettingsLines(
    const QByteArray& bytes, const char* firstKey, const std::set<QString>& knownKeys,
    const std::function<bool(const QString& key, const QString& value)>& apply);

}  // namespace rw
