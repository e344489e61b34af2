#pragma once

#include "geometry/rib_cut.h"
#include "geometry/rib_features.h"

#include <QStringList>

namespace rw {

// Cuts the trailing-edge stock, the spar notches and the lightening holes into the cut contour
// of rib `ribNumber`, whose chord is `ribChord` mm. Positions in percent follow the rib's own
// chord; widths, depths and webs stay in millimetres. Throws RibwrightError naming the rib and
// the feature when a feature cannot be cut. Adds to `notes` what the features tell about the rib
// without refusing it (see RibPiece::addNote).
RibCut applyRibFeatures(const RibCut& contour, float ribChord, int ribNumber,
                        const RibFeatures& features, QStringList& notes);

}  // namespace rw
