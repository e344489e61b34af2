#include "geometry/features/apply_rib_features.h"

#include "geometry/features/feature_units.h"
#include "geometry/features/minimum_web.h"
#include "geometry/features/rib_piece.h"

namespace rw {

RibCut applyRibFeatures(const RibCut& contour, float ribChord, int ribNumber,
                        const RibFeatures& features, QStringList& notes) {
    if (contour.empty())
        return contour;
    RibPiece piece(contour, ribChord, ribNumber);
    for (const CutStage stage : {CutStage::Ends, CutStage::Slots, CutStage::Openings}) {
        for (const RibFeatureUnit& unit : ribFeatureUnits()) {
            if (unit.stage == stage && unit.isSet(features))
                unit.apply(piece, features);
        }
        // What the ends and slots leave must hold together; holes keep a web of their own.
        if (stage == CutStage::Slots)
            requireMinimumWeb(piece, features);
    }
    notes << piece.notes();
    return piece.cut();
}

}  // namespace rw
