#pragma once

#include "geometry/wing/wing_panel.h"
#include "platform/data_folders.h"

#include <QString>
#include <QStringList>

namespace rw {

// The window's wing panel, kept in the data folder between runs as "key=value" lines in the
// option texts of the command line (span, planform, sweep, min-tip-chord, stations, tip-airfoil).
// Reading is robust as the rib details file's is: a bad line is skipped and named, unknown keys
// are kept and written back, a file that is not a small regular file gives the defaults.
struct WingPanelFileRead {
    WingPanel panel;           // files it names not yet read (see loadWingPanelFiles)
    QStringList problems;      // one line per line skipped, for the user
    QStringList unknownLines;  // kept as they were, written back on save
};

QString wingPanelFilePath(const DataFolders& folders);

// A handful of lines is all the file ever holds; a larger one is not read at all.
constexpr qint64 kWingPanelFileLimit = 64 * 1024;

// A missing file gives the defaults and no problem (the first run).
WingPanelFileRead readWingPanelFile(const QString& path);
// Writes atomically. Throws FileError, also when something other than a regular file stands at
// `path`.
void writeWingPanelFile(const QString& path, const WingPanel& panel,
                        const QStringList& unknownLines);

}  // namespace rw
