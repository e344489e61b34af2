#pragma once

#include "cli/cli_output.h"
#include "cli/file_identity.h"
#include "cli/output_targets.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

namespace rw::cli {

// What the files of a batch share: the airfoil files it reads and what earlier files wrote.
struct BatchFiles {
    QStringList inputs;
    QSet<QString> stemsTaken;
    std::vector<FileIdentity> written;
};

// Every file a run writes is a file of its own: no two outputs or stock sheets on one file
// (a usage error), none on an airfoil file the batch reads (a usage error), none on a file an
// earlier file of the batch wrote (that file refused). Says which on `err` and returns the exit
// status, kWritten when all are apart.
int checkFilesApart(const OutputTargets& targets, const BatchFiles& batch, CliStream& err);

// After a write failed part way: what is in place, so nobody takes the folder for a whole run.
void tellWrittenBeforeFailure(const QStringList& written, CliStream& err);

// Removes the further stock sheets an earlier run left beside the workshop files of `done` (the
// outputs this run wrote whole), saying so for each; `all` are every output of the run. A file
// this run or an earlier file of its batch wrote, or an airfoil file it reads, stays whatever
// its name. Returns kFileError when one could not be removed (said on `err`), else kWritten.
int removeStaleSheets(const OutputTargets& done, const OutputTargets& all, const BatchFiles& batch,
                      CliStream& err);

}  // namespace rw::cli
