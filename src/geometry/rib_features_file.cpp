#include "geometry/rib_features_file.h"

#include "geometry/features/feature_units.h"
#include "geometry/geometry_texts.h"
#include "platform/atomic_file.h"
#include "platform/errors.h"

#include <QDir>
#include <QFileInfo>

namespace rw {
namespace {

const QByteArray kFirstLine = "Ribwright rib details 1";

// Applies one `key=value` line; false for a key this file does not hold or a value it cannot
// hold twice. A value that does not read throws from its feature.
bool applyLine(const QString& key, const QString& value, RibFeatures& features) {
    for (const RibFeatureUnit& unit : ribFeatureUnits()) {
        if (key != QLatin1String(unit.key))
            continue;
        if (!unit.repeatable && unit.isSet(features))
            return false;
        unit.read(value, features);
        return true;
    }
    return false;
}

QString damaged(const QString& path, const QString& detail) {
    return damagedFeaturesFileText(QDir::toNativeSeparators(path), detail);
}

}  // namespace

QString ribFeaturesFilePath(const DataFolders& folders) {
    return folders.dataDir + QDir::separator() + QStringLiteral("ribdetails.txt");
}

QByteArray ribFeaturesFileText(const RibFeatures& features) {
    QByteArray text = kFirstLine + "\r\n";
    for (const RibFeatureUnit& unit : ribFeatureUnits()) {
        for (const QString& value : unit.write(features))
            text += QByteArray(unit.key) + '=' + value.toLatin1() + "\r\n";
    }
    return text;
}

RibFeaturesLoad loadRibFeatures(const QString& path) {
    if (!QFileInfo::exists(path))
        return {};
    QByteArray bytes;
    try {
        bytes = readWholeFile(path);
    } catch (const FileError& error) {
        return {RibFeatures{}, damaged(path, error.text())};
    }
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.front().trimmed() != kFirstLine)
        return {RibFeatures{}, damaged(path, wrongFirstLineText())};

    RibFeatures features;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = QString::fromLatin1(lines[i]).trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString where = badLineText(int(i + 1), line);
        try {
            if (equals < 0 ||
                !applyLine(line.left(equals).trimmed(), line.mid(equals + 1), features)) {
                return {RibFeatures{}, damaged(path, where)};
            }
        } catch (const RibwrightError&) {
            return {RibFeatures{}, damaged(path, where)};
        }
    }
    return {features, QString()};
}

void saveRibFeatures(const QString& path, const RibFeatures& features) {
    writeFileAtomically(path, ribFeaturesFileText(features));
}

}  // namespace rw
