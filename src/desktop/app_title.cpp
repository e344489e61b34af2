#include "desktop/desktop.h"

#include <QFileInfo>

namespace rw {

// The title is the executable's name up to its first dot, capitalised: the rest in lower case,
// and the first letter in upper case, so that the lower-case file name usual on Linux still
// gives the program's name, "Ribwright".
QString applicationTitleFromExecutable(const QString& executablePath) {
    QString name = QFileInfo(executablePath).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.isEmpty())
        return name;
    return name.left(1).toUpper() + name.mid(1).toLower();
}

}  // namespace rw
