#pragma once

#include <QString>

class QDropEvent;
class QMimeData;

namespace rw {

// The airfoil file a drag carries: the first local .dat or .txt file among its addresses (any
// case), or an empty string when it carries none. Other files in the same drag are passed over.
QString airfoilFileIn(const QMimeData* data);

// Accepts a drag or drop event (enter, move, drop) that carries an airfoil file, always as a
// copy so the source never removes its file, and refuses any other; returns the file.
QString takeAirfoilDrag(QDropEvent* event);

}  // namespace rw
