#include "geometry/wing/wing_texts.h"

#include <QCoreApplication>

#include <cmath>

namespace rw {
namespace {

// Millimetres to two decimals at most, without trailing zeros: 6, 5.25, 0.1.
QString mm(double value) {
    return QString::number(std::round(value * 100) / 100, 'g', 12);
}

}  // namespace

QString stationsOptionRefusedText(const QString& text) {
    return QCoreApplication::translate(
               "rw::wing_texts",
               "--stations の値「%1」が読めません。12、every:75、0,120,260 のように書いてください")
        .arg(text);
}

QString stationsCountRefusedText(const QString& text, int most) {
    //: %1 is the text given, %2 the most ribs a series may have.
    return QCoreApplication::translate("rw::wing_texts",
                                       "--stations のリブ数「%1」は 1 から %2 までにしてください")
        .arg(text)
        .arg(most);
}

QString stationsListRefusedText(const QString& text) {
    return QCoreApplication::translate(
               "rw::wing_texts",
               "--stations の位置「%1」は 0 mm 以上から、2 つ以上を増えていく順に書いてください")
        .arg(text);
}

QString planformOptionRefusedText() {
    return QCoreApplication::translate(
        "rw::wing_texts",
        "--planform の値が空です。straight、elliptical または平面形の表のファイルを指定して"
        "ください");
}

QString panelLengthRefusedText(const QString& option, const QString& text) {
    //: %1 is the option, %2 the text given.
    return QCoreApplication::translate(
               "rw::wing_texts", "%1 の値「%2」が読めません。75.5 のように mm で書いてください")
        .arg(option, text);
}

QString panelLengthTooSmallText(const QString& option, const QString& text, double least) {
    //: %1 is the option, %2 the text given, %3 the least value in mm.
    return QCoreApplication::translate("rw::wing_texts", "%1 の値「%2」は %3 mm 以上にしてください")
        .arg(option, text, mm(least));
}

QString washoutOptionRefusedText(const QString& text, double most) {
    //: %1 is the text given, %2 the most degrees either way.
    return QCoreApplication::translate(
               "rw::wing_texts",
               "--washout の値「%1」は -%2 から %2 までの角度 (度、前縁下げが正) にしてください")
        .arg(text, mm(most));
}

QString pivotOptionRefusedText(const QString& text) {
    return QCoreApplication::translate("rw::wing_texts",
                                       "--pivot の値「%1」は翼弦の 0 から 100 (%) にしてください")
        .arg(text);
}

QString washoutDescription() {
    return QCoreApplication::translate(
        "rw::wing_texts",
        "Washout of the tip rib in degrees, leading edge down positive (-20 to 20); the ribs "
        "between twist by their share of the span.");
}

QString pivotDescription() {
    return QCoreApplication::translate(
        "rw::wing_texts", "Where each rib turns when twisted, in % of its chord (25 by default).");
}

QString spanNeededText() {
    return QCoreApplication::translate(
        "rw::wing_texts", "リブの位置を mm で決めるには、翼幅 (--span) を指定してください");
}

QString spanBeyondTableText(double span, double tableSpan) {
    return QCoreApplication::translate("rw::wing_texts",
                                       "翼幅 %1 mm が平面形の表の翼幅 %2 mm を超えています")
        .arg(mm(span), mm(tableSpan));
}

QString stationOutsideSpanText(double station, double span) {
    return QCoreApplication::translate("rw::wing_texts",
                                       "リブの位置 %1 mm が翼幅 (0～%2 mm) の外にあります")
        .arg(mm(station), mm(span));
}

QString tooManyRibsText(int most) {
    return QCoreApplication::translate("rw::wing_texts",
                                       "リブが %1 枚を超えます。リブの数か間隔を見直してください")
        .arg(most);
}

QString chordTooSmallText(int ribNumber, double chord) {
    return QCoreApplication::translate("rw::wing_texts",
                                       "リブ %1 の翼弦が %2 mm になり、リブを作れません")
        .arg(ribNumber)
        .arg(mm(chord));
}

QString ellipticalChordTooSmallText(int ribNumber, double chord) {
    return QCoreApplication::translate(
               "rw::wing_texts",
               "リブ %1 の翼弦が %2 mm と 1 mm 未満になります。翼端の最小翼弦 (--min-tip-chord) "
               "を指定してください")
        .arg(ribNumber)
        .arg(mm(chord));
}

QString airfoilWithoutLeadingEdgeText() {
    return QCoreApplication::translate(
        "rw::wing_texts", "翼型に上面と下面を分ける前縁が見つからないため、翼型を混ぜられません");
}

QString tableLineRefusedText(int line, const QString& text) {
    //: %1 is the line number, %2 the line as written.
    return QCoreApplication::translate("rw::wing_texts", "%1 行目が読めません: %2")
        .arg(line)
        .arg(text);
}

QString tableColumnMissingText(const QString& column) {
    return QCoreApplication::translate("rw::wing_texts", "見出しの行に「%1」の列がありません")
        .arg(column);
}

QString tableTooFewSectionsText() {
    return QCoreApplication::translate("rw::wing_texts", "断面が 2 つ以上必要です");
}

QString tableTooManySectionsText(int most) {
    return QCoreApplication::translate("rw::wing_texts", "断面は %1 までにしてください").arg(most);
}

QString tableSpanNotIncreasingText(int line) {
    return QCoreApplication::translate("rw::wing_texts",
                                       "%1 行目: 翼幅位置が前の行より大きくありません")
        .arg(line);
}

QString tableChordRefusedText(int line) {
    return QCoreApplication::translate("rw::wing_texts",
                                       "%1 行目: 翼弦は 0 mm より大きくしてください")
        .arg(line);
}

QString tableAirfoilRefusedText(int line, const QString& file, const QString& detail) {
    //: %1 is the line number, %2 the airfoil file, %3 what was wrong.
    return QCoreApplication::translate("rw::wing_texts", "%1 行目の翼型 %2 を読めません: %3")
        .arg(line)
        .arg(file, detail);
}

QString planformTableRefusedText(const QString& nativePath, const QString& detail) {
    return QCoreApplication::translate("rw::wing_texts", "平面形の表を読めません。\n%1\n%2")
        .arg(nativePath, detail);
}

QString tipAirfoilRefusedText(const QString& nativePath, const QString& detail) {
    return QCoreApplication::translate("rw::wing_texts", "翼端の翼型を読めません。\n%1\n%2")
        .arg(nativePath, detail);
}

}  // namespace rw
