#include "ui/dropped_file.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace rw {

QString airfoilFileIn(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls())
        return QString();
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix == QLatin1String("dat") || suffix == QLatin1String("txt"))
            return path;
    }
    return QString();
}

QString takeAirfoilDrag(QDropEvent* event) {
    const QString path = airfoilFileIn(event->mimeData());
    if (path.isEmpty() || !(event->possibleActions() & Qt::CopyAction)) {
        event->ignore();
        return QString();
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return path;
}

}  // namespace rw
