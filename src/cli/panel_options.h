#pragma once

#include "geometry/wing/wing_panel.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <vector>

namespace rw::cli {

// The wing panel's options: --span, --planform, --sweep, --min-tip-chord, --stations,
// --tip-airfoil, --washout, --pivot. The files they name are read once the command line is known to
// be good.
struct PanelOptions {
    QCommandLineOption span;
    QCommandLineOption planform;
    QCommandLineOption sweep;
    QCommandLineOption minTipChord;
    QCommandLineOption stations;
    QCommandLineOption tipAirfoil;
    QCommandLineOption plan;
    QCommandLineOption washout;
    QCommandLineOption pivot;
    PanelOptions();
    std::vector<QCommandLineOption> all() const;
    // Throws RibwrightError naming the option whose text does not read.
    WingPanel read(const QCommandLineParser& parser) const;
};

}  // namespace rw::cli
