#include "export/output_options.h"

#include "export/number_format.h"

#include <QRegularExpression>

namespace rw {

std::optional<QSizeF> parseStockSize(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,5}(?:\\.\\d+)?)x(\\d{1,5}(?:\\.\\d+)?)$"));
    const auto match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QSizeF size(match.captured(1).toDouble(), match.captured(2).toDouble());
    if (size.width() < 1 || size.height() < 1 || size.width() > 10000 || size.height() > 10000)
        return std::nullopt;
    return size;
}

QString formatStockSize(QSizeF stock) {
    return formatGeneralNumber(stock.width()) + QLatin1Char('x') +
           formatGeneralNumber(stock.height());
}

}  // namespace rw
