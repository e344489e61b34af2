// Prints where the window puts each of its controls, so that the end-to-end run clicks a control
// by its name instead of by numbers of its own: one line per control of the control table,
// "NAME X Y WIDTH HEIGHT", X and Y in the window's client pixels.
// Usage: print_control_places CLIENT_WIDTH
// The width is the window's client width: the settings column stands at the right edge of the
// sheet view, so its controls move with it. The airfoil view's controls do not depend on it.
#include "panel/control_table.h"

#include <QPoint>
#include <QRect>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

using Origins = std::map<std::string, QPoint>;

// A row's place is in its parent's client pixels, and a parent is a view or a control of an
// earlier row; the window builds its controls in table order for the same reason.
void printRows(const std::vector<rw::ControlSpec>& rows, Origins& origins) {
    for (const rw::ControlSpec& row : rows) {
        const auto parent = origins.find(row.parent);
        if (parent == origins.end()) {
            std::fprintf(stderr, "%s: unknown parent %s\n", row.name, row.parent);
            std::exit(1);
        }
        const QRect place = row.place.translated(parent->second);
        origins[row.name] = place.topLeft();
        std::printf("%s %d %d %d %d\n", row.name, place.x(), place.y(), place.width(),
                    place.height());
    }
}

}  // namespace

int main(int argc, char** argv) {
    char* end = nullptr;
    const long clientWidth = argc == 2 ? std::strtol(argv[1], &end, 10) : -1;
    if (argc != 2 || *end != '\0' || clientWidth < 0) {
        std::fprintf(stderr, "usage: print_control_places CLIENT_WIDTH\n");
        return 2;
    }
    // The airfoil view fills the window; the sheet view does too, with the settings column
    // (object name Panel2) at its right edge.
    const int columnLeft = std::max(0, int(clientWidth) - rw::kSettingsColumnWidth);
    Origins origins = {{"AirfoilView", QPoint(0, 0)}, {"Panel2", QPoint(columnLeft, 0)}};
    printRows(rw::airfoilViewControls(), origins);
    printRows(rw::settingsColumnControls(), origins);
    return 0;
}
