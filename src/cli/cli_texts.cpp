#include "cli/cli_texts.h"

namespace rw::cli_texts {

QString wideEncodingRefused(const QString& encoding, const QString& path) {
    return QStringLiteral(
               "%1 のテキストは読めません。UTF-8 などの 8 ビットの文字"
               "コードで保存し直してください\n%2")
        .arg(encoding, path);
}

QString outputFolderNotCreated(const QString& folder) {
    return QStringLiteral("出力フォルダを作成できません: ") + folder;
}

}  // namespace rw::cli_texts
