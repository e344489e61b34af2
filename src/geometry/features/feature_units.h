#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace rw {

struct RibFeatures;
class RibPiece;

// When a feature works on the rib. The piece is cut stage by stage in this order: the stock
// decides where the rib ends before the notches are checked against what is left of it, and the
// holes go last, into the bays the notches and the stock leave.
enum class CutStage {
    Outline,   // sets the rib outline in before there is a piece (the sheeting): no cut of its own
    Ends,      // trims the end of the rib
    Slots,     // cuts into the contour from outside
    Openings,  // opens holes inside the piece
};

// One feature as the settings file and the command line name it. The key is the settings file's
// key and the command-line option's name without its "--"; values are the texts the option takes.
struct RibFeatureUnit {
    const char* key;
    const char* valueName;    // the form of a value in the command line's usage: "MM"
    QString (*optionHelp)();  // the option's line in the command line's usage
    bool repeatable;  // every value adds one more (the spar notches); otherwise one value at most
    CutStage stage;
    bool (*isSet)(const RibFeatures& features);
    // Reads one value into `features` (a repeatable feature adds it, any other replaces its
    // value). Throws RibwrightError naming the option "--key" and showing its form.
    void (*read)(const QString& text, RibFeatures& features);
    // The texts of the values set, in the order they are cut; empty when the feature is off.
    QStringList (*write)(const RibFeatures& features);
    // What the feature does to the piece; null for CutStage::Outline. Throws RibwrightError naming
    // the rib and the feature when it cannot be cut.
    void (*apply)(RibPiece& piece, const RibFeatures& features);
};

// Every rib feature, in the order the settings file lists them.
const std::vector<RibFeatureUnit>& ribFeatureUnits();

}  // namespace rw
