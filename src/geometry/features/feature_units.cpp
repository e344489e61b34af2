#include "geometry/features/feature_units.h"

#include "geometry/features/jig_tabs.h"
#include "geometry/features/lightening_holes.h"
#include "geometry/features/minimum_web.h"
#include "geometry/features/sheeting.h"
#include "geometry/features/spar_notch.h"
#include "geometry/features/trailing_edge_stock.h"

namespace rw {

const std::vector<RibFeatureUnit>& ribFeatureUnits() {
    static const std::vector<RibFeatureUnit> units = {
        sparNotchUnit(),       upperSkinUnit(),  lowerSkinUnit(), trailingEdgeStockUnit(),
        lighteningHolesUnit(), minimumWebUnit(), jigTabsUnit(),
    };
    return units;
}

}  // namespace rw
