#include "geometry/features/option_numbers.h"

#include <QRegularExpression>

namespace rw {

QString optionNumberPattern() {
    return QStringLiteral("(\\d{1,6}(?:\\.\\d*)?|\\.\\d+)");
}

QRegularExpressionMatch matchWholeOption(const QString& pattern, const QString& text) {
    const QRegularExpression re(QStringLiteral("^\\s*") + pattern + QStringLiteral("\\s*$"),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(text);
}

double capturedNumber(const QRegularExpressionMatch& match, int group) {
    return match.captured(group).toDouble();
}

}  // namespace rw
