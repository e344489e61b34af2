#include "airfoil/airfoil_file.h"

#include "airfoil/airfoil_read.h"
#include "platform/atomic_file.h"
#include "platform/native_path.h"
#include "platform/text_codec.h"
#include "platform/text_trim.h"

namespace rw {

bool saveAirfoilText(const AirfoilState& state, const QString& path) {
    if (state.text.size() <= kAirfoilSaveThreshold)
        return false;
    QString content;
    for (const QString& line : state.sourceLines) {
        content += line;
        content += QStringLiteral("\r\n");
    }
    writeFileAtomically(path, encodeSystemText(content));
    return true;
}

QString withCrLfLineEnds(const QString& raw) {
    QString result;
    result.reserve(raw.size() + raw.size() / 16);
    qsizetype start = 0;
    while (start < raw.size()) {
        qsizetype lf = raw.indexOf(QLatin1Char('\n'), start);
        const qsizetype next = lf < 0 ? raw.size() : lf + 1;
        if (lf < 0)
            lf = raw.size();
        qsizetype end = lf;
        if (lf < raw.size() && end > start && raw.at(end - 1) == QLatin1Char('\r'))
            --end;
        result += QStringView(raw).mid(start, end - start);
        result += QStringLiteral("\r\n");
        start = next;
    }
    return result;
}

std::optional<QString> loadAirfoilText(const QString& path, LegacyEncoding legacy) {
    if (!isRegularFile(path))
        return std::nullopt;
    return airfoilTextFromBytes(readAirfoilBytes(path), legacy);
}

QString airfoilTextFromBytes(const QByteArray& bytes, LegacyEncoding legacy) {
    return withCrLfLineEnds(decodeAirfoilBytes(bytes, legacy));
}

QString libraryEntryName(const QString& title) {
    // A TAB or another control character in a title would end up in the file name.
    QString name = title;
    for (QChar& c : name) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    for (const QChar cut :
         {QLatin1Char('('), QLatin1Char('.'), QLatin1Char('%'), QLatin1Char('/')}) {
        const qsizetype at = name.indexOf(cut);
        if (at >= 0)
            name.truncate(at);
        name = trimControl(name);
    }
    return name;
}

}  // namespace rw
