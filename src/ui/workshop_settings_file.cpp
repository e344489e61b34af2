#include "ui/workshop_settings_file.h"

#include "export/laser_options.h"
#include "geometry/features/option_numbers.h"
#include "geometry/geometry_texts.h"
#include "geometry/settings_lines.h"
#include "platform/atomic_file.h"
#include "platform/errors.h"
#include "platform/text_trim.h"

#include <QDir>
#include <QRegularExpression>

#include <set>

namespace rw {
namespace {

const char kFirstKey[] = "ribwright-workshop";
const QByteArray kFirstLine = QByteArray(kFirstKey) + "=1";

const std::set<QString>& knownKeys() {
    static const std::set<QString> keys{QStringLiteral("kerf"), QStringLiteral("sides"),
                                        QStringLiteral("copies"), QStringLiteral("gap"),
                                        QStringLiteral("nest")};
    return keys;
}

// Millimetres with '.', from 0 to `largest`, as the command line reads them.
std::optional<double> millimetres(const QString& text, double largest) {
    static const QRegularExpression pattern(QStringLiteral("^\\d{1,4}(?:\\.\\d+)?$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    const double mm = text.toDouble();
    return mm <= largest ? std::optional<double>(mm) : std::nullopt;
}

// Reads one known key's value into `settings`; false when it does not read.
bool applyValue(const QString& key, const QString& value, WorkshopSettings& settings) {
    if (key == QLatin1String("kerf")) {
        const auto mm = millimetres(value, kMaxKerf);
        settings.kerf = mm.value_or(settings.kerf);
        return mm.has_value();
    }
    if (key == QLatin1String("gap")) {
        const auto mm = millimetres(value, kMaxPartGap);
        settings.gap = mm.value_or(settings.gap);
        return mm.has_value();
    }
    if (key == QLatin1String("sides")) {
        const auto sides = value == QLatin1String("one") ? RibSides::One : ribSidesNamed(value);
        settings.sides = sides.value_or(settings.sides);
        return sides.has_value();
    }
    if (key == QLatin1String("copies")) {
        static const QRegularExpression whole(QStringLiteral("^\\d{1,3}$"));
        const int count = whole.match(value).hasMatch() ? value.toInt() : 0;
        if (count < 1 || count > kMaxCopies)
            return false;
        settings.copies = count;
        return true;
    }
    if (key == QLatin1String("nest")) {
        if (value != QLatin1String("yes") && value != QLatin1String("no"))
            return false;
        settings.nest = value == QLatin1String("yes");
        return true;
    }
    return false;
}

WorkshopSettingsRead readText(const QByteArray& bytes) {
    WorkshopSettingsRead read;
    SettingsLines lines = readSettingsLines(bytes, kFirstKey, knownKeys(),
                                            [&](const QString& key, const QString& value) {
                                                return applyValue(key, value, read.settings);
                                            });
    read.problems = std::move(lines.problems);
    read.unknownLines = std::move(lines.unknownLines);
    // The beam's width would close the gap between the parts: the kerf line is the one left out.
    const auto kerf = lines.lineOfKey.find(QStringLiteral("kerf"));
    if (read.settings.gap < read.settings.kerf && kerf != lines.lineOfKey.end()) {
        read.problems.append(
            badLineText(kerf->second, shortenedToken(lines.lines[kerf->second - 1].trimmed())));
        read.settings.kerf = WorkshopSettings{}.kerf;
    }
    return read;
}

QByteArray fileText(const WorkshopSettings& settings, const QStringList& unknownLines) {
    QStringList lines{QString::fromLatin1(kFirstLine)};
    const WorkshopSettings defaults;
    if (settings.kerf != defaults.kerf)
        lines << QStringLiteral("kerf=") + shortestOptionNumber(settings.kerf);
    if (settings.sides != defaults.sides)
        lines << QStringLiteral("sides=") + ribSidesKey(settings.sides);
    if (settings.copies != defaults.copies)
        lines << QStringLiteral("copies=") + QString::number(settings.copies);
    if (settings.gap != defaults.gap)
        lines << QStringLiteral("gap=") + shortestOptionNumber(settings.gap);
    if (settings.nest != defaults.nest)
        lines << QStringLiteral("nest=") +
                     (settings.nest ? QStringLiteral("yes") : QStringLiteral("no"));
    lines << unknownLines;
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

}  // namespace

void applyWorkshopSettings(const WorkshopSettings& settings, OutputOptions& options) {
    options.kerf = settings.kerf;
    options.sides = settings.sides;
    options.copies = settings.copies;
    options.gap = settings.gap;
    options.nest = settings.nest;
}

QString ribSidesKey(RibSides sides) {
    switch (sides) {
        case RibSides::Left:
            return QStringLiteral("left");
        case RibSides::Right:
            return QStringLiteral("right");
        case RibSides::Both:
            return QStringLiteral("both");
        case RibSides::One:
            break;
    }
    return QStringLiteral("one");
}

QString workshopSettingsFilePath(const DataFolders& folders) {
    return folders.dataDir + QDir::separator() + QStringLiteral("workshop.txt");
}

WorkshopSettingsRead readWorkshopSettingsFile(const QString& path) {
    return readSettingsFile<WorkshopSettingsRead>(path, kWorkshopSettingsFileLimit, readText,
                                                  [](const QString& reason) {
                                                      return WorkshopSettingsRead{{}, {reason}, {}};
                                                  });
}

void writeWorkshopSettingsFile(const QString& path, const WorkshopSettings& settings,
                               const QStringList& unknownLines) {
    writeSettingsFile(path, fileText(settings, unknownLines));
}

}  // namespace rw
