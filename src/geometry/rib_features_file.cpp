#include "geometry/rib_features_file.h"

#include "geometry/geometry_texts.h"
#include "geometry/rib_feature_options.h"
#include "platform/atomic_file.h"
#include "platform/errors.h"

#include <QDir>
#include <QFileInfo>

namespace rw {
namespace {

const QByteArray kFirstLine = "Ribwright rib details 1";

// Applies one `key=value` line; false for a key this file does not hold or a value it cannot
// hold twice. A value that does not parse throws from its parser.
bool applyLine(const QString& key, const QString& value, RibFeatures& features) {
    if (key == QLatin1String("spar-notch")) {
        features.sparNotches.push_back(parseSparNotchOption(value));
    } else if (key == QLatin1String("upper-skin") && !features.upperSkin) {
        features.upperSkin = parseSkinOption(QStringLiteral("upper-skin"), value);
    } else if (key == QLatin1String("lower-skin") && !features.lowerSkin) {
        features.lowerSkin = parseSkinOption(QStringLiteral("lower-skin"), value);
    } else if (key == QLatin1String("te-stock") &&
               features.trailingEdge.cut == TrailingEdgeCut::None) {
        features.trailingEdge = parseTrailingEdgeStockOption(value);
    } else if (key == QLatin1String("holes") && !features.holes.on) {
        features.holes = parseHolesOption(value);
    } else {
        return false;
    }
    return true;
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
    auto line = [&](const char* key, const QString& value) {
        text += QByteArray(key) + '=' + value.toLatin1() + "\r\n";
    };
    for (const SparNotch& notch : features.sparNotches)
        line("spar-notch", formatSparNotchOption(notch));
    if (features.upperSkin)
        line("upper-skin", formatSkinOption(*features.upperSkin));
    if (features.lowerSkin)
        line("lower-skin", formatSkinOption(*features.lowerSkin));
    if (features.trailingEdge.cut != TrailingEdgeCut::None)
        line("te-stock", formatTrailingEdgeStockOption(features.trailingEdge));
    if (features.holes.on)
        line("holes", formatHolesOption(features.holes));
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
