#include "geometry/wing/wing_panel_file.h"

#include "geometry/features/option_numbers.h"
#include "geometry/geometry_texts.h"
#include "geometry/settings_lines.h"
#include "geometry/wing/wing_panel_options.h"
#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/text_trim.h"

#include <QDir>

#include <limits>
#include <set>

namespace rw {
namespace {

// The first line names the file's kind and version in the file's own form, so a later version
// can tell an earlier file.
const char kFirstKey[] = "ribwright-wing-panel";
const QByteArray kFirstLine = QByteArray(kFirstKey) + "=1";

const std::set<QString>& knownKeys() {
    static const std::set<QString> keys{QStringLiteral("span"),     QStringLiteral("planform"),
                                        QStringLiteral("sweep"),    QStringLiteral("min-tip-chord"),
                                        QStringLiteral("stations"), QStringLiteral("tip-airfoil"),
                                        QStringLiteral("washout"),  QStringLiteral("pivot")};
    return keys;
}

// Reads the value of one of the known keys into `panel`; false when it does not read.
bool applyValue(const QString& key, const QString& value, WingPanel& panel) {
    try {
        if (key == QLatin1String("span")) {
            panel.halfSpan = parsePanelLength(value, "--span", 1);
        } else if (key == QLatin1String("planform")) {
            const PlanformChoice choice = parsePlanformOption(value);
            panel.planform = choice.kind;
            panel.tablePath = choice.tablePath;
        } else if (key == QLatin1String("sweep")) {
            panel.sweep = parsePanelLength(value, "--sweep", std::numeric_limits<double>::lowest());
        } else if (key == QLatin1String("min-tip-chord")) {
            panel.minTipChord = parsePanelLength(value, "--min-tip-chord", 0);
        } else if (key == QLatin1String("stations")) {
            panel.stations = parseStationsOption(value);
        } else if (key == QLatin1String("tip-airfoil")) {
            panel.tipAirfoilPath = value;
            return !value.isEmpty();
        } else if (key == QLatin1String("washout")) {
            panel.washout = parseWashoutOption(value);
        } else if (key == QLatin1String("pivot")) {
            panel.pivot = parsePivotOption(value);
        }
    } catch (const RibwrightError&) {
        return false;
    }
    return true;
}

WingPanelFileRead readText(const QByteArray& bytes) {
    WingPanelFileRead read;
    // A value that does not read leaves the panel as it was.
    SettingsLines lines = readSettingsLines(bytes, kFirstKey, knownKeys(),
                                            [&](const QString& key, const QString& value) {
                                                WingPanel attempt = read.panel;
                                                if (!applyValue(key, value, attempt))
                                                    return false;
                                                read.panel = std::move(attempt);
                                                return true;
                                            });
    read.problems = std::move(lines.problems);
    read.unknownLines = std::move(lines.unknownLines);
    return read;
}

QByteArray fileText(const WingPanel& panel, const QStringList& unknownLines) {
    QStringList lines{QString::fromLatin1(kFirstLine)};
    const WingPanel defaults;
    if (panel.halfSpan)
        lines << QStringLiteral("span=") + shortestOptionNumber(*panel.halfSpan);
    if (panel.planform != defaults.planform)
        lines << QStringLiteral("planform=") +
                     formatPlanformOption(panel.planform, panel.tablePath);
    if (panel.sweep != defaults.sweep)
        lines << QStringLiteral("sweep=") + shortestOptionNumber(panel.sweep);
    if (panel.minTipChord != defaults.minTipChord)
        lines << QStringLiteral("min-tip-chord=") + shortestOptionNumber(panel.minTipChord);
    if (!(panel.stations == defaults.stations))
        lines << QStringLiteral("stations=") + formatStationsOption(panel.stations);
    if (!panel.tipAirfoilPath.isEmpty())
        lines << QStringLiteral("tip-airfoil=") + panel.tipAirfoilPath;
    if (panel.washout != defaults.washout)
        lines << QStringLiteral("washout=") + formatTwistOption(panel.washout);
    if (panel.pivot != defaults.pivot)
        lines << QStringLiteral("pivot=") + formatTwistOption(panel.pivot);
    lines << unknownLines;
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

}  // namespace

QString wingPanelFilePath(const DataFolders& folders) {
    return folders.dataDir + QDir::separator() + QStringLiteral("wingpanel.txt");
}

WingPanelFileRead readWingPanelFile(const QString& path) {
    return readSettingsFile<WingPanelFileRead>(path, kWingPanelFileLimit, readText,
                                               [](const QString& reason) {
                                                   return WingPanelFileRead{{}, {reason}, {}};
                                               });
}

void writeWingPanelFile(const QString& path, const WingPanel& panel,
                        const QStringList& unknownLines) {
    writeSettingsFile(path, fileText(panel, unknownLines));
}

}  // namespace rw
