#include "geometry/features/feature_option_texts.h"

#include "geometry/features/lightening_holes.h"
#include "geometry/features/option_numbers.h"
#include "geometry/features/spar_notch.h"

#include <QCoreApplication>

namespace rw {

QString sparNotchOptionRefusedText(const QString& text) {
    return QCoreApplication::translate(
               "rw::feature_option_texts",
               "--spar-notch takes POS:WIDTHxDEPTH[:top|bottom|both] in mm, POS in % of the chord "
               "or in mm from the leading edge with an mm suffix, or ROOT/TIP for a straight spar, "
               "such "
               "as 30:3x6:top, 45mm:3x6 or 50mm/30mm:3x6; "
               "not '%1'")
        .arg(text);
}

QString skinOptionRefusedText(const QString& option, const QString& text) {
    return QCoreApplication::translate(
               "rw::feature_option_texts",
               "%1 takes a thickness in mm, 0 or more, such as 1.5; not '%2'")
        .arg(option, text);
}

QString trailingEdgeStockOptionRefusedText(const QString& text) {
    return QCoreApplication::translate(
               "rw::feature_option_texts",
               "--te-stock takes a distance in mm from the trailing edge, or LENGTHxHEIGHT in mm "
               "for a slot, such as 5 or 6x3; not '%1'")
        .arg(text);
}

QString holesOptionRefusedText(const QString& text) {
    return QCoreApplication::translate(
               "rw::feature_option_texts",
               "--holes takes PCT:WEB_MM, the hole diameter in % of the rib height (below 100) and "
               "the web in mm, such as 60:2; not '%1'")
        .arg(text);
}

QString holesWebTooThinText(const QString& text, const QString& thinnest) {
    return QCoreApplication::translate(
               "rw::feature_option_texts",
               "--holes: a web under %1 mm breaks out as the rib is cut; give %1 mm or more, such "
               "as 60:2; not '%2'")
        .arg(thinnest, text);
}

QString sparNotchOptionHelp() {
    return QCoreApplication::translate(
               "rw::feature_option_texts",
               "Spar notch POS:WIDTHxDEPTH[:top|bottom|both], square to the chord: POS in % of "
               "the chord (45mm: from the leading edge; ROOT/TIP such as 50mm/30mm: a straight "
               "spar "
               "from the root rib to the tip rib), WIDTH and DEPTH in mm, top by default. "
               "Repeatable, up to %1 on a rib.")
        .arg(kMaxSparNotches);
}

QString upperSkinOptionHelp() {
    return QCoreApplication::translate("rw::feature_option_texts",
                                       "Sheeting of the upper surface in mm (--skin).");
}

QString lowerSkinOptionHelp() {
    return QCoreApplication::translate("rw::feature_option_texts",
                                       "Sheeting of the lower surface in mm (--skin).");
}

QString trailingEdgeStockOptionHelp() {
    return QCoreApplication::translate(
        "rw::feature_option_texts",
        "Trailing-edge stock: the rib ends MM ahead of the trailing edge (LENGTHxHEIGHT: a slot).");
}

QString holesOptionHelp() {
    return QCoreApplication::translate(
               "rw::feature_option_texts",
               "Lightening holes between the spars: diameter in % of the rib height, web in mm (%1 "
               "or more).")
        .arg(shortestOptionNumber(kThinnestHoleWeb));
}

QString minimumWebOptionHelp() {
    return QCoreApplication::translate(
        "rw::feature_option_texts",
        "Least material in mm a notch or a trailing-edge slot may leave across the rib (1 by "
        "default).");
}

QString minimumWebOptionRefusedText(const QString& text) {
    return QCoreApplication::translate(
               "rw::feature_option_texts",
               "--min-web takes the least width in mm, above 0, such as 1.5: %1")
        .arg(text);
}

}  // namespace rw
