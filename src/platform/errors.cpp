#include "platform/errors.h"

#include "platform/text_trim.h"

#include <QCoreApplication>

#include <cerrno>

namespace rw {

QString divisionByZeroText() {
    return QCoreApplication::translate("rw::errors", "0 による浮動小数点数除算");
}
QString invalidOperationText() {
    return QCoreApplication::translate("rw::errors", "不正な浮動小数点数演算命令");
}

void throwDivisionByZero() {
    throw RibwrightError(divisionByZeroText());
}
void throwInvalidOperation() {
    throw RibwrightError(invalidOperationText());
}

QString floatConversionErrorText(const QString& token) {
    return QCoreApplication::translate("rw::errors", "'%1' は浮動小数点数ではありません")
        .arg(shortenedToken(token));
}

QString integerConversionErrorText(const QString& token) {
    return QCoreApplication::translate("rw::errors", "''%1'' は整数ではありません")
        .arg(shortenedToken(token));
}

QString fileErrorText(int code) {
    switch (code) {
        case 2:
            return QCoreApplication::translate("rw::errors", "指定されたファイルが見つかりません");
        // The placeholder is left unfilled: the path follows on the next line, as with every
        // file error.
        case 3:
            //: %s stays as it stands: the path follows on the next line.
            return QCoreApplication::translate("rw::errors", "不正なファイル名 - %s");
        case 4:
            return QCoreApplication::translate("rw::errors", "開かれたファイルが多すぎます。");
        case 5:
            return QCoreApplication::translate("rw::errors",
                                               "ファイルへのアクセスが拒否されました");
        case 100:
            return QCoreApplication::translate("rw::errors", "ファイルの末尾以降を読み取りました");
        case 101:
            return QCoreApplication::translate("rw::errors", "ディスクがいっぱいです");
        case 106:
            return QCoreApplication::translate("rw::errors", "入力値が数値ではありません");
        default:
            return QCoreApplication::translate("rw::errors", "I/O エラー %1").arg(code);
    }
}

int fileErrorCodeFromErrno(int e) {
    switch (e) {
        case ENOENT:
            return 2;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
        case EISDIR:
        case ELOOP:
            return 3;
        case EMFILE:
        case ENFILE:
            return 4;
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
            return 5;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
        case EFBIG:
            return 101;
        default:
            return e;
    }
}

QString imageCreateErrorText(const QString& path, const QString& systemReason) {
    return QCoreApplication::translate("rw::errors", "ファイル \"%1\" を作成できません。%2")
        .arg(path, systemReason);
}

QString outOfMemoryText() {
    return QCoreApplication::translate("rw::errors", "メモリが不足しています");
}

QString notARegularFileText() {
    return QCoreApplication::translate(
        "rw::errors", "通常のファイルではない (パイプや装置など) ため読み込みません");
}

QString fileTooLargeText(qint64 limitKiB) {
    return QCoreApplication::translate("rw::errors",
                                       "ファイルが大きすぎるため読み込みません (%1 KB まで)")
        .arg(limitKiB);
}

}  // namespace rw
