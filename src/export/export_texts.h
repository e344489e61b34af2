#pragma once

#include <QString>

// Every text the writers show the user, kept together so the wording is reviewed, and tested, in
// one place. (File errors are the platform's: platform/errors.h.)
namespace rw::export_texts {

QString sheetNotDrawn();  // an image export before any sheet was drawn
QString jpegFailed(const QString& reason);
QString pngCompressionFailed();

}  // namespace rw::export_texts
