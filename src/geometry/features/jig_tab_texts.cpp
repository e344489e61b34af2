#include "geometry/features/jig_tab_texts.h"

#include "geometry/features/jig_tabs.h"

#include <QCoreApplication>

#include <cmath>

namespace rw {
namespace {

// Millimetres to two decimals at most, without trailing zeros: 6, 5.25, 0.1.
QString mm(double value) {
    return QString::number(std::round(value * 100) / 100, 'g', 12);
}

}  // namespace

QString jigTabsOptionHelp() {
    return QCoreApplication::translate(
        "rw::jig_tab_texts",
        "Jig tabs POS,POS:WIDTH[:MIN_HEIGHT]: tabs at POS % of each chord, WIDTH mm wide, whose "
        "feet all stand on one flat building board, the lowest tab edge MIN_HEIGHT mm high (5 by "
        "default).");
}

QString jigTabsOptionRefusedText(const QString& text) {
    return QCoreApplication::translate(
               "rw::jig_tab_texts",
               "--jig-tabs takes POS,POS:WIDTH[:MIN_HEIGHT], up to %2 positions in % of the chord "
               "(0 to 100), width and least height in mm above 0, such as 15,85:8 or "
               "15,50,85:6:4; not '%1'")
        .arg(text)
        .arg(kMaxJigTabs);
}

QString jigTabName(int index, double position) {
    //: %1 is the tab's number, %2 its position in % of the chord.
    return QCoreApplication::translate("rw::jig_tab_texts", "治具タブ %1 (%2%)")
        .arg(QString::number(index), mm(position));
}

QString jigTabOutsideRibText(int ribNumber, const QString& tab, double from, double to,
                             double front, double back) {
    //: %1 is the rib number, %2 the tab's name, %3 to %6 mm from the leading edge.
    return QCoreApplication::translate(
               "rw::jig_tab_texts",
               "リブ %1 の%2: 前縁から %3〜%4 mm のタブがリブ (%5〜%6 mm) からはみ出します")
        .arg(QString::number(ribNumber), tab, mm(from), mm(to), mm(front), mm(back));
}

QString jigTabOverNotchText(int ribNumber, const QString& tab, double from, double to) {
    //: %1 is the rib number, %2 the tab's name, %3 to %4 the notch in mm from the leading edge.
    return QCoreApplication::translate(
               "rw::jig_tab_texts",
               "リブ %1 の%2: 前縁から %3〜%4 mm の下面の切り欠きを埋めてしまいます。タブの位置か"
               "幅を変えてください")
        .arg(QString::number(ribNumber), tab, mm(from), mm(to));
}

QString jigTabTwistTooSteepText(int ribNumber, double twist, double most) {
    //: %1 is the rib number, %2 its twist in degrees, %3 the most a rib may be twisted.
    return QCoreApplication::translate(
               "rw::jig_tab_texts",
               "リブ %1 のねじり %2° では治具タブで台に立てられません (±%3° まで)")
        .arg(QString::number(ribNumber), mm(twist), mm(most));
}

}  // namespace rw
