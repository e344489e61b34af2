#include "airfoil/airfoil_texts.h"

namespace rw::airfoil_texts {

QString tooFewPoints() {
    return QStringLiteral("データが不足しています");
}

QString tooManyLines(int limit) {
    return QStringLiteral("データの行数が多すぎます。読み込めるのは %1 行までです。").arg(limit);
}

QString tooManyUpperPoints(int limit) {
    return QStringLiteral("上面のデータ点が多すぎます。空行の前に読み込めるのは %1 点までです。")
        .arg(limit);
}

QString noCoordinateLines() {
    return QStringLiteral("ファイルに座標の行がありません");
}

QString notACoordinateLine(int line, const QString& text) {
    return QStringLiteral("%1 行目「%2」は座標の行ではありません").arg(line).arg(text);
}

QString countsDisagree(int line, int upperCount, int points) {
    return QStringLiteral("%1 行目の上面の点数 %2 がデータの点数 %3 と合いません")
        .arg(line)
        .arg(upperCount)
        .arg(points);
}

QString droppedLeadingBlankLines() {
    return QStringLiteral("先頭の空行を除きました");
}

QString titleFromFileName(const QString& title) {
    return QStringLiteral("タイトル行がないため、ファイル名「%1」をタイトルにしました").arg(title);
}

QString droppedLinesBeforeCoordinates(int count) {
    return QStringLiteral("座標の前の %1 行を除きました").arg(count);
}

QString splitSurfacesByCounts(int upperCount) {
    return QStringLiteral("点数の行に従い、上面 %1 点の後に空行を入れて面を分けました")
        .arg(upperCount);
}

QString rewroteCoordinateLines(int count) {
    return QStringLiteral("%1 行の座標を読める形に書き直しました").arg(count);
}

QString droppedNotes(int count) {
    return QStringLiteral("%1 行の注記を除きました").arg(count);
}

QString lineEndsMadeCrLf() {
    return QStringLiteral("改行を CR LF に揃えました");
}

QString droppedBlankLinesAfterCoordinates() {
    return QStringLiteral("座標の後の空行を除きました");
}

}  // namespace rw::airfoil_texts
