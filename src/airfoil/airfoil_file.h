#pragma once

#include "airfoil/airfoil_data.h"
#include "platform/text_codec.h"

#include <optional>

namespace rw {

// Texts of 100 characters or fewer are never written.
constexpr int kAirfoilSaveThreshold = 100;

// Writes the source lines, each followed by CR LF, in the system encoding, atomically; does
// nothing when state.text has kAirfoilSaveThreshold characters or fewer. Throws FileError.
// Returns whether a file was written.
bool saveAirfoilText(const AirfoilState& state, const QString& path);

// The text with every line, the last one too, ended by CR LF; lines end at LF or CR LF.
QString withCrLfLineEnds(const QString& raw);

// Reads a text file whose lines end at LF or CR LF; the result has CR LF after every line.
// The bytes are decoded without loss (decodeAirfoilBytes): UTF-8, else the legacy encoding.
// Throws RibwrightError beyond kMaxAirfoilFileBytes.
// std::nullopt when no file exists at the path. Throws FileError when it cannot be read.
std::optional<QString> loadAirfoilText(const QString& path,
                                       LegacyEncoding legacy = desktopLegacyEncoding());

// The bytes of an airfoil file, read once already, as loadAirfoilText would give them.
QString airfoilTextFromBytes(const QByteArray& bytes,
                             LegacyEncoding legacy = desktopLegacyEncoding());

// The library entry name cut from a title: control characters become spaces, then it is cut at
// "(", ".", "%", "/" in turn, trimming after each.
QString libraryEntryName(const QString& title);

}  // namespace rw
