#pragma once

namespace rw {

// The rib settings as the last redraw read them. Zero or false before a redraw reaches a field;
// fields after the step at which a redraw stopped keep the values of an earlier redraw.
// The most ribs one series may have. A wing panel has tens; a thousand covers any batch of
// panels, and keeps every rib of the series in memory at once a few megabytes.
constexpr int kMaxRibCount = 1000;

struct RibParameters {
    double rootChord = 0;  // mm
    double tipChord = 0;   // mm
    bool taperOn = false;
    int ribCount = 0;                // 1 when taper is off
    float skinThickness = 0;         // mm
    float sparPercent = 0;           // percent of chord
    double rootThicknessFactor = 0;  // 1.0 unless a thickness change applies
    double tipThicknessFactor = 0;
};

}  // namespace rw
