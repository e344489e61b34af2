#include "airfoil/airfoil_texts.h"

#include <QCoreApplication>

namespace rw::airfoil_texts {

QString tooFewPoints() {
    return QCoreApplication::translate("rw::airfoil_texts", "データが不足しています");
}

QString tooManyLines(int limit) {
    return QCoreApplication::translate("rw::airfoil_texts",
                                       "データの行数が多すぎます。読み込めるのは %1 行までです。")
        .arg(limit);
}

QString tooManyUpperPoints(int limit) {
    return QCoreApplication::translate(
               "rw::airfoil_texts",
               "上面のデータ点が多すぎます。空行の前に読み込めるのは %1 点までです。")
        .arg(limit);
}

QString noCoordinateLines() {
    return QCoreApplication::translate("rw::airfoil_texts", "ファイルに座標の行がありません");
}

QString notACoordinateLine(int line, const QString& text) {
    //: %1 is the line number, %2 the line as the file has it.
    return QCoreApplication::translate("rw::airfoil_texts", "%1 行目「%2」は座標の行ではありません")
        .arg(line)
        .arg(text);
}

QString countsDisagree(int line, int upperCount, int points) {
    return QCoreApplication::translate("rw::airfoil_texts",
                                       "%1 行目の上面の点数 %2 がデータの点数 %3 と合いません")
        .arg(line)
        .arg(upperCount)
        .arg(points);
}

QString fileTooLarge(int megabytes) {
    return QCoreApplication::translate(
               "rw::airfoil_texts",
               "ファイルが大きすぎます。翼型ファイルとして読み込めるのは %1 MB までです")
        .arg(megabytes);
}

QString outlineHasNoArea() {
    return QCoreApplication::translate(
        "rw::airfoil_texts",
        "上面と下面が重なり、輪郭に面積がありません。翼型ではないため読み込めません");
}

QString outlineIsOpen(double gapPercent) {
    //: %1 is the gap between the first and the last point in percent of the chord.
    return QCoreApplication::translate("rw::airfoil_texts",
                                       "輪郭が閉じていません (始点と終点が翼弦の %1 % "
                                       "離れています)。翼型ではないため読み込めません")
        .arg(gapPercent, 0, 'f', 1);
}

QString outlineCrossesItself(int point) {
    return QCoreApplication::translate(
               "rw::airfoil_texts",
               "輪郭が %1 点目の付近で交差しています。面の順序を確かめてください")
        .arg(point);
}

QString droppedLeadingBlankLines() {
    return QCoreApplication::translate("rw::airfoil_texts", "先頭の空行を除きました");
}

QString titleFromFileName(const QString& title) {
    return QCoreApplication::translate("rw::airfoil_texts",
                                       "タイトル行がないため、ファイル名「%1」をタイトルにしました")
        .arg(title);
}

QString droppedLinesBeforeCoordinates(int count) {
    return QCoreApplication::translate("rw::airfoil_texts", "座標の前の %1 行を除きました")
        .arg(count);
}

QString splitSurfacesByCounts(int upperCount) {
    return QCoreApplication::translate("rw::airfoil_texts",
                                       "点数の行に従い、上面 %1 点の後に空行を入れて面を分けました")
        .arg(upperCount);
}

QString rewroteCoordinateLines(int count) {
    return QCoreApplication::translate("rw::airfoil_texts", "%1 行の座標を読める形に書き直しました")
        .arg(count);
}

QString droppedNotes(int count) {
    return QCoreApplication::translate("rw::airfoil_texts", "%1 行の注記を除きました").arg(count);
}

QString lineEndsMadeCrLf() {
    return QCoreApplication::translate("rw::airfoil_texts", "改行を CR LF に揃えました");
}

QString droppedBlankLinesAfterCoordinates() {
    return QCoreApplication::translate("rw::airfoil_texts", "座標の後の空行を除きました");
}

QString splitSurfacesByShape(int upperCount) {
    return QCoreApplication::translate(
               "rw::airfoil_texts", "x が前縁に戻る所で面を分け、上面 %1 点の後に空行を入れました")
        .arg(upperCount);
}

QString surfacesTurnedToRunFromLeadingEdge() {
    return QCoreApplication::translate("rw::airfoil_texts",
                                       "後縁から書かれた面の点の順序を、前縁からに直しました");
}

QString countsLineIgnored(int line, int upperCount, int lowerCount, int points) {
    return QCoreApplication::translate("rw::airfoil_texts",
                                       "%1 行目の点数 %2 + %3 がデータの %4 "
                                       "点と合わないため、点数の行を除き形から読みました")
        .arg(line)
        .arg(upperCount)
        .arg(lowerCount)
        .arg(points);
}

QString droppedSecondAirfoil(int line) {
    return QCoreApplication::translate("rw::airfoil_texts",
                                       "%1 行目からの 2 つ目の翼型を除き、最初の翼型を読みました")
        .arg(line);
}

QString droppedSurfaceLabel(int line) {
    return QCoreApplication::translate("rw::airfoil_texts",
                                       "%1 行目の面の見出しを除き、その後を下面として読みました")
        .arg(line);
}

QString thinnedPoints(int from, int to, double deviationPercent) {
    //: %3 is the largest distance of a left-out point from the outline, in percent of the chord.
    return QCoreApplication::translate("rw::airfoil_texts",
                                       "%1 点を %2 点に間引きました (最大のずれは翼弦の %3 %)")
        .arg(from)
        .arg(to)
        .arg(deviationPercent, 0, 'f', 4);
}

QString dividedByHundred() {
    return QCoreApplication::translate("rw::airfoil_texts", "座標を 100 で割りました");
}

QString normalisedToChord() {
    return QCoreApplication::translate("rw::airfoil_texts",
                                       "座標を前縁が 0、翼弦が 1 になるように揃えました");
}

QString turnedChordLevel(double degrees) {
    return QCoreApplication::translate("rw::airfoil_texts", "翼弦線を %1° 回して水平にしました")
        .arg(degrees, 0, 'f', 2);
}

QString droppedThirdColumn() {
    return QCoreApplication::translate("rw::airfoil_texts",
                                       "3 列目の値を除き、x と y を読みました");
}

}  // namespace rw::airfoil_texts
