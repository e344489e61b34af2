#pragma once

#include <QString>

// The jig tabs' texts: their option and the refusals of a tab that cannot be added.
namespace rw {

QString jigTabsOptionHelp();
QString jigTabsOptionRefusedText(const QString& text);

// A tab as the refusals name it: its number from 1 and its position in % of the chord.
QString jigTabName(int index, double position);

QString jigTabOutsideRibText(int ribNumber, const QString& tab, double from, double to,
                             double front, double back);
QString jigTabOverNotchText(int ribNumber, const QString& tab, double from, double to);
QString jigTabTwistTooSteepText(int ribNumber, double twist, double most);

}  // namespace rw
