#pragma once

#include "export/export_file.h"
#include "export/rib_exports.h"

namespace rw {

// Writes the few DXF entities the drawing uses, each as its fixed sequence of group-code and
// value lines. Layer, width, colour, text and text height come from the attribute texts as they
// stand; every coordinate is computed in double by the caller and rounded to single precision
// here, once, just before it is written.
class DxfEntityWriter {
  public:
    DxfEntityWriter(ExportFile& file, const DxfAttributes& attributes)
        : file_(file), attributes_(attributes) {}

    void header(double minX, double minY, double maxX, double maxY);
    void entitiesStart();
    void polylineStart();
    void vertex(double x, double y);
    void seqEnd();
    void text(double x, double y);
    void line(double x1, double y1, double x2, double y2);
    void circle(double x, double y, double radius);
    void end();

  private:
    void pair(const char* code, const QString& value);
    void pair(const char* code, const char* value);
    void coordinate(const char* code, double value);

    ExportFile& file_;
    const DxfAttributes& attributes_;
};

}  // namespace rw
