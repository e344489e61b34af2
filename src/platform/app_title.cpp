#include "platform/desktop.h"

#include <QFileInfo>

namespace rw {

QString applicationTitleFromExecutable(const QString& executablePath)
{
    QString name = QFileInfo(executablePath).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0) name.truncate(dot);
    if (name.isEmpty()) return name;
    return name.left(1) + name.mid(1).toLower();
}

}  // namespace rw
