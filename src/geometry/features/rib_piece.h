#pragma once

#include "geometry/clipper_units.h"
#include "geometry/contour_section.h"
#include "geometry/rib_cut.h"

#include <QString>
#include <QStringList>

namespace rw {

// How far a cutter reaches past the rib so its far edge never touches the contour.
constexpr double kCutterOverreach = 1.0;  // mm

// The cut contour of one rib while its features are worked into it, with the extent of its outer
// contour kept up to date. The piece always stays one piece: a feature that splits it, empties it
// or leaves a separate part is refused in that feature's name.
class RibPiece {
  public:
    RibPiece(RibCut cut, float ribChord, int ribNumber);

    const RibCut& cut() const { return cut_; }
    float ribChord() const { return ribChord_; }
    int ribNumber() const { return ribNumber_; }
    ContourSpan span() const { return span_; }
    double lowest() const { return lowest_; }
    double highest() const { return highest_; }

    // The rectangle on the polygon grid, for a cutter or an addition.
    ClipperLib::Path rectangle(double left, double bottom, double right, double top) const;

    // Removes `cutters` from the piece; refused when nothing or more than one piece is left.
    void cutAway(const ClipperLib::Paths& cutters, const QString& feature);
    // Joins `additions` to the piece; refused when they leave it in more than one piece.
    void addOn(const ClipperLib::Paths& additions, const QString& feature);
    // Adds `ring` (clockwise, inside the piece and apart from its other rings) as a hole, put on
    // the polygon grid like every other ring of the cut.
    void openHole(const MmRing& ring);

    // What a feature has to tell about this rib without refusing it, such as no room for a
    // hole. The note does not name the rib: the series gathers the ribs each note concerns.
    void addNote(const QString& note) { notes_ << note; }
    const QStringList& notes() const { return notes_; }

  private:
    void combine(ClipperLib::ClipType operation, const ClipperLib::Paths& shapes,
                 const QString& feature);
    void measure();

    RibCut cut_;
    float ribChord_ = 0;
    int ribNumber_ = 0;
    ContourSpan span_;
    double lowest_ = 0;
    double highest_ = 0;
    QStringList notes_;
};

}  // namespace rw
