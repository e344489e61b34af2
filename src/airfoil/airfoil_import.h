#pragma once

#include "platform/text_codec.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

namespace rw {

// A published airfoil file turned into the text the parser reads.
struct AirfoilImport {
    QString text;         // lines ended by CR LF, ready for the text box and the parser
    QStringList changes;  // one short note per kind of change made; empty when none was needed
};

// Tidies a file opened from outside the library: decodes it without loss, drops notes after the
// coordinates and non-coordinate lines before them, splits the surfaces of a two-surface file by
// its counts line when the blank line between them is missing, titles a file without a title
// line from `fileName`, and writes short coordinate lines so the parser reads them. A file that
// already parses to the same profile and title comes back exactly as loading it from the
// library would give it. Throws RibwrightError naming the line when no profile can be made.
AirfoilImport importAirfoilFile(const QByteArray& bytes, const QString& fileName,
                                QChar decimalSeparator,
                                LegacyEncoding legacy = desktopLegacyEncoding());

// Reads the file at `path` and imports it. Throws FileError when it cannot be read.
AirfoilImport importAirfoilPath(const QString& path, QChar decimalSeparator,
                                LegacyEncoding legacy = desktopLegacyEncoding());

}  // namespace rw
