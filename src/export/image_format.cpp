#include "export/image_format.h"

#include <algorithm>

namespace rw {
namespace {

// Only ASCII letters change case: the comparison is with two plain ASCII extensions, and no
// other letter may turn into one of theirs.
QString asciiUpper(QString text) {
    for (QChar& c : text) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return text;
}

QString fileNamePart(const QString& path) {
    qsizetype slash = path.lastIndexOf(u'/');
#ifdef Q_OS_WIN
    slash = std::max(slash, path.lastIndexOf(u'\\'));
#endif
    return path.mid(slash + 1);
}

}  // namespace

ImageFormat imageFormatForPath(const QString& path) {
    // The extension is the file name's part from its last dot on; a dot in a folder name is not
    // one, and a name without a dot has none.
    const QString name = fileNamePart(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return ImageFormat::None;
    const QString extension = asciiUpper(name.mid(dot));
    if (extension == QLatin1String(".JPG"))
        return ImageFormat::Jpeg;
    if (extension == QLatin1String(".PNG"))
        return ImageFormat::Png;
    return ImageFormat::None;
}

}  // namespace rw
