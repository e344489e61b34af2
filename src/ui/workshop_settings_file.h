#pragma once

#include "export/output_options.h"
#include "platform/data_folders.h"

#include <QString>
#include <QStringList>

namespace rw {

// The laser shop's settings the window keeps between runs: the values of OutputOptions the
// command line sets with --kerf, --sides, --copies, --gap and --nest.
struct WorkshopSettings {
    double kerf = OutputOptions{}.kerf;
    RibSides sides = OutputOptions{}.sides;
    int copies = OutputOptions{}.copies;
    double gap = OutputOptions{}.gap;
    bool nest = OutputOptions{}.nest;
    friend bool operator==(const WorkshopSettings&, const WorkshopSettings&) = default;
};

// The options with the shop's settings laid over them; the paper and the stock stay.
void applyWorkshopSettings(const WorkshopSettings& settings, OutputOptions& options);

// Kept in the data folder as "key=value" lines (kerf, sides, copies, gap, nest), numbers with '.'
// whatever the locale. Read as robustly as the wing panel's file: a bad line is skipped and named,
// unknown keys are kept and written back, a file that is not a small regular file gives the
// defaults.
QString workshopSettingsFilePath(const DataFolders& folders);

constexpr qint64 kWorkshopSettingsFileLimit = 64 * 1024;

struct WorkshopSettingsRead {
    WorkshopSettings settings;
    QStringList problems;      // one line per line skipped, for the user
    QStringList unknownLines;  // kept as they were, written back on save
};

// A missing file gives the defaults and no problem (the first run).
WorkshopSettingsRead readWorkshopSettingsFile(const QString& path);
// Writes atomically. Throws FileError, also when something other than a regular file stands at
// `path`.
void writeWorkshopSettingsFile(const QString& path, const WorkshopSettings& settings,
                               const QStringList& unknownLines);

// The sides as the file and the command line name them ("one", "left", "right", "both").
QString ribSidesKey(RibSides sides);

}  // namespace rw
