#include "ui/workshop_texts.h"

#include <QCoreApplication>

namespace rw::workshop_texts {

QString dialogTitle() {
    return QCoreApplication::translate("rw::workshop_texts", "工作設定");
}

QString laserGroup() {
    return QCoreApplication::translate("rw::workshop_texts", "レーザー加工 (SVG・DXF)");
}

QString kerfLabel() {
    return QCoreApplication::translate("rw::workshop_texts", "カーフ (mm)");
}

QString sidesLabel() {
    return QCoreApplication::translate("rw::workshop_texts", "左右");
}

QString oneSetChoice() {
    return QCoreApplication::translate("rw::workshop_texts", "1組");
}

QString rightChoice() {
    return QCoreApplication::translate("rw::workshop_texts", "右");
}

QString leftChoice() {
    return QCoreApplication::translate("rw::workshop_texts", "左");
}

QString bothChoice() {
    return QCoreApplication::translate("rw::workshop_texts", "左右両方");
}

QString copiesLabel() {
    return QCoreApplication::translate("rw::workshop_texts", "組数");
}

QString gapLabel() {
    return QCoreApplication::translate("rw::workshop_texts", "部品の間隔 (mm)");
}

QString nestBox() {
    return QCoreApplication::translate("rw::workshop_texts", "材料に詰めて並べる");
}

QString note() {
    return QCoreApplication::translate(
        "rw::workshop_texts",
        "カーフはレーザーが焼き切る幅で、切断線をその半分だけ外側にずらします。左右を選ぶと"
        "リブ名に L・R が付きます。レーザー用の SVG と DXF にだけ効き、PDF は組数と左右だけを"
        "使います");
}

QString badKerf(const QString& typed) {
    return QCoreApplication::translate("rw::workshop_texts",
                                       "カーフ「%1」は使えません。0 から 2 mm で入力してください")
        .arg(typed);
}

QString badGap(const QString& typed) {
    return QCoreApplication::translate(
               "rw::workshop_texts",
               "部品の間隔「%1」は使えません。0 から 100 mm で入力してください")
        .arg(typed);
}

QString badCopies(const QString& typed) {
    return QCoreApplication::translate("rw::workshop_texts",
                                       "組数「%1」は使えません。1 から 50 で入力してください")
        .arg(typed);
}

QString gapBelowKerf() {
    return QCoreApplication::translate(
        "rw::workshop_texts", "部品の間隔をカーフ以上にしてください。部品どうしが焼き切れます");
}

QString fileProblems(const QString& nativePath, const QStringList& problems) {
    return QCoreApplication::translate(
               "rw::workshop_texts",
               "工作設定のファイルに読めない内容があったため、その部分を飛ばして残りの設定を"
               "使います。\n%1\n%2")
        .arg(nativePath, problems.join(QLatin1Char('\n')));
}

}  // namespace rw::workshop_texts
