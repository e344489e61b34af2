// A source the text check must refuse, for the check's own test (it is never compiled): texts
// written inline on the lines marked as findings, and on every other line what the check must let
// pass. A comment may say 描画 or "nothing to write".
#include <QCoreApplication>
#include <QString>

#include <stdexcept>

namespace probe {

QString inlineCaption() {
    return QStringLiteral("描画");  // [finding]
}

QString inlineSentence() {
    return QStringLiteral("nothing to write");  // [finding]
}

QString sentenceOverTwoLines() {
    return QStringLiteral("リブを"  // [finding]
                          "作成");
}

QString rawCaption() {
    return QString::fromUtf8(R"x(原寸出力)x");  // [finding]
}

QString keptInStatic() {
    static const QString caption = QCoreApplication::translate("probe", "描画");  // [finding]
    return caption;
}

QString translated(int count) {
    return QCoreApplication::translate("probe", "%n ribs drawn, 描画しました", nullptr, count);
}

const char* const kMarkedCaption = QT_TRANSLATE_NOOP("probe", "リブを作成");

// Neither sentences nor Japanese: a character literal holding a quote, a digit separator,
// bytes, a format, a font, markup, and a programming fault.
int notTexts() {
    const char quote = '"';
    const int many = 1'000;
    const QString bytes = QStringLiteral("\xEF\xBB\xBF");
    const QString format = QStringLiteral("%1 (%2)").arg(quote).arg(many);
    const QString font = QStringLiteral("Noto Sans CJK JP");
    const QString markup = QStringLiteral("<svg width=\"10mm\" height=\"") + bytes + format + font;
    if (markup.isEmpty())
        throw std::logic_error("no settings control named so");
    return many;
}

}  // namespace probe
