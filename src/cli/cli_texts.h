#pragma once

#include <QString>

// The exporter's own messages and its usage texts (the engine's come from its layers). Kept
// together so the wording is reviewed, and tested, in one place.
namespace rw::cli_texts {

// An airfoil file in a 16- or 32-bit encoding (`encoding` names it, e.g. "UTF-16LE").
QString wideEncodingRefused(const QString& encoding, const QString& path);
QString outputFolderNotCreated(const QString& folder);
// A file of a batch whose files (named by `name`, a stem or a path) an earlier file of the batch
// already wrote.
QString earlierFileWrote(const QString& name);
// Two outputs of one run name the same file.
QString sameFileTwice(const QString& path);
// An output would write over an airfoil file the run reads.
QString outputIsInput(const QString& output, const QString& input);
// The title was cut to `length` characters for the sheet and the file names.
QString titleCut(int length);
// A further stock sheet of an earlier run, which this run did not write, was removed.
QString staleSheetRemoved(const QString& path);
// Heads the list of the files a run wrote before a write failed.
QString writtenBeforeFailure();
// Names standard output in a file error, where a path would stand.
QString standardOutputName();
// Ends every usage error: where the options are explained.
QString usageHint();

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
QString kerfDescription();
QString sidesDescription();
QString copiesDescription();
QString gapDescription();
QString nestDescription();
QString allDescription();
QString langDescription();
QString spanDescription();
QString planformDescription();
QString sweepDescription();
QString minTipChordDescription();
QString stationsDescription();
QString tipAirfoilDescription();
QString planDescription();
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
QString badKerf(const QString& typed);
QString badSides(const QString& typed);
QString badCopies(const QString& typed);
QString badGap(const QString& typed);
QString gapBelowKerf(const QString& gap, const QString& kerf);
QString allNeedsOutDir();
QString nothingToWrite(const QString& pathOptions);

}  // namespace rw::cli_texts
