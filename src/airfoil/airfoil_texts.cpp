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

}  // namespace rw::airfoil_texts
