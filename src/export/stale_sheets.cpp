#include "export/stale_sheets.h"

#include "export/workshop_layout.h"
#include "platform/native_path.h"

#include <algorithm>

#include <dirent.h>
#include <sys/stat.h>

namespace rw {
namespace {

// The number between the sheet names' fixed ends, which stockSheetPath writes without leading
// zeros, from 2 on. Compared as digits, so no number is too long to be read.
bool isSheetNumberAbove(QStringView digits, int sheetCount) {
    if (digits.isEmpty() || digits.front() == u'0' ||
        !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return false;
    const QString above = QString::number(std::max(sheetCount, 1));
    if (digits.size() != above.size())
        return digits.size() > above.size();
    return digits.compare(above) > 0;
}

}  // namespace

QStringList staleSheets(const QString& path, int sheetCount) {
    // What stays the same from sheet to sheet: whatever stockSheetPath puts before and after the
    // number, found where the names of sheets 2 and 3 part.
    const QString second = stockSheetPath(path, 1);
    const QString third = stockSheetPath(path, 2);
    qsizetype prefixLength = 0;
    while (prefixLength < second.size() && second[prefixLength] == third[prefixLength])
        ++prefixLength;
    const QString suffix = second.mid(prefixLength + 1);
    const QString prefix = second.left(prefixLength);
    const qsizetype slash = prefix.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QString() : prefix.left(slash + 1);
    const QString namePrefix = prefix.mid(slash + 1);

    QStringList stale;
    DIR* dir = ::opendir(folder.isEmpty() ? "." : encodeNativePath(folder).constData());
    if (dir == nullptr)
        return stale;
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = decodeNativePath(QByteArray(entry->d_name));
        if (name.size() <= namePrefix.size() + suffix.size() || !name.startsWith(namePrefix) ||
            !name.endsWith(suffix))
            continue;
        const QStringView number = QStringView(name).mid(
            namePrefix.size(), name.size() - namePrefix.size() - suffix.size());
        if (!isSheetNumberAbove(number, sheetCount))
            continue;
        const QString sheet = folder + name;
        struct stat st {};
        if (::lstat(encodeNativePath(sheet).constData(), &st) == 0 && S_ISREG(st.st_mode))
            stale << sheet;
    }
    ::closedir(dir);
    // In the order of their numbers: the names differ only there.
    std::sort(stale.begin(), stale.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return stale;
}

}  // namespace rw
