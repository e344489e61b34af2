#pragma once

#include <QString>

// What the rib feature options say when their text does not read: the option, its form with an
// example, and the text given. The command line shows them as they are; kept together so the
// forms are reviewed in one place.
namespace rw {

QString sparNotchOptionRefusedText(const QString& text);
QString skinOptionRefusedText(const QString& option, const QString& text);
QString trailingEdgeStockOptionRefusedText(const QString& text);
QString holesOptionRefusedText(const QString& text);
// A web thinner than `thinnest` (mm, as the option writes it) reads but cannot be kept.
QString holesWebTooThinText(const QString& text, const QString& thinnest);

// Each option's line in the command line's usage.
QString sparNotchOptionHelp();
QString upperSkinOptionHelp();
QString lowerSkinOptionHelp();
QString trailingEdgeStockOptionHelp();
QString holesOptionHelp();
QString minimumWebOptionHelp();
QString minimumWebOptionRefusedText(const QString& text);

}  // namespace rw
