#pragma once

#include <QString>

// The exporter's own Japanese messages (the engine's come from its layers). Kept together so the
// wording is reviewed, and tested, in one place.
namespace rw::cli_texts {

// An airfoil file in a 16- or 32-bit encoding (`encoding` names it, e.g. "UTF-16LE").
QString wideEncodingRefused(const QString& encoding, const QString& path);
QString outputFolderNotCreated(const QString& folder);

}  // namespace rw::cli_texts
