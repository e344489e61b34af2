#pragma once

#include <QString>

// The exporter's own messages and its usage texts (the engine's come from its layers). Kept
// together so the wording is reviewed, and tested, in one place.
namespace rw::cli_texts {

// An airfoil file in a 16- or 32-bit encoding (`encoding` names it, e.g. "UTF-16LE").
QString wideEncodingRefused(const QString& encoding, const QString& path);
QString outputFolderNotCreated(const QString& folder);
// A file of a batch whose proposed names an earlier file of the batch already wrote.
QString stemAlreadyWritten(const QString& stem);
// Two outputs of one run name the same file.
QString sameFileTwice(const QString& path);

// The usage texts: what the exporter does, its argument, and each option's description.
QString applicationDescription();
QString airfoilFileDescription();
QString rootChordDescription();
QString tipChordDescription();
QString ribsDescription();
QString noTaperDescription();
QString skinDescription();
QString sparDescription();
QString rootThicknessDescription();
QString tipThicknessDescription();
QString pointsDescription();
QString noSparLineDescription();
QString noGridDescription();
QString sheetDescription();
QString outDirDescription();
QString nameDescription();
QString paperDescription();
QString stockDescription();
QString allDescription();
QString asPastedDescription();
QString helpDescription();

// Usage errors. `pathOptions` lists the options that name an output file.
QString qtOptionRefused(const QString& option);
QString airfoilFileNeeded();
QString severalFilesNeedOutDir(const QString& pathOptions);
QString badSheetSize(int maxSide, const QString& typed);
QString imageNeedsExtension(const QString& path);
QString badPaper(const QString& typed);
QString badStock(const QString& typed);
QString allNeedsOutDir();
QString nothingToWrite(const QString& pathOptions);

}  // namespace rw::cli_texts
