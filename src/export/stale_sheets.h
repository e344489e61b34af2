#pragma once

#include <QString>
#include <QStringList>

namespace rw {

// The further stock sheets of `path` that an earlier run left and this one did not write: the
// regular files (not links, not folders) in its folder named exactly as stockSheetPath names
// sheet N for an N above `sheetCount` (a number without leading zeros). A run that writes fewer
// sheets than the one before would otherwise leave ribs beside it that are not in this run.
QStringList staleSheets(const QString& path, int sheetCount);

}  // namespace rw
