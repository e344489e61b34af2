#pragma once

#include <QString>

// Every text the writers show the user, kept together so the wording is reviewed, and tested, in
// one place. (File errors are the platform's: platform/errors.h.)
namespace rw::export_texts {

QString sheetNotDrawn();  // an image export before any sheet was drawn
QString jpegFailed(const QString& reason);
QString pngCompressionFailed();

// The printed template's captions: under each rib, at the top of the first page, on each page.
QString printedRibCaption(int ribNumber, const QString& chordMm, const QString& airfoilName);
QString printAtFullScale();
QString printedPageLabel(int page, int pageCount, int row, int column);

// Refusals of the workshop layout.
QString ribTooThinToCut(int ribNumber);
QString ribDoesNotFitStock(int ribNumber, const QString& ribWidth, const QString& ribHeight,
                           const QString& stockWidth, const QString& stockHeight);
// A part gap (mm, as text) narrower than the kerf would let neighbours' cuts run together.
QString gapNarrowerThanKerf(const QString& gapMm, const QString& kerfMm);
// After nesting: how many stock sheets the parts take and what share of their area they use.
QString stockUsed(int sheets, int percent);

// A print of `pages` pages (a whole number, as text) is refused: at most `limit` are printed.
QString tooManyPrintedPages(const QString& pages, int limit);

// The building plan after the rib pages: its page label and title (the half span in mm, as
// text), its refusal without a span, and a plan of more than `limit` pages.
QString printedPlanPageLabel(int page, int pageCount, int row, int column);
QString printedPlanTitle(const QString& spanMm, int ribCount);
QString buildingPlanNeedsSpan();
QString tooManyBuildingPlanPages(const QString& pages, int limit);

// The command line's option of each output, for its usage text.
QString imageOptionHelp();
QString csvOptionHelp();
QString ribTableOptionHelp();
QString dxfOptionHelp();
QString pdfOptionHelp();
QString svgOptionHelp();
QString cutDxfOptionHelp();

// Asked after the window wrote a file: open it with the desktop's program for it?
QString openImageQuestion();
QString openSpreadsheetQuestion();
QString openDxfQuestion();
QString openPdfQuestion();
QString openSvgQuestion();

}  // namespace rw::export_texts
