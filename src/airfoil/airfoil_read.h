#pragma once

#include "platform/text_codec.h"

#include <QByteArray>
#include <QString>

namespace rw {

// An airfoil file holds a few hundred short lines; anything beyond this is no airfoil file and is
// refused before it fills the memory (a device such as /dev/zero never ends).
constexpr qsizetype kMaxAirfoilFileBytes = 4 * 1024 * 1024;

// Reads the file at `path` once, from its start to its end, so a pipe, a FIFO or /dev/stdin works
// like a file: everything about the file is then decided from these bytes. Throws FileError when
// it cannot be opened or read and RibwrightError when it holds more than kMaxAirfoilFileBytes.
QByteArray readAirfoilBytes(const QString& path);

// Decodes an airfoil file as decodeTextFile does, except that CP932 is taken only when the bytes
// hold a real double-byte character: a Latin-1 title whose accents happen to form lone half-width
// katakana between Latin letters is read as Windows-1252, so every desktop reads it alike.
QString decodeAirfoilBytes(const QByteArray& bytes, LegacyEncoding legacy);

}  // namespace rw
