#include "geometry/rib_features_file.h"

#include "geometry/features/feature_units.h"
#include "geometry/geometry_texts.h"
#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/text_trim.h"

#include <QDir>


namespace rw {
namespace {

// The first line names the file and the version that wrote it.
const QByteArray kFirstLine = "Ribwright rib details 1";
constexpr int kVersion = 1;
const QByteArray kFirstLinePrefix = kFirstLine.left(kFirstLine.lastIndexOf(' ') + 1);
// Skipped lines are named up to this many; the rest are counted.
constexpr int kLinesNamed = 5;

enum class LineRead { Applied, Unknown, Refused };

// The key's unit, or null for a key this version does not know.
const RibFeatureUnit* unitFor(const QString& key) {
    for (const RibFeatureUnit& unit : ribFeatureUnits()) {
        if (key == QLatin1String(unit.key))
            return &unit;
    }
    return nullptr;
}

// Reads one value into a copy, so a value that does not read leaves the features as they were.
bool readValue(const RibFeatureUnit& unit, const QString& value, RibFeatures& features) {
    RibFeatures attempt = features;
    try {
        unit.read(value, attempt);
    } catch (const RibwrightError&) {
        return false;
    }
    features = std::move(attempt);
    return true;
}

// Applies one `key=value` line. A value that can be given once is refused the second time. The
// file is written with points, but a comma typed by hand on a desktop that writes numbers with
// one is meant as the same: no value of the file uses a comma otherwise.
LineRead applyLine(const QString& line, RibFeatures& features) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return LineRead::Refused;
    const RibFeatureUnit* unit = unitFor(line.left(equals).trimmed());
    if (!unit)
        return LineRead::Unknown;
    if (!unit->repeatable && unit->isSet(features))
        return LineRead::Refused;
    QString value = line.mid(equals + 1);
    if (readValue(*unit, value, features))
        return LineRead::Applied;
    if (value.contains(QLatin1Char(',')) &&
        readValue(*unit, value.replace(QLatin1Char(','), QLatin1Char('.')), features)) {
        return LineRead::Applied;
    }
    return LineRead::Refused;
}

// The version the first line names; 0 when it does not name this file.
int versionOf(const QByteArray& firstLine) {
    const QByteArray line = firstLine.trimmed();
    if (!line.startsWith(kFirstLinePrefix))
        return 0;
    bool ok = false;
    const int version = line.mid(kFirstLinePrefix.size()).toInt(&ok);
    return ok && version > 0 ? version : 0;
}

// Lines as any editor may have saved them: after a byte-order mark, ended by CR LF, LF or CR.
QList<QByteArray> linesOf(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');
    return bytes.split('\n');
}

QString damaged(const QString& path, const QString& detail) {
    return damagedFeaturesFileText(QDir::toNativeSeparators(path), detail);
}

QString skipped(const QString& path, const QStringList& lines, int count) {
    QStringList shown = lines;
    if (count > lines.size())
        shown.append(moreSkippedLinesText(count - int(lines.size())));
    return skippedFeaturesLinesText(QDir::toNativeSeparators(path), shown.join(QLatin1Char('\n')));
}

RibFeaturesLoad readText(const QString& path, const QByteArray& bytes) {
    const QList<QByteArray> lines = linesOf(bytes);
    const int version = versionOf(lines.front());
    if (version == 0)
        return {RibFeatures{}, damaged(path, wrongFirstLineText()), false, {}};

    RibFeaturesLoad load;
    load.newerVersion = version > kVersion;
    QStringList named;
    int skippedCount = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = QString::fromLatin1(lines[i]).trimmed();
        if (line.isEmpty())
            continue;
        switch (applyLine(line, load.features)) {
            case LineRead::Applied:
                break;
            case LineRead::Unknown:
                load.keptLines.append(lines[i]);
                break;
            case LineRead::Refused:
                if (++skippedCount <= kLinesNamed)
                    named.append(badLineText(int(i + 1), shortenedToken(line)));
                break;
        }
    }
    if (skippedCount > 0)
        load.message = skipped(path, named, skippedCount);
    return load;
}

}  // namespace

QString ribFeaturesFilePath(const DataFolders& folders) {
    return folders.dataDir + QDir::separator() + QStringLiteral("ribdetails.txt");
}

QByteArray ribFeaturesFileText(const RibFeatures& features, const QList<QByteArray>& keptLines) {
    QByteArray text = kFirstLine + "\r\n";
    for (const RibFeatureUnit& unit : ribFeatureUnits()) {
        for (const QString& value : unit.write(features))
            text += QByteArray(unit.key) + '=' + value.toLatin1() + "\r\n";
    }
    for (const QByteArray& line : keptLines) text += line + "\r\n";
    return text;
}

RibFeaturesLoad loadRibFeatures(const QString& path) {
    return readSettingsFile<RibFeaturesLoad>(
        path, kRibFeaturesFileLimit, [&](const QByteArray& bytes) { return readText(path, bytes); },
        [&](const QString& reason) {
            return RibFeaturesLoad{RibFeatures{}, damaged(path, reason), false, {}};
        });
}

bool ribFeaturesFileIsNewer(const QString& path) {
    return loadRibFeatures(path).newerVersion;
}

void saveRibFeatures(const QString& path, const RibFeatures& features) {
    writeSettingsFile(path, ribFeaturesFileText(features, loadRibFeatures(path).keptLines));
}

}  // namespace rw
