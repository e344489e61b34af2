#pragma once

#include "export/dxf_writer.h"
#include "export/output_options.h"
#include "geometry/rib_series.h"
#include "platform/data_folders.h"
#include "sheet/rib_job.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace rw {

// Every kind of file Ribwright writes.
enum class OutputFormat { Image, Csv, Dxf, Pdf, LaserSvg, CutDxf, RibTable };

// Everything one output reads: the job, its ribs, the output options, the drawn sheet (for the
// image) and the drawing attributes one DXF export hands to the next.
struct OutputSource {
    const RibJob& job;
    const RibSeries& series;
    const OutputOptions& options;
    const QImage& sheet;
    DxfAttributes& dxfAttributes;
};

// One row of the table of outputs: how the command line, the window and the engine know it.
struct OutputFormatRow {
    OutputFormat id;
    const char* option;        // the command line's option, "csv" for --csv
    QString (*optionHelp)();   // its line in the command line's usage
    QString extension;         // ends the proposed name ("_cut.dxf" keeps it apart from STEM.dxf)
    bool inPlainOutDir;        // --out-dir writes it without --all
    bool needsPieces;          // it draws the ribs as cut pieces
    const char* exportButton;  // the window's button that writes it
    const char* viewerButton;  // the window's button that opens a saved one, or null
    QString saveFilter;        // the window's save dialog, "DESC|PATTERN" pairs
    QString viewFilter;        // the window's open dialog of the viewer
    QString DataFolders::*folder;
    QString (*openQuestion)();  // asked once the window has written it
    bool backToAirfoilView;     // after the window opened the written file
    // Refuses, before any file of the run is written, what would stop this output part way.
    void (*check)(const OutputSource& source);
    // Every path `save` will write for `path` and `source`, in order, so that all of them can be
    // checked before the first file: one file per stock sheet for the workshop files (the
    // further ones named by stockSheetPath), the one path for the others.
    QStringList (*paths)(const QString& path, const OutputSource& source);
    // Writes the file atomically, and the further stock sheets beside it; returns every path
    // written, in order (none for an image path of another kind than .png or .jpg).
    QStringList (*save)(const QString& path, const OutputSource& source);
    bool stockSheets;   // writes one file per stock sheet, the further ones as stockSheetPath
    bool inAll = true;  // --out-dir --all writes it
};

// The rows in the order a run writes them: the image first (encoding it takes the most memory,
// so a run that runs short stops before the other files), then the coordinates, the drawing and
// the workshop files.
const std::vector<OutputFormatRow>& outputFormats();
const OutputFormatRow& outputFormat(OutputFormat id);

// Whether any of `formats` draws cut pieces, so the series must cut every rib.
bool anyNeedsPieces(const std::vector<OutputFormat>& formats);

}  // namespace rw
