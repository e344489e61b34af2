#include "geometry/settings_lines.h"

#include "geometry/geometry_texts.h"
#include "platform/text_trim.h"

namespace rw {

SettingsLines readSettingsLines(
    const QByteArray& bytes, const char* firstKey, const std::set<QString>& knownKeys,
    const std::function<bool(const QString& key, const QString& value)>& apply) {
    QByteArray text = bytes;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    SettingsLines read;
    read.lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < read.lines.size(); ++i) {
        const QString line = read.lines[i].trimmed();
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = line.left(equals).trimmed();
        // The first line is written anew with this version's number.
        if (line.isEmpty() || (i == 0 && key == QLatin1String(firstKey)))
            continue;
        if (equals > 0 && !knownKeys.count(key)) {
            read.unknownLines.append(read.lines[i]);
            continue;
        }
        // A value given twice is a file edited by hand: the first one stands.
        if (equals > 0 && !read.lineOfKey.count(key) && apply(key, line.mid(equals + 1).trimmed()))
            read.lineOfKey[key] = int(i + 1);
        else
            read.problems.append(badLineText(int(i + 1), shortenedToken(line)));
    }
    return read;
}

}  // namespace rw
