#pragma once

#include "export/dxf_writer.h"
#include "export/text_lines.h"

namespace rw {

// Writes the few DXF entities the drawing uses, each as its fixed sequence of group-code and
// value lines. Like a plotter's pen, the writer holds the current layer, colour and line width;
// each entity is drawn with them as they stand. Every coordinate is computed in double by the
// caller and rounded to single precision here, once, just before it is written.
class DxfEntityWriter {
  public:
    DxfEntityWriter(TextLineWriter& file, DxfAttributes start)
        : file_(file), pen_(std::move(start)) {}

    void setLayer(const QString& layer) { pen_.layer = layer; }
    void setColour(const QString& colour) { pen_.colour = colour; }
    void setWidth(const QString& width) { width_ = width; }
    const DxfAttributes& pen() const { return pen_; }

    void header(double minX, double minY, double maxX, double maxY);
    void entitiesStart();
    void polylineStart();
    void vertex(double x, double y);
    void seqEnd();
    void text(double x, double y, const QString& text, const QString& height);
    void line(double x1, double y1, double x2, double y2);
    void circle(double x, double y, double radius);
    void end();

  private:
    void pair(const char* code, const QString& value);
    void pair(const char* code, const char* value);
    void coordinate(const char* code, double value);

    TextLineWriter& file_;
    DxfAttributes pen_;
    QString width_;
};

}  // namespace rw
